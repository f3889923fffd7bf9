// The settings record of a new image, checked as the bytes a data file holds.

#include <gtest/gtest.h>

#include <string>

#include "model/image_record.h"
#include "model/radio_image.h"
#include "support/record_bytes.h"

namespace rp70 {
namespace {

using test::Bytes;
using test::EmptyText;
using test::I16At;
using test::Slice;
using test::TextAt;

class NewImageRecordBytes : public ::testing::Test {
protected:
    void SetUp() override {
        RadioImage image;
        ResetImage(image, {}, nullptr);
        bytes = test::BytesOf(image.Saved.Record);
    }
    Bytes bytes;
};

TEST_F(NewImageRecordBytes, HasTheStoredSizeBandAndCounts) {
    ASSERT_EQ(bytes.size(), kImageRecordSize);
    EXPECT_EQ(I16At(bytes, 0), 3);                           // BandIndex
    EXPECT_EQ(I16At(bytes, 6817), 2);                        // ChannelCount
    EXPECT_EQ(bytes[8611], 2);                               // DecodeTime
    EXPECT_EQ(TextAt(bytes, 8612, 3), std::string(3, '\0')); // OptionExtra
}

TEST_F(NewImageRecordBytes, DtmfDefaults) {
    constexpr std::size_t dtmf = 2;
    for (std::size_t code = 0; code < 18; ++code) { // 16 memories, begin and end code
        EXPECT_EQ(TextAt(bytes, dtmf + 26 * code, 24), std::string(24, ' ')) << code;
        EXPECT_EQ(I16At(bytes, dtmf + 26 * code + 24), 0) << code;
    }
    for (std::size_t code = 0; code < 2; ++code) { // kill and stun code
        EXPECT_EQ(TextAt(bytes, dtmf + 468 + 16 * code, 14), std::string(14, ' ')) << code;
        EXPECT_EQ(I16At(bytes, dtmf + 468 + 16 * code + 14), 0) << code;
    }
    EXPECT_EQ(I16At(bytes, dtmf + 500), 0); // Ani
    EXPECT_EQ(I16At(bytes, dtmf + 502), 1); // SendTime
    EXPECT_EQ(I16At(bytes, dtmf + 504), 3); // PttId
    EXPECT_EQ(TextAt(bytes, dtmf + 506, 3), "000");
    const std::int16_t tail[] = {14, 10, 0, 20, 20, 0, 20, 10, 0};
    for (std::size_t i = 0; i < std::size(tail); ++i) {
        EXPECT_EQ(I16At(bytes, dtmf + 509 + 2 * i), tail[i]) << "value at " << 509 + 2 * i;
    }
}

TEST_F(NewImageRecordBytes, TwoToneDefaults) {
    constexpr std::size_t twoTone = 529;
    // A-B from 321.7 Hz and 928.1 Hz; tones A … D 321.7, 928.1, 626.5, 2043.8 Hz.
    EXPECT_EQ(Slice(bytes, twoTone, 24), (Bytes{12,  145, 36, 65, 0,   58, 72,  20, 52, 0, 0,  0,
                                                145, 12,  65, 36, 121, 24, 214, 79, 5,  5, 10, 0}));
    const std::size_t first = twoTone + 24;
    EXPECT_EQ(I16At(bytes, first), 0);
    EXPECT_EQ(Slice(bytes, first + 2, 8), (Bytes{58, 72, 20, 52, 12, 145, 36, 65}));
    for (std::size_t k = 2; k <= 32; ++k) {
        const std::size_t entry = twoTone + 24 + 17 * (k - 1);
        EXPECT_EQ(I16At(bytes, entry), 1) << k;
        EXPECT_EQ(TextAt(bytes, entry + 2, 8), std::string(8, '\0')) << k;
    }
    for (std::size_t k = 1; k <= 32; ++k) { // the names are left empty
        EXPECT_EQ(TextAt(bytes, twoTone + 24 + 17 * (k - 1) + 10, 7), std::string(7, '\0')) << k;
    }
}

TEST_F(NewImageRecordBytes, FiveToneDefaults) {
    constexpr std::size_t fiveTone = 1097;
    EXPECT_EQ(TextAt(bytes, fiveTone, 5), std::string("\0\0\0\0\x07", 5));
    EXPECT_EQ(TextAt(bytes, fiveTone + 5, 6), EmptyText(6));
    EXPECT_EQ(TextAt(bytes, fiveTone + 11, 4), std::string("\0\x14\x14\x0a", 4));
    const std::int16_t timings[] = {20, 20, 0, 0, 13};
    for (std::size_t i = 0; i < std::size(timings); ++i) {
        EXPECT_EQ(I16At(bytes, fiveTone + 15 + 2 * i), timings[i]) << i;
    }
    for (std::size_t k = 1; k <= 8; ++k) {
        const std::size_t info = fiveTone + 25 + 22 * (k - 1);
        EXPECT_EQ(TextAt(bytes, info, 3), std::string(3, '\0')) << k;
        EXPECT_EQ(TextAt(bytes, info + 3, 12), EmptyText(12)) << k;
    }
    for (std::size_t k = 1; k <= 100; ++k) {
        const std::size_t code = fiveTone + 307 + 53 * (k - 1);
        EXPECT_EQ(I16At(bytes, code), 1) << k;
        EXPECT_EQ(TextAt(bytes, code + 2, 4), std::string("\0\0\0\x07", 4)) << k;
        EXPECT_EQ(TextAt(bytes, code + 6, 40), std::string(40, ' ')) << k;
    }
}

TEST_F(NewImageRecordBytes, OptionsScanAlertAndBookDefaults) {
    constexpr std::size_t options = 6704;
    for (std::size_t i = 0; i < 23; ++i) {
        EXPECT_EQ(I16At(bytes, options + 2 * i), 0) << i;
    }
    const std::int16_t keys[] = {0, 1, 2, 3, 4, 12, 6, 7, 8, 9, 10, 11};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(I16At(bytes, options + 48 + 2 * i), keys[i]) << i;
    }
    EXPECT_EQ(TextAt(bytes, options + 72, 7), "Welcome");
    EXPECT_EQ(I16At(bytes, options + 79), 0);
    EXPECT_EQ(TextAt(bytes, options + 81, 6), EmptyText(6));

    EXPECT_EQ(TextAt(bytes, 6791, 14), std::string("\0\0\0\x05\x05\0\0\0\0\0\0\0\0\0", 14));
    EXPECT_EQ(TextAt(bytes, 6805, 12), std::string("\0\0\0\0\0\0\0\0\0\0\x01\x05", 12));

    for (std::size_t i = 0; i < 128; ++i) {
        const std::size_t entry = 6819 + 14 * i;
        EXPECT_EQ(I16At(bytes, entry), static_cast<std::int16_t>(i));
        EXPECT_EQ(TextAt(bytes, entry + 2, 5), EmptyText(5)) << i;
        EXPECT_EQ(TextAt(bytes, entry + 7, 7), EmptyText(7)) << i;
    }
}

TEST(ImageRecordRead, RoundTripsAndRefusesShortData) {
    RadioImage image;
    image.Record.Function.Options.WelcomeText = MakeFixedText<7>("HELLO");
    image.Record.Book[127].BookName = MakeFixedText<7>("BOB");
    image.Record.OptionExtra = {1, 2, 3};
    image.Record.DecodeTime = 9;
    test::ExpectReadBackStopsAtItsEnd(image.Record);
    test::ExpectAnyStoredBytesWrittenBackUnchanged<ImageRecord>();
    const RadioImage untouched;
    test::ExpectShortDataThrowsAndLeavesRecordAlone(image.Record, untouched.Record);
}

} // namespace
} // namespace rp70
