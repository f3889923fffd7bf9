#include "channels/channel_clipboard.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "channels/channel_list.h"

namespace rp70 {
namespace {

// A channel holding data, recognisable by its name.
ChannelRecord Channel(int number, std::string_view name) {
    ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(number));
    channel.InUse = 1;
    channel.RxFreq = MakeFixedText<9>("014550000");
    channel.Name = MakeFixedText<7>(name);
    channel.TxPower = 2;
    return channel;
}

RadioImage ImageWith(std::initializer_list<int> numbers) {
    RadioImage image;
    image.Record.ChannelCount = 0;
    for (int number : numbers) {
        image.Channels[static_cast<std::size_t>(image.Record.ChannelCount++)] =
            Channel(number, "CH" + std::to_string(number));
    }
    return image;
}

const ChannelRecord& At(const RadioImage& image, int number) {
    return image.Channels[static_cast<std::size_t>(FindChannel(image, number).value())];
}

std::vector<int> SlotNumbers(const RadioImage& image) {
    std::vector<int> numbers;
    for (int slot = 0; slot < image.UsedChannelCount(); ++slot) {
        numbers.push_back(image.Channels[static_cast<std::size_t>(slot)].ChannelNumber);
    }
    return numbers;
}

// Every field but the number of `a` equals that of `b`.
void ExpectSameContent(ChannelRecord a, ChannelRecord b) {
    a.ChannelNumber = b.ChannelNumber;
    EXPECT_EQ(a, b);
}

TEST(ChannelClipboardCopy, CopyFivePasteOnSixAndSeven) {
    RadioImage image = ImageWith({5, 6});
    const ChannelRecord five = At(image, 5);

    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Copy, 0, 5));
    EXPECT_TRUE(ApplyChannelCommand(image, ChannelCommand::Paste, 0, 6));
    EXPECT_TRUE(ApplyChannelCommand(image, ChannelCommand::Paste, 0, 7));

    // 6 is overwritten in its slot, 7 is appended.
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(At(image, 5), five);
    ExpectSameContent(At(image, 6), five);
    ExpectSameContent(At(image, 7), five);
    EXPECT_EQ(TextOf(At(image, 7).Name), "CH5");
    // The clipboard keeps its content after pasting.
    EXPECT_EQ(image.Clipboard.Record, five);
}

TEST(ChannelClipboardCopy, SpecialChannelsCopyOntoMemoryRowsAndBack) {
    RadioImage image = ImageWith({204, 3});
    ApplyChannelCommand(image, ChannelCommand::Copy, 0, 204);
    ApplyChannelCommand(image, ChannelCommand::Paste, 0, 1);
    ExpectSameContent(At(image, 1), At(image, 204));

    ApplyChannelCommand(image, ChannelCommand::Copy, 0, 3);
    ApplyChannelCommand(image, ChannelCommand::Paste, 0, 201);
    ExpectSameContent(At(image, 201), At(image, 3));
}

TEST(ChannelClipboardCopy, CopyOfAnEmptyRowThenPasteDeletesTheTarget) {
    RadioImage image = ImageWith({1, 2, 3});
    ApplyChannelCommand(image, ChannelCommand::Copy, 0, 1); // the clipboard holds data first
    ApplyChannelCommand(image, ChannelCommand::Copy, 0, 50);
    EXPECT_EQ(image.Clipboard.Record.InUse, 0);

    EXPECT_TRUE(ApplyChannelCommand(image, ChannelCommand::Paste, 0, 2));

    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{1, 3}));
    EXPECT_EQ(image.Record.ChannelCount, 2);
}

TEST(ChannelClipboardCopy, ASlotWithoutDataCopiesAsEmpty) {
    RadioImage image = ImageWith({1, 2});
    image.Channels[0].InUse = 0;
    ApplyChannelCommand(image, ChannelCommand::Copy, 0, 2);
    ApplyChannelCommand(image, ChannelCommand::Copy, 0, 1);
    EXPECT_EQ(image.Clipboard.Record.InUse, 0);
    // Only InUse changed: the rest of the clipboard is still channel 2.
    EXPECT_EQ(TextOf(image.Clipboard.Record.Name), "CH2");

    ApplyChannelCommand(image, ChannelCommand::Paste, 0, 2);
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{1}));
}

TEST(ChannelClipboardCut, CutFiveThenPasteOnNine) {
    RadioImage image = ImageWith({4, 5, 6});
    const ChannelRecord five = At(image, 5);

    EXPECT_TRUE(ApplyChannelCommand(image, ChannelCommand::Cut, 0, 5));
    EXPECT_FALSE(ChannelExists(image, 5));
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{4, 6}));

    EXPECT_TRUE(ApplyChannelCommand(image, ChannelCommand::Paste, 0, 9));
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{4, 6, 9}));
    ExpectSameContent(At(image, 9), five);
    EXPECT_EQ(At(image, 9).ChannelNumber, 9);
}

TEST(ChannelClipboardCut, ARowWithoutDataIsNotDeleted) {
    RadioImage image = ImageWith({4, 5});
    image.Channels[1].InUse = 0;

    EXPECT_TRUE(ApplyChannelCommand(image, ChannelCommand::Cut, 0, 5));
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{4, 5}));
    EXPECT_EQ(image.Clipboard.Record.InUse, 0);
    EXPECT_EQ(image.Clipboard.ClipboardValid[0], 1);
}

TEST(ChannelClipboardPaste, NothingHappensWithoutAValidClipboard) {
    RadioImage image = ImageWith({1, 2});
    image.Clipboard.Record = Channel(9, "OLD"); // content left over, but not valid
    image.Clipboard.ClipboardValid = {0, 1, 1};

    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Paste, 0, 2));
    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Paste, 0, 3));
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{1, 2}));
    EXPECT_EQ(TextOf(At(image, 2).Name), "CH2");
}

TEST(ChannelClipboardPaste, AFullTableTakesNoNewChannel) {
    RadioImage image = ImageWith({});
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        image.Channels[static_cast<std::size_t>(slot)] = Channel(slot + 1, "FULL");
    }
    image.Channels[203].ChannelNumber = 203; // two slots for CALL, none for VFO
    image.Record.ChannelCount = 204;
    image.Clipboard.Record = Channel(1, "NEW");
    image.Clipboard.ClipboardValid[0] = 1;

    ApplyChannelCommand(image, ChannelCommand::Paste, 0, 204);
    EXPECT_EQ(image.Record.ChannelCount, 204);
    EXPECT_FALSE(ChannelExists(image, 204));

    // A damaged count is no more room.
    image.Record.ChannelCount = 32767;
    ApplyChannelCommand(image, ChannelCommand::Paste, 0, 204);
    EXPECT_EQ(image.Record.ChannelCount, 32767);
    EXPECT_FALSE(ChannelExists(image, 204));

    // An existing channel is still overwritten.
    image.Record.ChannelCount = 204;
    ApplyChannelCommand(image, ChannelCommand::Paste, 0, 100);
    EXPECT_EQ(TextOf(At(image, 100).Name), "NEW");
}

TEST(ChannelClipboardPaste, NumbersWithoutARowChangeNothing) {
    RadioImage image = ImageWith({1});
    ApplyChannelCommand(image, ChannelCommand::Copy, 0, 1);
    for (int number : {0, -1, 205, 70000}) {
        ApplyChannelCommand(image, ChannelCommand::Paste, 0, number);
    }
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{1}));
}

TEST(ChannelClipboardTables, OtherTablesOnlyMarkTheirClipboardValid) {
    RadioImage image = ImageWith({1, 2});
    image.Clipboard.Record = Channel(9, "KEEP");

    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Copy, 1, 1));
    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Cut, 2, 2));
    EXPECT_EQ(image.Clipboard.ClipboardValid, (std::array<std::int16_t, 3>{0, 1, 1}));
    EXPECT_EQ(TextOf(image.Clipboard.Record.Name), "KEEP");

    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Paste, 1, 1));
    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Delete, 1, 1));
    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Delete, 2, 2));
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{1, 2}));
    // The channel table's own clipboard is still not valid.
    EXPECT_FALSE(ApplyChannelCommand(image, ChannelCommand::Paste, 0, 5));
    EXPECT_FALSE(ChannelExists(image, 5));
}

TEST(ChannelClipboardTables, IndexesOutsideTheThreeTablesDoNothing) {
    RadioImage image = ImageWith({1});
    for (int table : {-1, 3, 1000}) {
        for (ChannelCommand command : {ChannelCommand::Copy, ChannelCommand::Cut,
                                       ChannelCommand::Paste, ChannelCommand::Delete}) {
            EXPECT_FALSE(ApplyChannelCommand(image, command, table, 1));
        }
    }
    EXPECT_EQ(image.Clipboard.ClipboardValid, (std::array<std::int16_t, 3>{0, 0, 0}));
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{1}));
}

TEST(ChannelClipboardDelete, DeletesTheRowAndAsksForARedraw) {
    RadioImage image = ImageWith({1, 2, 3});
    EXPECT_TRUE(ApplyChannelCommand(image, ChannelCommand::Delete, 0, 2));
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{1, 3}));
    EXPECT_TRUE(ApplyChannelCommand(image, ChannelCommand::Delete, 0, 2));
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{1, 3}));
    // Delete does not touch the clipboard.
    EXPECT_EQ(image.Clipboard.ClipboardValid[0], 0);
}

TEST(ChannelClipboardDirect, OperationsActOnlyOnTheChannelTable) {
    RadioImage image = ImageWith({1, 2});
    CopyChannel(image, 1, 1);
    EXPECT_EQ(image.Clipboard.Record.ChannelNumber, 0);
    CutChannel(image, 1, 1);
    EXPECT_TRUE(ChannelExists(image, 1));

    CopyChannel(image, 0, 1);
    PasteChannel(image, 2, 5);
    EXPECT_FALSE(ChannelExists(image, 5));
    PasteChannel(image, 0, 5); // no validity check at this level
    EXPECT_TRUE(ChannelExists(image, 5));
}

} // namespace
} // namespace rp70
