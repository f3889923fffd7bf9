#include "editors/five_tone_code_table.h"

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <cstddef>

#include "editors/five_tone_digits.h"
#include "model/choice_list.h"
#include "shell/cell_edit_delegate.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Option keys of the header row, one per CodeColumn.
constexpr std::array<int, kCodeColumnCount> kHeaderKeys = {60053, 60062, 60079,
                                                           60061, 60080, 60305};
// The least width of each column; a column is widened to its caption, the code column to the
// 24 digits of most codes (a longer code shows whole in its tool tip).
constexpr std::array<int, kCodeColumnCount> kColumnWidths = {40, 110, 190, 100, 110, 80};
constexpr int kShownCodeDigits = 24;
constexpr int kCellPadding = 20;

constexpr int kCodeLength = 40;
constexpr int kNameLength = 7;
constexpr int kVisibleRows = 12;
constexpr int kHeaderHeight = 33;
const QColor kHeaderColour(0, 0, 155);
const QColor kNumberColour(0, 0, 255);

const char* const kResetQuestion = "Reset Special Call of this channel,OK or Not?";

CodeColumn ColumnOf(int column) {
    return static_cast<CodeColumn>(column);
}

int TableColumn(CodeColumn column) {
    return static_cast<int>(column);
}

std::size_t At(int row) {
    return static_cast<std::size_t>(row);
}

QComboBox* NewCellList(QWidget* parent, const char* name, const std::vector<std::string>& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const std::string& item : items) {
        list->addItem(ToQt(item));
    }
    return list;
}

QString EditorText(QWidget* editor) {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        return list->currentText();
    }
    return static_cast<QLineEdit*>(editor)->text();
}

} // namespace

/// The in-cell editors: line editors for codes and names, lists for standards and tone lengths.
class CodeCellDelegate : public CellEditDelegate {
public:
    explicit CodeCellDelegate(FiveToneCodeTable* table) : CellEditDelegate(table), table_(table) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& index) const override {
        switch (ColumnOf(index.column())) {
        case CodeColumn::Code: {
            QLineEdit* code =
                NewCellEditor(parent, "codeCellEdit", kCodeLength, filters::HexDigits());
            // The code editor offers no context menu either.
            ApplyTextInputRules(code, {filters::HexDigits(), true, false});
            return code;
        }
        case CodeColumn::Standard: {
            QComboBox* list = NewCellList(parent, "standardCellList", FiveToneStandardNames());
            QObject::connect(list, &QComboBox::activated, table_,
                             [table = table_, row = index.row()](int standard) {
                                 table->ChooseStandard(row, standard);
                             });
            return Opened(list);
        }
        case CodeColumn::ToneLength:
            return Opened(NewCellList(parent, "toneLengthCellList", ToneLengthTexts()));
        case CodeColumn::Name:
            return NewCellEditor(parent, "nameCellEdit", kNameLength, filters::NameCharacters());
        case CodeColumn::Number:
        case CodeColumn::Special:
            break;
        }
        return nullptr;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            const int position = list->findText(text);
            list->setCurrentIndex(position < 0 ? 0 : position);
            return;
        }
        auto* edit = static_cast<QLineEdit*>(editor);
        edit->setText(text);
        edit->selectAll();
    }

    void setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                      const QModelIndex& index) const override {
        table_->StoreCell(index.row(), index.column(), EditorText(editor));
    }

    /// The editor open now, a line editor or a list, if any.
    QWidget* OpenAnyEditor() const {
        return OpenEditor() != nullptr ? OpenEditor() : openList_.data();
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        if (editor == openList_) {
            openList_ = nullptr;
        }
        CellEditDelegate::destroyEditor(editor, index);
    }

protected:
    /// Enter in any editor moves on as its column says.
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                table_->MoveOnFrom(EditorText(static_cast<QWidget*>(editor)));
                return true;
            }
        }
        return CellEditDelegate::eventFilter(editor, event);
    }

private:
    QWidget* Opened(QComboBox* list) const {
        openList_ = list;
        return list;
    }

    FiveToneCodeTable* table_;
    mutable QPointer<QWidget> openList_;
};

FiveToneCodeTable::FiveToneCodeTable(FiveToneRecord& record, CodeRows& rows,
                                     const LanguageTexts& texts, QWidget* parent)
    : QTableWidget(static_cast<int>(kFiveToneCodeCount), kCodeColumnCount, parent), record_(record),
      rows_(rows), delegate_(new CodeCellDelegate(this)) {
    setObjectName(QStringLiteral("codeTable"));
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    verticalHeader()->hide();

    QHeaderView* header = horizontalHeader();
    for (int column = 0; column < kCodeColumnCount; ++column) {
        auto* caption = new QTableWidgetItem(ToQt(texts.Option(kHeaderKeys[At(column)])));
        caption->setForeground(kHeaderColour);
        setHorizontalHeaderItem(column, caption);
    }
    const QFontMetrics captionMetrics(header->font());
    std::array<int, kCodeColumnCount> widths = kColumnWidths;
    for (int column = 0; column < kCodeColumnCount; ++column) {
        int& width = widths[At(column)];
        width =
            std::max(width, captionMetrics.horizontalAdvance(horizontalHeaderItem(column)->text()) +
                                kCellPadding);
        if (column == TableColumn(CodeColumn::Code)) {
            width = std::max(width, fontMetrics().horizontalAdvance(
                                        QString(kShownCodeDigits, QLatin1Char('D'))) +
                                        kCellPadding);
        }
        header->resizeSection(column, width);
    }
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumHeight(kHeaderHeight);
    header->setSectionResizeMode(TableColumn(CodeColumn::Code), QHeaderView::Stretch);

    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < kCodeColumnCount; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            if (column == TableColumn(CodeColumn::Number)) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setForeground(kNumberColour);
            }
            setItem(row, column, cell);
        }
        ShowRow(row);
    }
    int width = 0;
    for (const int columnWidth : widths) {
        width += columnWidth;
    }
    setMinimumWidth(width + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    setMinimumHeight(kHeaderHeight + kVisibleRows * verticalHeader()->defaultSectionSize());

    setEditTriggers(QAbstractItemView::AllEditTriggers);
    connect(this, &QAbstractItemView::doubleClicked, this, &FiveToneCodeTable::OfferReset);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FiveToneCodeTable::CommitOpenCell);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &FiveToneCodeTable::CommitOpenCell);
}

void FiveToneCodeTable::SetOwnId(const std::string& ownId) {
    ownId_ = ownId;
}

void FiveToneCodeTable::ShowRows() {
    for (int row = 0; row < rowCount(); ++row) {
        ShowRow(row);
    }
}

void FiveToneCodeTable::CommitOpenCell() {
    if (QWidget* editor = delegate_->OpenAnyEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

int FiveToneCodeTable::CurrentEntry() const {
    return currentRow() < 0 ? 0 : currentRow();
}

void FiveToneCodeTable::StoreCell(int row, int column, const QString& text) {
    CommitCodeCell(record_, rows_, {row, ColumnOf(column)}, ToCore(text), ownId_);
    ShowRow(row);
}

void FiveToneCodeTable::ChooseStandard(int row, int standard) {
    ProposeToneLength(rows_[At(row)], standard);
    ShowRow(row);
    emit standardChosen(standard);
}

void FiveToneCodeTable::MoveOnFrom(const QString& text) {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return;
    }
    CommitOpenCell();
    const CodeCell next = NextCodeCell({current.row(), ColumnOf(current.column())}, ToCore(text));
    setCurrentCell(next.Entry, TableColumn(next.Column));
}

bool FiveToneCodeTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!index.isValid() || !OpensEditor(rows_[At(index.row())], ColumnOf(index.column()))) {
        return false;
    }
    return QTableWidget::edit(index, trigger, event);
}

void FiveToneCodeTable::ShowRow(int row) {
    const CodeRow& texts = rows_[At(row)];
    for (int column = 0; column < kCodeColumnCount; ++column) {
        item(row, column)->setText(ToQt(texts[At(column)]));
    }
    item(row, TableColumn(CodeColumn::Code))
        ->setToolTip(ToQt(texts[At(TableColumn(CodeColumn::Code))]));
}

void FiveToneCodeTable::OfferReset(const QModelIndex& index) {
    if (ColumnOf(index.column()) != CodeColumn::Code || !IsSpecialRow(rows_[At(index.row())])) {
        return;
    }
    const auto answer =
        QMessageBox::question(this, QApplication::applicationDisplayName(),
                              QLatin1String(kResetQuestion), QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
        return;
    }
    ResetSpecialRow(record_, rows_, index.row());
    ShowRow(index.row());
    setCurrentIndex(index);
    edit(index);
}

} // namespace rp70::gui
