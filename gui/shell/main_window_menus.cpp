// The main window's menu bar, tool bar and status bar.

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <functional>

#include "print/print_list_dialog.h"
#include "print/report_actions.h"
#include "shell/language_apply.h"
#include "shell/main_window.h"
#include "shell/program_folder.h"
#include "shell/settings_file.h"
#include "shell/tool_bar_icons.h"

namespace rp70::gui {

namespace {

/// A menu of the menu bar, its caption by key.
QMenu* AddMenu(QMenuBar* bar, const char* name, int key) {
    QMenu* menu = bar->addMenu(QString::number(key));
    menu->setObjectName(QLatin1String(name));
    SetTextKey(menu, key);
    return menu;
}

/// An entry of `menu`, its caption by key. An entry that is not `available` stays disabled.
QAction* AddEntry(QMenu* menu, const char* name, int key, const QKeySequence& shortcut = {},
                  bool available = true) {
    QAction* action = menu->addAction(QString::number(key));
    action->setObjectName(QLatin1String(name));
    SetTextKey(action, key);
    action->setShortcut(shortcut);
    action->setEnabled(available);
    return action;
}

/// A button of the tool bar; `toolTipKey` 0 leaves it without tooltip.
QAction* AddButton(QToolBar* bar, const char* name, const QIcon& icon, int toolTipKey) {
    QAction* action = bar->addAction(icon, QString());
    action->setObjectName(QLatin1String(name));
    if (toolTipKey > 0) {
        SetToolTipKey(action, toolTipKey);
    }
    if (QWidget* button = bar->widgetForAction(action)) {
        button->setObjectName(QLatin1String(name));
    }
    return action;
}

} // namespace

void MainWindow::AddSafetyChoice(QMenu* menu, const char* name, int key,
                                 bool SettingsFileValues::*choice) {
    QAction* action = AddEntry(menu, name, key);
    action->setCheckable(true);
    action->setChecked(state_.Settings.*choice);
    connect(action, &QAction::toggled, this, [this, choice](bool on) {
        state_.Settings.*choice = on;
        // Not storable (a read-only folder): the choice still holds for this run.
        WriteSafetySettings(SettingsFilePath(state_.Folder), state_.Settings);
    });
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = AddMenu(bar, "mnuFile", 1000);
    connect(AddEntry(file, "mnuFileNew", 1001, QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, [this] { NewImage(true); });
    connect(AddEntry(file, "mnuFileOpen", 1002, QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &MainWindow::OpenFile);
    connect(AddEntry(file, "mnuFileSave", 1003, QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { SaveFile(false); });
    connect(AddEntry(file, "mnuFileSaveAs", 1004), &QAction::triggered, this,
            [this] { SaveFile(true); });
    file->addSeparator();
    connect(AddEntry(file, "mnuFileImportCsv", 1014), &QAction::triggered, this,
            &MainWindow::ImportCsv);
    connect(AddEntry(file, "mnuFileExportCsv", 1015), &QAction::triggered, this,
            &MainWindow::ExportCsv);
    file->addSeparator();
    connect(AddEntry(file, "mnuFilePrint", 1005), &QAction::triggered, this, [this] {
        PrintListDialog dialog(image_, ctx_, state_.Info, this);
        dialog.exec();
    });
    connect(AddEntry(file, "mnuFilePrintPreview", 1007), &QAction::triggered, this,
            [this] { PreviewReport(image_, ctx_, state_.Info, this); });
    connect(AddEntry(file, "mnuFileExportPdf", 1008), &QAction::triggered, this,
            [this] { ExportReportPdf(image_, ctx_, state_.Info); });
    file->addSeparator();
    connect(AddEntry(file, "mnuFileBackups", 1046), &QAction::triggered, this,
            &MainWindow::ShowBackups);
    connect(AddEntry(file, "mnuFileCompare", 1047), &QAction::triggered, this,
            &MainWindow::CompareWithFile);
    connect(AddEntry(file, "mnuFileExit", 1006), &QAction::triggered, this, &QWidget::close);

    QMenu* model = AddMenu(bar, "MnuModel", 1060);
    connect(AddEntry(model, "MnuModelInfo", 1061), &QAction::triggered, this,
            &MainWindow::ShowModelDialog);

    QMenu* channels = AddMenu(bar, "MnuCHEdit", 1070);
    connect(AddEntry(channels, "MnuCHCut", 1071, QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, [this] { RunChannelCommand(ChannelCommand::Cut); });
    connect(AddEntry(channels, "MnuCHCopy", 1072, QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, [this] { RunChannelCommand(ChannelCommand::Copy); });
    connect(AddEntry(channels, "MnuCHPaste", 1073, QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, this, [this] { RunChannelCommand(ChannelCommand::Paste); });
    connect(AddEntry(channels, "MnuCHDelete", 1074, QKeySequence(Qt::Key_Delete)),
            &QAction::triggered, this, [this] { RunChannelCommand(ChannelCommand::Delete); });

    QMenu* edit = AddMenu(bar, "mnuEdit", 1010);
    QAction* undo = AddEntry(edit, "mnuEditUndo", 1012, QKeySequence(Qt::CTRL | Qt::Key_Z), false);
    connect(undo, &QAction::triggered, undoStack_, &QUndoStack::undo);
    connect(undoStack_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QAction* redo = AddEntry(edit, "mnuEditRedo", 1013, QKeySequence(Qt::CTRL | Qt::Key_Y), false);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redo, &QAction::triggered, undoStack_, &QUndoStack::redo);
    connect(undoStack_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    edit->addSeparator();
    connect(AddEntry(edit, "mnuEditCH", 1011), &QAction::triggered, this,
            &MainWindow::EditCurrentChannel);
    connect(AddEntry(edit, "MnuViewSetMode", 1021), &QAction::triggered, this,
            &MainWindow::EditOptions);
    AddEntry(edit, "MnuViewRadio", 1022, {}, false); // never available
    dtmfAction_ = AddEntry(edit, "MnuViewDTMF", 1023);
    connect(dtmfAction_, &QAction::triggered, this, &MainWindow::EditDtmf);
    twoToneAction_ = AddEntry(edit, "MnuView2Tone", 1024);
    connect(twoToneAction_, &QAction::triggered, this, &MainWindow::EditTwoTone);
    fiveToneAction_ = AddEntry(edit, "MnuView5Tone", 1025);
    connect(fiveToneAction_, &QAction::triggered, this, &MainWindow::EditFiveTone);
    connect(AddEntry(edit, "MnuViewScan", 2401), &QAction::triggered, this, &MainWindow::EditScan);
    connect(AddEntry(edit, "MnuViewAlert", 2601), &QAction::triggered, this,
            &MainWindow::EditAlert);
    connect(AddEntry(edit, "MnuCommBook", 1804), &QAction::triggered, this, &MainWindow::EditBook);
    connect(AddEntry(edit, "MnuEMg", 1028), &QAction::triggered, this,
            &MainWindow::ShowEmbeddedMessage);
    testDataAction_ = AddEntry(edit, "mnuTestData", 8001);
    connect(testDataAction_, &QAction::triggered, this, &MainWindow::EditTestData);

    QMenu* settings = AddMenu(bar, "MnuSet", 1030);
    connect(AddEntry(settings, "MnuSetCom", 1031), &QAction::triggered, this,
            &MainWindow::ChooseComPort);
    connect(AddEntry(settings, "MnuSetLanguage", 1032, {}, false), &QAction::triggered, this,
            &MainWindow::ChooseLanguage); // never available
    connect(AddEntry(settings, "MnuSetInit", 1033), &QAction::triggered, this,
            [this] { NewImage(false); });

    QMenu* radio = AddMenu(bar, "mnuPro", 1040);
    connect(AddEntry(radio, "mnuProRead", 1041), &QAction::triggered, this,
            &MainWindow::ReadFromRadio);
    connect(AddEntry(radio, "MnuProWrite", 1042), &QAction::triggered, this,
            &MainWindow::WriteToRadio);
    connect(AddEntry(radio, "MnuProPassWord", 1043), &QAction::triggered, this,
            &MainWindow::EnterRadioPassword);
    connect(AddEntry(radio, "mnuProCompare", 1048), &QAction::triggered, this,
            &MainWindow::CompareWithRadio);
    radio->addSeparator();
    AddSafetyChoice(radio, "mnuProVerify", 1044, &SettingsFileValues::VerifyAfterWrite);
    AddSafetyChoice(radio, "mnuProBackupRadio", 1045, &SettingsFileValues::BackupBeforeWrite);

    QMenu* view = AddMenu(bar, "MnuView", 1020);
    QAction* toolBarToggle = AddEntry(view, "MnuViewToolBar", 1026);
    toolBarToggle->setCheckable(true);
    toolBarToggle->setChecked(true);
    connect(toolBarToggle, &QAction::toggled, this, [this](bool shown) {
        toolBar_->setVisible(shown);
        SizeControls(treeWidth_);
    });
    QAction* statusBarToggle = AddEntry(view, "MnuViewStatusBar", 1027);
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    connect(statusBarToggle, &QAction::toggled, this, [this](bool shown) {
        statusBar()->setVisible(shown);
        SizeControls(treeWidth_);
    });

    QMenu* help = AddMenu(bar, "MnuHelp", 1050);
    AddEntry(help, "MnuHelpContent", 1051)->setVisible(false);
    connect(AddEntry(help, "MnuHelpAbout", 1052), &QAction::triggered, this,
            &MainWindow::ShowAbout);
    autoTestAction_ = AddEntry(help, "MnuHelpAutoTest", 1053);
    connect(autoTestAction_, &QAction::triggered, this, &MainWindow::ExportAutoTest);
}

void MainWindow::ShowOptionalEntries() {
    dtmfAction_->setVisible(state_.Features.HasDTMF);
    twoToneAction_->setVisible(state_.Features.HasTwoTone);
    fiveToneAction_->setVisible(state_.Features.HasFiveTone);
    testDataAction_->setVisible(image_.Factory.FactoryMode);
    autoTestAction_->setVisible(image_.Factory.FactoryMode);
}

void MainWindow::BuildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);

    const QStyle* look = style();
    auto button = [this](const char* name, const QIcon& icon, int toolTipKey,
                         const std::function<void()>& command) {
        connect(AddButton(toolBar_, name, icon, toolTipKey), &QAction::triggered, this, command);
    };
    button("TNewFile", ToolBarIcon(ToolBarIconKind::New, look), 1001, [this] { NewImage(true); });
    button("TOpenFile", ToolBarIcon(ToolBarIconKind::Open, look), 1002, [this] { OpenFile(); });
    button("TSaveFile", ToolBarIcon(ToolBarIconKind::Save, look), 1003,
           [this] { SaveFile(false); });
    toolBar_->addSeparator();
    button("TCommRead", ToolBarIcon(ToolBarIconKind::Read, look), 1041,
           [this] { ReadFromRadio(); });
    button("TCommPort", ToolBarIcon(ToolBarIconKind::Port, look), 0, [this] { ChooseComPort(); });
    button("TCommWrite", ToolBarIcon(ToolBarIconKind::Write, look), 1042,
           [this] { WriteToRadio(); });
    toolBar_->addSeparator();
    button("CHCut", ToolBarIcon(ToolBarIconKind::Cut, look), 1071,
           [this] { RunChannelCommand(ChannelCommand::Cut); });
    button("CHCopy", ToolBarIcon(ToolBarIconKind::Copy, look), 1072,
           [this] { RunChannelCommand(ChannelCommand::Copy); });
    button("CHPaste", ToolBarIcon(ToolBarIconKind::Paste, look), 1073,
           [this] { RunChannelCommand(ChannelCommand::Paste); });
    button("CHDelete", ToolBarIcon(ToolBarIconKind::Delete, look), 1074,
           [this] { RunChannelCommand(ChannelCommand::Delete); });
    toolBar_->addSeparator();
    button("TAbout", ToolBarIcon(ToolBarIconKind::About, look), 1052, [this] { ShowAbout(); });
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    auto* text = new QLabel(QStringLiteral("Status"), bar);
    text->setObjectName(QStringLiteral("statusPanel"));
    bar->addWidget(text, 1);
    dateLabel_ = new QLabel(bar);
    dateLabel_->setObjectName(QStringLiteral("datePanel"));
    bar->addPermanentWidget(dateLabel_);
    timeLabel_ = new QLabel(bar);
    timeLabel_->setObjectName(QStringLiteral("timePanel"));
    bar->addPermanentWidget(timeLabel_);

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &MainWindow::ShowClock);
    clock_->start();
    ShowClock();
}

void MainWindow::ShowClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale user = QLocale::system();
    dateLabel_->setText(user.toString(now.date(), QLocale::ShortFormat));
    timeLabel_->setText(user.toString(now.time(), QLocale::ShortFormat));
}

} // namespace rp70::gui
