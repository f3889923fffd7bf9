// Undo and redo in the main window: every change of the image is one step.

#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QUndoStack>
#include <fstream>

#include "channels/channel_table_view.h"
#include "files/modified_check.h"
#include "model/image_content.h"
#include "shell/main_window.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/shipped_program.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;
using rp70::test::Entry;
using rp70::test::ModalDriver;
using rp70::test::TempFolder;
using Program = rp70::test::StartedProgram;

namespace {

void OnChannel(MainWindow& window, int number, const char* command) {
    window.ChannelTable()->SetCurrentChannel(number);
    Entry(window, command)->trigger();
}

} // namespace

class MainWindowUndoTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoWalkThroughEveryKindOfChange() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        RadioImage& image = *program.image;
        QVERIFY(IsUnchanged(image));
        std::vector<ImageContent> states{ContentOf(image)};
        const auto changed = [&] { states.push_back(ContentOf(image)); };

        OnChannel(window, 204, "MnuCHCopy"); // no change, no step
        OnChannel(window, 5, "MnuCHPaste");
        changed();
        OnChannel(window, 5, "MnuCHDelete");
        changed();

        const std::string csv = (folder.Path() / "in.csv").string();
        std::ofstream(csv) << "Location,Frequency,Name\n0,145.5,A\n7,146.5,B\n";
        program.ui.openFiles.push_back(csv);
        ModalDriver driver;
        driver.Then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        Entry(window, "mnuFileImportCsv")->trigger();
        changed();

        driver.Then([](QWidget* dialog) {
            QComboBox* mode = test::Combo(dialog, "scanModeCombo");
            mode->setCurrentIndex((mode->currentIndex() + 1) % mode->count());
            test::Press(dialog, QDialogButtonBox::Ok);
        });
        Entry(window, "MnuViewScan")->trigger();
        changed();

        QCOMPARE(window.UndoStack()->count(), 4);
        for (std::size_t step = states.size() - 1; step > 0; --step) {
            QVERIFY(Entry(window, "mnuEditUndo")->isEnabled());
            Entry(window, "mnuEditUndo")->trigger();
            QVERIFY2(ContentOf(image) == states[step - 1], std::to_string(step).c_str());
        }
        QVERIFY(!Entry(window, "mnuEditUndo")->isEnabled());
        QVERIFY(IsUnchanged(image)); // back at the snapshot
        QCOMPARE(window.ChannelTable()->model()->index(7, 3).data().toString(), QString());

        for (std::size_t step = 1; step < states.size(); ++step) {
            Entry(window, "mnuEditRedo")->trigger();
            QVERIFY2(ContentOf(image) == states[step], std::to_string(step).c_str());
        }
        QVERIFY(!Entry(window, "mnuEditRedo")->isEnabled());
        QVERIFY(!IsUnchanged(image));
        QCOMPARE(window.ChannelTable()->model()->index(7, 3).data().toString(), QString("B"));
        QVERIFY(driver.Unexpected().isEmpty());
    }
};

RP70_GUI_TEST(MainWindowUndoTest);
#include "main_window_undo_test.moc"
