// Where the factory test values lie in the radio: blocks 0000 and 0160.

#include "memory/test_blocks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace rp70 {
namespace {

TestValues Counting(int first) {
    TestValues values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<std::int16_t>(first + static_cast<int>(i));
    }
    return values;
}

TEST(TestBlocksWrite, Block0HoldsValues0To15OneByteEach) {
    TestValues values = Counting(0x40);
    values[3] = 0xFF;
    const TestBlock expected = {0x40, 0x41, 0x42, 0xFF, 0x44, 0x45, 0x46, 0x47,
                                0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F};
    EXPECT_EQ(TestBlock0(values), expected);
}

TEST(TestBlocksWrite, Block160PutsWordValuesLowByteFirst) {
    TestValues values{};
    values[16] = 5;
    values[17] = 0x42;
    values[18] = 0x123;
    values[19] = 0x7FFF;
    values[20] = 0x80;
    for (std::size_t i = 21; i <= 28; ++i) {
        values[i] = static_cast<std::int16_t>(0xA0 + i);
    }
    values[29] = 0x11;
    values[31] = 0x33;
    const TestBlock expected = {0x05, 0x42, 0x23, 0x01, 0xFF, 0x7F, 0x80, 0x00,
                                0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC};
    EXPECT_EQ(TestBlock160(values), expected);
}

TEST(TestBlocksRead, Block0GivesValues0To15AsUnsignedBytes) {
    TestValues values = Counting(1000);
    const TestBlock data = {0x00, 0xFF, 0x80, 0x03, 0x04, 0x05, 0x06, 0x07,
                            0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x7F};
    StoreReadTestBlock(kTestBlock0Address, data, values);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(values[i], data[i]) << i;
    }
    EXPECT_EQ(values[1], 255);
    for (std::size_t i = 16; i < values.size(); ++i) {
        EXPECT_EQ(values[i], 1000 + static_cast<int>(i)) << i;
    }
}

TEST(TestBlocksRead, Block160GivesValues16To28AndClears29To31) {
    TestValues values = Counting(1000);
    const TestBlock data = {0x05, 0x42, 0x34, 0x12, 0x00, 0x7F, 0x34, 0x92,
                            0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0xFF};
    StoreReadTestBlock(kTestBlock160Address, data, values);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(values[i], 1000 + static_cast<int>(i)) << i;
    }
    EXPECT_EQ(values[16], 0x05);
    EXPECT_EQ(values[17], 0x42);
    EXPECT_EQ(values[18], 0x1234);
    EXPECT_EQ(values[19], 0x7F00);
    EXPECT_EQ(values[20], 0x34); // a high byte of 80 or more is not added
    const std::vector<int> tail(values.begin() + 21, values.begin() + 29);
    EXPECT_EQ(tail, (std::vector<int>{0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0xFF}));
    EXPECT_EQ(values[29], 0);
    EXPECT_EQ(values[30], 0);
    EXPECT_EQ(values[31], 0);
}

TEST(TestBlocksRead, HighByteRuleAppliesToEachWordValue) {
    for (std::size_t offset : {2U, 4U, 6U}) {
        TestBlock data{};
        data[offset] = 0x34;
        data[offset + 1] = 0x92;
        TestValues values{};
        StoreReadTestBlock(kTestBlock160Address, data, values);
        EXPECT_EQ(values[18 + (offset - 2) / 2], 0x34) << offset;
        data[offset + 1] = 0x12;
        StoreReadTestBlock(kTestBlock160Address, data, values);
        EXPECT_EQ(values[18 + (offset - 2) / 2], 0x1234) << offset;
    }
}

TEST(TestBlocksRead, OtherAddressesChangeNothing) {
    TestBlock data{};
    data.fill(0x55);
    const TestValues before = Counting(7);
    for (int address : {0x0010, 0x0040, 0x0150, 0x0170, -16}) {
        TestValues values = before;
        StoreReadTestBlock(address, data, values);
        EXPECT_EQ(values, before) << address;
    }
}

TEST(TestBlocksRead, WrittenBlocksReadBackTheValuesThatFit) {
    TestValues values{};
    for (std::size_t i = 0; i <= 28; ++i) {
        values[i] = static_cast<std::int16_t>(i * 9);
    }
    values[18] = 0x7FFF;
    values[19] = 0x0100;
    values[20] = 0x00FF;
    TestValues read = Counting(-50);
    StoreReadTestBlock(kTestBlock0Address, TestBlock0(values), read);
    StoreReadTestBlock(kTestBlock160Address, TestBlock160(values), read);
    EXPECT_EQ(read, values);
}

TEST(TestBlocksWriteRefresh, TakesOnlyTheRadiosOwnValues) {
    TestValues values = Counting(100);
    TestBlock data{};
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(0xE0 + i);
    }
    StoreWriteTestBlock0(data, values);
    TestValues expected = Counting(100);
    expected[0] = 0xE0;
    expected[1] = 0xE1;
    expected[14] = 0xEE; // SYS_BAND comes from the radio, whatever the person set
    expected[15] = 0xEF;
    EXPECT_EQ(values, expected);
}

TEST(TestBlocksSendable, UserIndicesAreTwoToThirteenAndSixteenToTwentyEight) {
    const std::span<const int> indices = UserTestValueIndices();
    EXPECT_EQ(std::vector<int>(indices.begin(), indices.end()),
              (std::vector<int>{2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 16,
                                17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28}));
}

TEST(TestBlocksSendable, ByteValuesMustLieIn0To255) {
    TestValues values{};
    values[2] = 255;
    values[28] = 255;
    EXPECT_EQ(FirstUnsendableTestValue(values, UserTestValueIndices()), std::nullopt);
    values[13] = 256;
    EXPECT_EQ(FirstUnsendableTestValue(values, UserTestValueIndices()), 13);
    values[13] = 0;
    values[17] = -1;
    EXPECT_EQ(FirstUnsendableTestValue(values, UserTestValueIndices()), 17);
}

TEST(TestBlocksSendable, WordValuesMustLieIn0To7FFF) {
    TestValues values{};
    values[18] = 0x7FFF;
    values[19] = 0x100;
    values[20] = 0;
    EXPECT_EQ(FirstUnsendableTestValue(values, UserTestValueIndices()), std::nullopt);
    values[20] = -1;
    EXPECT_EQ(FirstUnsendableTestValue(values, UserTestValueIndices()), 20);
}

TEST(TestBlocksSendable, LooksOnlyAtTheGivenIndicesInTheirOrder) {
    TestValues values{};
    values[0] = 300; // the radio's own value, never sent from here
    values[29] = -5; // has no place in the radio
    values[4] = 999;
    values[22] = 999;
    EXPECT_EQ(FirstUnsendableTestValue(values, UserTestValueIndices()), 4);
    const std::array<int, 3> reversed = {22, 4, 0};
    EXPECT_EQ(FirstUnsendableTestValue(values, reversed), 22);
    const std::array<int, 4> outside = {-1, 29, 32, 1000};
    EXPECT_EQ(FirstUnsendableTestValue(values, outside), std::nullopt);
}

} // namespace
} // namespace rp70
