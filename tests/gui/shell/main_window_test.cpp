// The main window's frame: caption, tree and menus by flags, layout, placement and closing.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <memory>

#include "channels/channel_table_view.h"
#include "factory/factory_mode.h"
#include "files/backups.h"
#include "files/modified_check.h"
#include "model/fixed_text.h"
#include "shell/main_window.h"
#include "shell/program_folder.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/recording_interaction.h"
#include "support/shipped_program.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;
using rp70::test::Entry;
using rp70::test::ModalDriver;
using rp70::test::RecordingInteraction;
using rp70::test::TempFolder;
using Program = rp70::test::StartedProgram;

namespace {

/// The keys of the nodes below the root, in order.
QStringList ChildKeys(const QTreeWidget* tree) {
    QStringList keys;
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        keys << root->child(i)->data(0, Qt::UserRole).toString();
    }
    return keys;
}

/// The node `key` below the root, or nullptr.
QTreeWidgetItem* Node(const QTreeWidget* tree, const QString& key) {
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->data(0, Qt::UserRole).toString() == key) {
            return root->child(i);
        }
    }
    return nullptr;
}

/// Presses the splitter's handle, moves it to `x` of the splitter and lets it go.
void DragSplitter(QSplitter* splitter, int x) {
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint start(handle->width() / 2, handle->height() / 2);
    const QPoint target = splitter->mapToGlobal(QPoint(x, splitter->height() / 2));
    QMouseEvent press(QEvent::MouseButtonPress, start, handle->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QMouseEvent move(QEvent::MouseMove, handle->mapFromGlobal(target), target, Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, handle->mapFromGlobal(target), target,
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionNamesModelBandAndFile() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        QCOMPARE(window.windowTitle(),
                 "KT_RP70[KT-RP70:Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)][" +
                     QString::fromStdString(program.Text(2012)) + ":new.dat]");
        QCOMPARE(window.Tree()->topLevelItem(0)->text(0), QStringLiteral("KT-RP70"));
        QVERIFY(window.Tree()->topLevelItem(0)->isExpanded());
        QVERIFY(program.ui.shown.empty());
    }

    void treeAndEditMenuFollowTheFeatureFlags() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        QCOMPARE(ChildKeys(window.Tree()), QStringList({"N1", "N4", "N10", "N11", "N8", "N9"}));
        QVERIFY(!Entry(window, "MnuViewDTMF")->isVisible());
        QVERIFY(!Entry(window, "MnuView2Tone")->isVisible());
        QVERIFY(!Entry(window, "MnuView5Tone")->isVisible());

        program.state.Features.HasDTMF = true;
        window.LoadShowTree();
        QCOMPARE(ChildKeys(window.Tree()),
                 QStringList({"N1", "N4", "N5", "N10", "N11", "N8", "N9"}));
        QCOMPARE(Node(window.Tree(), "N5")->text(0), QString::fromStdString(program.Text(5023)));
        QVERIFY(Entry(window, "MnuViewDTMF")->isVisible());
        QVERIFY(!Entry(window, "MnuView2Tone")->isVisible());

        program.state.Features.HasTwoTone = true;
        program.state.Features.HasFiveTone = true;
        window.LoadShowTree();
        QCOMPARE(ChildKeys(window.Tree()),
                 QStringList({"N1", "N4", "N5", "N6", "N7", "N10", "N11", "N8", "N9"}));
        QVERIFY(Entry(window, "MnuView5Tone")->isVisible());

        QCOMPARE(Node(window.Tree(), "N1")->text(0), QStringLiteral("CH"));
        for (const char* key : {"N1", "N4", "N5", "N6", "N7", "N10", "N11", "N8", "N9"}) {
            QVERIFY2(!Node(window.Tree(), key)->isDisabled(), key);
        }
    }

    void factoryModeShowsItsEntries() {
        TempFolder folder;
        {
            Program plain(folder.Path());
            MainWindow window(*plain.image, plain.state, plain.ui);
            QVERIFY(!Entry(window, "mnuTestData")->isVisible());
            QVERIFY(!Entry(window, "MnuHelpAutoTest")->isVisible());
            QVERIFY(!ChildKeys(window.Tree()).contains("N14"));
        }
        std::ofstream(MarkerFilePath(folder.Path())) << kFactoryMarker;
        Program program(folder.Path());
        QVERIFY(program.image->Factory.FactoryMode);
        MainWindow window(*program.image, program.state, program.ui);
        QVERIFY(Entry(window, "mnuTestData")->isVisible());
        QVERIFY(Entry(window, "MnuHelpAutoTest")->isVisible());
        QCOMPARE(ChildKeys(window.Tree()).last(), QStringLiteral("N14"));
        QCOMPARE(Node(window.Tree(), "N14")->text(0), QString::fromStdString(program.Text(8000)));
        QVERIFY(!Node(window.Tree(), "N14")->isDisabled());
        QVERIFY(Entry(window, "mnuTestData")->isEnabled());
        QVERIFY(Entry(window, "MnuHelpAutoTest")->isEnabled());

        // Every factory entry opens its window.
        ModalDriver driver;
        QStringList shown;
        const auto closeIt = [&shown](QWidget* dialog) {
            shown << dialog->metaObject()->className();
            static_cast<QDialog*>(dialog)->reject();
        };
        driver.Then(closeIt);
        driver.Then(closeIt);
        driver.Then(closeIt);
        Entry(window, "mnuTestData")->trigger();
        emit window.Tree()->itemClicked(Node(window.Tree(), "N14"), 0);
        Entry(window, "MnuHelpAutoTest")->trigger();
        QCOMPARE(shown, QStringList({"rp70::gui::TestDataDialog", "rp70::gui::TestDataDialog",
                                     "rp70::gui::AutoTestDialog"}));
    }

    void entriesWithoutTheirWindowAreDisabled() {
        TempFolder folder;
        Program program(folder.Path());
        program.state.Features = {true, true, true, false};
        MainWindow window(*program.image, program.state, program.ui);
        for (const char* name : {"MnuViewRadio", "MnuSetLanguage"}) {
            QVERIFY2(!Entry(window, name)->isEnabled(), name);
        }
        QVERIFY(!Entry(window, "MnuHelpContent")->isVisible());
        for (const char* name :
             {"mnuFileNew",      "mnuFileOpen",  "mnuFileSave",    "mnuFileSaveAs",
              "mnuFileExit",     "MnuModelInfo", "MnuCHCut",       "mnuEditCH",
              "MnuSetCom",       "MnuSetInit",   "mnuProRead",     "MnuProWrite",
              "MnuProPassWord",  "MnuHelpAbout", "MnuViewSetMode", "MnuViewScan",
              "MnuViewAlert",    "MnuCommBook",  "MnuEMg",         "MnuViewDTMF",
              "MnuView2Tone",    "MnuView5Tone", "mnuFilePrint",   "mnuFilePrintPreview",
              "mnuFileExportPdf"}) {
            QVERIFY2(Entry(window, name)->isEnabled(), name);
        }
    }

    void safetyChoicesAreCheckItemsStoredInTheSettings() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        QAction* verify = Entry(window, "mnuProVerify");
        QAction* backup = Entry(window, "mnuProBackupRadio");
        QVERIFY(verify->isCheckable() && verify->isChecked());
        QVERIFY(backup->isCheckable() && !backup->isChecked());
        verify->trigger();
        backup->trigger();
        const SettingsFileValues stored = ReadSettingsFile(SettingsFilePath(folder.Path()));
        QVERIFY(!stored.VerifyAfterWrite);
        QVERIFY(stored.BackupBeforeWrite);
        QVERIFY(!program.state.Settings.VerifyAfterWrite);
    }

    void backupIsListedAndOpensAsAnUntitledImage() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        RadioImage backup = *program.image;
        WriteFixedText(backup.Channels[0].Name, "BACKUP");
        backup.Record.ChannelCount = 1;
        const auto path = SaveBackup(folder.Path(), backup, BackupKind::Written,
                                     std::chrono::system_clock::now(), 0);
        QVERIFY(path);

        ModalDriver driver;
        QString kind;
        driver.Then([&kind](QWidget* dialog) {
            auto* table = dialog->findChild<QTableWidget*>("backupsTable");
            kind = table->item(0, 1)->text();
            dialog->findChild<QPushButton*>("openButton")->click();
        });
        Entry(window, "mnuFileBackups")->trigger();
        QCOMPARE(kind, QStringLiteral("Written to radio"));
        QCOMPARE(program.image->Channels[0].Name, backup.Channels[0].Name);
        QCOMPARE(program.image->CurrentFilePath, *path);
        QVERIFY(program.image->IsUntitled); // Save asks for a name: the backup stays
    }

    void editorsOpenFromTheirMenuEntryAndTreeNode() {
        TempFolder folder;
        Program program(folder.Path());
        program.state.Features = {true, true, true, false}; // DTMF, 2-tone and 5-tone shown
        MainWindow window(*program.image, program.state, program.ui);
        const struct {
            const char* Entry;
            const char* Node;
            const char* Dialog;
        } editors[] = {{"MnuViewSetMode", "N4", "rp70::gui::OptionsDialog"},
                       {"MnuViewDTMF", "N5", "rp70::gui::DtmfDialog"},
                       {"MnuView2Tone", "N6", "rp70::gui::TwoToneDialog"},
                       {"MnuView5Tone", "N7", "rp70::gui::FiveToneDialog"},
                       {"MnuViewScan", "N10", "rp70::gui::ScanDialog"},
                       {"MnuViewAlert", "N11", "rp70::gui::AlertDialog"},
                       {"MnuCommBook", "N8", "rp70::gui::BookDialog"}};
        for (const auto& editor : editors) {
            ModalDriver driver;
            QStringList shown;
            const auto closeIt = [&shown](QWidget* dialog) {
                shown << dialog->metaObject()->className();
                static_cast<QDialog*>(dialog)->reject();
            };
            driver.Then(closeIt);
            driver.Then(closeIt);
            Entry(window, editor.Entry)->trigger();
            emit window.Tree()->itemClicked(Node(window.Tree(), editor.Node), 0);
            QCOMPARE(shown, QStringList({editor.Dialog, editor.Dialog}));
        }
    }

    void menusAndToolBarShowTheLanguageTexts() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        QCOMPARE(window.findChild<QMenu*>("mnuPro")->title(),
                 QString::fromStdString(program.Text(1040)));
        QCOMPARE(Entry(window, "mnuFileNew")->text(), QString::fromStdString(program.Text(1001)));
        QCOMPARE(Entry(window, "mnuFileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(Entry(window, "MnuCHDelete")->shortcut(), QKeySequence(Qt::Key_Delete));

        const QStringList order = {"TNewFile",  "TOpenFile",  "TSaveFile", "TCommRead",
                                   "TCommPort", "TCommWrite", "CHCut",     "CHCopy",
                                   "CHPaste",   "CHDelete",   "TAbout"};
        QStringList buttons;
        for (QAction* action : window.findChild<QToolBar*>()->actions()) {
            if (!action->isSeparator()) {
                buttons << action->objectName();
            }
        }
        QCOMPARE(buttons, order);
        auto* newButton = window.findChild<QToolButton*>("TNewFile");
        QVERIFY(!newButton->icon().isNull());
        QCOMPARE(newButton->toolTip(), QString::fromStdString(program.Text(1001)).remove('&'));
        QVERIFY(window.findChild<QToolButton*>("TCommPort")->toolTip().isEmpty());

        window.FormReLoad(Language::Chinese);
        QCOMPARE(window.findChild<QMenu*>("mnuPro")->title(),
                 QString::fromStdString(program.Text(1040)));
        QVERIFY(window.windowTitle().contains(QString::fromStdString(program.Text(2012))));
        QVERIFY(QString::fromStdString(program.Text(1040)) != QStringLiteral("&Program"));
        window.FormReLoad(Language::English);
        QCOMPARE(window.findChild<QMenu*>("mnuPro")->title(), QStringLiteral("&Program"));
    }

    void splitterKeepsTheTreeWideAndStaysTwoPixelsFromTheRightEdge() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        DragSplitter(window.Splitter(), -300);
        QCOMPARE(window.SplitterPosition(), MainWindow::kMinimumTreeWidth);
        DragSplitter(window.Splitter(), 250);
        QCOMPARE(window.SplitterPosition(), 250 - window.Splitter()->handle(1)->width() / 2);
        DragSplitter(window.Splitter(), 2000);
        QCOMPARE(window.SplitterPosition(), window.width() - 2);

        window.SizeControls(-5);
        QCOMPARE(window.SplitterPosition(), MainWindow::kMinimumTreeWidth);
        window.SizeControls(280);
        QCOMPARE(window.SplitterPosition(), 280);

        // The window keeps a width of 3000 twips.
        window.resize(50, 400);
        QCOMPARE(window.width(), MainWindow::kMinimumWidth);
        QVERIFY(window.SplitterPosition() <= MainWindow::kMinimumWidth - 2);
    }

    void viewTogglesHideTheBars() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction* toolBarToggle = Entry(window, "MnuViewToolBar");
        QAction* statusBarToggle = Entry(window, "MnuViewStatusBar");
        QVERIFY(toolBarToggle->isChecked());
        QVERIFY(statusBarToggle->isChecked());

        auto* toolBar = window.findChild<QToolBar*>();
        const int treeTop = window.Tree()->mapTo(&window, QPoint()).y();
        const int toolBarHeight = toolBar->height();
        toolBarToggle->trigger();
        QVERIFY(!toolBarToggle->isChecked());
        QVERIFY(toolBar->isHidden());
        QTRY_COMPARE(window.Tree()->mapTo(&window, QPoint()).y(), treeTop - toolBarHeight);

        const int tableBottom = window.ChannelTable()->geometry().bottom();
        statusBarToggle->trigger();
        QVERIFY(window.statusBar()->isHidden());
        QTRY_VERIFY(window.ChannelTable()->geometry().bottom() > tableBottom);
        toolBarToggle->trigger();
        QVERIFY(toolBar->isVisible());

        auto* date = window.findChild<QLabel*>("datePanel");
        QVERIFY(!date->text().isEmpty());
        QVERIFY(!window.findChild<QLabel*>("timePanel")->text().isEmpty());
        QCOMPARE(window.findChild<QLabel*>("statusPanel")->text(), QStringLiteral("Status"));
    }

    void placementIsStoredAtExitAndUsedAtTheNextStart() {
        TempFolder folder;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        {
            Program program(folder.Path());
            MainWindow window(*program.image, program.state, program.ui);
            QCOMPARE(window.geometry(), screen); // nothing stored, and no frame before it shows
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.move(40, 30);
            window.resize(500, 350);
            QVERIFY(window.close());
        }
        const StoredWindowPlacement stored =
            ReadWindowPlacement(WindowPlacementFilePath(folder.Path()));
        QCOMPARE(stored.MainLeft, std::optional<int>(40));
        QCOMPARE(stored.MainTop, std::optional<int>(30));
        QCOMPARE(stored.MainWidth, std::optional<int>(500));
        QCOMPARE(stored.MainHeight, std::optional<int>(350));
        {
            Program program(folder.Path());
            MainWindow window(*program.image, program.state, program.ui);
            QCOMPARE(window.pos(), QPoint(40, 30));
            QCOMPARE(window.size(), QSize(500, 350));
        }

        // A placement on a screen that is no longer there lands on the screen that is.
        QVERIFY(WriteWindowPlacement(WindowPlacementFilePath(folder.Path()),
                                     {screen.right() + 2000, screen.bottom() + 1000, 400, 300}));
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        QVERIFY(screen.contains(window.geometry()));
        QCOMPARE(window.size(), QSize(400, 300));
    }

    void wholeWindowFitsTheAvailableArea() {
        TempFolder folder;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const std::filesystem::path store = WindowPlacementFilePath(folder.Path());
        // The first start, then a stored placement larger than the screen and above its left.
        for (const bool stored : {false, true}) {
            if (stored) {
                QVERIFY(WriteWindowPlacement(
                    store, {-300, -200, screen.width() + 500, screen.height() + 400}));
            }
            Program program(folder.Path());
            MainWindow window(*program.image, program.state, program.ui);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.frameGeometry() != window.geometry()); // the window has a frame
            QTRY_COMPARE(window.frameGeometry(), screen);
            QVERIFY(window.close());
            // The size stored is the client area's, which fits with its frame.
            const StoredWindowPlacement kept = ReadWindowPlacement(store);
            QCOMPARE(kept.MainWidth, std::optional<int>(window.width()));
            QCOMPARE(kept.MainHeight, std::optional<int>(window.height()));
        }
    }

    void closingAModifiedImageAsksFirst() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.ChannelTable()->SetCurrentChannel(204);
        Entry(window, "MnuCHDelete")->trigger();
        QVERIFY(!IsUnchanged(*program.image));

        program.ui.answers = {Answer::Cancel};
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(program.ui.shown.size(), std::size_t{1});
        const Message& question = program.ui.shown.front();
        QCOMPARE(question.Text, std::string("File has been modify,save it now?"));
        QCOMPARE(question.Icon, MessageIcon::Warning);
        QCOMPARE(question.Buttons, MessageButtons::YesNoCancel);
        QVERIFY(!std::filesystem::exists(WindowPlacementFilePath(folder.Path())));

        // Yes, then Save As cancelled: nothing was saved, so the window stays.
        program.ui.answers = {Answer::Yes};
        QVERIFY(!window.close());
        QCOMPARE(program.ui.fileChoices.size(), std::size_t{1});
        QVERIFY(window.isVisible());

        program.ui.answers = {Answer::No};
        QVERIFY(window.close());
        QVERIFY(std::filesystem::exists(WindowPlacementFilePath(folder.Path())));
    }

    void closingSavesWhenAskedTo() {
        TempFolder folder;
        Program program(folder.Path());
        MainWindow window(*program.image, program.state, program.ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.ChannelTable()->SetCurrentChannel(204);
        Entry(window, "MnuCHDelete")->trigger();

        const std::filesystem::path file = folder.Path() / "kept.dat";
        program.ui.answers = {Answer::Yes};
        program.ui.saveFiles = {file.string()};
        program.ui.passwords = {std::string()};
        QVERIFY(window.close());
        QVERIFY(std::filesystem::exists(file));
        QVERIFY(IsUnchanged(*program.image));
    }
};

RP70_GUI_TEST(MainWindowTest);

#include "main_window_test.moc"
