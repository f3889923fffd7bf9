#pragma once
// How the book dialog's cells take what is typed into them. The book's order by call ID is in
// model/book_order.h.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/fixed_text.h"
#include "model/records/book.h"

namespace rp70 {

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
