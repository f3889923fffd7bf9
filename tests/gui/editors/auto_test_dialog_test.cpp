// The auto-test export window: the shown boxes, the export of the ticked kinds into the chosen
// file, and a cancelled file choice that writes nothing and keeps the window open.

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <iterator>

#include "editors/auto_test_dialog.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::AutoTestDialog;

class AutoTestDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;

    /// The lines of the export file's map part, after the count line and the channel list.
    static std::vector<std::string> MapLines(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        const auto first = static_cast<std::ptrdiff_t>(1 + 9 * std::stoi(lines.at(0)));
        return {lines.begin() + first, lines.begin() + first + kBlockCount};
    }

private slots:
    void init() {
        image_ = RadioImage();
        ResetImage(image_, {}, nullptr);
    }

    void exportsTheTickedKindsIntoTheChosenFile() {
        const auto file = folder_.Path() / "radio.EPM";
        user_.ui.saveFiles = {std::nullopt, file.string()};
        AutoTestDialog dialog(image_, user_.ctx);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("电调生产频设置"));
        auto* channels = Input<QCheckBox>(&dialog, "Check1_0");
        QVERIFY(channels->isChecked() && !channels->isEnabled());
        QVERIFY(!Input<QCheckBox>(&dialog, "Check1_1")->isVisible());
        auto* book = Input<QCheckBox>(&dialog, "Check1_10");
        QVERIFY(book->isVisible() && !book->isChecked());
        QTest::mouseClick(book, Qt::LeftButton);

        auto* exportButton = Input<QPushButton>(&dialog, "Command1");
        QTest::mouseClick(exportButton, Qt::LeftButton); // the file choice is cancelled
        QVERIFY(dialog.isVisible());
        QVERIFY(!std::filesystem::exists(file));
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(user_.ui.fileChoices.back().Filter, std::string("电调生产频 (*.EPM)"));

        const std::vector<std::string> map = MapLines(file);
        QCOMPARE(map.at(0x1980 / 16), std::string("1\r"));
        QCOMPARE(map.at(0x1FF0 / 16), std::string("1\r"));
        QVERIFY(user_.ui.shown.empty());
    }
};

RP70_GUI_TEST(AutoTestDialogTest);

#include "auto_test_dialog_test.moc"
