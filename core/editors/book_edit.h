#pragma once
// The communication book dialog without its widgets: the table it shows over its edit copy of
// the book, what a cell stores when it is left, the walk from cell to cell, import and export of
// the book file, OK, and the sort every close makes. How a cell takes typed text is in
// book_cells.h, the order by call ID in model/book_order.h, the file in files/book_file.h.
//
// The dialog works on an edit copy of the image's book (a `Book`); only OK copies it back.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "editors/setting_lines.h"
#include "model/radio_image.h"
#include "model/records/book.h"
#include "texts/language_texts.h"
#include "texts/user_context.h"

namespace rp70 {

/// The table's columns: the entry's index, then the call ID and the name, which take input.
enum class BookColumn { Index = 0, Id = 1, Name = 2 };

/// Number of table columns.
inline constexpr int kBookColumnCount = 3;

/// One cell of the table: entry 0 … 127 and its column.
struct BookCell {
    int Entry = 0;
    BookColumn Column = BookColumn::Id;

    bool operator==(const BookCell&) const = default;
};

/// The header row: the text of key 3007, "Call ID", the text of key 1801.
std::array<std::string, kBookColumnCount> BookHeaders(const LanguageTexts& texts);

/// What a cell shows: the entry's position in decimal, TextOf its ID, TextOf its name. A cell
/// outside the book shows the empty text.
std::string BookCellShown(const Book& book, BookCell cell);

/// How many characters the cell's in-cell editor takes: 5 for the ID, 7 for the name, 0 for the
/// index, which takes no input.
std::size_t BookCellLength(BookColumn column);

/// What one typed printable character becomes in a cell of `column` (BookIdKey, BookNameKey);
/// nullopt when it is rejected, and always in the index column.
std::optional<char> BookCellKey(BookColumn column, char typed);

/// Leaving a cell of the ID or name column: stores BookCellText of `typed` into the edit copy and
/// returns the text the cell shows now. The index column and cells outside the book store
/// nothing.
std::string CommitBookCell(Book& editCopy, BookCell cell, std::string_view typed);

/// The input cell after `cell` as Enter and Tab walk: the name after the ID, the next entry's ID
/// after a name or an index; nullopt after the last name.
std::optional<BookCell> NextBookCell(BookCell cell);

/// The input cell before `cell` (Shift+Tab): the ID before the name, the previous entry's name
/// before an ID or an index; nullopt before the first ID.
std::optional<BookCell> PreviousBookCell(BookCell cell);

/// Import: lets the person choose a book file ("Communication Book (*.cb)", with the text of key
/// 1800), starting at `CurrentBookPath`, and reads it into the edit copy; `CurrentBookPath` then
/// names the chosen file. A file that cannot be read shows "file error." and leaves the edit copy
/// and `CurrentBookPath` as they were; a cancelled choice does nothing. Returns whether the edit
/// copy was replaced.
bool ImportBook(RadioImage& image, UserContext& ctx, Book& editCopy);

/// Export: lets the person choose a name, proposing `CurrentBookPath`, and writes the edit copy
/// there; the name then becomes `CurrentBookPath`. A file that cannot be written shows
/// "file error." and keeps `CurrentBookPath`. Returns whether a file was written.
bool ExportBook(RadioImage& image, UserContext& ctx, const Book& editCopy);

/// OK: the edit copy becomes the image's book.
void ApplyBookEdit(RadioImage& image, const Book& editCopy);

/// Every close of the dialog, by OK, Cancel or its window: the image's book is sorted by ID
/// (SortBook), so that even a cancelled dialog leaves it in order.
void CloseBookEdit(RadioImage& image);

/// The book as the dialog's table shows it on opening: one line per entry with an ID or a name,
/// labelled with the entry's position, showing the ID filled to five characters, two spaces and
/// the name ("12     BOB"). `texts` is unused: the lines carry no language text.
SettingLines BookSettingLines(const RadioImage& image, const LanguageTexts& texts);

} // namespace rp70
