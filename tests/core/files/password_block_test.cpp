// The password block of a data file and the file password's character rules.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "files/password_block.h"
#include "model/fixed_text.h"

namespace rp70 {
namespace {

using namespace std::string_literals;

std::string PaddedToTen(const std::string& password) {
    return password + std::string(10 - password.size(), ' ');
}

// Worked by hand from the bit rule, not by the encoder. Text bit j of byte k goes, inverted, to
// block bit 127 - 16j - k. So block byte 15 - 2j holds bit j of text bytes 0 … 7 (byte 0 in the
// most significant bit) and block byte 14 - 2j bit j of text bytes 8 … 15, both inverted.
//
// The empty password is the text "          MWTHBL". Text bytes 0 … 7 are spaces (20h, only
// bit 5 set): every odd block byte is FF except byte 5 (j = 5), which is 00. Text bytes 8 … 15
// are 20 20 4D 57 54 48 42 4C; their bit j, byte 8 first, inverted:
//   j=0: 00110000 -> CF (byte 14)    j=4: 00011000 -> E7 (byte 6)
//   j=1: 00010010 -> ED (byte 12)    j=5: 11000000 -> 3F (byte 4)
//   j=2: 00111001 -> C6 (byte 10)    j=6: 00111111 -> C0 (byte 2)
//   j=3: 00100101 -> DA (byte 8)     j=7: 00000000 -> FF (byte 0)
const PasswordBlock kEmptyPasswordBlock = {0xFF, 0xFF, 0xC0, 0xFF, 0x3F, 0x00, 0xE7, 0xFF,
                                           0xDA, 0xFF, 0xC6, 0xFF, 0xED, 0xFF, 0xCF, 0xFF};

// "1234" changes only text bytes 0 … 3 (31 32 33 34) and so only the odd block bytes. Bit j of
// text bytes 0 … 7 ("1234" and four spaces), inverted:
//   j=0: 10100000 -> 5F (byte 15)    j=4: 11110000 -> 0F (byte 7)
//   j=1: 01100000 -> 9F (byte 13)    j=5: 11111111 -> 00 (byte 5)
//   j=2: 00010000 -> EF (byte 11)    j=6: 00000000 -> FF (byte 3)
//   j=3: 00000000 -> FF (byte 9)     j=7: 00000000 -> FF (byte 1)
const PasswordBlock kBlockOf1234 = {0xFF, 0xFF, 0xC0, 0xFF, 0x3F, 0x00, 0xE7, 0x0F,
                                    0xDA, 0xFF, 0xC6, 0xEF, 0xED, 0x9F, 0xCF, 0x5F};

TEST(PasswordBlockEncodingTest, MatchesHandComputedBlocks) {
    EXPECT_EQ(EncodePasswordBlock(""), kEmptyPasswordBlock);
    EXPECT_EQ(EncodePasswordBlock("1234"), kBlockOf1234);
}

TEST(PasswordBlockEncodingTest, HandComputedBlocksDecode) {
    EXPECT_EQ(DecodePasswordBlock(kEmptyPasswordBlock), PaddedToTen(""));
    EXPECT_EQ(DecodePasswordBlock(kBlockOf1234), PaddedToTen("1234"));
}

TEST(PasswordBlockEncodingTest, TrailingSpacesDoNotChangeTheBlock) {
    EXPECT_EQ(EncodePasswordBlock("AB12   "), EncodePasswordBlock("AB12"));
    EXPECT_EQ(EncodePasswordBlock("          "), EncodePasswordBlock(""));
    EXPECT_EQ(EncodePasswordBlock("1234      "), kBlockOf1234);
}

TEST(PasswordBlockEncodingTest, TakesTheTextUpToANulAndAtMostTenCharacters) {
    EXPECT_EQ(EncodePasswordBlock("1234\0XYZ"s), kBlockOf1234);
    EXPECT_EQ(EncodePasswordBlock("0123456789ABC"), EncodePasswordBlock("0123456789"));
    EXPECT_EQ(DecodePasswordBlock(EncodePasswordBlock("0123456789ABC")), "0123456789");
}

TEST(PasswordBlockRoundTripTest, EveryPermittedLengthComesBackPaddedToTen) {
    const std::string characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t length = 0; length <= kMaxFilePasswordLength; ++length) {
        for (std::size_t start = 0; start + length <= characters.size(); start += 3) {
            const std::string password = characters.substr(start, length);
            const std::string decoded = DecodePasswordBlock(EncodePasswordBlock(password));
            EXPECT_EQ(decoded, PaddedToTen(password)) << "password \"" << password << "\"";
            EXPECT_EQ(TextOf(decoded), password);
        }
    }
}

TEST(PasswordBlockDecodingTest, AllZeroBlockIsNotAPasswordBlock) {
    const PasswordBlock zeros{};
    const auto bytes = DecodePasswordBlockBytes(zeros);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        EXPECT_EQ(bytes[i], 0xFF) << "byte " << i;
    }
    EXPECT_EQ(DecodePasswordBlock(zeros), "");
}

TEST(PasswordBlockDecodingTest, MarkerMustMatchExactly) {
    PasswordBlock allOnes;
    allOnes.fill(0xFF); // decodes to sixteen NUL bytes
    EXPECT_EQ(DecodePasswordBlock(allOnes), "");
}

int BitsDifferent(const std::array<std::uint8_t, kPasswordBlockSize>& a,
                  const std::array<std::uint8_t, kPasswordBlockSize>& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (unsigned x = static_cast<unsigned>(a[i] ^ b[i]); x != 0; x &= x - 1) {
            ++count;
        }
    }
    return count;
}

TEST(PasswordBlockDecodingTest, EverySingleBitChangeChangesOneTextBit) {
    const PasswordBlock valid = EncodePasswordBlock("K7Q2");
    const auto original = DecodePasswordBlockBytes(valid);
    for (std::size_t n = 0; n < 128; ++n) {
        PasswordBlock changed = valid;
        changed[n / 8] = static_cast<std::uint8_t>(changed[n / 8] ^ (1U << (n % 8)));
        const auto bytes = DecodePasswordBlockBytes(changed);
        EXPECT_EQ(BitsDifferent(bytes, original), 1) << "block bit " << n;

        // The text byte that changed: bit n is bit j of text byte k with n = 127 - 16j - k.
        const std::size_t textByte = (127 - n) % 16;
        EXPECT_NE(bytes[textByte], original[textByte]) << "block bit " << n;
        const std::string decoded = DecodePasswordBlock(changed);
        if (textByte >= kMaxFilePasswordLength) {
            EXPECT_EQ(decoded, "") << "block bit " << n << " lies in the marker";
        } else {
            ASSERT_EQ(decoded.size(), kMaxFilePasswordLength) << "block bit " << n;
            EXPECT_EQ(decoded, std::string(bytes.begin(), bytes.begin() + 10));
        }
    }
}

TEST(FilePasswordKeyTest, LowerCaseBecomesUpperCase) {
    EXPECT_EQ(FilePasswordKey('a'), 'A');
    EXPECT_EQ(FilePasswordKey('m'), 'M');
    EXPECT_EQ(FilePasswordKey('z'), 'Z');
}

TEST(FilePasswordKeyTest, TakesDigitsAndUpperCaseLetters) {
    EXPECT_EQ(FilePasswordKey('0'), '0');
    EXPECT_EQ(FilePasswordKey('9'), '9');
    EXPECT_EQ(FilePasswordKey('A'), 'A');
    EXPECT_EQ(FilePasswordKey('Z'), 'Z');
}

TEST(FilePasswordKeyTest, RejectsEverythingElse) {
    for (char c : "-_ !/:@[`{~\x7f"s) {
        EXPECT_EQ(FilePasswordKey(c), std::nullopt) << "character " << static_cast<int>(c);
    }
    EXPECT_EQ(FilePasswordKey(static_cast<char>(0xC4)), std::nullopt);
    EXPECT_EQ(FilePasswordKey(static_cast<char>(0x80)), std::nullopt);
    EXPECT_EQ(FilePasswordKey('\0'), std::nullopt);
}

TEST(IsValidFilePasswordTest, AcceptsUpToTenDigitsAndUpperCaseLetters) {
    EXPECT_TRUE(IsValidFilePassword(""));
    EXPECT_TRUE(IsValidFilePassword("0123456789"));
    EXPECT_TRUE(IsValidFilePassword("AZ09"));
    EXPECT_FALSE(IsValidFilePassword("0123456789A"));
    EXPECT_FALSE(IsValidFilePassword("ab"));
    EXPECT_FALSE(IsValidFilePassword("A B"));
    EXPECT_FALSE(IsValidFilePassword("A-B"));
    EXPECT_FALSE(IsValidFilePassword("A\0"s));
}

} // namespace
} // namespace rp70
