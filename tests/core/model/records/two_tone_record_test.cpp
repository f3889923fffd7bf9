#include "model/records/two_tone_record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace rp70 {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kEntrySize = 17;

std::size_t EntryOffset(std::size_t k) { // entry k = 1 … 32
    return kHeaderSize + kEntrySize * (k - 1);
}

Bytes Encode(const TwoToneRecord& record) {
    Bytes bytes;
    ByteWriter out(bytes);
    Write(out, record);
    return bytes;
}

TwoToneRecord Decode(const Bytes& bytes) {
    ByteReader in(bytes);
    TwoToneRecord record;
    Read(in, record);
    return record;
}

Bytes Padded(std::string_view text, std::size_t width) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, ' ');
    return bytes;
}

Bytes Slice(const Bytes& bytes, std::size_t offset, std::size_t count) {
    if (offset + count > bytes.size()) {
        ADD_FAILURE() << "slice " << offset << "+" << count << " beyond " << bytes.size();
        return {};
    }
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 37 + 11) & 0xFF);
    }
    return bytes;
}

std::uint8_t B(std::size_t value) {
    return static_cast<std::uint8_t>(value);
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
        entry.DecodeDivider1 = {B(k), 100};
        entry.DecodeDivider2 = {B(k), 101};
        entry.DecodeTone1 = {B(k), 102};
        entry.DecodeTone2 = {B(k), 103};
        entry.EntryName = MakeFixedText<7>("E" + std::to_string(k));
    }
    return record;
}

TEST(TwoToneRecordLayout, WritesTheHeaderBytesInOrder) {
    const Bytes bytes = Encode(KnownRecord());
    ASSERT_EQ(bytes.size(), kTwoToneRecordSize);
    EXPECT_EQ(Slice(bytes, 0, kHeaderSize),
              (Bytes{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                     13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
}

TEST(TwoToneRecordLayout, WritesEachEntryAtItsOffset) {
    const Bytes bytes = Encode(KnownRecord());
    ASSERT_EQ(bytes.size(), kTwoToneRecordSize);
    for (std::size_t k = 1; k <= kTwoToneEntryCount; ++k) {
        SCOPED_TRACE("entry " + std::to_string(k));
        const std::size_t at = EntryOffset(k);
        EXPECT_EQ(Slice(bytes, at, 10),
                  (Bytes{B(k), 1, B(k), 100, B(k), 101, B(k), 102, B(k), 103}));
        EXPECT_EQ(Slice(bytes, at + 10, 7), Padded("E" + std::to_string(k), 7));
    }
    EXPECT_EQ(EntryOffset(kTwoToneEntryCount) + kEntrySize, kTwoToneRecordSize);
}

TEST(TwoToneRecordLayout, EntryFlagIsSignedLowByteFirst) {
    TwoToneRecord record;
    record.Entries[31].EntryEmpty = -1;
    const Bytes bytes = Encode(record);
    EXPECT_EQ(Slice(bytes, EntryOffset(32), 2), (Bytes{0xFF, 0xFF}));
}

TEST(TwoToneRecordRoundTrip, ReadGivesBackWhatWasWritten) {
    EXPECT_EQ(Decode(Encode(KnownRecord())), KnownRecord());

    TwoToneRecord defaults;
    SetDefaults(defaults);
    EXPECT_EQ(Decode(Encode(defaults)), defaults);
}

TEST(TwoToneRecordRoundTrip, AnyStoredBytesAreWrittenBackUnchanged) {
    const Bytes stored = Pattern(kTwoToneRecordSize);
    EXPECT_EQ(Encode(Decode(stored)), stored);
}

TEST(TwoToneRecordRoundTrip, ReadConsumesExactlyTheRecord) {
    Bytes bytes = Encode(KnownRecord());
    bytes.push_back(0x5A);
    ByteReader in(bytes);
    TwoToneRecord record;
    Read(in, record);
    EXPECT_EQ(in.Position(), kTwoToneRecordSize);
    EXPECT_EQ(in.U8(), 0x5A);
}

TEST(TwoToneRecordRead, TruncatedDataThrowsAndLeavesTheRecordAlone) {
    const Bytes full = Encode(KnownRecord());
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{23}, EntryOffset(32) + 9, kTwoToneRecordSize - 1}) {
        SCOPED_TRACE("size " + std::to_string(size));
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        ByteReader in(cut);
        TwoToneRecord record;
        SetDefaults(record);
        const TwoToneRecord before = record;
        EXPECT_THROW(Read(in, record), TruncatedData);
        EXPECT_EQ(record, before);
    }
}

TEST(TwoToneRecordDefaults, HeaderMatchesTheNewImageValues) {
    TwoToneRecord record = Decode(Pattern(kTwoToneRecordSize));
    SetDefaults(record);
    const Bytes bytes = Encode(record);
    // A-B from 321.7 Hz and 928.1 Hz; tones A … D 321.7, 928.1, 626.5, 2043.8 Hz.
    EXPECT_EQ(Slice(bytes, 0, kHeaderSize),
              (Bytes{12,  145, 36, 65, 0,   58, 72,  20, 52, 0, 0,  0,
                     145, 12,  65, 36, 121, 24, 214, 79, 5,  5, 10, 0}));
}

TEST(TwoToneRecordDefaults, FirstEntryIsDefinedAndTheOthersEmpty) {
    TwoToneRecord record = Decode(Pattern(kTwoToneRecordSize));
    SetDefaults(record);
    const Bytes bytes = Encode(record);
    EXPECT_EQ(Slice(bytes, EntryOffset(1), 10), (Bytes{0, 0, 58, 72, 20, 52, 12, 145, 36, 65}));
    for (std::size_t k = 2; k <= kTwoToneEntryCount; ++k) {
        SCOPED_TRACE("entry " + std::to_string(k));
        EXPECT_EQ(Slice(bytes, EntryOffset(k), 10), (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }
}

TEST(TwoToneRecordDefaults, KeepTheEntryNames) {
    const Bytes before = Pattern(kTwoToneRecordSize);
    TwoToneRecord record = Decode(before);
    SetDefaults(record);
    const Bytes bytes = Encode(record);
    for (std::size_t k = 1; k <= kTwoToneEntryCount; ++k) {
        SCOPED_TRACE("entry " + std::to_string(k));
        EXPECT_EQ(Slice(bytes, EntryOffset(k) + 10, 7), Slice(before, EntryOffset(k) + 10, 7));
    }

    TwoToneRecord fresh;
    SetDefaults(fresh);
    EXPECT_EQ(Slice(Encode(fresh), EntryOffset(5) + 10, 7), Bytes(7, 0));
}

} // namespace
} // namespace rp70
