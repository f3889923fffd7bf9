#include "memory/two_tone_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "support/memory_bytes.h"
#include "support/recording_interaction.h"
#include "support/recording_marks.h"

namespace rp70 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::Stored;
using Mark = test::RecordingMarks::Mark;

class TwoToneCodec : public ::testing::Test {
protected:
    TwoToneCodec() {
        ResetImage(image, {}, nullptr);
        ClearRadioMemory(memory);
    }

    TwoToneRecord& TwoTone() { return image.Record.Function.TwoTone; }

    bool Encode() { return SetCommDataBy2Tone(image, target); }

    RadioImage image;
    RadioMemory memory{};
    test::RecordingMarks marks;
    test::RecordingInteraction ui;
    EncodeTarget target{memory, marks, ui};
};

/// A header whose byte k holds 0x40 + k, so every byte can be traced to its address.
void SetTracedHeader(TwoToneRecord& record) {
    auto b = [](int k) { return static_cast<std::uint8_t>(0x40 + k); };
    record.EncodeTone1 = {b(0), b(1)};
    record.EncodeTone2 = {b(2), b(3)};
    record.EncodePair = b(4);
    record.EncodeDivider1 = {b(5), b(6)};
    record.EncodeDivider2 = {b(7), b(8)};
    record.TwoToneSetting9 = b(9);
    record.TwoToneSetting10 = b(10);
    record.SideTone2 = b(11);
    record.ToneFrequencies = {{{b(12), b(13)}, {b(14), b(15)}, {b(16), b(17)}, {b(18), b(19)}}};
    record.TwoToneTime1 = b(20);
    record.TwoToneTime2 = b(21);
    record.TwoToneTime3 = b(22);
    record.TwoToneSetting23 = b(23);
}

// Header byte held at 0300 … 0317.
constexpr std::array<int, 24> kHeaderByteAt = {1,  0, 3,  2, 6,  5,  8,  7,  10, 20, 21, 22,
                                               23, 9, 11, 4, 13, 12, 15, 14, 17, 16, 19, 18};

// --- Header ---------------------------------------------------------------------------------

TEST_F(TwoToneCodec, EveryHeaderByteGoesToItsAddress) {
    SetTracedHeader(TwoTone());
    ASSERT_TRUE(Encode());
    for (int a = 0; a < 24; ++a) {
        EXPECT_EQ(memory[static_cast<std::size_t>(0x0300 + a)], 0x40 + kHeaderByteAt[a])
            << "address 03" << std::hex << a;
    }
    EXPECT_EQ(BytesAt(memory, 0x0318, 8), Bytes(8, 0x00));
}

TEST_F(TwoToneCodec, DefaultHeaderIsSentWithItsPairsSwapped) {
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0300, 24),
              (Bytes{0x91, 0x0C, 0x41, 0x24, 0x48, 0x3A, 0x34, 0x14, 0x00, 0x05, 0x05, 0x0A,
                     0x00, 0x00, 0x00, 0x00, 0x0C, 0x91, 0x24, 0x41, 0x18, 0x79, 0x4F, 0xD6}));
}

TEST_F(TwoToneCodec, HeaderReadsBackByTheSameTable) {
    SetTracedHeader(TwoTone());
    TwoTone().EncodePair = 14;
    const TwoToneRecord sent = TwoTone();
    ASSERT_TRUE(Encode());
    GetCommDataBy2Tone(image, memory);
    EXPECT_EQ(TwoTone().EncodeTone1, sent.EncodeTone1);
    EXPECT_EQ(TwoTone().EncodeTone2, sent.EncodeTone2);
    EXPECT_EQ(TwoTone().EncodePair, 14);
    EXPECT_EQ(TwoTone().EncodeDivider1, sent.EncodeDivider1);
    EXPECT_EQ(TwoTone().EncodeDivider2, sent.EncodeDivider2);
    EXPECT_EQ(TwoTone().TwoToneSetting9, sent.TwoToneSetting9);
    EXPECT_EQ(TwoTone().TwoToneSetting10, sent.TwoToneSetting10);
    EXPECT_EQ(TwoTone().SideTone2, sent.SideTone2);
    EXPECT_EQ(TwoTone().ToneFrequencies, sent.ToneFrequencies);
    EXPECT_EQ(TwoTone().TwoToneTime1, sent.TwoToneTime1);
    EXPECT_EQ(TwoTone().TwoToneTime2, sent.TwoToneTime2);
    EXPECT_EQ(TwoTone().TwoToneTime3, sent.TwoToneTime3);
    EXPECT_EQ(TwoTone().TwoToneSetting23, sent.TwoToneSetting23);
}

TEST_F(TwoToneCodec, PairPositionAboveTheListReadsAsZero) {
    memory[0x030F] = 15;
    GetCommDataBy2Tone(image, memory);
    EXPECT_EQ(TwoTone().EncodePair, 0);
    memory[0x030F] = 0xFF;
    GetCommDataBy2Tone(image, memory);
    EXPECT_EQ(TwoTone().EncodePair, 0);
}

// --- Entries --------------------------------------------------------------------------------

TEST_F(TwoToneCodec, DefaultFirstEntryIsSentWithItsPairsSwapped) {
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0B00, 16),
              (Bytes{0x48, 0x3A, 0x34, 0x14, 0x91, 0x0C, 0x41, 0x24, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(BytesAt(memory, 0x0380, 4), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST_F(TwoToneCodec, EntryNameIsSpaceFilledOrAllZeroWhenEmpty) {
    TwoTone().Entries[0].EntryName = MakeFixedText<7>("AB");
    TwoTone().Entries[1].EntryName = MakeFixedText<7>("ABCDEFG");
    TwoTone().Entries[2].EntryName = EmptyFixedText<7>();
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0B08, 8), (Bytes{0x41, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20, 0}));
    EXPECT_EQ(BytesAt(memory, 0x0B18, 8), (Bytes{0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0}));
    EXPECT_EQ(BytesAt(memory, 0x0B28, 8), Bytes(8, 0x00));
}

TEST_F(TwoToneCodec, BitmapClearsTheBitsOfEntriesInUseOnly) {
    for (auto& entry : TwoTone().Entries) {
        entry.EntryEmpty = 1;
    }
    TwoTone().Entries[0].EntryEmpty = 0;
    TwoTone().Entries[9].EntryEmpty = 0;
    TwoTone().Entries[31].EntryEmpty = 0;
    TwoTone().Entries[5].EntryEmpty = -1;
    TwoTone().Entries[6].EntryEmpty = 2;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0380, 16), (Bytes{0xFE, 0xFD, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF,
                                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(marks.marks, (std::vector<Mark>{{RecordKind::TwoTone, 0x0300, 32},
                                              {RecordKind::TwoTone, 0x0380, 16},
                                              {RecordKind::TwoTone, 0x0B00, 16},
                                              {RecordKind::TwoTone, 0x0B90, 16},
                                              {RecordKind::TwoTone, 0x0CF0, 16}}));
}

TEST_F(TwoToneCodec, EntriesNotInUseAreWrittenButNotMarked) {
    TwoToneEntry& entry = TwoTone().Entries[3];
    entry.EntryEmpty = 1;
    entry.DecodeDivider1 = {0x01, 0x02};
    entry.DecodeTone2 = {0x07, 0x08};
    entry.EntryName = MakeFixedText<7>("X");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0B30, 9), (Bytes{0x02, 0x01, 0, 0, 0, 0, 0x08, 0x07, 'X'}));
    EXPECT_EQ(marks.Blocks().count(0x0B3), 0u);
    EXPECT_EQ(memory[0x0380] & 0x08, 0x08);
}

TEST_F(TwoToneCodec, EntryInUseReadsBackItsBytesAndName) {
    TwoToneEntry& entry = TwoTone().Entries[20];
    entry.EntryEmpty = 0;
    entry.DecodeDivider1 = {0x01, 0x02};
    entry.DecodeDivider2 = {0x03, 0x04};
    entry.DecodeTone1 = {0x05, 0x06};
    entry.DecodeTone2 = {0x07, 0x08};
    entry.EntryName = MakeFixedText<7>("AB");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(BytesAt(memory, 0x0B00 + 20 * 16, 8),
              (Bytes{0x02, 0x01, 0x04, 0x03, 0x06, 0x05, 0x08, 0x07}));

    GetCommDataBy2Tone(image, memory);
    const TwoToneEntry& read = TwoTone().Entries[20];
    EXPECT_EQ(read.EntryEmpty, 0);
    EXPECT_EQ(read.DecodeDivider1, entry.DecodeDivider1);
    EXPECT_EQ(read.DecodeDivider2, entry.DecodeDivider2);
    EXPECT_EQ(read.DecodeTone1, entry.DecodeTone1);
    EXPECT_EQ(read.DecodeTone2, entry.DecodeTone2);
    // The name travels space-filled, so no 00 byte ends it.
    EXPECT_EQ(Stored(read.EntryName), "AB     ");
}

TEST_F(TwoToneCodec, FullNameReadsBackWithoutNul) {
    for (int k = 0; k < 7; ++k) {
        memory[static_cast<std::size_t>(0x0B08 + k)] = static_cast<std::uint8_t>('A' + k);
    }
    memory[0x0B0F] = 'Z';
    memory[0x0380] = 0xFE;
    GetCommDataBy2Tone(image, memory);
    EXPECT_EQ(Stored(TwoTone().Entries[0].EntryName), "ABCDEFG");
}

TEST_F(TwoToneCodec, EntryNotInUseIsEmptiedOnRead) {
    // Entry 2 keeps data in memory, but its bit says it is not in use.
    for (int k = 0; k < 16; ++k) {
        memory[static_cast<std::size_t>(0x0B10 + k)] = 0x41;
    }
    TwoTone().Entries[1].EntryEmpty = 0;
    TwoTone().Entries[1].DecodeTone1 = {1, 2};
    TwoTone().Entries[1].EntryName = MakeFixedText<7>("OLD");
    GetCommDataBy2Tone(image, memory);
    const TwoToneEntry& read = TwoTone().Entries[1];
    EXPECT_EQ(read.EntryEmpty, 1);
    EXPECT_EQ(read.DecodeDivider1, (std::array<std::uint8_t, 2>{0, 0}));
    EXPECT_EQ(read.DecodeDivider2, (std::array<std::uint8_t, 2>{0, 0}));
    EXPECT_EQ(read.DecodeTone1, (std::array<std::uint8_t, 2>{0, 0}));
    EXPECT_EQ(read.DecodeTone2, (std::array<std::uint8_t, 2>{0, 0}));
    EXPECT_EQ(Stored(read.EntryName), std::string(7, '\0'));
}

TEST_F(TwoToneCodec, WritesNothingOutsideItsAreas) {
    memory.fill(0xA5);
    for (auto& entry : TwoTone().Entries) {
        entry.EntryEmpty = 0;
        entry.EntryName = MakeFixedText<7>("NAME");
    }
    ASSERT_TRUE(Encode());
    for (std::size_t a = 0; a < memory.size(); ++a) {
        const bool header = a >= 0x0300 && a < 0x0318;
        const bool bitmap = a >= 0x0380 && a < 0x0384;
        const bool entry = a >= 0x0B00 && a < 0x0D00 && a % 16 != 15;
        if (!header && !bitmap && !entry) {
            ASSERT_EQ(memory[a], 0xA5) << "address " << a;
        }
    }
}

} // namespace
} // namespace rp70
