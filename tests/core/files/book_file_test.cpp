// The book file: its 1792-byte layout, all-or-nothing loading and the import/export flows.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "files/book_file.h"
#include "support/file_contents.h"
#include "support/record_bytes.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

// A book whose every entry differs from every other one in each field.
Book DistinctBook() {
    Book book;
    for (std::size_t i = 0; i < book.size(); ++i) {
        const auto n = static_cast<int>(i);
        book[i].BookIndex = static_cast<std::int16_t>(0x0100 * n + 0x7F - n);
        book[i].BookId = MakeFixedText<5>(std::to_string(10000 + 3 * n));
        book[i].BookName = MakeFixedText<7>("N" + std::to_string(1000 + n));
    }
    return book;
}

Book DefaultBook() {
    Book book;
    SetDefaults(book);
    return book;
}

TEST(BookFileLayoutTest, EntriesFollowEachOtherIn14ByteRecords) {
    Book book = DefaultBook();
    book[0].BookIndex = 0x1234;
    book[0].BookId = MakeFixedText<5>(std::string_view("12\0", 3)); // "12", NUL, two spaces
    book[0].BookName = MakeFixedText<7>("ALPHA");
    book[127].BookIndex = -2;
    book[127].BookId = MakeFixedText<5>("99999");
    book[127].BookName = MakeFixedText<7>("ZULU 77");

    const Bytes bytes = EncodeBookFile(book);
    ASSERT_EQ(bytes.size(), 1792U);
    EXPECT_EQ(test::Slice(bytes, 0, 14),
              (Bytes{0x34, 0x12, '1', '2', 0x00, ' ', ' ', 'A', 'L', 'P', 'H', 'A', ' ', ' '}));
    // entry 1 of a new book: index 1, an empty ID and name (NUL then spaces)
    EXPECT_EQ(test::Slice(bytes, 14, 14),
              (Bytes{0x01, 0x00, 0x00, ' ', ' ', ' ', ' ', 0x00, ' ', ' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(test::Slice(bytes, 127 * 14, 14),
              (Bytes{0xFE, 0xFF, '9', '9', '9', '9', '9', 'Z', 'U', 'L', 'U', ' ', '7', '7'}));
}

TEST(BookFileLayoutTest, EveryEntrySitsAtItsIndexTimes14) {
    const Book book = DistinctBook();
    const Bytes bytes = EncodeBookFile(book);
    ASSERT_EQ(bytes.size(), kBookFileSize);
    for (std::size_t i = 0; i < book.size(); ++i) {
        const std::size_t at = 14 * i;
        EXPECT_EQ(test::I16At(bytes, at), book[i].BookIndex) << "entry " << i;
        EXPECT_EQ(test::TextAt(bytes, at + 2, 5), std::string(book[i].BookId.data(), 5));
        EXPECT_EQ(test::TextAt(bytes, at + 7, 7), std::string(book[i].BookName.data(), 7));
    }
}

TEST(BookFileLoadTest, SaveThenLoadGivesTheBookBack) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "new.cb";
    const Book book = DistinctBook();
    ASSERT_TRUE(SaveBookFile(file, book));
    EXPECT_EQ(test::ReadFileBytes(file), EncodeBookFile(book));

    Book loaded = DefaultBook();
    ASSERT_TRUE(LoadBookFile(file, loaded));
    EXPECT_EQ(loaded, book);
}

TEST(BookFileLoadTest, LongerFileGivesItsFirst1792Bytes) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "long.cb";
    const Book book = DistinctBook();
    Bytes bytes = EncodeBookFile(book);
    bytes.insert(bytes.end(), {0x01, 0x02, 0x03});
    test::WriteFileBytes(file, bytes);

    Book loaded = DefaultBook();
    ASSERT_TRUE(LoadBookFile(file, loaded));
    EXPECT_EQ(loaded, book);
}

TEST(BookFileLoadTest, StoredBytesAreTakenAsTheyAre) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "any.cb";
    const Bytes bytes = test::Pattern(kBookFileSize);
    test::WriteFileBytes(file, bytes);

    Book loaded = DefaultBook();
    ASSERT_TRUE(LoadBookFile(file, loaded));
    EXPECT_EQ(EncodeBookFile(loaded), bytes);
}

TEST(BookFileLoadTest, MissingOrShortFileLeavesTheBookAlone) {
    test::TempFolder folder;
    const Book before = DistinctBook();

    Book book = before;
    EXPECT_FALSE(LoadBookFile(folder.Path() / "missing.cb", book));
    EXPECT_EQ(book, before);

    const fs::path shortFile = folder.Path() / "short.cb";
    Bytes bytes = EncodeBookFile(DefaultBook());
    bytes.pop_back(); // 1791 bytes
    test::WriteFileBytes(shortFile, bytes);
    EXPECT_FALSE(LoadBookFile(shortFile, book));
    EXPECT_EQ(book, before);

    test::WriteFileBytes(shortFile, {});
    EXPECT_FALSE(LoadBookFile(shortFile, book));
    EXPECT_EQ(book, before);

    EXPECT_FALSE(LoadBookFile(folder.Path(), book)); // a folder
    EXPECT_EQ(book, before);
}

TEST(BookFileSaveTest, FailedWriteReturnsFalseAndKeepsTheOldFile) {
    test::TempFolder folder;
    const fs::path blocker = folder.Path() / "plain";
    test::WriteFileText(blocker, "not a folder");
    EXPECT_FALSE(SaveBookFile(blocker / "new.cb", DistinctBook()));
    EXPECT_EQ(test::ReadFileText(blocker), "not a folder");

    EXPECT_FALSE(SaveBookFile(folder.Path(), DistinctBook())); // a folder
    EXPECT_TRUE(fs::is_directory(folder.Path()));
}

class BookFileFlowTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    test::RecordingInteraction ui;
    LanguageTexts texts;
    UserContext ctx{ui, texts};
};

TEST_F(BookFileFlowTest, ImportLoadsIntoTheEditCopyWithoutMessage) {
    const fs::path file = folder.Path() / "partners.cb";
    const Book book = DistinctBook();
    ASSERT_TRUE(SaveBookFile(file, book));

    Book editCopy = DefaultBook();
    EXPECT_TRUE(ImportBookFile(ctx, file, editCopy));
    EXPECT_EQ(editCopy, book);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(BookFileFlowTest, FailedImportShowsFileErrorAndKeepsTheEditCopy) {
    const fs::path shortFile = folder.Path() / "short.cb";
    test::WriteFileBytes(shortFile, Bytes(100, 0x31));
    const Book before = DistinctBook();

    Book editCopy = before;
    EXPECT_FALSE(ImportBookFile(ctx, shortFile, editCopy));
    EXPECT_EQ(editCopy, before);
    EXPECT_FALSE(ImportBookFile(ctx, folder.Path() / "missing.cb", editCopy));
    EXPECT_EQ(editCopy, before);

    ASSERT_EQ(ui.shown.size(), 2U);
    for (const Message& message : ui.shown) {
        EXPECT_EQ(message.Text, "file error.");
        EXPECT_EQ(message.Buttons, MessageButtons::Ok);
    }
}

TEST_F(BookFileFlowTest, ExportWritesTheEditCopy) {
    const fs::path file = folder.Path() / "out.cb";
    const Book book = DistinctBook();
    EXPECT_TRUE(ExportBookFile(ctx, file, book));
    EXPECT_EQ(test::ReadFileBytes(file), EncodeBookFile(book));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(BookFileFlowTest, FailedExportShowsFileError) {
    const fs::path blocker = folder.Path() / "plain";
    test::WriteFileText(blocker, "x");
    EXPECT_FALSE(ExportBookFile(ctx, blocker / "out.cb", DistinctBook()));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"file error."});
}

} // namespace
} // namespace rp70
