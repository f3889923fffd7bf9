#pragma once
// The communication book dialog: the 128 call partners in a table, with import and export of
// the book file.

#include <QDialog>

#include "model/radio_image.h"
#include "model/records/book.h"
#include "texts/user_context.h"

namespace rp70::gui {

class BookTable;

/// The communication book dialog. It edits a copy of the image's book; OK stores the copy, and
/// every close (OK, Cancel, the window's close button) sorts the image's book by call ID.
class BookDialog : public QDialog {
    Q_OBJECT
public:
    /// Edits the book of `image`; the file dialogs and messages of import and export go through
    /// `ctx`. `image` and `ctx` must outlive the dialog. Used with exec().
    BookDialog(RadioImage& image, UserContext& ctx, QWidget* parent = nullptr);

    /// Closes the dialog: OK first stores the cell being edited and the edit copy; then the
    /// image's book is sorted.
    void done(int result) override;

private:
    /// Reads a chosen book file into the edit copy; an unreadable one shows "file error." and
    /// changes nothing.
    void Import();
    /// Writes the edit copy to a chosen book file; a failure shows "file error.".
    void Export();

    RadioImage& image_;
    UserContext& ctx_;
    Book editCopy_;
    BookTable* table_;
};

} // namespace rp70::gui
