#include "model/channel_label.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr std::array<std::string_view, 4> kSpecialLabels = {"PA", "PB", "CALL", "VFO"};

} // namespace

std::string RowLabel(int row) {
    if (IsMemoryChannel(row)) {
        return FormatInteger(row - 1);
    }
    const int special = row - kMemoryChannelCount - 1;
    if (special >= 0 && special < static_cast<int>(kSpecialLabels.size())) {
        return std::string(kSpecialLabels[static_cast<std::size_t>(special)]);
    }
    return {};
}

std::vector<std::string> MemoryChannelLabels(const RadioImage& image) {
    std::vector<int> numbers;
    const int used = image.UsedChannelCount();
    for (int slot = 0; slot < used; ++slot) {
        const int number = image.Channels[static_cast<std::size_t>(slot)].ChannelNumber;
        if (IsMemoryChannel(number)) {
            numbers.push_back(number);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::vector<std::string> labels;
    labels.reserve(numbers.size());
    for (int number : numbers) {
        labels.push_back(RowLabel(number));
    }
    return labels;
}

} // namespace rp70
