#include "model/choice_list.h"

#include <algorithm>

namespace rp70 {

int PositionFor(int value, const std::vector<std::string>& list) {
    if (list.empty()) {
        return kNoSelection;
    }
    return value >= 0 && value < static_cast<int>(list.size()) ? value : 0;
}

int PositionOfText(const std::vector<std::string>& list, std::string_view text) {
    if (list.empty()) {
        return kNoSelection;
    }
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? 0 : static_cast<int>(found - list.begin());
}

std::string ItemByIndex(const std::vector<std::string>& list, int index) {
    return TextAt(list, PositionFor(index, list));
}

std::string FindItem(const std::vector<std::string>& list, std::string_view text) {
    return TextAt(list, PositionOfText(list, text));
}

std::string TextAt(const std::vector<std::string>& list, int position) {
    return position >= 0 && position < static_cast<int>(list.size())
               ? list[static_cast<std::size_t>(position)]
               : std::string();
}

} // namespace rp70
