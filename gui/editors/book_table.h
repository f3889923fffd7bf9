#pragma once
// The table of the communication book dialog: one row per entry (its index, call ID and name)
// over the dialog's edit copy of the book. Entering an ID or name cell opens its in-cell editor,
// which takes only that column's characters; leaving the cell stores what was typed. Enter and
// Tab walk from ID to name to the next entry's ID.

#include <QTableView>

#include "model/records/book.h"
#include "texts/language_texts.h"

namespace rp70::gui {

class BookTableModel;
class BookCellDelegate;

class BookTable : public QTableView {
    Q_OBJECT
public:
    /// Shows and edits `editCopy`, which must outlive the table; the header row comes from
    /// `texts`. No cell is being edited until the person enters one.
    BookTable(Book& editCopy, const LanguageTexts& texts, QWidget* parent = nullptr);

    /// Stores the text of the cell being edited, if one is, and closes its editor.
    void CommitOpenCell();
    /// Shows the edit copy again after it was replaced as a whole (an import); a cell still being
    /// edited closes without storing its text.
    void ShowBook();
    /// Room for every column and sixteen entries.
    QSize sizeHint() const override;

protected:
    /// Next and previous (Enter, Tab, Shift+Tab) go from input cell to input cell; past the last
    /// one the focus leaves the table.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    /// A new palette (a change of the desktop's theme) recolours the table; a new font resizes it.
    void changeEvent(QEvent* event) override;

private:
    /// Row height for the font; column widths at least the layout's, wide enough for the header
    /// and the widest entry.
    void FitToFont();

    BookTableModel* model_;
    BookCellDelegate* delegate_;
};

} // namespace rp70::gui
