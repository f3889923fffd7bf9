#include "model/signalling_references.h"

#include <cstddef>

namespace rp70 {
namespace {

template <typename Entries, typename IsDefined>
int FirstDefined(const Entries& entries, int n, IsDefined isDefined) {
    const auto count = static_cast<int>(entries.size());
    if (n >= 0 && n < count && isDefined(entries[static_cast<std::size_t>(n)])) {
        return n;
    }
    for (int i = 0; i < count; ++i) {
        if (isDefined(entries[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return 0;
}

} // namespace

int FirstDefinedTwoTone(const TwoToneRecord& record, int n) {
    return FirstDefined(record.Entries, n,
                        [](const TwoToneEntry& entry) { return entry.EntryEmpty == 0; });
}

int FirstDefinedFiveTone(const FiveToneRecord& record, int n) {
    return FirstDefined(record.Codes, n,
                        [](const FiveToneCode& code) { return code.InUseFlag == 0; });
}

void FixSignallingReferences(RadioImage& image) {
    const FunctionData& function = image.Record.Function;
    const int used = image.UsedChannelCount();
    for (int slot = 0; slot < used; ++slot) {
        ChannelRecord& channel = image.Channels[static_cast<std::size_t>(slot)];
        if (channel.Signalling == kSignallingTwoTone) {
            channel.TwoToneNumber = static_cast<std::int16_t>(
                FirstDefinedTwoTone(function.TwoTone, channel.TwoToneNumber));
        } else if (channel.Signalling == kSignallingFiveTone) {
            channel.FiveToneNumber = static_cast<std::int16_t>(
                FirstDefinedFiveTone(function.FiveTone, channel.FiveToneNumber));
        }
    }
}

} // namespace rp70
