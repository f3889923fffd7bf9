#include "model/records/two_tone_record.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "support/record_bytes.h"

namespace rp70 {
namespace {

using test::Byte;
using test::Bytes;
using test::BytesOf;
using test::Slice;

constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kEntrySize = 17;

std::size_t EntryOffset(std::size_t k) { // entry k = 1 … 32
    return kHeaderSize + kEntrySize * (k - 1);
}

// Header byte k holds k + 1, so the order of the named header fields shows.
TwoToneRecord KnownRecord() {
    TwoToneRecord record;
    record.EncodeTone1 = {1, 2};
    record.EncodeTone2 = {3, 4};
    record.EncodePair = 5;
    record.EncodeDivider1 = {6, 7};
    record.EncodeDivider2 = {8, 9};
    record.TwoToneSetting9 = 10;
    record.TwoToneSetting10 = 11;
    record.SideTone2 = 12;
    record.ToneFrequencies = {{{13, 14}, {15, 16}, {17, 18}, {19, 20}}};
    record.TwoToneTime1 = 21;
    record.TwoToneTime2 = 22;
    record.TwoToneTime3 = 23;
    record.TwoToneSetting23 = 24;
    for (std::size_t k = 1; k <= kTwoToneEntryCount; ++k) {
        TwoToneEntry& entry = record.Entries[k - 1];
        entry.EntryEmpty = static_cast<std::int16_t>(0x0100 + k);
        entry.DecodeDivider1 = {Byte(k), 100};
        entry.DecodeDivider2 = {Byte(k), 101};
        entry.DecodeTone1 = {Byte(k), 102};
        entry.DecodeTone2 = {Byte(k), 103};
        entry.EntryName = MakeFixedText<7>("E" + std::to_string(k));
    }
    return record;
}

TEST(TwoToneRecordLayout, WritesTheHeaderBytesInOrder) {
    const Bytes bytes = BytesOf(KnownRecord());
    ASSERT_EQ(bytes.size(), kTwoToneRecordSize);
    EXPECT_EQ(Slice(bytes, 0, kHeaderSize),
              (Bytes{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                     13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
}

TEST(TwoToneRecordLayout, WritesEachEntryAtItsOffset) {
    const Bytes bytes = BytesOf(KnownRecord());
    ASSERT_EQ(bytes.size(), kTwoToneRecordSize);
    for (std::size_t k = 1; k <= kTwoToneEntryCount; ++k) {
        SCOPED_TRACE("entry " + std::to_string(k));
        const std::size_t at = EntryOffset(k);
        EXPECT_EQ(Slice(bytes, at, 10),
                  (Bytes{Byte(k), 1, Byte(k), 100, Byte(k), 101, Byte(k), 102, Byte(k), 103}));
        EXPECT_EQ(Slice(bytes, at + 10, 7), test::Padded("E" + std::to_string(k), 7));
    }
    EXPECT_EQ(EntryOffset(kTwoToneEntryCount) + kEntrySize, kTwoToneRecordSize);
}

TEST(TwoToneRecordLayout, EntryFlagIsSignedLowByteFirst) {
    TwoToneRecord record;
    record.Entries[31].EntryEmpty = -1;
    const Bytes bytes = BytesOf(record);
    EXPECT_EQ(Slice(bytes, EntryOffset(32), 2), (Bytes{0xFF, 0xFF}));
}

TEST(TwoToneRecordRead, GivesBackWhatWasWrittenAndStopsAtItsEnd) {
    test::ExpectReadBackStopsAtItsEnd(KnownRecord());
    test::ExpectReadBackStopsAtItsEnd(test::WithDefaults(TwoToneRecord{}));
}

TEST(TwoToneRecordRead, AnyStoredBytesAreWrittenBackUnchanged) {
    test::ExpectAnyStoredBytesWrittenBackUnchanged<TwoToneRecord>();
}

TEST(TwoToneRecordRead, TruncatedDataThrowsAndLeavesTheRecordAlone) {
    test::ExpectShortDataThrowsAndLeavesRecordAlone(KnownRecord(),
                                                    test::WithDefaults(TwoToneRecord{}));
}

// The values themselves are checked in the bytes of a new image.
TEST(TwoToneRecordDefaults, OverwriteEverythingButTheEntryNames) {
    const auto used = test::FromBytes<TwoToneRecord>(test::Pattern(kTwoToneRecordSize));
    TwoToneRecord expected = test::WithDefaults(TwoToneRecord{});
    for (std::size_t k = 0; k < kTwoToneEntryCount; ++k) {
        expected.Entries[k].EntryName = used.Entries[k].EntryName;
    }
    EXPECT_EQ(test::WithDefaults(used), expected);
}

} // namespace
} // namespace rp70
