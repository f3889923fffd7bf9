// The book dialog's cell rules.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editors/book_cells.h"

namespace rp70 {
namespace {

using namespace std::string_literals;

TEST(BookCellTextTest, ShortTextIsFollowedByANul) {
    EXPECT_EQ(BookCellText<5>("12"), (FixedText<5>{'1', '2', '\0', ' ', ' '}));
    EXPECT_EQ(BookCellText<7>("BOB"), (FixedText<7>{'B', 'O', 'B', '\0', ' ', ' ', ' '}));
    EXPECT_EQ(BookCellText<5>("1234"), (FixedText<5>{'1', '2', '3', '4', '\0'}));
}

TEST(BookCellTextTest, FullWidthIsStoredExactly) {
    EXPECT_EQ(BookCellText<5>("12345"), (FixedText<5>{'1', '2', '3', '4', '5'}));
    EXPECT_EQ(BookCellText<7>("ABC 123"), (FixedText<7>{'A', 'B', 'C', ' ', '1', '2', '3'}));
}

TEST(BookCellTextTest, EmptyBecomesASingleNul) {
    EXPECT_EQ(BookCellText<5>(""), (FixedText<5>{'\0', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(BookCellText<5>("   "), (FixedText<5>{'\0', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(BookCellText<7>(""), EmptyFixedText<7>());
}

TEST(BookCellTextTest, TakesTheTextOfWhatWasTyped) {
    EXPECT_EQ(BookCellText<5>("12  "), (FixedText<5>{'1', '2', '\0', ' ', ' '}));
    EXPECT_EQ(BookCellText<7>(" A B "), (FixedText<7>{' ', 'A', ' ', 'B', '\0', ' ', ' '}));
    EXPECT_EQ(BookCellText<5>("1234567"), (FixedText<5>{'1', '2', '3', '4', '5'}));
}

TEST(BookCellKeyTest, IdTakesDigitsOnly) {
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_EQ(BookIdKey(c), c);
    }
    for (char c : " aA-\\~\x7f"s) {
        EXPECT_EQ(BookIdKey(c), std::nullopt) << "character " << static_cast<int>(c);
    }
    EXPECT_EQ(BookIdKey(static_cast<char>(0xB2)), std::nullopt);
}

TEST(BookCellKeyTest, NameTakesUpperCaseLettersDigitsAndSpace) {
    EXPECT_EQ(BookNameKey('a'), 'A');
    EXPECT_EQ(BookNameKey('z'), 'Z');
    EXPECT_EQ(BookNameKey('Q'), 'Q');
    EXPECT_EQ(BookNameKey('7'), '7');
    EXPECT_EQ(BookNameKey(' '), ' ');
    for (char c : "-\\~\x7f.!@_"s) {
        EXPECT_EQ(BookNameKey(c), std::nullopt) << "character " << static_cast<int>(c);
    }
    EXPECT_EQ(BookNameKey(static_cast<char>(0xE9)), std::nullopt);
}

} // namespace
} // namespace rp70
