#include "model/records/options_record.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/record_bytes.h"

namespace rp70 {
namespace {

using test::BytesOf;
using test::TextAt;

// Every 16-bit option value with its offset in the data file.
const test::ValueOffsets<OptionsRecord> kValueOffsets = {
    {&OptionsRecord::Option1702, 0},
    {&OptionsRecord::Option1703, 2},
    {&OptionsRecord::StartChannel, 4},
    {&OptionsRecord::Option1705, 6},
    {&OptionsRecord::Option1707, 8},
    {&OptionsRecord::Option18, 10},
    {&OptionsRecord::Option1709, 12},
    {&OptionsRecord::Option1710, 14},
    {&OptionsRecord::ToneBurst, 16},
    {&OptionsRecord::Option1712, 18},
    {&OptionsRecord::Option1713, 20},
    {&OptionsRecord::Option1714, 22},
    {&OptionsRecord::Option1716, 24},
    {&OptionsRecord::TailElimination, 26},
    {&OptionsRecord::BacklightColour, 28},
    {&OptionsRecord::FunctionOperation, 30},
    {&OptionsRecord::InternalFunctionOperation, 32},
    {&OptionsRecord::InitialiseKeys, 34},
    {&OptionsRecord::TailPhase, 36},
    {&OptionsRecord::Option1719, 38},
    {&OptionsRecord::Option1706, 40},
    {&OptionsRecord::Option1708, 42},
    {&OptionsRecord::Option1715, 44},
    {&OptionsRecord::Reserved, 46},
    {&OptionsRecord::PowerOnPasswordEnable, 79},
};

// A record in which every field holds a different value.
OptionsRecord Distinct() {
    OptionsRecord record;
    test::SetDistinctValues(record, kValueOffsets);
    for (std::size_t k = 0; k < kKeyFunctionCount; ++k) {
        record.KeyFunctions[k] = static_cast<std::int16_t>(0x0A00 + k);
    }
    record.WelcomeText = MakeFixedText<7>("Welcome");
    record.PowerOnPassword = MakeFixedText<6>("123456");
    return record;
}

TEST(OptionsRecordLayout, IsEightySevenBytes) {
    EXPECT_EQ(BytesOf(OptionsRecord{}).size(), kOptionsRecordSize);
    EXPECT_EQ(kOptionsRecordSize, 87u);
}

TEST(OptionsRecordLayout, ValuesSitAtTheirOffsets) {
    test::ExpectValuesAtTheirOffsets(Distinct(), kValueOffsets);
}

TEST(OptionsRecordLayout, KeyAssignmentsFollowAtFortyEight) {
    const auto bytes = BytesOf(Distinct());
    for (std::size_t k = 0; k < kKeyFunctionCount; ++k) {
        EXPECT_EQ(bytes[48 + 2 * k], k) << "key " << k;
        EXPECT_EQ(bytes[49 + 2 * k], 0x0A) << "key " << k;
    }
}

TEST(OptionsRecordLayout, TextsAtSeventyTwoAndEightyOne) {
    const auto bytes = BytesOf(Distinct());
    EXPECT_EQ(TextAt(bytes, 72, 7), "Welcome");
    EXPECT_EQ(TextAt(bytes, 81, 6), "123456");
}

TEST(OptionsRecordLayout, ValuesAreLittleEndianSigned) {
    OptionsRecord record;
    record.StartChannel = 201;
    record.Reserved = -2;
    record.KeyFunctions[11] = 255;
    const auto bytes = BytesOf(record);
    EXPECT_EQ(bytes[4], 0xC9);
    EXPECT_EQ(bytes[5], 0x00);
    EXPECT_EQ(bytes[46], 0xFE);
    EXPECT_EQ(bytes[47], 0xFF);
    EXPECT_EQ(bytes[70], 0xFF);
    EXPECT_EQ(bytes[71], 0x00);
}

TEST(OptionsRecordRead, RoundTripsEveryField) {
    test::ExpectReadBackStopsAtItsEnd(Distinct());
    test::ExpectAnyStoredBytesWrittenBackUnchanged<OptionsRecord>();
}

TEST(OptionsRecordRead, TruncatedDataThrowsAndLeavesRecordAlone) {
    test::ExpectShortDataThrowsAndLeavesRecordAlone(Distinct(),
                                                    test::WithDefaults(OptionsRecord{}));
}

// The values themselves are checked in the bytes of a new image.
TEST(OptionsRecordDefaults, OverwriteEverythingButTheReservedValue) {
    const OptionsRecord used = Distinct();
    OptionsRecord expected = test::WithDefaults(OptionsRecord{});
    expected.Reserved = used.Reserved;
    EXPECT_EQ(test::WithDefaults(used), expected);
}

} // namespace
} // namespace rp70
