// Ordering the communication book by call ID.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "editors/book_cells.h"
#include "model/book_order.h"

namespace rp70 {
namespace {

using namespace std::string_literals;

FixedText<5> Id(std::string_view stored) {
    return MakeFixedText<5>(stored);
}

// An ID as the book dialog stores it.
FixedText<5> TypedId(std::string_view typed) {
    return BookCellText<5>(typed);
}

Book EmptyBook() {
    Book book;
    SetDefaults(book);
    return book;
}

std::string IdText(const BookEntry& entry) {
    return TextOf(entry.BookId);
}

TEST(BookSortKeyTest, FillsWithBAfterTheFirstNul) {
    EXPECT_EQ(BookSortKey(TypedId("")), 0xBBBBBU);
    EXPECT_EQ(BookSortKey(TypedId("12")), 0x12BBBU);
    EXPECT_EQ(BookSortKey(TypedId("100")), 0x100BBU);
    EXPECT_EQ(BookSortKey(TypedId("20")), 0x20BBBU);
    EXPECT_EQ(BookSortKey(TypedId("12345")), 0x12345U);
    EXPECT_EQ(BookSortKey(TypedId("9999")), 0x9999BU);
}

TEST(BookSortKeyTest, SpacesCountAsA) {
    EXPECT_EQ(BookSortKey(Id("12")), 0x12AAAU); // stored without NUL: "12" and three spaces
    EXPECT_EQ(BookSortKey(Id("")), 0xAAAAAU);   // five spaces
    EXPECT_EQ(BookSortKey(Id(" 1 2")), 0xA1A2AU);
    EXPECT_EQ(BookSortKey(Id("1\0 "s)), 0x1BBBBU); // spaces behind the NUL are cut off
}

TEST(BookSortKeyTest, OtherCharactersStayAValidFiveDigitKey) {
    EXPECT_EQ(BookSortKey(Id("X")), 0xFAAAAU);
    EXPECT_EQ(BookSortKey(TypedId("X")), 0xFBBBBU);
    EXPECT_EQ(BookSortKey(Id("1-2")), 0x1F2AAU);
    EXPECT_EQ(BookSortKey(Id("\xC4\xFF\x7F\x01\x80")), 0xFFFFFU);
    EXPECT_EQ(BookSortKey(Id("Cafe")), 0xCAFEAU); // hexadecimal letters keep their value
    EXPECT_EQ(BookSortKey(Id("cAfE")), 0xCAFEAU);
    EXPECT_EQ(BookSortKey(Id("ZZZZZ")), 0xFFFFFU);
}

TEST(SortBookTest, OrdersByHexadecimalKeyWithEmptyIdsLast) {
    Book book = EmptyBook();
    book[0].BookId = TypedId("20");
    book[1].BookId = TypedId("100");
    book[2].BookId = TypedId("");
    book[3].BookId = TypedId("5");
    book[127].BookId = TypedId("99");
    SortBook(book);
    EXPECT_EQ(IdText(book[0]), "100"); // 100BB
    EXPECT_EQ(IdText(book[1]), "20");  // 20BBB
    EXPECT_EQ(IdText(book[2]), "5");   // 5BBBB
    EXPECT_EQ(IdText(book[3]), "99");  // 99BBB
    for (std::size_t i = 4; i < book.size(); ++i) {
        EXPECT_EQ(IdText(book[i]), "") << "entry " << i;
    }
}

TEST(SortBookTest, TwentyHundredAndEmptyEndAsHundredTwentyEmpty) {
    Book book = EmptyBook();
    for (BookEntry& entry : book) {
        entry.BookId = TypedId("");
    }
    book[0].BookId = TypedId("20");
    book[1].BookId = TypedId("100");
    SortBook(book);
    EXPECT_EQ(IdText(book[0]), "100");
    EXPECT_EQ(IdText(book[1]), "20");
    EXPECT_EQ(IdText(book[2]), "");
}

TEST(SortBookTest, NamesTravelWithTheirIds) {
    Book book = EmptyBook();
    book[0].BookId = TypedId("30");
    book[0].BookName = BookCellText<7>("THIRTY");
    book[1].BookId = TypedId("10");
    book[1].BookName = BookCellText<7>("TEN");
    const FixedText<5> storedThirty = book[0].BookId;
    SortBook(book);
    EXPECT_EQ(TextOf(book[0].BookName), "TEN");
    EXPECT_EQ(TextOf(book[1].BookName), "THIRTY");
    EXPECT_EQ(book[1].BookId, storedThirty); // the stored bytes, not only the text
}

TEST(SortBookTest, EqualKeysFollowTheExchangeSort) {
    // Position 0 first takes the smallest key: "3" swaps with "5"/A, putting A behind B.
    // Position 1 keeps B, as an equal key never swaps. A stable sort would give 3, A, B.
    Book book = EmptyBook();
    for (BookEntry& entry : book) {
        entry.BookId = TypedId("9");
    }
    book[0].BookId = TypedId("5");
    book[0].BookName = BookCellText<7>("A");
    book[1].BookId = TypedId("5");
    book[1].BookName = BookCellText<7>("B");
    book[2].BookId = TypedId("3");
    book[2].BookName = BookCellText<7>("C");
    SortBook(book);
    EXPECT_EQ(TextOf(book[0].BookName), "C");
    EXPECT_EQ(TextOf(book[1].BookName), "B");
    EXPECT_EQ(TextOf(book[2].BookName), "A");
}

TEST(SortBookTest, AnEmptyEntryCanJumpBehindOtherEmptyOnes) {
    // Empty entries E0, E1, E2, then "1", then empty ones: position 0 swaps E0 for "1", and as
    // equal keys never swap, E0 stays behind E1 and E2.
    Book book = EmptyBook();
    for (std::size_t i = 0; i < 3; ++i) {
        book[i].BookName = BookCellText<7>("E" + std::to_string(i));
    }
    book[3].BookId = TypedId("1");
    SortBook(book);
    EXPECT_EQ(IdText(book[0]), "1");
    EXPECT_EQ(TextOf(book[1].BookName), "E1");
    EXPECT_EQ(TextOf(book[2].BookName), "E2");
    EXPECT_EQ(TextOf(book[3].BookName), "E0");
    EXPECT_EQ(TextOf(book[4].BookName), "");
}

TEST(SortBookTest, IndexEqualsPositionAfterwards) {
    Book book = EmptyBook();
    for (std::size_t i = 0; i < book.size(); ++i) {
        book[i].BookIndex = static_cast<std::int16_t>(-1 - static_cast<int>(i));
        book[i].BookId = TypedId(std::to_string((i * 7919) % 1000));
    }
    SortBook(book);
    for (std::size_t i = 0; i < book.size(); ++i) {
        EXPECT_EQ(book[i].BookIndex, static_cast<std::int16_t>(i)) << "entry " << i;
        if (i > 0) {
            EXPECT_LE(BookSortKey(book[i - 1].BookId), BookSortKey(book[i].BookId));
        }
    }
}

} // namespace
} // namespace rp70
