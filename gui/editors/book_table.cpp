#include "editors/book_table.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <array>

#include "channels/channel_table_colours.h"
#include "editors/book_edit.h"
#include "shell/cell_edit_delegate.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// The layout's column widths are in twips; the screen has 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr std::array<int, kBookColumnCount> kColumnTwips = {500, 1000, 1500};

// The widest text each column shows.
constexpr std::array<const char*, kBookColumnCount> kWidestTexts = {"127", "00000", "WWWWWWW"};
// Room on both sides of a cell's text, and above and below it.
constexpr int kCellPadding = 12;
constexpr int kRowPadding = 6;
// Entry rows the table shows at once.
constexpr int kVisibleRows = 16;

BookCell CellOf(const QModelIndex& index) {
    return {index.row(), static_cast<BookColumn>(index.column())};
}

} // namespace

/// The edit copy as table cells; the ID and name cells take input.
class BookTableModel : public QAbstractTableModel {
public:
    BookTableModel(Book& editCopy, const LanguageTexts& texts, QObject* parent)
        : QAbstractTableModel(parent), book_(editCopy) {
        const auto headers = BookHeaders(texts);
        for (std::size_t column = 0; column < headers.size(); ++column) {
            headers_[column] = ToQt(headers[column]);
        }
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(kBookEntryCount);
    }

    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : kBookColumnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        const bool label = index.column() == static_cast<int>(BookColumn::Index);
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ToQt(BookCellShown(book_, CellOf(index)));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        case Qt::ForegroundRole:
            return label ? QVariant(QBrush(colours_.LabelText)) : QVariant();
        case Qt::BackgroundRole:
            return label ? QVariant(QBrush(colours_.LabelBackground)) : QVariant();
        default:
            return {};
        }
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
            return false;
        }
        CommitBookCell(book_, CellOf(index), ToCore(value.toString()));
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= kBookColumnCount) {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        switch (role) {
        case Qt::DisplayRole:
            return headers_[static_cast<std::size_t>(section)];
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        case Qt::ForegroundRole:
            return QBrush(colours_.HeaderText);
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) {
            return Qt::NoItemFlags;
        }
        const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return index.column() == static_cast<int>(BookColumn::Index) ? flags
                                                                     : flags | Qt::ItemIsEditable;
    }

    void SetColours(const ChannelTableColours& colours) {
        colours_ = colours;
        ShowAll({Qt::ForegroundRole, Qt::BackgroundRole});
        emit headerDataChanged(Qt::Horizontal, 0, kBookColumnCount - 1);
    }

    /// Every cell shows its entry again.
    void ShowAll(const QList<int>& roles = {}) {
        emit dataChanged(index(0, 0), index(rowCount({}) - 1, kBookColumnCount - 1), roles);
    }

private:
    Book& book_;
    std::array<QString, kBookColumnCount> headers_;
    ChannelTableColours colours_;
};

/// The in-cell editor of the ID and name cells, with the input rules of their column.
class BookCellDelegate : public CellEditDelegate {
public:
    using CellEditDelegate::CellEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& index) const override {
        const BookColumn column = CellOf(index).Column;
        const CharacterFilter filter = [column](QChar typed) -> std::optional<QChar> {
            const std::optional<char> kept =
                BookCellKey(column, static_cast<char>(typed.unicode()));
            return kept ? std::optional<QChar>(QLatin1Char(*kept)) : std::nullopt;
        };
        return NewCellEditor(parent, "bookCellEdit", static_cast<int>(BookCellLength(column)),
                             filter);
    }
};

BookTable::BookTable(Book& editCopy, const LanguageTexts& texts, QWidget* parent)
    : QTableView(parent), model_(new BookTableModel(editCopy, texts, this)),
      delegate_(new BookCellDelegate(this)) {
    setObjectName(QStringLiteral("bookTable"));
    setModel(model_);
    setItemDelegate(delegate_);
    model_->SetColours(ChannelTableColoursFor(palette()));

    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    FitToFont();

    // The first ID is current, neither selected nor open: the person opens it by entering it.
    selectionModel()->setCurrentIndex(model_->index(0, static_cast<int>(BookColumn::Id)),
                                      QItemSelectionModel::NoUpdate);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    // A click on the current cell opens it too (entering another cell opens it by itself).
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { edit(index); });
    EnterMovesFocus(this);
}

void BookTable::CommitOpenCell() {
    if (QWidget* editor = delegate_->OpenEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void BookTable::ShowBook() {
    // An editor still open holds text meant for the book that was replaced: it stores nothing.
    if (QWidget* editor = delegate_->OpenEditor()) {
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
    model_->ShowAll();
}

QModelIndex BookTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action != MoveNext && action != MovePrevious) {
        return QTableView::moveCursor(action, modifiers);
    }
    const QModelIndex current = currentIndex();
    std::optional<BookCell> cell;
    if (!current.isValid()) {
        cell = BookCell{0, BookColumn::Id};
    } else if (action == MoveNext) {
        cell = NextBookCell(CellOf(current));
    } else {
        cell = PreviousBookCell(CellOf(current));
    }
    return cell ? model_->index(cell->Entry, static_cast<int>(cell->Column)) : QModelIndex();
}

QSize BookTable::sizeHint() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kBookColumnCount; ++column) {
        width += columnWidth(column);
    }
    const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
                       kVisibleRows * verticalHeader()->defaultSectionSize();
    return {width, height};
}

void BookTable::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        model_->SetColours(ChannelTableColoursFor(palette()));
    } else if (event->type() == QEvent::FontChange) {
        FitToFont();
    }
}

void BookTable::FitToFont() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    for (int column = 0; column < kBookColumnCount; ++column) {
        const auto at = static_cast<std::size_t>(column);
        const int text = fontMetrics().horizontalAdvance(QLatin1String(kWidestTexts[at]));
        setColumnWidth(column, std::max({kColumnTwips[at] / kTwipsPerPixel, text + kCellPadding,
                                         horizontalHeader()->sectionSizeHint(column)}));
    }
}

} // namespace rp70::gui
