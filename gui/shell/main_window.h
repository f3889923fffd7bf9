#pragma once
// The main window (frmMain): menus, tool bar, the tree of data groups, the channel table beside
// it behind a movable splitter, and the status bar. It runs the file, channel and radio commands
// and stores its placement when it closes.

#include <QMainWindow>
#include <functional>
#include <optional>

#include "channels/channel_clipboard.h"
#include "files/backups.h"
#include "files/file_commands.h"
#include "link/link_port.h"
#include "memory/block_passes.h"
#include "model/radio_image.h"
#include "shell/startup.h"
#include "shell/window_placement.h"
#include "texts/interaction.h"
#include "texts/user_context.h"

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QUndoStack;

namespace rp70::gui {

class ChannelTableView;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /// The window over the program's one image; `image`, `state` and `ui` must outlive it. Loads
    /// itself: menu visibility, language texts, the stored placement, the tree and the table.
    MainWindow(RadioImage& image, ProgramState& state, Interaction& ui, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Rebuilds the tree of data groups and shows the menu entries the feature flags and the
    /// factory test mode call for; the groups whose editors do not exist yet are disabled.
    void LoadShowTree();
    /// Redraws the whole channel table and the caption from the image.
    void ShowListByData();
    /// Switches the program to `language` and shows the window's texts, tree and table in it.
    void FormReLoad(Language language);
    /// Puts the splitter `x` pixels from the window's left edge: the tree takes that width (at
    /// least its minimum width, and the splitter at least 2 pixels from the right edge), the
    /// channel table the rest.
    void SizeControls(int x);
    /// The splitter's position: the width of the tree in pixels.
    int SplitterPosition() const;

    /// The channel table beside the tree.
    ChannelTableView* ChannelTable() const { return table_; }
    /// The tree of data groups; each node's key ("N0", "N1", …) is its Qt::UserRole data.
    QTreeWidget* Tree() const { return tree_; }
    /// The splitter between the tree and the table.
    QSplitter* Splitter() const { return splitter_; }
    /// The undo steps of the image's changes.
    QUndoStack* UndoStack() const { return undoStack_; }
    /// Whether a Read or Write is under way (the window then refuses to close).
    bool TransferRunning() const { return transferRunning_; }

    /// The smallest width of the window (3000 twips), of the tree (the same) and the distance
    /// the splitter keeps from the window's edges (30 twips).
    static constexpr int kMinimumWidth = 200;
    static constexpr int kMinimumTreeWidth = 200;
    static constexpr int kSplitterMargin = 2;
    /// Undo steps kept; each holds two copies of the image's content (about 31 KB each).
    static constexpr int kUndoSteps = 100;

protected:
    /// Keeps the splitter within the new width.
    void resizeEvent(QResizeEvent* event) override;
    /// The window system frames the window once it shows (on X11 when the window manager has
    /// taken it, which moves the client area): then the whole window is fitted onto the screen.
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    /// Offers to save a modified image, closes the other windows and stores the settings; a
    /// transfer under way, Cancel or a failed save keep the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    // Menus, tool bar and status bar (main_window_menus.cpp).
    void BuildMenus();
    /// A check item of `menu` for one of the safe-programming choices of the settings file,
    /// stored there as soon as it changes.
    void AddSafetyChoice(QMenu* menu, const char* name, int key, bool SettingsFileValues::*choice);
    void BuildToolBar();
    void BuildStatusBar();
    void ShowClock();
    /// The entries that depend on the feature flags and the factory test mode.
    void ShowOptionalEntries();

    // Commands (main_window_commands.cpp).
    /// Runs `change` as one step of undo when it changes the image.
    void Recorded(const std::function<void()>& change);
    FileSession Session();
    void NewImage(bool confirm);
    void OpenFile();
    void SaveFile(bool saveAs);
    void RunChannelCommand(ChannelCommand command);
    void EditCurrentChannel();
    void EditChannel(int number);
    /// Runs a transfer unless one is under way; how it ended, nullopt when it did not start.
    std::optional<TransferOutcome> Transfer(TransferKind kind);
    void ReadFromRadio();
    /// A Write, after reading the radio into a backup first when the settings ask for it.
    void WriteToRadio();
    /// Keeps `image` as a backup; tells the person when it cannot be saved.
    void KeepBackup(const RadioImage& image, BackupKind kind);
    /// File > Backups…: lists the backups and opens the one chosen.
    void ShowBackups();
    /// File > Compare…: lists how a data file the person picks differs from the open image.
    void CompareWithFile();
    /// Program > Compare with Radio: reads the radio into an image of its own (the open image
    /// stays as it is) and lists how it differs from the open image.
    void CompareWithRadio();
    void EnterRadioPassword();
    void ChooseComPort();
    void ShowModelDialog();
    void ShowAbout();
    void ChooseLanguage();

    // The channel list as CSV (main_window_csv.cpp).
    /// Reads a CSV file the person picks, shows what becomes of each row and imports on OK.
    void ImportCsv();
    /// Writes the channel list into a CSV file the person names.
    void ExportCsv();

    // Editors (main_window_editors.cpp).
    /// Opens the editor of the tree node `key` ("N4" options, "N10" scan, …); nothing for a node
    /// without one.
    void OpenEditor(const QString& key);
    void EditOptions();
    void EditDtmf();
    void EditTwoTone();
    void EditFiveTone();
    void EditScan();
    void EditAlert();
    void EditBook();
    /// Reads the radio information from the radio and, when that succeeded, shows it.
    void ShowEmbeddedMessage();
    /// The factory test values (factory test mode).
    void EditTestData();
    /// The auto-test export for production (factory test mode).
    void ExportAutoTest();

    // Loading and layout (main_window.cpp).
    void BuildCentralArea();
    /// The caption: model, band and the current file.
    void ShowCaption();
    /// Places the window where it was when it last closed (the position of its frame and the size
    /// of its client area), or over the available area of the screen at the first start.
    void ApplyStoredPlacement();
    /// The frame and title bar around the client area; none until the window system framed it.
    QMargins FrameMargins() const;
    /// Moves and sizes the window so that its whole rectangle, frame included, is `whole` as far
    /// as the screen it is on holds it.
    void PlaceOnScreen(const QRect& whole);
    /// Once the frame is known, fits the whole window onto the screen it is on.
    void FitFrameOntoScreen();
    std::optional<WindowPlacement> CurrentPlacement() const;
    void TreeItemClicked(QTreeWidgetItem* item);

    RadioImage& image_;
    ProgramState& state_;
    Interaction& ui_;
    UserContext ctx_;

    QTreeWidget* tree_ = nullptr;
    ChannelTableView* table_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* timeLabel_ = nullptr;
    QTimer* clock_ = nullptr;
    QUndoStack* undoStack_ = nullptr;

    QAction* dtmfAction_ = nullptr;
    QAction* twoToneAction_ = nullptr;
    QAction* fiveToneAction_ = nullptr;
    QAction* testDataAction_ = nullptr;
    QAction* autoTestAction_ = nullptr;

    int treeWidth_ = kMinimumTreeWidth;
    bool transferRunning_ = false;
    bool frameFitPending_ = false; ///< placed, but the frame was not known yet
};

} // namespace rp70::gui
