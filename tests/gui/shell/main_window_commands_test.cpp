// The commands of the main window: channel commands on the table, the questions of the file
// commands, and a Read, an edit and a Write with the simulated radio.

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "channels/channel_table_view.h"
#include "files/modified_check.h"
#include "link/progress_dialog.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/recording_interaction.h"
#include "support/rich_image.h"
#include "support/shipped_program.h"
#include "support/simulated_radio.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;
using rp70::test::Entry;
using rp70::test::ModalDriver;
using rp70::test::RecordingInteraction;
using rp70::test::SimulatedRadio;
using rp70::test::TempFolder;
using Program = rp70::test::StartedProgram;

namespace {

/// The ten data cells of row `row`.
QStringList Row(const ChannelTableView* table, int row) {
    QStringList cells;
    for (int column = 1; column <= 10; ++column) {
        cells << table->CellText(row, column);
    }
    return cells;
}

bool Blank(const ChannelTableView* table, int row) {
    for (const QString& cell : Row(table, row)) {
        if (!cell.isEmpty()) {
            return false;
        }
    }
    return true;
}

/// Shows `window` active, so that its shortcuts reach it.
bool ShowActive(MainWindow& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void channelCommandsWorkOnTheCurrentRow() {
        TempFolder folder;
        Program program(folder.Path());
        test::FillRichImage(*program.image);
        TakeSnapshot(*program.image);
        MainWindow window(*program.image, program.state, program.ui);
        QVERIFY(ShowActive(window));
        ChannelTableView* table = window.ChannelTable();
        table->setFocus();
        const QStringList five = Row(table, 5);
        QVERIFY(!Blank(table, 5));
        QVERIFY(Row(table, 6) != five);

        // Copy 5 (keyboard), paste on 6 (keyboard) and 7 (tool bar).
        table->SetCurrentChannel(5);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        table->SetCurrentChannel(6);
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        table->SetCurrentChannel(7);
        window.findChild<QToolButton*>("CHPaste")->click();
        QCOMPARE(Row(table, 6), five);
        QCOMPARE(Row(table, 7), five);
        QCOMPARE(Row(table, 5), five);

        // Cut 5, paste on 9.
        table->SetCurrentChannel(5);
        QTest::keyClick(table, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(Blank(table, 5));
        table->SetCurrentChannel(9);
        Entry(window, "MnuCHPaste")->trigger();
        QCOMPARE(Row(table, 9), five);

        // Copy the now empty row 5 and paste it on row 8: row 8 is deleted.
        const int count = program.image->UsedChannelCount();
        table->SetCurrentChannel(5);
        window.findChild<QToolButton*>("CHCopy")->click();
        table->SetCurrentChannel(8);
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(Blank(table, 8));
        QCOMPARE(program.image->UsedChannelCount(), count - 1);

        // Delete by its key.
        table->SetCurrentChannel(10);
        QTest::keyClick(table, Qt::Key_Delete);
        QVERIFY(Blank(table, 10));
        QVERIFY(program.ui.shown.empty());
    }

    void fileAndRadioCommandsOfferToSaveFirst() {
        TempFolder folder;
        Program program(folder.Path());
        program.state.Settings.ComDevice = (folder.Path() / "no-such-port").string();
        MainWindow window(*program.image, program.state, program.ui);
        window.ChannelTable()->SetCurrentChannel(204);
        Entry(window, "MnuCHDelete")->trigger();
        QVERIFY(!IsUnchanged(*program.image));
        const std::string offer = program.state.Texts.Msg("9001");
        QVERIFY(!offer.empty());

        // New: the offer, then the clearing question; Cancel keeps the image.
        program.ui.answers = {Answer::No, Answer::Cancel};
        Entry(window, "mnuFileNew")->trigger();
        QCOMPARE(program.ui.Texts(),
                 std::vector<std::string>({offer, "All data will be cleared."}));
        QVERIFY(!IsUnchanged(*program.image));

        // Open: the modified question; Cancel stops before the file choice.
        program.ui.shown.clear();
        program.ui.answers = {Answer::Cancel};
        Entry(window, "mnuFileOpen")->trigger();
        QCOMPARE(program.ui.Texts(),
                 std::vector<std::string>({"File has been modify,save it now?"}));
        QVERIFY(program.ui.fileChoices.empty());

        // Read: the offer, and the read goes on (here to a port that cannot open).
        program.ui.shown.clear();
        program.ui.answers = {Answer::Cancel};
        Entry(window, "mnuProRead")->trigger();
        QCOMPARE(program.ui.Texts().size(), std::size_t{2});
        QCOMPARE(program.ui.Texts()[0], offer);
        QVERIFY(program.ui.Texts()[1].starts_with(program.Text(2002) + "\n"));
        QVERIFY(!window.TransferRunning());

        // Initialise: the offer only, then a new image.
        program.ui.shown.clear();
        program.ui.answers = {Answer::No};
        Entry(window, "MnuSetInit")->trigger();
        QCOMPARE(program.ui.Texts(), std::vector<std::string>({offer}));
        QVERIFY(IsUnchanged(*program.image));
        QVERIFY(!Blank(window.ChannelTable(), 204));
    }

    void saveAsRenamesTheCaption() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        const std::string file = (folder.Path() / "radio.dat").string();
        program.ui.saveFiles = {file};
        program.ui.passwords = {std::string()};
        Entry(window, "mnuFileSaveAs")->trigger();
        QVERIFY(window.windowTitle().endsWith(":" + QString::fromStdString(file) + "]"));
    }

    void fileDialogsStartAtTheCurrentFile() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        const std::string file = (folder.Path() / "radio.dat").string();
        program.ui.saveFiles = {file};
        program.ui.passwords = {std::string()};
        Entry(window, "mnuFileSaveAs")->trigger();
        Entry(window, "mnuFileOpen")->trigger();
        Entry(window, "mnuFileSaveAs")->trigger();
        std::vector<std::string> proposed;
        for (const FileChoice& choice : program.ui.fileChoices) {
            proposed.push_back(choice.ProposedPath);
        }
        QCOMPARE(proposed, (std::vector<std::string>{"new.dat", folder.Path().string(), file}));
    }

    void readEditAndWriteWithTheSimulatedRadio() {
        SimulatedRadio sim;
        sim.start(RP70_SIM_PATH, {"--fast"});
        QVERIFY2(sim.waitForStarted(5000), "rp70-sim does not start");
        QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), 5000);
        const QString device = QString::fromUtf8(sim.readLine()).trimmed();
        QVERIFY(device.startsWith('/'));

        TempFolder folder;
        Program program(folder.Path());
        program.state.Settings.ComDevice = device.toStdString();
        MainWindow window(*program.image, program.state, program.ui);
        QVERIFY(ShowActive(window));
        ChannelTableView* table = window.ChannelTable();
        QVERIFY(!window.Tree()->findItems("DTMF", Qt::MatchRecursive).size());

        // While the progress window shows, the main window refuses to close.
        bool progressShown = false;
        bool closeRefused = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto* progress = window.findChild<ProgressDialog*>();
                progress != nullptr && progress->isVisible() && !progressShown) {
                progressShown = true;
                closeRefused = !window.close();
            }
        });
        watch.start(5);

        Entry(window, "mnuProRead")->trigger();
        const std::string success = program.Text(2004);
        QCOMPARE(
            program.ui.Texts(),
            std::vector<std::string>({"Read data from radio.\r\nDo you wish continue?", success}));
        QVERIFY(progressShown);
        QVERIFY(closeRefused);
        QVERIFY(window.isVisible());
        QCOMPARE(table->CellText(1, 1), QStringLiteral("145.50000"));
        QCOMPARE(table->CellText(1, 3), QStringLiteral("CALL"));
        // The radio reported DTMF: the tree shows its group now.
        QCOMPARE(window.Tree()->findItems(program.Text(5023).c_str(), Qt::MatchRecursive).size(),
                 1);

        ModalDriver driver;
        driver.Ignore("rp70::gui::ProgressDialog");
        driver.Then([](QWidget* dialog) {
            auto* rx = dialog->findChild<QLineEdit*>("rxFreqEdit");
            rx->clear();
            QTest::keyClicks(rx, "146.52500");
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        table->SetCurrentChannel(2, 0); // the label column edits nothing
        Entry(window, "mnuEditCH")->trigger();
        QCOMPARE(driver.Pending(), 1);
        table->SetCurrentChannel(2, 1);
        Entry(window, "mnuEditCH")->trigger();
        QCOMPARE(driver.Pending(), 0);
        QCOMPARE(table->CellText(2, 1), QStringLiteral("146.52500"));

        program.ui.shown.clear();
        Entry(window, "MnuProWrite")->trigger();
        QCOMPARE(program.ui.Texts().back(), program.Text(2005));

        // Read it back from a fresh image.
        program.ui.shown.clear();
        Entry(window, "mnuFileNew")->trigger();
        QVERIFY(table->CellText(2, 1).isEmpty());
        Entry(window, "mnuProRead")->trigger();
        QCOMPARE(program.ui.Texts().back(), success);
        QCOMPARE(table->CellText(2, 1), QStringLiteral("146.52500"));
        QCOMPARE(table->CellText(2, 3), QStringLiteral("SIMPLX1"));

        // The embedded message shows what a radio information transfer read.
        QString serial;
        driver.Then([&serial](QWidget* dialog) {
            if (auto* edit = dialog->findChild<QLineEdit*>("serialNumberEdit")) {
                serial = edit->text();
            }
            static_cast<QDialog*>(dialog)->reject();
        });
        Entry(window, "MnuEMg")->trigger();
        QCOMPARE(driver.Pending(), 0);
        QCOMPARE(serial, QString::fromStdString(TextOf(program.state.Info.SerialNumber)));
        QVERIFY(!serial.isEmpty());
        QVERIFY(driver.Unexpected().isEmpty());
    }
};

RP70_GUI_TEST(MainWindowCommandsTest);

#include "main_window_commands_test.moc"
