#include "model/channel_lookup.h"

#include <cstddef>

namespace rp70 {

std::optional<int> FindChannel(const RadioImage& image, int number) {
    const int used = image.UsedChannelCount();
    for (int slot = 0; slot < used; ++slot) {
        if (image.Channels[static_cast<std::size_t>(slot)].ChannelNumber == number) {
            return slot;
        }
    }
    return std::nullopt;
}

bool ChannelExists(const RadioImage& image, int number) {
    return FindChannel(image, number).has_value();
}

bool ChannelIsUsed(const RadioImage& image, int number) {
    const auto slot = FindChannel(image, number);
    return slot && image.Channels[static_cast<std::size_t>(*slot)].InUse == 1;
}

} // namespace rp70
