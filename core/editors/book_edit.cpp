#include "editors/book_edit.h"

#include "editors/book_cells.h"
#include "files/book_file.h"
#include "model/book_order.h"

namespace rp70 {
namespace {

constexpr int kKeyBookCaption = 1800;
constexpr int kKeyName = 1801;
constexpr int kKeyIndex = 3007;

constexpr std::string_view kCallIdHeader = "Call ID";
constexpr std::string_view kBookFilePattern = " (*.cb)";

constexpr int kLastEntry = static_cast<int>(kBookEntryCount) - 1;

bool InBook(BookCell cell) {
    return cell.Entry >= 0 && cell.Entry <= kLastEntry;
}

// Name and pattern of the book file dialogs.
std::string BookFileFilter(const LanguageTexts& texts) {
    return texts.GetText(kKeyBookCaption) + std::string(kBookFilePattern);
}

} // namespace

std::array<std::string, kBookColumnCount> BookHeaders(const LanguageTexts& texts) {
    return {texts.GetText(kKeyIndex), std::string(kCallIdHeader), texts.GetText(kKeyName)};
}

std::string BookCellShown(const Book& book, BookCell cell) {
    if (!InBook(cell)) {
        return {};
    }
    const BookEntry& entry = book[static_cast<std::size_t>(cell.Entry)];
    switch (cell.Column) {
    case BookColumn::Index:
        return std::to_string(cell.Entry);
    case BookColumn::Id:
        return TextOf(entry.BookId);
    case BookColumn::Name:
        return TextOf(entry.BookName);
    }
    return {};
}

std::size_t BookCellLength(BookColumn column) {
    switch (column) {
    case BookColumn::Id:
        return kBookIdWidth;
    case BookColumn::Name:
        return kBookNameWidth;
    case BookColumn::Index:
        break;
    }
    return 0;
}

std::optional<char> BookCellKey(BookColumn column, char typed) {
    switch (column) {
    case BookColumn::Id:
        return BookIdKey(typed);
    case BookColumn::Name:
        return BookNameKey(typed);
    case BookColumn::Index:
        break;
    }
    return std::nullopt;
}

std::string CommitBookCell(Book& editCopy, BookCell cell, std::string_view typed) {
    if (!InBook(cell)) {
        return {};
    }
    BookEntry& entry = editCopy[static_cast<std::size_t>(cell.Entry)];
    if (cell.Column == BookColumn::Id) {
        entry.BookId = BookCellText<kBookIdWidth>(typed);
    } else if (cell.Column == BookColumn::Name) {
        entry.BookName = BookCellText<kBookNameWidth>(typed);
    }
    return BookCellShown(editCopy, cell);
}

std::optional<BookCell> NextBookCell(BookCell cell) {
    if (cell.Column == BookColumn::Index) {
        return BookCell{cell.Entry, BookColumn::Id};
    }
    if (cell.Column == BookColumn::Id) {
        return BookCell{cell.Entry, BookColumn::Name};
    }
    if (cell.Entry >= kLastEntry) {
        return std::nullopt;
    }
    return BookCell{cell.Entry + 1, BookColumn::Id};
}

std::optional<BookCell> PreviousBookCell(BookCell cell) {
    if (cell.Column == BookColumn::Name) {
        return BookCell{cell.Entry, BookColumn::Id};
    }
    if (cell.Entry <= 0) {
        return std::nullopt;
    }
    return BookCell{cell.Entry - 1, BookColumn::Name};
}

bool ImportBook(RadioImage& image, UserContext& ctx, Book& editCopy) {
    const auto path = ctx.Ui.ChooseOpenFile({BookFileFilter(ctx.Texts), image.CurrentBookPath});
    if (!path || !ImportBookFile(ctx, *path, editCopy)) {
        return false;
    }
    image.CurrentBookPath = *path;
    return true;
}

bool ExportBook(RadioImage& image, UserContext& ctx, const Book& editCopy) {
    const auto path = ctx.Ui.ChooseSaveFile({BookFileFilter(ctx.Texts), image.CurrentBookPath});
    if (!path || !ExportBookFile(ctx, *path, editCopy)) {
        return false;
    }
    image.CurrentBookPath = *path;
    return true;
}

void ApplyBookEdit(RadioImage& image, const Book& editCopy) {
    image.Record.Book = editCopy;
}

void CloseBookEdit(RadioImage& image) {
    SortBook(image.Record.Book);
}

SettingLines BookSettingLines(const RadioImage& image, const LanguageTexts& /*texts*/) {
    SettingLines lines;
    const Book& book = image.Record.Book;
    for (int entry = 0; entry <= kLastEntry; ++entry) {
        std::string value = BookCellShown(book, {entry, BookColumn::Id});
        const std::string name = BookCellShown(book, {entry, BookColumn::Name});
        if (value.empty() && name.empty()) {
            continue;
        }
        if (!name.empty()) {
            value.resize(kBookIdWidth, ' ');
            value += "  " + name;
        }
        lines.push_back({BookCellShown(book, {entry, BookColumn::Index}), value});
    }
    return lines;
}

} // namespace rp70
