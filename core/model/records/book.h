#pragma once
// The communication book: 128 call partners, each with a numeric ID and a short name.

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"
#include "model/fixed_text.h"

namespace rp70 {

/// Number of entries in the book.
inline constexpr std::size_t kBookEntryCount = 128;

/// Size of one BookEntry in the data file and the book file.
inline constexpr std::size_t kBookEntrySize = 14;

/// Size of the whole Book: the entries in index order, without gaps.
inline constexpr std::size_t kBookSize = kBookEntryCount * kBookEntrySize;

/// Width of the call ID.
inline constexpr std::size_t kBookIdWidth = 5;

/// Width of the name.
inline constexpr std::size_t kBookNameWidth = 7;

/// One call partner, in stored order.
struct BookEntry {
    /// Position of the entry; equals its array index after every sort.
    std::int16_t BookIndex = 0;
    /// Call ID, decimal digits.
    FixedText<kBookIdWidth> BookId{};
    /// Name: "A" … "Z", "0" … "9" and space.
    FixedText<kBookNameWidth> BookName{};

    bool operator==(const BookEntry&) const = default;
};

/// The book, entries 0 … 127.
using Book = std::array<BookEntry, kBookEntryCount>;

/// Appends the 14-byte stored form of `entry`.
void Write(ByteWriter& out, const BookEntry& entry);

/// Reads the 14-byte stored form; throws TruncatedData and leaves `entry` unchanged when the
/// data ends early.
void Read(ByteReader& in, BookEntry& entry);

/// Appends the 1792-byte stored form of `book`, entries in index order.
void Write(ByteWriter& out, const Book& book);

/// Reads the 1792-byte stored form; throws TruncatedData and leaves `book` unchanged when the
/// data ends early.
void Read(ByteReader& in, Book& book);

/// Sets the book of a new image: entry i has index i and an empty ID and name.
void SetDefaults(Book& book);

} // namespace rp70
