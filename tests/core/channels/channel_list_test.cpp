#include "channels/channel_list.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace rp70 {
namespace {

// An image whose used slots carry `numbers` in this order, each holding data.
RadioImage ImageWith(std::initializer_list<int> numbers) {
    RadioImage image;
    image.Record.ChannelCount = 0;
    for (int number : numbers) {
        ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(number));
        channel.InUse = 1;
        image.Channels[static_cast<std::size_t>(image.Record.ChannelCount++)] = channel;
    }
    return image;
}

std::vector<int> SlotNumbers(const RadioImage& image) {
    std::vector<int> numbers;
    for (int slot = 0; slot < image.UsedChannelCount(); ++slot) {
        numbers.push_back(image.Channels[static_cast<std::size_t>(slot)].ChannelNumber);
    }
    return numbers;
}

TEST(ChannelListFind, SearchesOnlyTheUsedSlotsInSlotOrder) {
    RadioImage image = ImageWith({7, 3, 204});
    image.Channels[3] = NewChannelRecord(9); // beyond ChannelCount: not part of the table

    EXPECT_EQ(FindChannel(image, 7), 0);
    EXPECT_EQ(FindChannel(image, 3), 1);
    EXPECT_EQ(FindChannel(image, 204), 2);
    EXPECT_EQ(FindChannel(image, 9), std::nullopt);
    EXPECT_EQ(FindChannel(image, 0), std::nullopt);
}

TEST(ChannelListFind, TheFirstOfTwoSlotsWithTheSameNumberWins) {
    // A new image starts with the VFO in both of its slots.
    const RadioImage image;
    EXPECT_EQ(FindChannel(image, 204), 0);
}

TEST(ChannelListFind, ADamagedChannelCountIsBounded) {
    RadioImage image = ImageWith({1, 2});
    image.Record.ChannelCount = 32000;
    image.Channels[203] = NewChannelRecord(150);
    EXPECT_EQ(FindChannel(image, 150), 203);

    image.Record.ChannelCount = -5;
    EXPECT_EQ(FindChannel(image, 1), std::nullopt);
    EXPECT_FALSE(ChannelExists(image, 1));
}

TEST(ChannelListFind, ExistsIgnoresInUseWhileIsUsedNeedsIt) {
    RadioImage image = ImageWith({4, 5, 6});
    image.Channels[1].InUse = 0;
    image.Channels[2].InUse = 2; // only 1 means "holds data"

    EXPECT_TRUE(ChannelExists(image, 4));
    EXPECT_TRUE(ChannelIsUsed(image, 4));
    EXPECT_TRUE(ChannelExists(image, 5));
    EXPECT_FALSE(ChannelIsUsed(image, 5));
    EXPECT_TRUE(ChannelExists(image, 6));
    EXPECT_FALSE(ChannelIsUsed(image, 6));
    EXPECT_FALSE(ChannelExists(image, 8));
    EXPECT_FALSE(ChannelIsUsed(image, 8));
}

TEST(ChannelListDelete, LaterSlotsMoveDownAndTheCountDrops) {
    RadioImage image = ImageWith({10, 20, 30, 40});
    image.Channels[2].Name = MakeFixedText<7>("THIRTY");

    DeleteChannel(image, 20);

    EXPECT_EQ(image.Record.ChannelCount, 3);
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{10, 30, 40}));
    EXPECT_EQ(TextOf(image.Channels[1].Name), "THIRTY");
}

TEST(ChannelListDelete, TheLastSlotAndAMissingNumber) {
    RadioImage image = ImageWith({10, 20});
    DeleteChannel(image, 99);
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{10, 20}));

    DeleteChannel(image, 20);
    EXPECT_EQ(SlotNumbers(image), (std::vector<int>{10}));
    DeleteChannel(image, 10);
    EXPECT_EQ(image.Record.ChannelCount, 0);
    DeleteChannel(image, 10);
    EXPECT_EQ(image.Record.ChannelCount, 0);
}

TEST(ChannelListDelete, ADamagedChannelCountStaysInsideTheTable) {
    RadioImage image = ImageWith({});
    image.Record.ChannelCount = 9999;
    image.Channels[203] = NewChannelRecord(77);
    DeleteChannel(image, 77);
    EXPECT_EQ(image.Record.ChannelCount, 203);
}

TEST(NearestMemoryChannel, AnExistingMemoryChannelIsItself) {
    const RadioImage image = ImageWith({12, 5, 201, 30});
    EXPECT_EQ(NearestMemoryChannel(image, 5), 5);
    EXPECT_EQ(NearestMemoryChannel(image, 12), 12);
    EXPECT_EQ(NearestMemoryChannel(image, 30), 30);
}

TEST(NearestMemoryChannel, OtherwiseTheLastMemoryChannelInSlotOrder) {
    const RadioImage image = ImageWith({12, 30, 5, 201, 204});
    EXPECT_EQ(NearestMemoryChannel(image, 6), 5);
    EXPECT_EQ(NearestMemoryChannel(image, 201), 5); // special channels never count
    EXPECT_EQ(NearestMemoryChannel(image, 0), 5);
    EXPECT_EQ(NearestMemoryChannel(image, 256), 5);
}

TEST(NearestMemoryChannel, ZeroWithoutMemoryChannels) {
    EXPECT_EQ(NearestMemoryChannel(ImageWith({}), 1), 0);
    EXPECT_EQ(NearestMemoryChannel(ImageWith({201, 204}), 201), 0);
    // Damaged numbers are not memory channels.
    EXPECT_EQ(NearestMemoryChannel(ImageWith({0, -3, 250}), 0), 0);
}

TEST(FixChannelReferences, ReferencesToExistingChannelsStay) {
    RadioImage image = ImageWith({1, 5, 10, 204});
    image.Record.Function.Scan.PriorityChannel1 = 5;
    image.Record.Function.Scan.PriorityChannel2 = 10; // channel 11 does not exist
    image.Record.Function.Alert.EmergencyChannel = 9; // channel 10

    FixChannelReferences(image);

    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel1, 5);
    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel2, 10);
    EXPECT_EQ(image.Record.Function.Alert.EmergencyChannel, 9);
}

TEST(FixChannelReferences, ReferencesToMissingChannelsMoveToTheLastMemoryChannel) {
    RadioImage image = ImageWith({3, 8, 6, 204});
    image.Record.Function.Scan.PriorityChannel1 = 4;
    image.Record.Function.Scan.PriorityChannel2 = 255;
    image.Record.Function.Alert.EmergencyChannel = 0; // channel 1

    FixChannelReferences(image);

    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel1, 6);
    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel2, 6);
    EXPECT_EQ(image.Record.Function.Alert.EmergencyChannel, 5); // channel 6
}

TEST(FixChannelReferences, NoPriorityChannelStaysNone) {
    RadioImage image = ImageWith({3, 8});
    FixChannelReferences(image);
    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel1, 0);
    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel2, 0);
}

TEST(FixChannelReferences, WithoutMemoryChannelsEverythingBecomesZero) {
    RadioImage image = ImageWith({201, 204});
    image.Record.Function.Scan.PriorityChannel1 = 7;
    image.Record.Function.Scan.PriorityChannel2 = 200;
    image.Record.Function.Alert.EmergencyChannel = 255;

    FixChannelReferences(image);

    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel1, 0);
    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel2, 0);
    EXPECT_EQ(image.Record.Function.Alert.EmergencyChannel, 0);
}

TEST(FixChannelReferences, OtherBytesAreUntouched) {
    RadioImage image = ImageWith({3});
    ScanRecord& scan = image.Record.Function.Scan;
    scan.PriorityGroup1 = 17;
    scan.PriorityGroup2 = 18;
    scan.PriorityChannel1 = 9;
    AlertRecord& alert = image.Record.Function.Alert;
    alert.ChannelSelect = 1;
    alert.AlertCycle = 44;
    alert.EmergencyChannel = 8;

    FixChannelReferences(image);

    EXPECT_EQ(scan.PriorityGroup1, 17);
    EXPECT_EQ(scan.PriorityGroup2, 18);
    EXPECT_EQ(scan.PriorityChannel1, 3);
    EXPECT_EQ(alert.ChannelSelect, 1);
    EXPECT_EQ(alert.AlertCycle, 44);
    EXPECT_EQ(alert.EmergencyChannel, 2);
}

// A 2-tone table in which only the given entries are defined.
TwoToneRecord TwoToneDefined(std::initializer_list<int> defined) {
    TwoToneRecord record;
    for (TwoToneEntry& entry : record.Entries) {
        entry.EntryEmpty = 1;
    }
    for (int index : defined) {
        record.Entries[static_cast<std::size_t>(index)].EntryEmpty = 0;
    }
    return record;
}

FiveToneRecord FiveToneDefined(std::initializer_list<int> defined) {
    FiveToneRecord record;
    for (FiveToneCode& code : record.Codes) {
        code.InUseFlag = 1;
    }
    for (int index : defined) {
        record.Codes[static_cast<std::size_t>(index)].InUseFlag = 0;
    }
    return record;
}

TEST(FirstDefinedTwoTone, KeepsADefinedEntryElseTakesTheLowestDefined) {
    const TwoToneRecord record = TwoToneDefined({4, 9, 31});
    EXPECT_EQ(FirstDefinedTwoTone(record, 9), 9);
    EXPECT_EQ(FirstDefinedTwoTone(record, 31), 31);
    EXPECT_EQ(FirstDefinedTwoTone(record, 0), 4);
    EXPECT_EQ(FirstDefinedTwoTone(record, 10), 4);
}

TEST(FirstDefinedTwoTone, AnyNonZeroLeadingValueMeansEmpty) {
    TwoToneRecord record = TwoToneDefined({6});
    record.Entries[2].EntryEmpty = -1;
    EXPECT_EQ(FirstDefinedTwoTone(record, 2), 6);
}

TEST(FirstDefinedTwoTone, ZeroWhenNothingIsDefined) {
    EXPECT_EQ(FirstDefinedTwoTone(TwoToneDefined({}), 5), 0);
}

TEST(FirstDefinedTwoTone, EntriesOutsideTheTableAreNeverDefined) {
    const TwoToneRecord record = TwoToneDefined({0, 3});
    EXPECT_EQ(FirstDefinedTwoTone(record, 32), 0);
    EXPECT_EQ(FirstDefinedTwoTone(record, -1), 0);
    EXPECT_EQ(FirstDefinedTwoTone(TwoToneDefined({3}), 32767), 3);
    EXPECT_EQ(FirstDefinedTwoTone(TwoToneDefined({3}), -32768), 3);
}

TEST(FirstDefinedFiveTone, KeepsADefinedCodeElseTakesTheLowestDefined) {
    const FiveToneRecord record = FiveToneDefined({17, 50, 99});
    EXPECT_EQ(FirstDefinedFiveTone(record, 50), 50);
    EXPECT_EQ(FirstDefinedFiveTone(record, 99), 99);
    EXPECT_EQ(FirstDefinedFiveTone(record, 18), 17);
    EXPECT_EQ(FirstDefinedFiveTone(record, 100), 17);
    EXPECT_EQ(FirstDefinedFiveTone(record, -4), 17);
    EXPECT_EQ(FirstDefinedFiveTone(FiveToneDefined({}), 50), 0);
}

TEST(FixSignallingReferences, RepairsOnlyTheListTheChannelUses) {
    RadioImage image = ImageWith({1, 2, 3, 4});
    image.Record.Function.TwoTone = TwoToneDefined({5, 7});
    image.Record.Function.FiveTone = FiveToneDefined({20, 40});
    auto& channels = image.Channels;
    channels[0].Signalling = 2; // 2-tone, entry not defined
    channels[0].TwoToneNumber = 6;
    channels[0].FiveToneNumber = 3; // not used by this channel: kept
    channels[1].Signalling = 2;     // 2-tone, defined
    channels[1].TwoToneNumber = 7;
    channels[2].Signalling = 3; // 5-tone, not defined, damaged value
    channels[2].FiveToneNumber = -300;
    channels[2].TwoToneNumber = 31;
    channels[3].Signalling = 1; // DTMF: neither is touched
    channels[3].TwoToneNumber = 6;
    channels[3].FiveToneNumber = 3;
    channels[4] = channels[0]; // beyond ChannelCount

    FixSignallingReferences(image);

    EXPECT_EQ(channels[0].TwoToneNumber, 5);
    EXPECT_EQ(channels[0].FiveToneNumber, 3);
    EXPECT_EQ(channels[1].TwoToneNumber, 7);
    EXPECT_EQ(channels[2].FiveToneNumber, 20);
    EXPECT_EQ(channels[2].TwoToneNumber, 31);
    EXPECT_EQ(channels[3].TwoToneNumber, 6);
    EXPECT_EQ(channels[3].FiveToneNumber, 3);
    EXPECT_EQ(channels[4].TwoToneNumber, 6);
}

TEST(FixAlertFiveToneReference, RepairsOnlyAFiveToneIdCode) {
    RadioImage image = ImageWith({});
    image.Record.Function.FiveTone = FiveToneDefined({12, 60});
    AlertRecord& alert = image.Record.Function.Alert;

    alert.IdCodeType = 2;
    alert.IdCode = 200;
    FixAlertFiveToneReference(image);
    EXPECT_EQ(alert.IdCode, 12);

    alert.IdCode = 60;
    FixAlertFiveToneReference(image);
    EXPECT_EQ(alert.IdCode, 60);

    alert.IdCodeType = 1; // a DTMF memory, not a 5-tone code
    alert.IdCode = 3;
    FixAlertFiveToneReference(image);
    EXPECT_EQ(alert.IdCode, 3);
}

} // namespace
} // namespace rp70
