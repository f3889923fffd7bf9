#include "model/records/options_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rp70 {
namespace {

std::vector<std::uint8_t> Bytes(const OptionsRecord& record) {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    Write(out, record);
    return bytes;
}

std::int16_t I16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

std::string TextAt(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t n) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + n));
}

// Every 16-bit option value with its offset in the data file.
const std::vector<std::pair<std::int16_t OptionsRecord::*, std::size_t>> kValueOffsets = {
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
    std::int16_t value = 0x0101;
    for (const auto& [field, offset] : kValueOffsets) {
        record.*field = value;
        value = static_cast<std::int16_t>(value + 0x0101);
    }
    for (std::size_t k = 0; k < kKeyFunctionCount; ++k) {
        record.KeyFunctions[k] = static_cast<std::int16_t>(0x0A00 + k);
    }
    record.WelcomeText = MakeFixedText<7>("Welcome");
    record.PowerOnPassword = MakeFixedText<6>("123456");
    return record;
}

TEST(OptionsRecordLayout, IsEightySevenBytes) {
    EXPECT_EQ(Bytes(OptionsRecord{}).size(), kOptionsRecordSize);
    EXPECT_EQ(kOptionsRecordSize, 87u);
}

TEST(OptionsRecordLayout, ValuesSitAtTheirOffsets) {
    const OptionsRecord record = Distinct();
    const auto bytes = Bytes(record);
    for (const auto& [field, offset] : kValueOffsets) {
        EXPECT_EQ(I16At(bytes, offset), record.*field) << "offset " << offset;
    }
}

TEST(OptionsRecordLayout, KeyAssignmentsFollowAtFortyEight) {
    const auto bytes = Bytes(Distinct());
    for (std::size_t k = 0; k < kKeyFunctionCount; ++k) {
        EXPECT_EQ(bytes[48 + 2 * k], k) << "key " << k;
        EXPECT_EQ(bytes[49 + 2 * k], 0x0A) << "key " << k;
    }
}

TEST(OptionsRecordLayout, TextsAtSeventyTwoAndEightyOne) {
    const auto bytes = Bytes(Distinct());
    EXPECT_EQ(TextAt(bytes, 72, 7), "Welcome");
    EXPECT_EQ(TextAt(bytes, 81, 6), "123456");
}

TEST(OptionsRecordLayout, ValuesAreLittleEndianSigned) {
    OptionsRecord record;
    record.StartChannel = 201;
    record.Reserved = -2;
    record.KeyFunctions[11] = 255;
    const auto bytes = Bytes(record);
    EXPECT_EQ(bytes[4], 0xC9);
    EXPECT_EQ(bytes[5], 0x00);
    EXPECT_EQ(bytes[46], 0xFE);
    EXPECT_EQ(bytes[47], 0xFF);
    EXPECT_EQ(bytes[70], 0xFF);
    EXPECT_EQ(bytes[71], 0x00);
}

TEST(OptionsRecordRead, RoundTripsEveryField) {
    const OptionsRecord original = Distinct();
    const auto bytes = Bytes(original);
    ByteReader in(bytes);
    OptionsRecord read;
    Read(in, read);
    EXPECT_EQ(read, original);
    EXPECT_EQ(in.Position(), kOptionsRecordSize);
}

TEST(OptionsRecordRead, TruncatedDataThrowsAndLeavesRecordAlone) {
    auto bytes = Bytes(Distinct());
    bytes.pop_back();
    ByteReader in(bytes);
    OptionsRecord record;
    SetDefaults(record);
    const OptionsRecord before = record;
    EXPECT_THROW(Read(in, record), TruncatedData);
    EXPECT_EQ(record, before);
}

TEST(OptionsRecordDefaults, NewImageBytes) {
    OptionsRecord record = Distinct();
    record.Reserved = 0x1234;
    SetDefaults(record);
    const auto bytes = Bytes(record);

    std::vector<std::uint8_t> expected(46, 0);
    expected.insert(expected.end(), {0x34, 0x12}); // the 24th value is kept
    const std::vector<std::uint8_t> keys = {0, 1, 2, 3, 4, 12, 6, 7, 8, 9, 10, 11};
    for (std::uint8_t key : keys) {
        expected.insert(expected.end(), {key, 0});
    }
    for (char c : std::string("Welcome")) {
        expected.push_back(static_cast<std::uint8_t>(c));
    }
    expected.insert(expected.end(), {0, 0});                       // password enable
    expected.insert(expected.end(), {0, ' ', ' ', ' ', ' ', ' '}); // empty password
    EXPECT_EQ(bytes, expected);
}

TEST(OptionsRecordDefaults, KeepOnlyTheReservedValue) {
    OptionsRecord record = Distinct();
    const std::int16_t reserved = record.Reserved;
    SetDefaults(record);
    EXPECT_EQ(record.Reserved, reserved);
    EXPECT_EQ(record.Option1702, 0);
    EXPECT_EQ(record.Option1715, 0);
    EXPECT_EQ(record.PowerOnPasswordEnable, 0);
    EXPECT_EQ(TextOf(record.WelcomeText), "Welcome");
    EXPECT_EQ(TextOf(record.PowerOnPassword), "");
}

} // namespace
} // namespace rp70
