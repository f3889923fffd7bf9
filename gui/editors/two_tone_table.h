#pragma once
// The decode table of the 2-tone dialog: one row per decode entry (its number, first tone,
// second tone and name) over the dialog's TwoToneEdit. Entering a tone or name cell opens its
// in-cell editor, which takes only that column's characters; leaving the cell stores what was
// typed. Enter walks from first tone to second tone to name to the next entry, and from an
// empty first tone straight to the next entry.

#include <QTableWidget>

#include "editors/two_tone_edit.h"
#include "texts/language_texts.h"

namespace rp70::gui {

class DecodeCellDelegate;

class DecodeTable : public QTableWidget {
    Q_OBJECT
public:
    /// Shows and edits the decode table of `state`, which must outlive the table; the header row
    /// comes from `texts`.
    DecodeTable(TwoToneEdit& state, const LanguageTexts& texts, QWidget* parent = nullptr);

    /// Stores the text of the cell being edited, if one is, and closes its editor.
    void CommitOpenCell();
    /// Stores `text` typed into table cell (`row`, `column`) and shows the row again.
    void StoreCell(int row, int column, const QString& text);

protected:
    /// Next (Enter, Tab) goes to NextDecodeCell of the current cell, after storing it.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    /// Shows row `row` of the edit's decode table.
    void ShowRow(int row);

    TwoToneEdit& edit_;
    DecodeCellDelegate* delegate_;
};

} // namespace rp70::gui
