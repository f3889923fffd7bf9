#include "editors/two_tone_table.h"

#include <QColor>
#include <QHeaderView>
#include <QLineEdit>
#include <array>
#include <cstddef>

#include "shell/cell_edit_delegate.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Option keys of the header row: number, first tone, second tone, name.
constexpr std::array<int, 4> kHeaderKeys = {60053, 60054, 60055, 60304};

constexpr int kTwipsPerPixel = 15;
constexpr int kHeaderHeight = 500 / kTwipsPerPixel;
constexpr int kNumberWidth = 500 / kTwipsPerPixel;
constexpr int kToneColumnWidth = 90;
constexpr int kVisibleRows = 12;
constexpr int kNameLength = 7;
const QColor kHeaderColour(0, 0, 155);
const QColor kNumberColour(0, 0, 255);

// The table's column 0 holds the entry number; the decode columns follow.
DecodeColumn ColumnOf(int tableColumn) {
    return static_cast<DecodeColumn>(tableColumn - 1);
}

int TableColumn(DecodeColumn column) {
    return static_cast<int>(column) + 1;
}

} // namespace

/// The in-cell editor of the tone and name cells, with the input rules of their column.
class DecodeCellDelegate : public CellEditDelegate {
public:
    explicit DecodeCellDelegate(DecodeTable* table) : CellEditDelegate(table), table_(table) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& index) const override {
        const bool name = ColumnOf(index.column()) == DecodeColumn::Name;
        return NewCellEditor(parent, "decodeCellEdit", name ? kNameLength : 0,
                             name ? filters::NameCharacters() : filters::DigitsAndPoint());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                      const QModelIndex& index) const override {
        table_->StoreCell(index.row(), index.column(), static_cast<QLineEdit*>(editor)->text());
    }

private:
    DecodeTable* table_;
};

DecodeTable::DecodeTable(TwoToneEdit& state, const LanguageTexts& texts, QWidget* parent)
    : QTableWidget(static_cast<int>(kTwoToneEntryCount), kDecodeColumnCount + 1, parent),
      edit_(state), delegate_(new DecodeCellDelegate(this)) {
    setObjectName(QStringLiteral("decodeTable"));
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    verticalHeader()->hide();

    for (int column = 0; column <= kDecodeColumnCount; ++column) {
        auto* header =
            new QTableWidgetItem(ToQt(texts.Option(kHeaderKeys[static_cast<std::size_t>(column)])));
        header->setForeground(kHeaderColour);
        setHorizontalHeaderItem(column, header);
    }
    QHeaderView* header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumHeight(kHeaderHeight);
    header->setMinimumSectionSize(kNumberWidth);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (int column = 1; column <= kDecodeColumnCount; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Stretch);
    }

    for (int row = 0; row < rowCount(); ++row) {
        auto* number = new QTableWidgetItem(QString::number(row));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        number->setForeground(kNumberColour);
        setItem(row, 0, number);
        for (int column = 1; column <= kDecodeColumnCount; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            setItem(row, column, cell);
        }
        ShowRow(row);
    }
    setMinimumWidth(kNumberWidth + kDecodeColumnCount * kToneColumnWidth);
    setMinimumHeight(kHeaderHeight + kVisibleRows * verticalHeader()->defaultSectionSize());

    setCurrentCell(0, TableColumn(DecodeColumn::FirstTone), QItemSelectionModel::NoUpdate);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() > 0) {
            edit(index);
        }
    });
    EnterMovesFocus(this);
}

void DecodeTable::CommitOpenCell() {
    if (QWidget* editor = delegate_->OpenEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DecodeTable::StoreCell(int row, int column, const QString& text) {
    StoreDecodeCell(edit_, row, ColumnOf(column), ToCore(text));
    ShowRow(row);
}

QModelIndex DecodeTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (action != MoveNext || !current.isValid() || current.column() == 0) {
        return QTableWidget::moveCursor(action, modifiers);
    }
    CommitOpenCell();
    const DecodeCell next = NextDecodeCell(edit_, {current.row(), ColumnOf(current.column())});
    return model()->index(next.Entry, TableColumn(next.Column));
}

void DecodeTable::ShowRow(int row) {
    const DecodeRow& texts = edit_.Rows[static_cast<std::size_t>(row)];
    for (int column = 1; column <= kDecodeColumnCount; ++column) {
        item(row, column)->setText(ToQt(texts[static_cast<std::size_t>(column - 1)]));
    }
}

} // namespace rp70::gui
