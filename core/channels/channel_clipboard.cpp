#include "channels/channel_clipboard.h"

#include <cstddef>

#include "channels/channel_list.h"

namespace rp70 {
namespace {

constexpr int kTableCount = 3;

// Puts channel `number` on the clipboard; returns true when a channel holding data was copied.
bool TakeChannel(RadioImage& image, int number) {
    const auto slot = FindChannel(image, number);
    if (slot && image.Channels[static_cast<std::size_t>(*slot)].InUse == 1) {
        image.Clipboard.Record = image.Channels[static_cast<std::size_t>(*slot)];
        return true;
    }
    image.Clipboard.Record.InUse = 0;
    return false;
}

} // namespace

void CopyChannel(RadioImage& image, int tableIndex, int number) {
    if (tableIndex != kChannelTableIndex) {
        return;
    }
    TakeChannel(image, number);
}

void CutChannel(RadioImage& image, int tableIndex, int number) {
    if (tableIndex != kChannelTableIndex) {
        return;
    }
    if (TakeChannel(image, number)) {
        DeleteChannel(image, number);
    }
}

void PasteChannel(RadioImage& image, int tableIndex, int number) {
    if (tableIndex != kChannelTableIndex || number < 1 || number > kChannelSlots) {
        return;
    }
    if (image.Clipboard.Record.InUse != 1) {
        DeleteChannel(image, number);
        return;
    }
    ChannelRecord pasted = image.Clipboard.Record;
    pasted.ChannelNumber = static_cast<std::int16_t>(number);
    if (const auto slot = FindChannel(image, number)) {
        image.Channels[static_cast<std::size_t>(*slot)] = pasted;
        return;
    }
    const int used = image.UsedChannelCount();
    if (used >= kChannelSlots) {
        return; // every slot is taken: there is no room for another channel
    }
    image.Channels[static_cast<std::size_t>(used)] = pasted;
    image.Record.ChannelCount = static_cast<std::int16_t>(used + 1);
}

bool ApplyChannelCommand(RadioImage& image, ChannelCommand command, int tableIndex, int number) {
    if (tableIndex < 0 || tableIndex >= kTableCount) {
        return false;
    }
    auto& valid = image.Clipboard.ClipboardValid[static_cast<std::size_t>(tableIndex)];
    const bool channelTable = tableIndex == kChannelTableIndex;
    switch (command) {
    case ChannelCommand::Copy:
        valid = 1;
        CopyChannel(image, tableIndex, number);
        return false;
    case ChannelCommand::Cut:
        valid = 1;
        CutChannel(image, tableIndex, number);
        return channelTable;
    case ChannelCommand::Paste:
        if (valid == 0) {
            return false;
        }
        PasteChannel(image, tableIndex, number);
        return channelTable;
    case ChannelCommand::Delete:
        // Like the other commands, delete acts on the channel table only: the row of another
        // table is not a channel.
        if (!channelTable) {
            return false;
        }
        DeleteChannel(image, number);
        return true;
    }
    return false;
}

} // namespace rp70
