#include "model/records/dtmf_record.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "support/record_bytes.h"

namespace rp70 {
namespace {

using test::Bytes;
using test::BytesOf;
using test::Concat;
using test::Padded;
using test::Slice;

DTMFRecord KnownRecord() {
    DTMFRecord record;
    for (std::size_t i = 0; i < kDTMFCodeCount; ++i) {
        record.Codes[i].Digits = MakeFixedText<24>(std::string(i + 1, "0123456789ABCDEF"[i]));
        record.Codes[i].Length = static_cast<std::int16_t>(0x0100 + i);
    }
    record.BotCode = {MakeFixedText<24>("12E4F"), 5};
    record.EotCode = {MakeFixedText<24>("0123456789ABCDEF01234567"), 24};
    record.KillCode = {MakeFixedText<14>("135"), 3};
    record.StunCode = {MakeFixedText<14>("ABCDABCDABCDAB"), 14};
    record.Ani = 1;
    record.SendTime = 5;
    record.PttId = 3;
    record.OwnId = MakeFixedText<3>("123");
    record.SeparatorCode = 15;
    record.GroupCode = 255;
    record.DecodeResponse = 2;
    record.FirstDigitDelay = 250;
    record.PreSendDelay = 0x1234;
    record.ResetTime = -2;
    record.PostSendDelay = 300;
    record.PauseTime = 75;
    record.SideTone = 1;
    return record;
}

TEST(DTMFRecordLayout, WritesEveryFieldAtItsOffset) {
    const Bytes bytes = BytesOf(KnownRecord());
    ASSERT_EQ(bytes.size(), kDTMFRecordSize);

    for (std::size_t i = 0; i < kDTMFCodeCount; ++i) {
        SCOPED_TRACE("code memory " + std::to_string(i));
        const std::string digits(i + 1, "0123456789ABCDEF"[i]);
        EXPECT_EQ(Slice(bytes, 26 * i, 24), Padded(digits, 24));
        EXPECT_EQ(Slice(bytes, 26 * i + 24, 2), (Bytes{static_cast<std::uint8_t>(i), 1}));
    }
    EXPECT_EQ(Slice(bytes, 416, 26), Concat({Padded("12E4F", 24), {5, 0}}));
    EXPECT_EQ(Slice(bytes, 442, 26), Concat({Padded("0123456789ABCDEF01234567", 24), {24, 0}}));
    EXPECT_EQ(Slice(bytes, 468, 16), Concat({Padded("135", 14), {3, 0}}));
    EXPECT_EQ(Slice(bytes, 484, 16), Concat({Padded("ABCDABCDABCDAB", 14), {14, 0}}));
    EXPECT_EQ(Slice(bytes, 500, 2), (Bytes{1, 0}));       // Ani
    EXPECT_EQ(Slice(bytes, 502, 2), (Bytes{5, 0}));       // SendTime
    EXPECT_EQ(Slice(bytes, 504, 2), (Bytes{3, 0}));       // PttId
    EXPECT_EQ(Slice(bytes, 506, 3), Padded("123", 3));    // OwnId
    EXPECT_EQ(Slice(bytes, 509, 2), (Bytes{15, 0}));      // SeparatorCode
    EXPECT_EQ(Slice(bytes, 511, 2), (Bytes{255, 0}));     // GroupCode
    EXPECT_EQ(Slice(bytes, 513, 2), (Bytes{2, 0}));       // DecodeResponse
    EXPECT_EQ(Slice(bytes, 515, 2), (Bytes{250, 0}));     // FirstDigitDelay
    EXPECT_EQ(Slice(bytes, 517, 2), (Bytes{0x34, 0x12})); // PreSendDelay, low byte first
    EXPECT_EQ(Slice(bytes, 519, 2), (Bytes{0xFE, 0xFF})); // ResetTime -2, signed
    EXPECT_EQ(Slice(bytes, 521, 2), (Bytes{0x2C, 0x01})); // PostSendDelay 300
    EXPECT_EQ(Slice(bytes, 523, 2), (Bytes{75, 0}));      // PauseTime
    EXPECT_EQ(Slice(bytes, 525, 2), (Bytes{1, 0}));       // SideTone
}

TEST(DTMFRecordLayout, AppendsAfterWhatIsAlreadyWritten) {
    Bytes bytes{0xAA, 0xBB};
    ByteWriter out(bytes);
    Write(out, KnownRecord());
    ASSERT_EQ(bytes.size(), 2 + kDTMFRecordSize);
    EXPECT_EQ(Slice(bytes, 0, 2), (Bytes{0xAA, 0xBB}));
    EXPECT_EQ(Slice(bytes, 2, kDTMFRecordSize), BytesOf(KnownRecord()));
}

TEST(DTMFRecordRead, GivesBackWhatWasWrittenAndStopsAtItsEnd) {
    test::ExpectReadBackStopsAtItsEnd(KnownRecord());
    test::ExpectReadBackStopsAtItsEnd(test::WithDefaults(DTMFRecord{}));
}

TEST(DTMFRecordRead, AnyStoredBytesAreWrittenBackUnchanged) {
    test::ExpectAnyStoredBytesWrittenBackUnchanged<DTMFRecord>();
}

TEST(DTMFRecordRead, TruncatedDataThrowsAndLeavesTheRecordAlone) {
    test::ExpectShortDataThrowsAndLeavesRecordAlone(KnownRecord(),
                                                    test::WithDefaults(DTMFRecord{}));
}

TEST(DTMFRecordDefaults, OverwriteEveryFieldWhateverWasThere) {
    const auto used = test::FromBytes<DTMFRecord>(test::Pattern(kDTMFRecordSize));
    EXPECT_EQ(test::WithDefaults(used), test::WithDefaults(DTMFRecord{}));
}

} // namespace
} // namespace rp70
