#include "model/records/five_tone_record.h"

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
using test::Padded;
using test::Slice;

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
        info.Function = Byte(k);
        info.Response = Byte(k + 10);
        info.Length = Byte(k + 20);
        info.Digits = MakeFixedText<12>("ABC" + std::to_string(k));
        info.Name = MakeFixedText<7>("INFO" + std::to_string(k));
    }
    record.BotCode = {0, 9, 6, 6, 10, MakeFixedText<40>("123EEE"), MakeFixedText<7>("BEGIN")};
    record.EotCode = {
        -1, 8, 7, 40, 3, MakeFixedText<40>(std::string(40, 'F')), MakeFixedText<7>("THE END")};
    for (std::size_t k = 1; k <= kFiveToneCodeCount; ++k) {
        FiveToneCode& code = record.Codes[k - 1];
        code.InUseFlag = static_cast<std::int16_t>(0x0100 + k);
        code.Spare = Byte(k + 1);
        code.Standard = Byte(k + 2);
        code.Length = Byte(k + 3);
        code.ToneLength = Byte(k + 4);
        code.Digits = MakeFixedText<40>("1E23" + std::to_string(k));
        code.Name = MakeFixedText<7>("C" + std::to_string(k));
    }
    return record;
}

TEST(FiveToneRecordLayout, WritesTheSystemValuesAtTheirOffsets) {
    const Bytes bytes = BytesOf(KnownRecord());
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
    const Bytes bytes = BytesOf(KnownRecord());
    ASSERT_EQ(bytes.size(), kFiveToneRecordSize);
    for (std::size_t k = 1; k <= kFiveToneInfoCodeCount; ++k) {
        SCOPED_TRACE("info code " + std::to_string(k));
        const std::size_t at = InfoCodeOffset(k);
        EXPECT_EQ(Slice(bytes, at, 3), (Bytes{Byte(k), Byte(k + 10), Byte(k + 20)}));
        EXPECT_EQ(Slice(bytes, at + 3, 12), Padded("ABC" + std::to_string(k), 12));
        EXPECT_EQ(Slice(bytes, at + 15, 7), Padded("INFO" + std::to_string(k), 7));
    }
    EXPECT_EQ(InfoCodeOffset(kFiveToneInfoCodeCount) + kInfoCodeSize, kBotCodeOffset);
}

TEST(FiveToneRecordLayout, WritesTheBeginAndEndCodes) {
    const Bytes bytes = BytesOf(KnownRecord());
    ASSERT_EQ(bytes.size(), kFiveToneRecordSize);
    EXPECT_EQ(Slice(bytes, kBotCodeOffset, 6), (Bytes{0, 0, 9, 6, 6, 10}));
    EXPECT_EQ(Slice(bytes, kBotCodeOffset + 6, 40), Padded("123EEE", 40));
    EXPECT_EQ(Slice(bytes, kBotCodeOffset + 46, 7), Padded("BEGIN", 7));
    EXPECT_EQ(Slice(bytes, kEotCodeOffset, 6), (Bytes{0xFF, 0xFF, 8, 7, 40, 3}));
    EXPECT_EQ(Slice(bytes, kEotCodeOffset + 6, 40), Bytes(40, 'F'));
    EXPECT_EQ(Slice(bytes, kEotCodeOffset + 46, 7), Padded("THE END", 7));
}

TEST(FiveToneRecordLayout, WritesEachCodeListEntryAtItsOffset) {
    const Bytes bytes = BytesOf(KnownRecord());
    ASSERT_EQ(bytes.size(), kFiveToneRecordSize);
    for (std::size_t k = 1; k <= kFiveToneCodeCount; ++k) {
        SCOPED_TRACE("code " + std::to_string(k));
        const std::size_t at = CodeOffset(k);
        EXPECT_EQ(Slice(bytes, at, 6),
                  (Bytes{Byte(k), 1, Byte(k + 1), Byte(k + 2), Byte(k + 3), Byte(k + 4)}));
        EXPECT_EQ(Slice(bytes, at + 6, 40), Padded("1E23" + std::to_string(k), 40));
        EXPECT_EQ(Slice(bytes, at + 46, 7), Padded("C" + std::to_string(k), 7));
    }
    EXPECT_EQ(CodeOffset(kFiveToneCodeCount) + kCodeSize, kFiveToneRecordSize);
}

TEST(FiveToneRecordRead, GivesBackWhatWasWrittenAndStopsAtItsEnd) {
    test::ExpectReadBackStopsAtItsEnd(KnownRecord());
    test::ExpectReadBackStopsAtItsEnd(test::WithDefaults(FiveToneRecord{}));
}

TEST(FiveToneRecordRead, AnyStoredBytesAreWrittenBackUnchanged) {
    test::ExpectAnyStoredBytesWrittenBackUnchanged<FiveToneRecord>();
}

TEST(FiveToneRecordRead, TruncatedDataThrowsAndLeavesTheRecordAlone) {
    test::ExpectShortDataThrowsAndLeavesRecordAlone(KnownRecord(),
                                                    test::WithDefaults(FiveToneRecord{}));
}

// The values themselves are checked in the bytes of a new image.
TEST(FiveToneRecordDefaults, OverwriteEverythingButTheNamesAndTheBeginAndEndCodes) {
    const auto used = test::FromBytes<FiveToneRecord>(test::Pattern(kFiveToneRecordSize));
    FiveToneRecord expected = test::WithDefaults(FiveToneRecord{});
    expected.BotCode = used.BotCode;
    expected.EotCode = used.EotCode;
    for (std::size_t k = 0; k < kFiveToneInfoCodeCount; ++k) {
        expected.InfoCodes[k].Name = used.InfoCodes[k].Name;
    }
    for (std::size_t k = 0; k < kFiveToneCodeCount; ++k) {
        expected.Codes[k].Name = used.Codes[k].Name;
    }
    EXPECT_EQ(test::WithDefaults(used), expected);
}

} // namespace
} // namespace rp70
