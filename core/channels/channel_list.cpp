#include "channels/channel_list.h"

#include <cstddef>

namespace rp70 {
namespace {

constexpr std::uint8_t kAlertCodeFiveTone = 2;

// A scan priority channel holds the channel number 1 … 200, 0 meaning "none". "None" stays as
// it is; a channel that no longer exists moves to NearestMemoryChannel, which is 0 ("none")
// when the table holds no memory channel.
std::uint8_t RepairChannelNumber(const RadioImage& image, std::uint8_t stored) {
    if (stored == 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(NearestMemoryChannel(image, stored));
}

// The emergency channel holds channel number − 1 (0 … 199); with no memory channel at all it
// becomes 0.
std::uint8_t RepairChannelIndex(const RadioImage& image, std::uint8_t stored) {
    const int nearest = NearestMemoryChannel(image, stored + 1);
    return static_cast<std::uint8_t>(nearest == 0 ? 0 : nearest - 1);
}

} // namespace

void DeleteChannel(RadioImage& image, int number) {
    const auto slot = FindChannel(image, number);
    if (!slot) {
        return;
    }
    const int used = image.UsedChannelCount();
    for (int i = *slot; i + 1 < used; ++i) {
        image.Channels[static_cast<std::size_t>(i)] =
            image.Channels[static_cast<std::size_t>(i + 1)];
    }
    image.Record.ChannelCount = static_cast<std::int16_t>(used - 1);
}

int NearestMemoryChannel(const RadioImage& image, int number) {
    int last = 0;
    const int used = image.UsedChannelCount();
    for (int slot = 0; slot < used; ++slot) {
        const int channel = image.Channels[static_cast<std::size_t>(slot)].ChannelNumber;
        if (!IsMemoryChannel(channel)) {
            continue;
        }
        if (channel == number) {
            return channel;
        }
        last = channel;
    }
    return last;
}

void FixChannelReferences(RadioImage& image) {
    ScanRecord& scan = image.Record.Function.Scan;
    scan.PriorityChannel1 = RepairChannelNumber(image, scan.PriorityChannel1);
    scan.PriorityChannel2 = RepairChannelNumber(image, scan.PriorityChannel2);
    AlertRecord& alert = image.Record.Function.Alert;
    alert.EmergencyChannel = RepairChannelIndex(image, alert.EmergencyChannel);
}

void FixAlertFiveToneReference(RadioImage& image) {
    AlertRecord& alert = image.Record.Function.Alert;
    if (alert.IdCodeType == kAlertCodeFiveTone) {
        alert.IdCode = static_cast<std::uint8_t>(
            FirstDefinedFiveTone(image.Record.Function.FiveTone, alert.IdCode));
    }
}

} // namespace rp70
