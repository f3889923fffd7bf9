#include "editors/book_cells.h"

namespace rp70 {

std::optional<char> BookIdKey(char typed) {
    if (typed >= '0' && typed <= '9') {
        return typed;
    }
    return std::nullopt;
}

std::optional<char> BookNameKey(char typed) {
    if (typed >= 'a' && typed <= 'z') {
        return static_cast<char>(typed - 'a' + 'A');
    }
    if ((typed >= 'A' && typed <= 'Z') || (typed >= '0' && typed <= '9') || typed == ' ') {
        return typed;
    }
    return std::nullopt;
}

} // namespace rp70
