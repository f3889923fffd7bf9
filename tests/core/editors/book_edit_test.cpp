// The communication book dialog's logic: its table over the edit copy, the walk between cells,
// import and export through the file dialogs, OK and the sort on every close.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editors/book_cells.h"
#include "editors/book_edit.h"
#include "files/book_file.h"
#include "support/file_contents.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

void Put(Book& book, int entry, std::string_view id, std::string_view name) {
    book[static_cast<std::size_t>(entry)].BookId = BookCellText<kBookIdWidth>(id);
    book[static_cast<std::size_t>(entry)].BookName = BookCellText<kBookNameWidth>(name);
}

TEST(BookTableTest, CellsShowTheStoredTextsAndCommitIntoTheEditCopy) {
    test::UserContextFixture user;
    EXPECT_EQ(BookHeaders(user.texts), (std::array<std::string, 3>{"No.", "Call ID", "Name"}));
    RadioImage image;
    Book& book = image.Record.Book;
    book[9].BookId = MakeFixedText<5>("42"); // padded with spaces, no NUL
    EXPECT_EQ(BookCellShown(book, {9, BookColumn::Index}), "9");
    EXPECT_EQ(BookCellShown(book, {9, BookColumn::Id}), "42");

    EXPECT_EQ(CommitBookCell(book, {3, BookColumn::Id}, "12"), "12");
    EXPECT_EQ(book[3].BookId, (FixedText<5>{'1', '2', '\0', ' ', ' '}));
    EXPECT_EQ(CommitBookCell(book, {3, BookColumn::Name}, "ALPHA12"), "ALPHA12");
    EXPECT_EQ(book[3].BookName, MakeFixedText<7>("ALPHA12"));
    const Book before = book;
    EXPECT_EQ(CommitBookCell(book, {3, BookColumn::Index}, "99"), "3");
    EXPECT_EQ(CommitBookCell(book, {128, BookColumn::Id}, "1"), "");
    EXPECT_EQ(book, before);
}

TEST(BookTableTest, EnterAndTabWalkTheInputCells) {
    struct Step {
        BookCell From;
        std::optional<BookCell> Next;
        std::optional<BookCell> Previous;
    };
    for (const Step& step : std::vector<Step>{
             {{0, BookColumn::Id}, BookCell{0, BookColumn::Name}, std::nullopt},
             {{0, BookColumn::Name}, BookCell{1, BookColumn::Id}, BookCell{0, BookColumn::Id}},
             {{5, BookColumn::Index}, BookCell{5, BookColumn::Id}, BookCell{4, BookColumn::Name}},
             {{127, BookColumn::Name}, std::nullopt, BookCell{127, BookColumn::Id}},
         }) {
        EXPECT_EQ(NextBookCell(step.From), step.Next) << "entry " << step.From.Entry;
        EXPECT_EQ(PreviousBookCell(step.From), step.Previous) << "entry " << step.From.Entry;
    }
}

class BookFileChoiceTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    test::UserContextFixture user;
    RadioImage image;
    Book editCopy = image.Record.Book;

    std::string PathOf(const char* name) const { return (folder.Path() / name).string(); }
};

TEST_F(BookFileChoiceTest, ImportAndExportRememberTheChosenFile) {
    Book stored = editCopy;
    Put(stored, 4, "12345", "ZULU");
    ASSERT_TRUE(SaveBookFile(PathOf("partners.cb"), stored));
    user.ui.openFiles.push_back(PathOf("partners.cb"));
    EXPECT_TRUE(ImportBook(image, user.ctx, editCopy));
    EXPECT_EQ(editCopy, stored);
    EXPECT_EQ(image.CurrentBookPath, PathOf("partners.cb"));

    Put(editCopy, 0, "7", "SEVEN");
    user.ui.saveFiles.push_back(PathOf("out.cb"));
    EXPECT_TRUE(ExportBook(image, user.ctx, editCopy));
    EXPECT_EQ(test::ReadFileBytes(PathOf("out.cb")), EncodeBookFile(editCopy));
    EXPECT_EQ(image.CurrentBookPath, PathOf("out.cb"));

    ASSERT_EQ(user.ui.fileChoices.size(), 2U);
    EXPECT_EQ(user.ui.fileChoices[0].Filter, "Communication Book (*.cb)");
    EXPECT_EQ(user.ui.fileChoices[0].ProposedPath, "new.cb");
    EXPECT_EQ(user.ui.fileChoices[1].ProposedPath, PathOf("partners.cb"));
    EXPECT_TRUE(user.ui.shown.empty());
}

TEST_F(BookFileChoiceTest, FailuresShowFileErrorAndCancelDoesNothing) {
    test::WriteFileBytes(PathOf("short.cb"), std::vector<std::uint8_t>(kBookFileSize - 1, '1'));
    Put(editCopy, 0, "7", "SEVEN");
    const Book before = editCopy;
    user.ui.openFiles = {PathOf("short.cb"), std::nullopt};
    user.ui.saveFiles = {PathOf("missing/out.cb"), std::nullopt};
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_FALSE(ImportBook(image, user.ctx, editCopy));
        EXPECT_FALSE(ExportBook(image, user.ctx, editCopy));
    }
    EXPECT_EQ(editCopy, before);
    EXPECT_EQ(image.CurrentBookPath, "new.cb");
    EXPECT_EQ(user.ui.Texts(), (std::vector<std::string>{"file error.", "file error."}));
    EXPECT_EQ(test::NamesIn(folder.Path()).size(), 1U); // short.cb alone
}

TEST(BookCloseTest, EveryCloseSortsTheImageBook) {
    RadioImage image;
    Put(image.Record.Book, 0, "20", "TWENTY");
    Put(image.Record.Book, 1, "100", "HUNDRED");
    CloseBookEdit(image); // Cancel: only the sort, 100BB before 20BBB before BBBBB
    EXPECT_EQ(TextOf(image.Record.Book[0].BookName), "HUNDRED");
    EXPECT_EQ(TextOf(image.Record.Book[1].BookName), "TWENTY");

    Book editCopy = image.Record.Book;
    Put(editCopy, 5, "3", "THREE");
    ApplyBookEdit(image, editCopy); // OK, then the close
    CloseBookEdit(image);
    EXPECT_EQ(TextOf(image.Record.Book[2].BookName), "THREE");
    for (std::size_t i = 0; i < kBookEntryCount; ++i) {
        EXPECT_EQ(image.Record.Book[i].BookIndex, static_cast<std::int16_t>(i));
    }
}

TEST(BookSettingLinesTest, ListsTheEntriesInUseAsTheTableShowsThem) {
    RadioImage image;
    Put(image.Record.Book, 2, "12", "BOB");
    Put(image.Record.Book, 7, "12345", "");
    Put(image.Record.Book, 9, "", "CHARLIE");
    EXPECT_EQ(BookSettingLines(image, LanguageTexts()),
              (SettingLines{{"2", "12     BOB"}, {"7", "12345"}, {"9", "       CHARLIE"}}));
}

} // namespace
} // namespace rp70
