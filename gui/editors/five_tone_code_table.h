#pragma once
// The code list grid of the 5-tone dialog: 100 rows of number, special call type, code,
// standard, tone length and name over the dialog's working record. Entering a cell opens its
// in-cell editor where the row allows one (a code editor taking "0" … "9" and "A" … "F", the
// standard list, the tone length list, the name editor); leaving the cell, Enter or scrolling
// stores what was edited. Double-clicking the code of a special row offers to reset it.

#include <QTableWidget>
#include <string>

#include "editors/five_tone_code_list.h"
#include "model/records/five_tone_record.h"
#include "texts/language_texts.h"

namespace rp70::gui {

class CodeCellDelegate;

class FiveToneCodeTable : public QTableWidget {
    Q_OBJECT
public:
    /// Shows `rows` and stores cell edits into `record` and `rows`; both must outlive the table.
    FiveToneCodeTable(FiveToneRecord& record, CodeRows& rows, const LanguageTexts& texts,
                      QWidget* parent = nullptr);
    /// The own ID code commits encode with (the dialog's own ID field).
    void SetOwnId(const std::string& ownId);
    /// Shows `rows` again (after an own ID change or a special call).
    void ShowRows();
    /// Commits the open cell editor and hides it; no cell is being edited any more. The current
    /// row stays, so CurrentEntry still names the row the person chose.
    void CommitOpenCell();
    /// Entry 0 … 99 of the current row (0 when none).
    int CurrentEntry() const;

    /// Stores `text` of the editor of (`row`, `column`) and shows the row again.
    void StoreCell(int row, int column, const QString& text);
    /// The standard list of row `row` chose `standard`: its duration goes into the row.
    void ChooseStandard(int row, int standard);
    /// Enter in the editor showing `text`: stores it and moves on to the next cell.
    void MoveOnFrom(const QString& text);

    using QTableWidget::edit;

signals:
    /// The grid's standard list chose a standard (the dialog shows its table text).
    void standardChosen(int standard);

protected:
    /// Opens an editor only where the row allows one.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    /// Shows row `row` of `rows_`.
    void ShowRow(int row);
    /// Double-click on a cell: a special row's code may be reset.
    void OfferReset(const QModelIndex& index);

    FiveToneRecord& record_;
    CodeRows& rows_;
    std::string ownId_;
    CodeCellDelegate* delegate_;
};

} // namespace rp70::gui
