#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <algorithm>

#include "channels/channel_table_view.h"
#include "files/modified_check.h"
#include "model/bands.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"
#include "shell/screen_fit.h"
#include "texts/path_text.h"

namespace rp70::gui {

namespace {

/// One node of the data group tree below the root.
struct TreeNode {
    const char* Key;
    int TextKey; ///< 0: the text "CH"
};

/// Whether a node is shown with the program's current flags.
bool NodeShown(const QString& key, const FeatureFlags& features, bool factoryMode) {
    if (key == QLatin1String("N5")) {
        return features.HasDTMF;
    }
    if (key == QLatin1String("N6")) {
        return features.HasTwoTone;
    }
    if (key == QLatin1String("N7")) {
        return features.HasFiveTone;
    }
    if (key == QLatin1String("N14")) {
        return factoryMode;
    }
    return true;
}

constexpr TreeNode kTreeNodes[] = {
    {"N1", 0},     {"N4", 5021},  {"N5", 5023}, {"N6", 5024}, {"N7", 5025},
    {"N10", 2400}, {"N11", 2600}, {"N8", 5804}, {"N9", 5028}, {"N14", 8000},
};

/// A caption as a title: a "[*]" in a file name is no modification mark.
QString AsWindowTitle(QString caption) {
    return caption.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace

MainWindow::MainWindow(RadioImage& image, ProgramState& state, Interaction& ui, QWidget* parent)
    : QMainWindow(parent), image_(image), state_(state), ui_(ui), ctx_{ui, state.Texts} {
    setObjectName(QStringLiteral("frmMain"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setMinimumWidth(kMinimumWidth);

    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(kUndoSteps);
    BuildCentralArea();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();

    ApplyLanguage(this, state_.Texts);
    ApplyStoredPlacement();
    LoadShowTree();
    ShowListByData();
    SizeControls(treeWidth_);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildCentralArea() {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("tvTreeView"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setMinimumWidth(kMinimumTreeWidth);
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item, int) { TreeItemClicked(item); });

    table_ = new ChannelTableView(this);
    connect(table_, &ChannelTableView::editRequested, this, &MainWindow::EditChannel);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->addWidget(tree_);
    splitter_->addWidget(table_);
    splitter_->setHandleWidth(kSplitterMargin);
    // The handle shows a drag bar while it moves; the layout follows when it is let go.
    splitter_->setOpaqueResize(false);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setCollapsible(0, false);
    splitter_->setCollapsible(1, true);
    connect(splitter_, &QSplitter::splitterMoved, this,
            [this](int pos, int) { SizeControls(pos); });
    setCentralWidget(splitter_);
}

void MainWindow::LoadShowTree() {
    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_);
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    root->setText(0, ToQt(ModelDisplayName(image_.ModelName, image_.BandIndex)));
    root->setIcon(0, style()->standardIcon(QStyle::SP_ComputerIcon));
    for (const TreeNode& node : kTreeNodes) {
        const QString key = QLatin1String(node.Key);
        if (!NodeShown(key, state_.Features, image_.Factory.FactoryMode)) {
            continue;
        }
        auto* item = new QTreeWidgetItem(root);
        item->setData(0, Qt::UserRole, key);
        item->setText(0, node.TextKey == 0 ? QStringLiteral("CH")
                                           : ToQt(state_.Texts.GetText(node.TextKey)));
        item->setIcon(0, style()->standardIcon(node.TextKey == 0 ? QStyle::SP_FileDialogDetailedView
                                                                 : QStyle::SP_FileIcon));
    }
    root->setExpanded(true);
    ShowOptionalEntries();
}

void MainWindow::ShowCaption() {
    const std::string caption = "KT_RP70[" + ModelDisplayName(image_.ModelName, image_.BandIndex) +
                                ":" + image_.BandText + "][" + state_.Texts.GetText(2012) + ":" +
                                Utf8Of(image_.CurrentFilePath) + "]";
    setWindowTitle(AsWindowTitle(ToQt(caption)));
}

void MainWindow::ShowListByData() {
    if (QTreeWidgetItem* root = tree_->topLevelItem(0)) {
        root->setText(0, ToQt(ModelDisplayName(image_.ModelName, image_.BandIndex)));
    }
    ShowCaption();
    table_->ShowAll(image_, ctx_);
}

void MainWindow::FormReLoad(Language language) {
    SetLanguage(state_, language);
    ApplyLanguage(this, state_.Texts);
    LoadShowTree();
    ShowListByData();
}

void MainWindow::SizeControls(int x) {
    // In a window narrower than the tree's minimum the splitter stays reachable at the right.
    const int right = std::max(kSplitterMargin, width() - kSplitterMargin);
    treeWidth_ = std::min(std::max(x, kMinimumTreeWidth), right);
    splitter_->setSizes({treeWidth_, std::max(0, width() - treeWidth_ - splitter_->handleWidth())});
}

int MainWindow::SplitterPosition() const {
    return splitter_->sizes().value(0);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    SizeControls(treeWidth_);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FitFrameOntoScreen();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitFrameOntoScreen();
}

void MainWindow::TreeItemClicked(QTreeWidgetItem* item) {
    if (item == nullptr || item->isDisabled()) {
        return;
    }
    const QString key = item->data(0, Qt::UserRole).toString();
    if (key == QLatin1String("N1")) {
        table_->show();
    } else {
        OpenEditor(key);
    }
}

void MainWindow::ApplyStoredPlacement() {
    const StoredWindowPlacement stored =
        ReadWindowPlacement(WindowPlacementFilePath(state_.Folder));
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QSize screen = primary != nullptr ? primary->availableGeometry().size() : QSize(800, 600);
    // The window has no frame before it shows; once it has one, the whole window is fitted.
    PlaceOnScreen(QRect(stored.MainLeft.value_or(0), stored.MainTop.value_or(0),
                        stored.MainWidth.value_or(screen.width()),
                        stored.MainHeight.value_or(screen.height())));
    frameFitPending_ = true;
}

QMargins MainWindow::FrameMargins() const {
    const QRect whole = frameGeometry();
    const QRect client = geometry();
    return {client.left() - whole.left(), client.top() - whole.top(),
            whole.right() - client.right(), whole.bottom() - client.bottom()};
}

void MainWindow::PlaceOnScreen(const QRect& whole) {
    const QMargins frame = FrameMargins();
    const QRect fitted = FitOntoScreen(whole, kMinimumWidth + frame.left() + frame.right());
    resize(fitted.size().shrunkBy(frame));
    move(fitted.topLeft());
}

void MainWindow::FitFrameOntoScreen() {
    if (frameFitPending_ && !FrameMargins().isNull()) {
        frameFitPending_ = false;
        PlaceOnScreen(frameGeometry());
    }
}

std::optional<WindowPlacement> MainWindow::CurrentPlacement() const {
    if (isMinimized()) {
        return std::nullopt;
    }
    // The position is the frame's, as move() takes it; the size is the client area's.
    const QPoint frameOffset = geometry().topLeft() - pos();
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    return WindowPlacement{normal.x() - frameOffset.x(), normal.y() - frameOffset.y(),
                           normal.width(), normal.height()};
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (transferRunning_) {
        event->ignore();
        return;
    }
    if (!IsUnchanged(image_)) {
        const Answer answer = ui_.Show({std::string(state_.Texts.Builtin(BuiltinText::Modified)),
                                        "", MessageIcon::Warning, MessageButtons::YesNoCancel});
        if (answer == Answer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == Answer::Yes) {
            FileSession session = Session();
            const bool saved = CmdSave(session);
            ShowCaption();
            if (!saved) {
                event->ignore();
                return;
            }
        }
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    SaveSettingsAtExit(state_, CurrentPlacement());
    event->accept();
}

} // namespace rp70::gui
