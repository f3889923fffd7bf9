#pragma once
// Ordering of the communication book by call ID, and how the book dialog's cells take what is
// typed into them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/fixed_text.h"
#include "model/records/book.h"

namespace rp70 {

/// Width of the call ID cell.
inline constexpr std::size_t kBookIdWidth = 5;

/// Width of the name cell.
inline constexpr std::size_t kBookNameWidth = 7;

/// Sort key of a call ID: every space becomes "A", the text is cut at the first NUL and filled
/// with "B" to five characters, and read as a hexadecimal number. An empty ID gives BBBBB, "12"
/// gives 12BBB. A character that is not a hexadecimal digit (only in data read from a file or a
/// radio) counts as "F", so the key is always a five-digit hexadecimal number.
std::uint32_t BookSortKey(const FixedText<kBookIdWidth>& id);

/// Sorts the book by BookSortKey with an exchange sort (each position in turn takes the smallest
/// key of the rest, swapping with it whenever a later key is smaller), keeping every ID and name
/// with its entry, and numbers the entries with their new positions. The exchange sort is not
/// stable: entries with equal keys may change their order.
void SortBook(Book& book);

/// What a book cell stores when the person leaves it: TextOf the typed text; an empty text
/// becomes a single NUL, a text shorter than the field is followed by a NUL; stored left-aligned
/// and padded with spaces ("12" in an ID cell stores 31 32 00 20 20). Longer texts are cut.
template <std::size_t N> FixedText<N> BookCellText(std::string_view typed) {
    std::string text = TextOf(typed);
    if (text.size() < N) {
        text.push_back('\0');
    }
    return MakeFixedText<N>(text);
}

/// The ID cell's rule for one typed printable character: only "0" … "9" are taken.
std::optional<char> BookIdKey(char typed);

/// The name cell's rule for one typed printable character: "a" … "z" become "A" … "Z"; "A" …
/// "Z", "0" … "9" and the space are taken; anything else is rejected (nullopt).
std::optional<char> BookNameKey(char typed);

} // namespace rp70
