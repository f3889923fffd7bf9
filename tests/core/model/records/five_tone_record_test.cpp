#include "model/records/five_tone_record.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace rp70 {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kInfoCodeSize = 22;
constexpr std::size_t kCodeSize = 53;
constexpr std::size_t kBotCodeOffset = 201;
constexpr std::size_t kEotCodeOffset = 254;

std::size_t InfoCodeOffset(std::size_t k) { // info code k = 1 … 8
    return 25 + kInfoCodeSize * (k - 1);
}

std::size_t CodeOffset(std::size_t k) { // code list entry k = 1 … 100
    return 307 + kCodeSize * (k - 1);
}

Bytes Encode(const FiveToneRecord& record) {
    Bytes bytes;
    ByteWriter out(bytes);
    Write(out, record);
    return bytes;
}

FiveToneRecord Decode(const Bytes& bytes) {
    ByteReader in(bytes);
    FiveToneRecord record;
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

void Put(Bytes& bytes, std::size_t offset, const Bytes& part) {
    std::copy(part.begin(), part.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
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

FiveToneRecord KnownRecord() {
    FiveToneRecord record;
    record.Reserved = 1;
    record.DecodeResponse = 2;
    record.Standard = 13;
    record.OwnIdLength = 5;
    record.ToneLength = 10;
    record.OwnId = MakeFixedText<6>("12345");
    record.ResetTime = 250;
    record.PreSendDelay = 255;
    record.PostSendDelay = 3;
    record.PauseTime = 75;
    record.FirstDigitDelay = 0x0201;
    record.PauseCodeTime = 255;
    record.PauseCode = 15;
    record.SideTone = 1;
    record.AniSeparator = -1;
    for (std::size_t k = 1; k <= kFiveToneInfoCodeCount; ++k) {
        FiveToneInfoCode& info = record.InfoCodes[k - 1];
        info.Function = B(k);
        info.Response = B(k + 10);
        info.Length = B(k + 20);
        info.Digits = MakeFixedText<12>("ABC" + std::to_string(k));
        info.Name = MakeFixedText<7>("INFO" + std::to_string(k));
    }
    record.BotCode = {0, 9, 6, 6, 10, MakeFixedText<40>("123EEE"), MakeFixedText<7>("BEGIN")};
    record.EotCode = {
        -1, 8, 7, 40, 3, MakeFixedText<40>(std::string(40, 'F')), MakeFixedText<7>("THE END")};
    for (std::size_t k = 1; k <= kFiveToneCodeCount; ++k) {
        FiveToneCode& code = record.Codes[k - 1];
        code.InUseFlag = static_cast<std::int16_t>(0x0100 + k);
        code.Spare = B(k + 1);
        code.Standard = B(k + 2);
        code.Length = B(k + 3);
        code.ToneLength = B(k + 4);
        code.Digits = MakeFixedText<40>("1E23" + std::to_string(k));
        code.Name = MakeFixedText<7>("C" + std::to_string(k));
    }
    return record;
}

TEST(FiveToneRecordLayout, WritesTheSystemValuesAtTheirOffsets) {
    const Bytes bytes = Encode(KnownRecord());
    ASSERT_EQ(bytes.size(), kFiveToneRecordSize);
    // Reserved, DecodeResponse, Standard, OwnIdLength, ToneLength.
    EXPECT_EQ(Slice(bytes, 0, 5), (Bytes{1, 2, 13, 5, 10}));
    EXPECT_EQ(Slice(bytes, 5, 6), Padded("12345", 6));
    // ResetTime, PreSendDelay, PostSendDelay, PauseTime.
    EXPECT_EQ(Slice(bytes, 11, 4), (Bytes{250, 255, 3, 75}));
    // FirstDigitDelay, PauseCodeTime, PauseCode, SideTone, AniSeparator.
    EXPECT_EQ(Slice(bytes, 15, 10), (Bytes{0x01, 0x02, 255, 0, 15, 0, 1, 0, 0xFF, 0xFF}));
}

TEST(FiveToneRecordLayout, WritesEachInfoCodeAtItsOffset) {
    const Bytes bytes = Encode(KnownRecord());
    ASSERT_EQ(bytes.size(), kFiveToneRecordSize);
    for (std::size_t k = 1; k <= kFiveToneInfoCodeCount; ++k) {
        SCOPED_TRACE("info code " + std::to_string(k));
        const std::size_t at = InfoCodeOffset(k);
        EXPECT_EQ(Slice(bytes, at, 3), (Bytes{B(k), B(k + 10), B(k + 20)}));
        EXPECT_EQ(Slice(bytes, at + 3, 12), Padded("ABC" + std::to_string(k), 12));
        EXPECT_EQ(Slice(bytes, at + 15, 7), Padded("INFO" + std::to_string(k), 7));
    }
    EXPECT_EQ(InfoCodeOffset(kFiveToneInfoCodeCount) + kInfoCodeSize, kBotCodeOffset);
}

TEST(FiveToneRecordLayout, WritesTheBeginAndEndCodes) {
    const Bytes bytes = Encode(KnownRecord());
    ASSERT_EQ(bytes.size(), kFiveToneRecordSize);
    EXPECT_EQ(Slice(bytes, kBotCodeOffset, 6), (Bytes{0, 0, 9, 6, 6, 10}));
    EXPECT_EQ(Slice(bytes, kBotCodeOffset + 6, 40), Padded("123EEE", 40));
    EXPECT_EQ(Slice(bytes, kBotCodeOffset + 46, 7), Padded("BEGIN", 7));
    EXPECT_EQ(Slice(bytes, kEotCodeOffset, 6), (Bytes{0xFF, 0xFF, 8, 7, 40, 3}));
    EXPECT_EQ(Slice(bytes, kEotCodeOffset + 6, 40), Bytes(40, 'F'));
    EXPECT_EQ(Slice(bytes, kEotCodeOffset + 46, 7), Padded("THE END", 7));
}

TEST(FiveToneRecordLayout, WritesEachCodeListEntryAtItsOffset) {
    const Bytes bytes = Encode(KnownRecord());
    ASSERT_EQ(bytes.size(), kFiveToneRecordSize);
    for (std::size_t k = 1; k <= kFiveToneCodeCount; ++k) {
        SCOPED_TRACE("code " + std::to_string(k));
        const std::size_t at = CodeOffset(k);
        EXPECT_EQ(Slice(bytes, at, 6), (Bytes{B(k), 1, B(k + 1), B(k + 2), B(k + 3), B(k + 4)}));
        EXPECT_EQ(Slice(bytes, at + 6, 40), Padded("1E23" + std::to_string(k), 40));
        EXPECT_EQ(Slice(bytes, at + 46, 7), Padded("C" + std::to_string(k), 7));
    }
    EXPECT_EQ(CodeOffset(kFiveToneCodeCount) + kCodeSize, kFiveToneRecordSize);
}

TEST(FiveToneRecordRoundTrip, ReadGivesBackWhatWasWritten) {
    EXPECT_EQ(Decode(Encode(KnownRecord())), KnownRecord());

    FiveToneRecord defaults;
    SetDefaults(defaults);
    EXPECT_EQ(Decode(Encode(defaults)), defaults);
}

TEST(FiveToneRecordRoundTrip, AnyStoredBytesAreWrittenBackUnchanged) {
    const Bytes stored = Pattern(kFiveToneRecordSize);
    EXPECT_EQ(Encode(Decode(stored)), stored);
}

TEST(FiveToneRecordRoundTrip, ReadConsumesExactlyTheRecord) {
    Bytes bytes = Encode(KnownRecord());
    bytes.push_back(0x5A);
    ByteReader in(bytes);
    FiveToneRecord record;
    Read(in, record);
    EXPECT_EQ(in.Position(), kFiveToneRecordSize);
    EXPECT_EQ(in.U8(), 0x5A);
}

TEST(FiveToneRecordRead, TruncatedDataThrowsAndLeavesTheRecordAlone) {
    const Bytes full = Encode(KnownRecord());
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{24}, kBotCodeOffset + 50, kFiveToneRecordSize - 1}) {
        SCOPED_TRACE("size " + std::to_string(size));
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        ByteReader in(cut);
        FiveToneRecord record;
        SetDefaults(record);
        const FiveToneRecord before = record;
        EXPECT_THROW(Read(in, record), TruncatedData);
        EXPECT_EQ(record, before);
    }
}

// The defaults written over a used record, byte for byte: everything a new
// image sets is overwritten, the names and the begin and end codes keep the
// bytes they had.
TEST(FiveToneRecordDefaults, MatchTheNewImageValuesAndKeepWhatIsNotReset) {
    const Bytes before = Pattern(kFiveToneRecordSize);
    FiveToneRecord record = Decode(before);
    SetDefaults(record);

    Bytes expected = before;
    Put(expected, 0, {0, 0, 0, 0, 7});                    // Reserved … ToneLength
    Put(expected, 5, {0, ' ', ' ', ' ', ' ', ' '});       // OwnId empty
    Put(expected, 11, {0, 20, 20, 10});                   // ResetTime … PauseTime
    Put(expected, 15, {20, 0, 20, 0, 0, 0, 0, 0, 13, 0}); // FirstDigitDelay … AniSeparator
    for (std::size_t k = 1; k <= kFiveToneInfoCodeCount; ++k) {
        Put(expected, InfoCodeOffset(k), {0, 0, 0, 0});
        Put(expected, InfoCodeOffset(k) + 4, Bytes(11, ' '));
    }
    for (std::size_t k = 1; k <= kFiveToneCodeCount; ++k) {
        Put(expected, CodeOffset(k), {1, 0, 0, 0, 0, 7});
        Put(expected, CodeOffset(k) + 6, Bytes(40, ' '));
    }
    EXPECT_EQ(Encode(record), expected);
}

TEST(FiveToneRecordDefaults, LeaveTheBeginAndEndCodesAsTheyWere) {
    FiveToneRecord record = KnownRecord();
    SetDefaults(record);
    EXPECT_EQ(record.BotCode, KnownRecord().BotCode);
    EXPECT_EQ(record.EotCode, KnownRecord().EotCode);
    EXPECT_EQ(TextOf(record.InfoCodes[0].Name), "INFO1");
    EXPECT_EQ(TextOf(record.Codes[99].Name), "C100");
    EXPECT_EQ(TextOf(record.OwnId), "");
}

} // namespace
} // namespace rp70
