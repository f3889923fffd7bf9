#include "memory/channel_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "support/recording_interaction.h"
#include "support/recording_marks.h"

namespace rp70 {
namespace {

using Block = std::array<std::uint8_t, 32>;

std::size_t At(int address) {
    return static_cast<std::size_t>(address);
}

RadioMemory BlankMemory() {
    RadioMemory memory{};
    ClearRadioMemory(memory);
    return memory;
}

Block BlockAt(const RadioMemory& memory, int address) {
    Block block{};
    for (int i = 0; i < 32; ++i) {
        block[At(i)] = memory[At(address + i)];
    }
    return block;
}

void PutBlock(RadioMemory& memory, int address, const Block& block) {
    for (int i = 0; i < 32; ++i) {
        memory[At(address + i)] = block[At(i)];
    }
}

// A channel in use on 145.125 MHz with everything else as a new record has it.
ChannelRecord Channel(int number) {
    ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(number));
    channel.InUse = 1;
    channel.RxFreq = MakeFixedText<9>("014512500");
    return channel;
}

RadioImage ImageWith(const std::vector<ChannelRecord>& channels) {
    RadioImage image;
    image.Record.ChannelCount = static_cast<std::int16_t>(channels.size());
    for (std::size_t slot = 0; slot < channels.size(); ++slot) {
        image.Channels[slot] = channels[slot];
    }
    return image;
}

struct Encoded {
    RadioMemory Memory = BlankMemory();
    test::RecordingMarks Marks;
    test::RecordingInteraction Ui;
    bool Ok = false;
};

Encoded Encode(const RadioImage& image) {
    Encoded result;
    result.Ok = SetCommDataByFrequency(image, EncodeTarget{result.Memory, result.Marks, result.Ui});
    return result;
}

Encoded Encode(const std::vector<ChannelRecord>& channels) {
    return Encode(ImageWith(channels));
}

// Memory as a Read leaves it, with `blocks` written and their channels marked in use.
RadioMemory ReadMemory(const std::vector<std::pair<int, Block>>& blocks) {
    RadioMemory memory = BlankMemory();
    for (const auto& [number, block] : blocks) {
        const int k = number - 1;
        if (number <= 202) {
            memory[At(0x0100 + k / 8)] &= static_cast<std::uint8_t>(~(1 << (k % 8)));
        }
        PutBlock(memory, ChannelBlockAddress(number), block);
    }
    return memory;
}

// A block holding only a receive frequency.
Block FreqBlock(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    Block block{};
    block[0] = a;
    block[1] = b;
    block[2] = c;
    block[3] = d;
    return block;
}

// A table slot as a decoder finds it before it starts.
RadioImage DecodeTarget() {
    RadioImage image;
    image.Channels.fill(NewChannelRecord(0));
    return image;
}

std::vector<int> Numbers(const RadioImage& image) {
    std::vector<int> numbers;
    for (int slot = 0; slot < image.UsedChannelCount(); ++slot) {
        numbers.push_back(image.Channels[At(slot)].ChannelNumber);
    }
    return numbers;
}

// A record using every field the channel block carries, with the block it gives.
ChannelRecord FullChannel(int number) {
    ChannelRecord c = NewChannelRecord(static_cast<std::int16_t>(number));
    c.InUse = 1;
    c.RxFreq = MakeFixedText<9>("043812340");
    c.TxOffset = MakeFixedText<9>("005000000");
    c.StepIndex = 7;
    c.TxInhibit = 1;
    c.Bandwidth = 1;
    c.TxDcsInvert = 1;
    c.TxDcs = 0x1F0;
    c.TxDcsHigh = 1;
    c.PttIdDecode = 1;
    c.ShiftDirection = 1;
    c.TxPower = 2;
    c.RxDcs = 0x023;
    c.Compander = 1;
    c.TalkAround = 1;
    c.TxToneType = 2;
    c.RxToneType = 1;
    c.DtmfCode = 9;
    c.TxCtcss = 50;
    c.RxCtcss = 20;
    c.Signalling = 3;
    c.TwoToneNumber = 31;
    c.FiveToneNumber = 99;
    c.Name = MakeFixedText<7>("AB C");
    c.BusyLock = 2;
    c.RadioReserved = 0xA5;
    c.DtmfPttIdMode = 1;
    c.FiveTonePttIdMode = 3;
    c.SquelchMode = 4;
    c.Scrambler = 1;
    c.PttIdCode = MakeFixedText<5>("12");
    return c;
}

constexpr Block kFullBlock = {0x04, 0x38, 0x12, 0x34, 0x00, 0x50, 0x00, 0x00, 0x07, 0x75, 0xCA,
                              0x96, 0x32, 0x14, 0xF0, 0x23, 0x03, 0x1F, 0x63, 0x41, 0x42, 0x20,
                              0x43, 0x20, 0x20, 0x20, 0x02, 0xA5, 0x31, 0x04, 0x01, 0x00};

// ---- block addresses -------------------------------------------------------------------------

TEST(ChannelBlockAddress, MemoryChannelsFollowEachOtherAndSpecialChannelsHaveFixedPlaces) {
    EXPECT_EQ(ChannelBlockAddress(1), 0x2000);
    EXPECT_EQ(ChannelBlockAddress(2), 0x2020);
    EXPECT_EQ(ChannelBlockAddress(200), 0x38E0);
    EXPECT_EQ(ChannelBlockAddress(201), 0x0280);
    EXPECT_EQ(ChannelBlockAddress(202), 0x0260);
    EXPECT_EQ(ChannelBlockAddress(203), 0x02A0);
    EXPECT_EQ(ChannelBlockAddress(204), 0x02C0);
    for (int number : {0, -1, 205, 256, 32767, -32768}) {
        EXPECT_EQ(ChannelBlockAddress(number), -1) << number;
    }
}

// ---- encoding --------------------------------------------------------------------------------

TEST(ChannelEncodeBlock, TheRepeaterExampleGivesItsBytes) {
    ChannelRecord c = Channel(1);
    c.TxOffset = MakeFixedText<9>("000060000");
    c.ShiftDirection = 2;
    c.Bandwidth = 2;
    c.TxPower = 1;
    c.StepIndex = 0;
    const Encoded e = Encode({c});
    ASSERT_TRUE(e.Ok);
    const Block expected = {0x01, 0x45, 0x12, 0x50, 0x00, 0x00, 0x60, 0x00, 0x00, 0x08, 0x07};
    EXPECT_EQ(BlockAt(e.Memory, 0x2000), expected);
}

TEST(ChannelEncodeBlock, EveryFieldGoesToItsBitsAndBytes) {
    RadioImage image = ImageWith({FullChannel(3)});
    Encoded e;
    e.Memory[0x2040 + 31] = 0x77; // byte 31 is never written
    e.Ok = SetCommDataByFrequency(image, EncodeTarget{e.Memory, e.Marks, e.Ui});
    ASSERT_TRUE(e.Ok);
    Block expected = kFullBlock;
    expected[31] = 0x77;
    EXPECT_EQ(BlockAt(e.Memory, 0x2040), expected);
    // PTT-ID code "12" completed to 12000, one digit a byte.
    const std::array<std::uint8_t, 5> pttId = {e.Memory[0x060A], e.Memory[0x060B], e.Memory[0x060C],
                                               e.Memory[0x060D], e.Memory[0x060E]};
    EXPECT_EQ(pttId, (std::array<std::uint8_t, 5>{1, 2, 0, 0, 0}));
}

TEST(ChannelEncodeBlock, DcsCodesKeepTheirNinthBitApart) {
    ChannelRecord c = Channel(1);
    c.TxDcs = 0x1F0; // octal 760
    const Encoded e = Encode({c});
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Memory[0x200E], 0xF0);
    EXPECT_EQ(e.Memory[0x2009], 0x20);

    c.TxDcs = 0;
    c.RxDcs = 0x1FF;
    const Encoded r = Encode({c});
    EXPECT_EQ(r.Memory[0x200F], 0xFF);
    EXPECT_EQ(r.Memory[0x200A], 0x20);
    EXPECT_EQ(r.Memory[0x2009], 0x00);
}

TEST(ChannelEncodeBlock, ShiftDirectionsGiveTheirCodes) {
    for (const auto& [direction, code] : {std::pair{0, 0}, std::pair{1, 2}, std::pair{2, 3}}) {
        ChannelRecord c = Channel(1);
        c.ShiftDirection = static_cast<std::int16_t>(direction);
        EXPECT_EQ(Encode({c}).Memory[0x200A], code) << direction;
    }
}

TEST(ChannelEncodeFrequency, DigitTextsAreCompletedAndCutToEightDigits) {
    struct Case {
        const char* Rx;
        const char* Offset;
        std::array<std::uint8_t, 8> Bytes;
    };
    for (const Case& c : {
             Case{"014500625", "000000000", {0x01, 0x45, 0x00, 0x62, 0, 0, 0, 0}},
             Case{"", "", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
             Case{"FFFFFFFFF", "", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
             Case{"4625", "6", {0x46, 0x25, 0x00, 0x00, 0x60, 0, 0, 0}},
             Case{"43812345", "00050000", {0x43, 0x81, 0x23, 0x45, 0x00, 0x05, 0x00, 0x00}},
         }) {
        ChannelRecord channel = Channel(1);
        channel.RxFreq = MakeFixedText<9>(c.Rx);
        channel.TxOffset = MakeFixedText<9>(c.Offset);
        const Encoded e = Encode({channel});
        ASSERT_TRUE(e.Ok) << c.Rx;
        std::array<std::uint8_t, 8> bytes{};
        std::copy_n(e.Memory.begin() + 0x2000, 8, bytes.begin());
        EXPECT_EQ(bytes, c.Bytes) << "'" << c.Rx << "' '" << c.Offset << "'";
    }
}

TEST(ChannelEncodeName, EmptyNamesAreZeroAndOthersSpacePadded) {
    ChannelRecord c = Channel(1);
    c.Name = EmptyFixedText<7>();
    Encoded e = Encode({c});
    EXPECT_EQ(BlockAt(e.Memory, 0x2000)[19], 0x00);
    for (int i = 19; i < 26; ++i) {
        EXPECT_EQ(e.Memory[At(0x2000 + i)], 0x00) << i;
    }
    c.Name = MakeFixedText<7>("AB");
    e = Encode({c});
    const std::array<std::uint8_t, 7> expected = {0x41, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20};
    std::array<std::uint8_t, 7> name{};
    std::copy_n(e.Memory.begin() + 0x2013, 7, name.begin());
    EXPECT_EQ(name, expected);
    c.Name = MakeFixedText<7>("ABCDEFG");
    e = Encode({c});
    EXPECT_EQ(e.Memory[0x2019], 'G');
    EXPECT_TRUE(e.Ui.shown.empty());
}

TEST(ChannelEncodeBitmaps, ChannelsOneAndFiveClearTheirBits) {
    const Encoded e = Encode({Channel(1), Channel(5)});
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Memory[0x0100], 0xEE);
    EXPECT_EQ(e.Memory[0x0120], 0xEE);
    for (int address = 0x0101; address <= 0x011F; ++address) {
        EXPECT_EQ(e.Memory[At(address)], 0xFF) << std::hex << address;
        EXPECT_EQ(e.Memory[At(address + 0x20)], 0xFF) << std::hex << address + 0x20;
    }
}

TEST(ChannelEncodeBitmaps, PaAndPbHaveBitsCallAndVfoNone) {
    ChannelRecord pa = Channel(201);
    ChannelRecord pb = Channel(202);
    pb.ScanSkip = 1;
    const Encoded e = Encode({pa, pb, Channel(203), Channel(204)});
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Memory[0x0119], 0xFC);
    EXPECT_EQ(e.Memory[0x0139], 0xFE);
    EXPECT_EQ(e.Memory[0x0280], 0x01); // PA
    EXPECT_EQ(e.Memory[0x0260], 0x01); // PB
    EXPECT_EQ(e.Memory[0x02A0], 0x01); // CALL
    EXPECT_EQ(e.Memory[0x02C0], 0x01); // VFO
    for (int address = 0x0100; address < 0x0140; ++address) {
        if (address != 0x0119 && address != 0x0139) {
            EXPECT_EQ(e.Memory[At(address)], 0xFF) << std::hex << address;
        }
    }
    // Special channels have no PTT-ID code.
    for (int address = 0x0600; address < 0x0A00; ++address) {
        ASSERT_EQ(e.Memory[At(address)], 0x00) << std::hex << address;
    }
}

TEST(ChannelEncodeBitmaps, UnusedAndSkippedChannelsKeepTheirBitsSet) {
    ChannelRecord empty = Channel(9);
    empty.InUse = 0;
    ChannelRecord skipped = Channel(10);
    skipped.ScanSkip = 1;
    const Encoded e = Encode({empty, skipped});
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Memory[0x0101], 0xFD); // only channel 10 in use
    EXPECT_EQ(e.Memory[0x0121], 0xFE); // only channel 9 scanned
    EXPECT_EQ(e.Memory[0x2100], 0x01); // an unused slot's block is still written
}

TEST(ChannelEncodeMarks, MarksTheBitmapsAndEachBlockButNotThePttIdCodes) {
    const Encoded e = Encode({Channel(5), Channel(201), Channel(1)});
    ASSERT_TRUE(e.Ok);
    using Mark = test::RecordingMarks::Mark;
    EXPECT_EQ(e.Marks.marks, (std::vector<Mark>{{RecordKind::Channels, 0x0100, 0x40},
                                                {RecordKind::Channels, 0x2080, 32},
                                                {RecordKind::Channels, 0x0280, 32},
                                                {RecordKind::Channels, 0x2000, 32}}));
    for (int block : e.Marks.Blocks()) {
        EXPECT_FALSE(block >= 0x60 && block <= 0x9E) << "PTT-ID block " << block;
    }
    // The memory channels, in table order.
    ASSERT_EQ(e.Marks.channels.size(), 2u);
    EXPECT_EQ(e.Marks.channels[0].ChannelNumber, 5);
    EXPECT_EQ(e.Marks.channels[1].ChannelNumber, 1);
    EXPECT_EQ(e.Memory[0x0600 + 4 * 5], 0x00); // channel 5's code "00000" is written
}

TEST(ChannelEncodeMarks, AnEmptyTableStillMarksTheBitmaps) {
    const Encoded e = Encode(std::vector<ChannelRecord>{});
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Marks.Blocks(), (std::set<int>{0x10, 0x11, 0x12, 0x13}));
    EXPECT_TRUE(e.Marks.channels.empty());
}

TEST(ChannelEncodeTable, RepeatedNumbersAreEncodedOnceFromTheirFirstSlot) {
    ChannelRecord first = Channel(5);
    ChannelRecord repeated = Channel(5);
    repeated.RxFreq = MakeFixedText<9>("043000000");
    repeated.InUse = 0;
    ChannelRecord vfo = Channel(204);
    const Encoded e = Encode({first, repeated, vfo, vfo});
    const Encoded clean = Encode({first, vfo});
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Memory, clean.Memory);
    EXPECT_EQ(e.Marks.marks, clean.Marks.marks);
    ASSERT_EQ(e.Marks.channels.size(), 1u);
    EXPECT_EQ(e.Marks.channels[0], first);
}

TEST(ChannelEncodeTable, ANumberWithoutAPlaceFailsInsteadOfBeingDropped) {
    for (const int number : {0, 205, -3, 32767}) {
        const Encoded e = Encode({Channel(1), Channel(number)});
        EXPECT_FALSE(e.Ok) << number;
        EXPECT_EQ(e.Ui.Texts(), std::vector<std::string>{"SetCommDataByFrequencyError"});
    }
}

TEST(ChannelEncodeTable, BitmapsAreRebuiltWhateverTheMemoryHeld) {
    RadioMemory memory{};
    memory.fill(0x00);
    test::RecordingMarks marks;
    test::RecordingInteraction ui;
    ASSERT_TRUE(SetCommDataByFrequency(ImageWith({Channel(1)}), {memory, marks, ui}));
    EXPECT_EQ(memory[0x0100], 0xFE);
    EXPECT_EQ(memory[0x0101], 0xFF);
    EXPECT_EQ(memory[0x013F], 0xFF);
}

TEST(ChannelEncodeTable, ADamagedChannelCountIsBounded) {
    RadioImage image = ImageWith({Channel(1)});
    image.Record.ChannelCount = 32000;
    for (std::size_t slot = 1; slot < image.Channels.size(); ++slot) {
        image.Channels[slot] = Channel(static_cast<int>(slot) + 1);
    }
    Encoded e = Encode(image);
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Marks.channels.size(), 200u);
    image.Record.ChannelCount = -1;
    e = Encode(image);
    EXPECT_TRUE(e.Ok);
    EXPECT_TRUE(e.Marks.channels.empty());
}

TEST(ChannelEncodeFailure, AValueOutOfItsRangeStopsTheEncoding) {
    using Change = std::function<void(ChannelRecord&)>;
    const std::vector<std::pair<const char*, Change>> changes = {
        {"TxDcs 512", [](ChannelRecord& c) { c.TxDcs = 512; }},
        {"TxDcs -1", [](ChannelRecord& c) { c.TxDcs = -1; }},
        {"RxDcs 512", [](ChannelRecord& c) { c.RxDcs = 512; }},
        {"ShiftDirection 3", [](ChannelRecord& c) { c.ShiftDirection = 3; }},
        {"ShiftDirection -1", [](ChannelRecord& c) { c.ShiftDirection = -1; }},
        {"Bandwidth 4", [](ChannelRecord& c) { c.Bandwidth = 4; }},
        {"TxPower 4", [](ChannelRecord& c) { c.TxPower = 4; }},
        {"TxToneType 4", [](ChannelRecord& c) { c.TxToneType = 4; }},
        {"RxToneType -1", [](ChannelRecord& c) { c.RxToneType = -1; }},
        {"DtmfCode 16", [](ChannelRecord& c) { c.DtmfCode = 16; }},
        {"DtmfPttIdMode 16", [](ChannelRecord& c) { c.DtmfPttIdMode = 16; }},
        {"FiveTonePttIdMode 16", [](ChannelRecord& c) { c.FiveTonePttIdMode = 16; }},
        {"TxInhibit 2", [](ChannelRecord& c) { c.TxInhibit = 2; }},
        {"Reverse 2", [](ChannelRecord& c) { c.Reverse = 2; }},
        {"TxDcsInvert 2", [](ChannelRecord& c) { c.TxDcsInvert = 2; }},
        {"PttIdDecode 2", [](ChannelRecord& c) { c.PttIdDecode = 2; }},
        {"RxDcsInvert 2", [](ChannelRecord& c) { c.RxDcsInvert = 2; }},
        {"Compander 2", [](ChannelRecord& c) { c.Compander = 2; }},
        {"TalkAround -1", [](ChannelRecord& c) { c.TalkAround = -1; }},
        {"InUse 2", [](ChannelRecord& c) { c.InUse = 2; }},
        {"ScanSkip 2", [](ChannelRecord& c) { c.ScanSkip = 2; }},
        {"StepIndex 256", [](ChannelRecord& c) { c.StepIndex = 256; }},
        {"TxCtcss -1", [](ChannelRecord& c) { c.TxCtcss = -1; }},
        {"RxCtcss 256", [](ChannelRecord& c) { c.RxCtcss = 256; }},
        {"Signalling 256", [](ChannelRecord& c) { c.Signalling = 256; }},
        {"TwoToneNumber 256", [](ChannelRecord& c) { c.TwoToneNumber = 256; }},
        {"FiveToneNumber 300", [](ChannelRecord& c) { c.FiveToneNumber = 300; }},
        {"BusyLock 256", [](ChannelRecord& c) { c.BusyLock = 256; }},
        {"RadioReserved -1", [](ChannelRecord& c) { c.RadioReserved = -1; }},
        {"SquelchMode 256", [](ChannelRecord& c) { c.SquelchMode = 256; }},
        {"Scrambler 256", [](ChannelRecord& c) { c.Scrambler = 256; }},
        {"RxFreq 145.5", [](ChannelRecord& c) { c.RxFreq = MakeFixedText<9>("145.5"); }},
        {"RxFreq inner space", [](ChannelRecord& c) { c.RxFreq = MakeFixedText<9>("14 5"); }},
        {"TxOffset G", [](ChannelRecord& c) { c.TxOffset = MakeFixedText<9>("0000G0000"); }},
        {"PttIdCode 1G", [](ChannelRecord& c) { c.PttIdCode = MakeFixedText<5>("1G"); }},
        {"PttIdCode -", [](ChannelRecord& c) { c.PttIdCode = MakeFixedText<5>("-1234"); }},
    };
    for (const auto& [what, change] : changes) {
        ChannelRecord bad = Channel(2);
        change(bad);
        const Encoded e = Encode({Channel(1), bad, Channel(3)});
        EXPECT_FALSE(e.Ok) << what;
        EXPECT_EQ(e.Ui.Texts(), std::vector<std::string>{"SetCommDataByFrequencyError"}) << what;
        // Channel 1 went in; neither the bad channel nor any after it did.
        EXPECT_EQ(e.Memory[0x0100], 0xFE) << what;
        EXPECT_EQ(BlockAt(e.Memory, 0x2020), Block{}) << what;
        EXPECT_EQ(BlockAt(e.Memory, 0x2040), Block{}) << what;
        ASSERT_EQ(e.Marks.channels.size(), 1u) << what;
        EXPECT_EQ(e.Marks.channels[0].ChannelNumber, 1) << what;
    }
}

TEST(ChannelEncodeFailure, TheLimitsOfEachRangeAreAccepted) {
    ChannelRecord c = Channel(200);
    c.TxDcs = 511;
    c.RxDcs = 0;
    c.Bandwidth = 3;
    c.TxPower = 3;
    c.TxToneType = 3;
    c.RxToneType = 3;
    c.DtmfCode = 15;
    c.DtmfPttIdMode = 15;
    c.FiveTonePttIdMode = 15;
    c.StepIndex = 255;
    c.RadioReserved = 255;
    c.PttIdCode = MakeFixedText<5>("fF9a0");
    const Encoded e = Encode({c});
    ASSERT_TRUE(e.Ok);
    EXPECT_TRUE(e.Ui.shown.empty());
    EXPECT_EQ(e.Memory[0x38E0 + 9], 0x2C);
    EXPECT_EQ(e.Memory[0x38E0 + 10], 0x0C);
    EXPECT_EQ(e.Memory[0x38E0 + 11], 0xFF);
    EXPECT_EQ(e.Memory[0x38E0 + 28], 0xFF);
    const int ptt = 0x0600 + 199 * 5;
    EXPECT_EQ(e.Memory[At(ptt)], 15);
    EXPECT_EQ(e.Memory[At(ptt + 1)], 15);
    EXPECT_EQ(e.Memory[At(ptt + 2)], 9);
    EXPECT_EQ(e.Memory[At(ptt + 3)], 10);
    EXPECT_EQ(e.Memory[At(ptt + 4)], 0);
    EXPECT_EQ(ptt + 4, 0x09E7); // the last byte of the PTT-ID area
}

// ---- decoding --------------------------------------------------------------------------------

TEST(ChannelDecode, EveryFieldComesFromItsBitsAndBytes) {
    RadioMemory memory = ReadMemory({{3, kFullBlock}});
    memory[0x0120] = 0xFB; // channel 3 scanned
    RadioImage image = DecodeTarget();
    GetCommDataByFrequency(image, memory);

    ASSERT_EQ(Numbers(image), (std::vector<int>{3, 203, 204}));
    ChannelRecord expected = FullChannel(3);
    expected.Name = MakeFixedText<7>(std::string("AB C\0", 5));
    expected.PttIdCode = MakeFixedText<5>("00000"); // the area a Read never fetches
    EXPECT_EQ(image.Channels[0], expected);
    EXPECT_EQ(image.Record.ChannelCount, 3);
}

TEST(ChannelDecode, ScanSkipComesFromTheScanBitmap) {
    RadioMemory memory = ReadMemory({{1, FreqBlock(1, 0x45, 0, 0)}, {9, FreqBlock(1, 0x45, 0, 0)}});
    memory[0x0120] = 0x00;
    memory[0x0121] = 0x01;
    RadioImage image = DecodeTarget();
    GetCommDataByFrequency(image, memory);
    ASSERT_EQ(Numbers(image), (std::vector<int>{1, 9, 203, 204}));
    EXPECT_EQ(image.Channels[0].ScanSkip, 0);
    EXPECT_EQ(image.Channels[1].ScanSkip, 1);
}

TEST(ChannelDecode, TheNinthDigitFollowsTheLastDigitRead) {
    const char kNinth[] = "0053006500"; // by the last digit 0 … 9
    for (int last = 0; last <= 9; ++last) {
        const auto low = static_cast<std::uint8_t>(0x80 + last);
        Block block = FreqBlock(0x01, 0x45, 0x00, low);
        block[7] = low;
        RadioMemory memory = ReadMemory({{1, block}});
        RadioImage image = DecodeTarget();
        GetCommDataByFrequency(image, memory);
        const std::string digits = "0145008" + std::to_string(last) + kNinth[last];
        EXPECT_EQ(TextOf(image.Channels[0].RxFreq), digits) << last;
        EXPECT_EQ(TextOf(image.Channels[0].TxOffset),
                  "0000008" + std::to_string(last) + kNinth[last])
            << last;
    }
}

TEST(ChannelDecode, SixAndThreeCompleteTheirRasters) {
    const std::vector<std::pair<Block, std::string>> cases = {
        {FreqBlock(0x01, 0x45, 0x00, 0x62), "014500625"},
        {FreqBlock(0x01, 0x45, 0x01, 0x00), "014501000"},
        {FreqBlock(0x01, 0x45, 0x00, 0x83), "014500833"},
        {FreqBlock(0x01, 0x45, 0x01, 0x66), "014501666"},
    };
    for (const auto& [block, expected] : cases) {
        RadioMemory memory = ReadMemory({{1, block}});
        RadioImage image = DecodeTarget();
        GetCommDataByFrequency(image, memory);
        EXPECT_EQ(TextOf(image.Channels[0].RxFreq), expected);
    }
}

TEST(ChannelDecode, ShiftCodesAndPowerThreeAreRepaired) {
    for (const auto& [code, direction] :
         {std::pair{0, 0}, std::pair{1, 0}, std::pair{2, 1}, std::pair{3, 2}}) {
        Block block = FreqBlock(0x01, 0x45, 0, 0);
        block[10] = static_cast<std::uint8_t>(code | 0x0C); // power 3
        RadioMemory memory = ReadMemory({{1, block}});
        RadioImage image = DecodeTarget();
        GetCommDataByFrequency(image, memory);
        EXPECT_EQ(image.Channels[0].ShiftDirection, direction) << code;
        EXPECT_EQ(image.Channels[0].TxPower, 2) << code;
    }
}

TEST(ChannelDecode, ShortNamesEndWithANul) {
    const std::vector<std::pair<std::array<std::uint8_t, 7>, std::string>> cases = {
        {{'A', 'B', 0, 0, 0, 0, 0}, std::string("AB\0    ", 7)},
        {{'A', 'B', ' ', ' ', ' ', ' ', ' '}, std::string("AB\0    ", 7)},
        {{'A', 'B', 'C', 'D', 'E', 'F', 'G'}, "ABCDEFG"},
        {{0, 0, 0, 0, 0, 0, 0}, std::string("\0      ", 7)},
        {{'A', 0, 'C', 0, 0, 0, 0}, std::string("A\0     ", 7)},
    };
    for (const auto& [bytes, expected] : cases) {
        Block block = FreqBlock(0x01, 0x45, 0, 0);
        std::copy(bytes.begin(), bytes.end(), block.begin() + 19);
        RadioMemory memory = ReadMemory({{1, block}});
        RadioImage image = DecodeTarget();
        GetCommDataByFrequency(image, memory);
        EXPECT_EQ(std::string(image.Channels[0].Name.data(), 7), expected) << expected;
    }
}

// A name read from a radio and written back is written the same the second time; blanks alone
// are the empty name.
TEST(ChannelNameRoundTrip, ASecondWriteEqualsTheFirst) {
    using Name = std::array<std::uint8_t, 7>;
    const std::vector<std::pair<Name, Name>> cases = {
        {{' ', ' ', 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}},
        {{' ', ' ', ' ', ' ', ' ', ' ', ' '}, {0, 0, 0, 0, 0, 0, 0}},
        {{'A', 'B', ' ', 0, 0, 0, 0}, {'A', 'B', ' ', ' ', ' ', ' ', ' '}},
        {{' ', 'A', 0, 0, 0, 0, 0}, {' ', 'A', ' ', ' ', ' ', ' ', ' '}},
    };
    const auto writtenName = [](const Name& read) {
        Block block = FreqBlock(0x01, 0x45, 0, 0);
        std::copy(read.begin(), read.end(), block.begin() + 19);
        RadioMemory memory = ReadMemory({{1, block}});
        RadioImage image = DecodeTarget();
        GetCommDataByFrequency(image, memory);
        const Encoded e = Encode({image.Channels[0]});
        Name name{};
        std::copy_n(e.Memory.begin() + 0x2013, 7, name.begin());
        return name;
    };
    for (const auto& [read, written] : cases) {
        EXPECT_EQ(writtenName(read), written) << read[0] << read[1];
        EXPECT_EQ(writtenName(written), written) << read[0] << read[1];
    }
}

TEST(ChannelDecode, OnlyChannelsInUseWithAReceiveNumberAreAdded) {
    RadioMemory memory = ReadMemory({
        {1, FreqBlock(0xFF, 0xFF, 0xFF, 0xFF)}, // empty receive frequency
        {2, FreqBlock(0x01, 0x4A, 0x00, 0x00)}, // not a number
        {3, FreqBlock(0x01, 0x45, 0x00, 0x00)},
        {201, FreqBlock(0x01, 0x46, 0x00, 0x00)},
    });
    PutBlock(memory, ChannelBlockAddress(4), FreqBlock(0x01, 0x45, 0, 0)); // bit says unused
    PutBlock(memory, ChannelBlockAddress(203), FreqBlock(0xFF, 0xFF, 0xFF, 0xFF));
    RadioImage image = DecodeTarget();
    GetCommDataByFrequency(image, memory);
    EXPECT_EQ(Numbers(image), (std::vector<int>{3, 201, 204}));
    EXPECT_EQ(image.Record.ChannelCount, 3);
}

TEST(ChannelDecode, AnOffsetThatIsNoNumberBecomesZero) {
    Block block = FreqBlock(0x01, 0x45, 0, 0);
    block[4] = 0x0A;
    RadioMemory memory = ReadMemory({{1, block}});
    RadioImage image = DecodeTarget();
    GetCommDataByFrequency(image, memory);
    EXPECT_EQ(TextOf(image.Channels[0].TxOffset), "000000000");
}

TEST(ChannelDecode, FieldsTheBlockDoesNotCarryKeepTheSlotsValues) {
    RadioMemory memory = ReadMemory({{1, FreqBlock(0x01, 0x45, 0, 0)},
                                     {201, FreqBlock(0x01, 0x45, 0, 0)},
                                     {203, FreqBlock(0x01, 0x45, 0, 0)}});
    PutBlock(memory, ChannelBlockAddress(204), FreqBlock(0xFF, 0xFF, 0xFF, 0xFF));
    RadioImage image = DecodeTarget();
    for (std::size_t slot = 0; slot < 4; ++slot) {
        ChannelRecord& c = image.Channels[slot];
        c.ChannelNumber = 99;
        c.InUse = 0;
        c.ScanSkip = 1;
        c.AuxFlag = 1;
        c.Reserved1 = 11;
        c.Reserved2 = 12;
        c.Reserved3 = 13;
        c.Reserved4 = 14;
        c.PttIdEnable = 1;
        c.ExtraDisplay = static_cast<std::int16_t>(4 + slot);
        c.PttIdCode = MakeFixedText<5>("ABCDE");
    }
    GetCommDataByFrequency(image, memory);
    ASSERT_EQ(Numbers(image), (std::vector<int>{1, 201, 203}));
    for (std::size_t slot = 0; slot < 3; ++slot) {
        const ChannelRecord& c = image.Channels[slot];
        EXPECT_EQ(c.InUse, 1);
        EXPECT_EQ(c.AuxFlag, 1);
        EXPECT_EQ(c.Reserved1 + c.Reserved2 + c.Reserved3 + c.Reserved4, 50);
        EXPECT_EQ(c.PttIdEnable, 1);
        EXPECT_EQ(c.ExtraDisplay, 4 + static_cast<int>(slot));
    }
    EXPECT_EQ(image.Channels[0].ScanSkip, 1); // from the scan bitmap (bit set)
    EXPECT_EQ(TextOf(image.Channels[0].PttIdCode), "00000");
    EXPECT_EQ(TextOf(image.Channels[1].PttIdCode), "ABCDE"); // PA has no PTT-ID code
    EXPECT_EQ(image.Channels[2].ScanSkip, 1);                // CALL has no scan bit
    EXPECT_EQ(image.Channels[3].ChannelNumber, 99);          // beyond the count: untouched
}

TEST(ChannelDecode, PttIdBytesAboveFifteenAreZeroedInTheMemory) {
    RadioMemory memory = ReadMemory({{2, FreqBlock(0x01, 0x45, 0, 0)}});
    const std::array<std::uint8_t, 5> stored = {0x01, 0x0F, 0x10, 0xFF, 0x09};
    std::copy(stored.begin(), stored.end(), memory.begin() + 0x0605);
    memory[0x0600] = 0x33; // channel 1 is not decoded: its code stays
    RadioImage image = DecodeTarget();
    GetCommDataByFrequency(image, memory);
    EXPECT_EQ(TextOf(image.Channels[0].PttIdCode), "1F009");
    EXPECT_EQ(memory[0x0607], 0x00);
    EXPECT_EQ(memory[0x0608], 0x00);
    EXPECT_EQ(memory[0x0606], 0x0F);
    EXPECT_EQ(memory[0x0600], 0x33);
}

TEST(ChannelDecode, Band16GivesTheFixedChannelsOneToEighty) {
    RadioMemory memory = BlankMemory(); // no bit in use, blocks 00
    Block named = FreqBlock(0x04, 0x38, 0, 0);
    named[19] = 'X';
    named[10] = 0x03; // shift plus
    PutBlock(memory, ChannelBlockAddress(2), named);
    RadioImage image = DecodeTarget();
    image.BandIndex = 16;
    GetCommDataByFrequency(image, memory);

    ASSERT_EQ(image.Record.ChannelCount, 82);
    EXPECT_EQ(TextOf(image.Channels[0].RxFreq), "024500000");
    EXPECT_EQ(TextOf(image.Channels[1].RxFreq), "024501250");
    EXPECT_EQ(TextOf(image.Channels[79].RxFreq), "024598750");
    EXPECT_EQ(image.Channels[79].ChannelNumber, 80);
    EXPECT_EQ(image.Channels[80].ChannelNumber, 203);
    EXPECT_EQ(image.Channels[81].ChannelNumber, 204);
    // The rest of the block is read as usual; the offset field holds the raster too.
    EXPECT_EQ(image.Channels[1].Name[0], 'X');
    for (int slot = 0; slot < 80; ++slot) {
        EXPECT_EQ(image.Channels[At(slot)].TxOffset, image.Channels[At(slot)].RxFreq) << slot;
        EXPECT_EQ(image.Channels[At(slot)].InUse, 1);
    }

    // Channel 81 and above follow their in-use bits as in every band.
    memory[0x010A] = 0xFE;
    PutBlock(memory, ChannelBlockAddress(81), FreqBlock(0x02, 0x45, 0x50, 0x00));
    GetCommDataByFrequency(image, memory);
    ASSERT_EQ(image.Record.ChannelCount, 83);
    EXPECT_EQ(TextOf(image.Channels[80].RxFreq), "024550000");
}

TEST(ChannelDecode, OtherBandsReadTheFirstChannelsFromTheirBlocks) {
    RadioMemory memory = ReadMemory({{1, FreqBlock(0x02, 0x45, 0x50, 0x00)}});
    RadioImage image = DecodeTarget();
    image.BandIndex = 17;
    GetCommDataByFrequency(image, memory);
    EXPECT_EQ(Numbers(image), (std::vector<int>{1, 203, 204}));
    EXPECT_EQ(TextOf(image.Channels[0].RxFreq), "024550000");
}

TEST(ChannelDecode, AMemoryOfFfBytesHoldsNoChannel) {
    RadioMemory memory{};
    memory.fill(0xFF);
    RadioImage image;
    GetCommDataByFrequency(image, memory);
    EXPECT_EQ(image.Record.ChannelCount, 0);
}

// ---- both ways -------------------------------------------------------------------------------

} // namespace
} // namespace rp70
