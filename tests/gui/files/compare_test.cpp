// File > Compare… and Program > Compare with Radio: the differences they list and the open image
// they leave alone.

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <memory>

#include "files/data_file.h"
#include "files/modified_check.h"
#include "model/fixed_text.h"
#include "shell/main_window.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/rich_image.h"
#include "support/shipped_program.h"
#include "support/simulated_radio.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;
using rp70::test::Entry;
using rp70::test::ModalDriver;
using rp70::test::SimulatedRadio;
using rp70::test::TempFolder;
using Program = rp70::test::StartedProgram;

namespace {

/// The rows of the compare dialog's table ("" when it says there are no differences), cells
/// joined by "|"; the dialog is closed.
void ReadDifferences(QWidget* dialog, QStringList& rows) {
    if (dialog->findChild<QLabel*>("noDifferences") != nullptr) {
        rows = {QString()};
    } else if (auto* table = dialog->findChild<QTableWidget*>("differencesTable")) {
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column) {
                cells << table->item(row, column)->text();
            }
            rows << cells.join('|');
        }
    }
    static_cast<QDialog*>(dialog)->reject();
}

} // namespace

class CompareTest : public QObject {
    Q_OBJECT

private slots:
    void fileDifferingInOneChannelListsItAndTheOpenImageStays() {
        TempFolder folder;
        Program program(folder.Path());
        test::FillRichImage(*program.image);
        TakeSnapshot(*program.image);
        const RadioImage before = *program.image;

        RadioImage other = *program.image;
        WriteFixedText(other.Channels[0].Name, "OTHER");
        other.CurrentFilePath = (folder.Path() / "other.dat").string();
        UserContext ctx{program.ui, program.state.Texts};
        program.ui.passwords.push_back(std::string());
        QVERIFY(SaveDataFile(ctx, other));

        MainWindow window(*program.image, program.state, program.ui);
        program.ui.openFiles.push_back(other.CurrentFilePath);
        QStringList rows;
        ModalDriver driver;
        driver.Then([&rows](QWidget* dialog) { ReadDifferences(dialog, rows); });
        Entry(window, "mnuFileCompare")->trigger();
        QCOMPARE(driver.Pending(), 0);
        QCOMPARE(rows, QStringList{"CH 0|Name|C1|OTHER"});
        QCOMPARE(program.image->Channels[0].Name, before.Channels[0].Name);
        QCOMPARE(program.image->CurrentFilePath, before.CurrentFilePath);
        QVERIFY(IsUnchanged(*program.image));
    }

    void radioWrittenWithTheOpenImageShowsNoDifferenceUntilItChanges() {
        SimulatedRadio sim;
        sim.start(RP70_SIM_PATH, {"--fast"});
        QVERIFY2(sim.waitForStarted(5000), "rp70-sim does not start");
        QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), 5000);
        const QString device = QString::fromUtf8(sim.readLine()).trimmed();

        TempFolder folder;
        Program program(folder.Path());
        program.state.Settings.ComDevice = device.toStdString();
        test::FillRichImage(*program.image);
        MainWindow window(*program.image, program.state, program.ui);
        ModalDriver driver;
        driver.Ignore("rp70::gui::ProgressDialog");
        Entry(window, "MnuProWrite")->trigger();
        QCOMPARE(program.ui.Texts().back(), program.Text(2005));

        QStringList rows;
        driver.Then([&rows](QWidget* dialog) { ReadDifferences(dialog, rows); });
        Entry(window, "mnuProCompare")->trigger();
        QCOMPARE(rows, QStringList{QString()});

        WriteFixedText(program.image->Channels[0].Name, "CHANGED");
        const RadioImage changed = *program.image;
        rows.clear();
        driver.Then([&rows](QWidget* dialog) { ReadDifferences(dialog, rows); });
        Entry(window, "mnuProCompare")->trigger();
        QCOMPARE(rows, QStringList{"CH 0|Name|CHANGED|C1"});
        QCOMPARE(program.image->Channels[0].Name, changed.Channels[0].Name);
        QVERIFY(driver.Unexpected().isEmpty());
    }
};

RP70_GUI_TEST(CompareTest);

#include "compare_test.moc"
