#pragma once
// Ordering of the communication book by call ID: the book is kept sorted before it is written to
// the radio, and the book editor sorts it the same way.

#include <cstdint>

#include "model/fixed_text.h"
#include "model/records/book.h"

namespace rp70 {

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

} // namespace rp70
