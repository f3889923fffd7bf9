// The radio password in the block at 0040.

#include "link/radio_password.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace rp70 {
namespace {

using Block = std::array<std::uint8_t, kFrameDataLength>;

// A block at 0040 whose bytes 0 … 11 hold other data and bytes 12 … 15 (004C … 004F) `password`.
Block PasswordArea(std::array<std::uint8_t, 4> password) {
    Block data{};
    for (std::size_t i = 0; i < 12; ++i) {
        data[i] = static_cast<std::uint8_t>('a' + i);
    }
    for (std::size_t i = 0; i < password.size(); ++i) {
        data[12 + i] = password[i];
    }
    return data;
}

TEST(RadioPassword, BlankAreaMeansNoPassword) {
    Block zeros{};
    Block ones{};
    ones.fill(0xFF);
    EXPECT_EQ(RadioPasswordOf(zeros), "");
    EXPECT_EQ(RadioPasswordOf(ones), "");
    EXPECT_TRUE(PasswordMatches(zeros, ""));
    EXPECT_TRUE(PasswordMatches(ones, ""));
    EXPECT_FALSE(PasswordMatches(ones, "1234"));
}

TEST(RadioPassword, TakesOnlyBytes12To15) {
    const Block data = PasswordArea({'P', 'A', 'S', 'S'});
    EXPECT_EQ(RadioPasswordOf(data), "PASS");
    EXPECT_TRUE(PasswordMatches(data, "PASS"));
    EXPECT_EQ(RadioPasswordOf(PasswordArea({0x00, 0x00, 0x00, 0x00})), "");
}

TEST(RadioPassword, EndsBeforeFirstNulOrFF) {
    EXPECT_EQ(RadioPasswordOf(PasswordArea({'1', '2', 0x00, '4'})), "12");
    EXPECT_EQ(RadioPasswordOf(PasswordArea({'1', 0xFF, '3', '4'})), "1");
    EXPECT_EQ(RadioPasswordOf(PasswordArea({0xFF, '2', '3', '4'})), "");
    const Block shortPassword = PasswordArea({'7', '7', '7', 0xFF});
    EXPECT_TRUE(PasswordMatches(shortPassword, "777"));
    EXPECT_FALSE(PasswordMatches(shortPassword, "7777"));
}

TEST(RadioPassword, TrailingSpacesAreDropped) {
    EXPECT_EQ(RadioPasswordOf(PasswordArea({'A', 'B', ' ', ' '})), "AB");
    EXPECT_EQ(RadioPasswordOf(PasswordArea({' ', 'B', ' ', 0x00})), " B");
}

TEST(RadioPassword, ComparisonIsCaseSensitive) {
    const Block data = PasswordArea({'A', 'b', 'C', 'd'});
    EXPECT_TRUE(PasswordMatches(data, "AbCd"));
    EXPECT_FALSE(PasswordMatches(data, "abcd"));
    EXPECT_FALSE(PasswordMatches(data, "ABCD"));
    EXPECT_FALSE(PasswordMatches(data, ""));
}

} // namespace
} // namespace rp70
