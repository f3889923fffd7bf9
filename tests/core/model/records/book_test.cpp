#include "model/records/book.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rp70 {
namespace {

template <typename Value> std::vector<std::uint8_t> Bytes(const Value& value) {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    Write(out, value);
    return bytes;
}

std::vector<std::uint8_t> Chars(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

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
    const auto bytes = Bytes(entry);
    std::vector<std::uint8_t> expected = {0x03, 0x02, '1', '2', '3', 0, ' '};
    const auto name = Chars("BOB    ");
    expected.insert(expected.end(), name.begin(), name.end());
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.size(), kBookEntrySize);
}

TEST(BookLayout, EntriesFollowEachOtherInIndexOrder) {
    const Book book = Distinct();
    const auto bytes = Bytes(book);
    ASSERT_EQ(bytes.size(), kBookSize);
    EXPECT_EQ(kBookSize, 1792u);
    for (std::size_t i = 0; i < book.size(); ++i) {
        const std::size_t at = kBookEntrySize * i;
        EXPECT_EQ(bytes[at], i & 0xFF) << "entry " << i;
        EXPECT_EQ(bytes[at + 1], 0x01) << "entry " << i;
        EXPECT_EQ(std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at + 2),
                              bytes.begin() + static_cast<std::ptrdiff_t>(at + 7)),
                  std::to_string(10000 + i));
        EXPECT_EQ(bytes[at + 7], 'N') << "entry " << i;
    }
}

TEST(BookRead, RoundTripsEveryEntry) {
    const Book original = Distinct();
    const auto bytes = Bytes(original);
    ByteReader in(bytes);
    Book read{};
    Read(in, read);
    EXPECT_EQ(read, original);
    EXPECT_EQ(in.Position(), kBookSize);
}

TEST(BookRead, TruncatedDataThrowsAndLeavesBookAlone) {
    auto bytes = Bytes(Distinct());
    bytes.pop_back();
    ByteReader in(bytes);
    Book book;
    SetDefaults(book);
    const Book before = book;
    EXPECT_THROW(Read(in, book), TruncatedData);
    EXPECT_EQ(book, before);

    const std::vector<std::uint8_t> short_entry(13, '1');
    ByteReader entry_in(short_entry);
    BookEntry entry;
    EXPECT_THROW(Read(entry_in, entry), TruncatedData);
}

TEST(BookDefaults, EntryIHasIndexIAndEmptyTexts) {
    Book book = Distinct();
    SetDefaults(book);
    const auto bytes = Bytes(book);
    ASSERT_EQ(bytes.size(), kBookSize);
    for (std::size_t i = 0; i < kBookEntryCount; ++i) {
        const std::vector<std::uint8_t> expected = {static_cast<std::uint8_t>(i),
                                                    0,
                                                    0,
                                                    ' ',
                                                    ' ',
                                                    ' ',
                                                    ' ',
                                                    0,
                                                    ' ',
                                                    ' ',
                                                    ' ',
                                                    ' ',
                                                    ' ',
                                                    ' '};
        const std::vector<std::uint8_t> actual(
            bytes.begin() + static_cast<std::ptrdiff_t>(kBookEntrySize * i),
            bytes.begin() + static_cast<std::ptrdiff_t>(kBookEntrySize * (i + 1)));
        EXPECT_EQ(actual, expected) << "entry " << i;
        EXPECT_EQ(TextOf(book[i].BookId), "");
        EXPECT_EQ(TextOf(book[i].BookName), "");
    }
}

} // namespace
} // namespace rp70
