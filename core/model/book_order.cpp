#include "model/book_order.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace rp70 {
namespace {

// Value of a hexadecimal digit; any other character counts as F.
std::uint32_t HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint32_t>(c - '0');
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<std::uint32_t>(c - 'A' + 10);
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<std::uint32_t>(c - 'a' + 10);
    }
    return 15;
}

} // namespace

std::uint32_t BookSortKey(const FixedText<kBookIdWidth>& id) {
    FixedText<kBookIdWidth> spacesAsA = id;
    std::replace(spacesAsA.begin(), spacesAsA.end(), ' ', 'A');
    std::string text = TextOf(spacesAsA);
    text.resize(kBookIdWidth, 'B');
    std::uint32_t key = 0;
    for (char c : text) {
        key = key * 16 + HexDigitValue(c);
    }
    return key;
}

void SortBook(Book& book) {
    std::array<std::uint32_t, kBookEntryCount> keys{};
    for (std::size_t i = 0; i < book.size(); ++i) {
        keys[i] = BookSortKey(book[i].BookId);
    }
    for (std::size_t i = 0; i + 1 < book.size(); ++i) {
        for (std::size_t j = i + 1; j < book.size(); ++j) {
            if (keys[j] < keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(book[i], book[j]);
            }
        }
    }
    for (std::size_t i = 0; i < book.size(); ++i) {
        book[i].BookIndex = static_cast<std::int16_t>(i);
    }
}

} // namespace rp70
