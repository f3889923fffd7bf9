#include "model/fixed_text.h"

#include <algorithm>

namespace rp70 {

std::string TextOf(std::string_view stored) {
    const auto last = stored.find_last_not_of(' ');
    stored = last == std::string_view::npos ? std::string_view{} : stored.substr(0, last + 1);
    const auto nul = stored.find('\0');
    if (nul != std::string_view::npos) {
        stored = stored.substr(0, nul);
    }
    return std::string(stored);
}

void WriteFixedText(char* field, std::size_t width, std::string_view text) {
    const std::size_t used = std::min(width, text.size());
    std::copy_n(text.begin(), used, field);
    std::fill(field + used, field + width, ' ');
}

} // namespace rp70
