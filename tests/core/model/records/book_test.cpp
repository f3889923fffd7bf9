#include "model/records/book.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/record_bytes.h"

namespace rp70 {
namespace {

using test::BytesOf;
using test::TextAt;

Book Distinct() {
    Book book;
    for (std::size_t i = 0; i < book.size(); ++i) {
        book[i].BookIndex = static_cast<std::int16_t>(i + 0x100);
        book[i].BookId = MakeFixedText<5>(std::to_string(10000 + i));
        book[i].BookName = MakeFixedText<7>("N" + std::to_string(i));
    }
    return book;
}

TEST(BookLayout, EntryIsIndexThenIdThenName) {
    BookEntry entry;
    entry.BookIndex = 0x0203;
    entry.BookId = MakeFixedText<5>("123");
    entry.BookId[3] = '\0';
    entry.BookName = MakeFixedText<7>("BOB");
    EXPECT_EQ(BytesOf(entry),
              test::Concat({{0x03, 0x02, '1', '2', '3', 0, ' '}, test::Padded("BOB", 7)}));
    EXPECT_EQ(kBookEntrySize, 14u);
}

TEST(BookLayout, EntriesFollowEachOtherInIndexOrder) {
    const auto bytes = BytesOf(Distinct());
    ASSERT_EQ(bytes.size(), kBookSize);
    EXPECT_EQ(kBookSize, 1792u);
    for (std::size_t i = 0; i < kBookEntryCount; ++i) {
        const std::size_t at = kBookEntrySize * i;
        EXPECT_EQ(bytes[at], i & 0xFF) << "entry " << i;
        EXPECT_EQ(bytes[at + 1], 0x01) << "entry " << i;
        EXPECT_EQ(TextAt(bytes, at + 2, 5), std::to_string(10000 + i));
        EXPECT_EQ(bytes[at + 7], 'N') << "entry " << i;
    }
}

TEST(BookRead, RoundTripsEveryEntry) {
    test::ExpectReadBackStopsAtItsEnd(Distinct());
    test::ExpectReadBackStopsAtItsEnd(Distinct()[5]);
    test::ExpectAnyStoredBytesWrittenBackUnchanged<Book>();
}

TEST(BookRead, TruncatedDataThrowsAndLeavesBookAlone) {
    test::ExpectShortDataThrowsAndLeavesRecordAlone(Distinct(), test::WithDefaults(Book{}));
    test::ExpectShortDataThrowsAndLeavesRecordAlone(Distinct()[5], BookEntry{});
}

TEST(BookDefaults, OverwriteEveryEntryWhateverWasThere) {
    EXPECT_EQ(test::WithDefaults(Distinct()), test::WithDefaults(Book{}));
}

} // namespace
} // namespace rp70
