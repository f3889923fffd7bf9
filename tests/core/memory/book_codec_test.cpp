// The communication book in the radio memory: IDs at 1980, names at 1C00.

#include "memory/book_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "editors/book_cells.h"
#include "support/memory_bytes.h"
#include "support/recording_interaction.h"
#include "support/recording_marks.h"

namespace rp70 {
namespace {

using namespace std::string_literals;
using test::Bytes;
using Mark = test::RecordingMarks::Mark;

class BookCodecTest : public ::testing::Test {
protected:
    BookCodecTest() {
        ResetImage(image, {}, nullptr);
        ClearRadioMemory(memory);
    }

    Book& TheBook() { return image.Record.Book; }

    void SetEntry(std::size_t i, std::string_view id, std::string_view name) {
        TheBook()[i].BookId = BookCellText<5>(id);
        TheBook()[i].BookName = BookCellText<7>(name);
    }

    bool Encode() { return SetCommDataByDTMFCommuBook(image, EncodeTarget{memory, marks, ui}); }

    Bytes At(std::size_t address, std::size_t length) const {
        return Bytes(memory.begin() + static_cast<std::ptrdiff_t>(address),
                     memory.begin() + static_cast<std::ptrdiff_t>(address + length));
    }

    void Put(std::size_t address, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(),
                  memory.begin() + static_cast<std::ptrdiff_t>(address));
    }

    RadioImage image;
    RadioMemory memory{};
    test::RecordingMarks marks;
    test::RecordingInteraction ui;
};

// ---- Encoding ------------------------------------------------------------------------------

TEST_F(BookCodecTest, IdAndNameBytes) {
    SetEntry(0, "123", "BOB");
    memory[0x1C07] = 0x5A;
    ASSERT_TRUE(Encode());
    EXPECT_EQ(At(0x1980, 5), (Bytes{0x31, 0x32, 0x33, 0x00, 0x00}));
    EXPECT_EQ(At(0x1C00, 8), (Bytes{0x42, 0x4F, 0x42, 0x00, 0x00, 0x00, 0x00, 0x5A}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(BookCodecTest, FullWidthIdAndName) {
    SetEntry(0, "12345", "ABC 123");
    ASSERT_TRUE(Encode());
    EXPECT_EQ(At(0x1980, 5), (Bytes{0x31, 0x32, 0x33, 0x34, 0x35}));
    EXPECT_EQ(At(0x1C00, 7), (Bytes{0x41, 0x42, 0x43, 0x20, 0x31, 0x32, 0x33}));
}

TEST_F(BookCodecTest, IdThatIsNotANumberIsSentAsZeros) {
    SetEntry(0, "12A", "X");
    TheBook()[1].BookId = MakeFixedText<5>("1 2"); // a space inside
    Put(0x1980, Bytes(10, 0xEE));
    ASSERT_TRUE(Encode());
    // Sorted: "12A" (key 12ABB) before "1 2" (key 1A2AA).
    EXPECT_EQ(TextOf(TheBook()[0].BookId), "12A");
    EXPECT_EQ(At(0x1980, 10), Bytes(10, 0x00));
    EXPECT_EQ(At(0x1C00, 7), (Bytes{0x58, 0, 0, 0, 0, 0, 0}));
}

TEST_F(BookCodecTest, EmptyEntriesOverwriteTheWholeArea) {
    Put(0x1980, Bytes(0x1C00 - 0x1980, 0xEE));
    for (std::size_t i = 0; i < kBookEntryCount; ++i) {
        Put(0x1C00 + 8 * i, Bytes(7, 0xEE));
    }
    ASSERT_TRUE(Encode());
    EXPECT_EQ(At(0x1980, 0x1C00 - 0x1980), Bytes(0x1C00 - 0x1980, 0x00));
    for (std::size_t i = 0; i < kBookEntryCount; ++i) {
        EXPECT_EQ(At(0x1C00 + 8 * i, 7), Bytes(7, 0x00)) << i;
    }
}

TEST_F(BookCodecTest, EveryEntryIsMarked) {
    SetEntry(3, "7", "SEVEN");
    ASSERT_TRUE(Encode());
    ASSERT_EQ(marks.marks.size(), 2 * kBookEntryCount);
    for (int i = 0; i < static_cast<int>(kBookEntryCount); ++i) {
        EXPECT_EQ(marks.marks[static_cast<std::size_t>(2 * i)],
                  (Mark{RecordKind::CommunicationBook, 0x1980 + 5 * i, 5}));
        EXPECT_EQ(marks.marks[static_cast<std::size_t>(2 * i + 1)],
                  (Mark{RecordKind::CommunicationBook, 0x1C00 + 8 * i, 8}));
    }
    const std::set<int> blocks = marks.Blocks();
    EXPECT_EQ(blocks.size(), (0x2000 - 0x1980) / 16U);
    EXPECT_EQ(*blocks.begin(), 0x198);
    EXPECT_EQ(*blocks.rbegin(), 0x1FF);
}

TEST_F(BookCodecTest, TheImageBookIsSortedBeforeEncoding) {
    SetEntry(0, "", "");
    SetEntry(1, "20", "TWENTY");
    SetEntry(5, "100", "HUNDRED");
    ASSERT_TRUE(Encode());

    EXPECT_EQ(TextOf(TheBook()[0].BookId), "100");
    EXPECT_EQ(TextOf(TheBook()[1].BookId), "20");
    EXPECT_EQ(TextOf(TheBook()[2].BookId), "");
    for (std::size_t i = 0; i < kBookEntryCount; ++i) {
        EXPECT_EQ(TheBook()[i].BookIndex, static_cast<std::int16_t>(i));
    }
    EXPECT_EQ(At(0x1980, 10), (Bytes{0x31, 0x30, 0x30, 0, 0, 0x32, 0x30, 0, 0, 0}));
    EXPECT_EQ(At(0x1C00, 7), (Bytes{'H', 'U', 'N', 'D', 'R', 'E', 'D'}));
    EXPECT_EQ(At(0x1C08, 7), (Bytes{'T', 'W', 'E', 'N', 'T', 'Y', 0}));
}

// ---- Decoding ------------------------------------------------------------------------------

TEST_F(BookCodecTest, IdThatIsNotANumberReadsBackEmpty) {
    SetEntry(0, "12A", "BOB");
    ASSERT_TRUE(Encode());
    GetCommDataByBook(image, memory);
    EXPECT_EQ(TextOf(TheBook()[0].BookId), "");
    EXPECT_EQ(TextOf(TheBook()[0].BookName), "BOB");
}

TEST_F(BookCodecTest, IdStopsAtTheFirstByteThatIsNotADigit) {
    Put(0x1980, {0x31, 0x32, 0x41, 0x33, 0x34});
    Put(0x1985, {0x39, 0xFF, 0x31, 0x31, 0x31});
    Put(0x198A, {0x20, 0x31, 0x31, 0x31, 0x31});
    GetCommDataByBook(image, memory);
    EXPECT_EQ(TheBook()[0].BookId, MakeFixedText<5>("12\0"s));
    EXPECT_EQ(TheBook()[1].BookId, MakeFixedText<5>("9\0"s));
    EXPECT_EQ(TheBook()[2].BookId, MakeFixedText<5>("\0"s));
}

TEST_F(BookCodecTest, NameStopsAtFFAndIsCutAtTheFirstNul) {
    Put(0x1C00, {'A', 'B', 0xFF, 'C', 'D', 'E', 'F', 'G'});
    Put(0x1C08, {'A', 0x00, 'B', 'C', 'D', 'E', 'F', 'G'});
    Put(0x1C10, {'A', 'B', ' ', ' ', 0x00, 0x00, 0x00, 0x00});
    Put(0x1C18, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}); // the eighth byte is read, then cut
    Put(0x1C20, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 0x00});
    Put(0x1C28, {'A', 'B', ' ', ' ', ' ', ' ', ' ', ' '});
    GetCommDataByBook(image, memory);
    EXPECT_EQ(TheBook()[0].BookName, MakeFixedText<7>("AB\0"s));
    EXPECT_EQ(TheBook()[1].BookName, MakeFixedText<7>("A\0"s));
    EXPECT_EQ(TheBook()[2].BookName, MakeFixedText<7>("AB  \0"s)); // spaces before a NUL stay
    EXPECT_EQ(TheBook()[3].BookName, MakeFixedText<7>("ABCDEFG"));
    EXPECT_EQ(TheBook()[4].BookName, MakeFixedText<7>("ABCDEFG"));
    EXPECT_EQ(TheBook()[5].BookName, MakeFixedText<7>("AB\0"s)); // trailing spaces dropped
}

TEST_F(BookCodecTest, EntriesAreNumberedWithTheirPosition) {
    for (BookEntry& entry : TheBook()) {
        entry.BookIndex = 99;
    }
    std::fill(memory.begin() + 0x1980, memory.begin() + 0x2000, 0xFF);
    GetCommDataByBook(image, memory);
    for (std::size_t i = 0; i < kBookEntryCount; ++i) {
        EXPECT_EQ(TheBook()[i].BookIndex, static_cast<std::int16_t>(i));
        EXPECT_EQ(TheBook()[i].BookId, MakeFixedText<5>("\0"s));
        EXPECT_EQ(TheBook()[i].BookName, MakeFixedText<7>("\0"s));
    }
}

} // namespace
} // namespace rp70
