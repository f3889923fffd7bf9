// Whole-file reads and staged writes.

#include "files/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

TEST(ReadFileBytes, ReadsAtMostTheLimit) {
    test::TempFolder folder;
    test::WriteFileText(folder.Path() / "f", "abcdef");
    EXPECT_EQ(ReadFileBytes(folder.Path() / "f", 4),
              (std::vector<std::uint8_t>{'a', 'b', 'c', 'd'}));
    EXPECT_EQ(ReadFileBytes(folder.Path() / "f", 100)->size(), 6U);
    EXPECT_FALSE(ReadFileBytes(folder.Path() / "missing", 4));
    EXPECT_FALSE(ReadFileBytes(folder.Path(), 4)); // a folder
    EXPECT_FALSE(ReadFileBytes("/dev/zero", 4));   // never reads endless devices
}

TEST(StagedFile, NothingChangesBeforeTheCommit) {
    test::TempFolder folder;
    const fs::path target = folder.Path() / "a.dat";
    test::WriteFileText(target, "old");
    {
        StagedFile staged;
        ASSERT_TRUE(staged.Stage(target, "new"));
        EXPECT_EQ(test::ReadFileText(target), "old");
        EXPECT_EQ(test::NamesIn(folder.Path()).size(), 2U); // the temporary file beside it
    }
    // Not committed: the temporary file is gone, the old content stays.
    EXPECT_EQ(test::NamesIn(folder.Path()), (std::vector<fs::path>{"a.dat"}));
    EXPECT_EQ(test::ReadFileText(target), "old");

    StagedFile staged;
    ASSERT_TRUE(staged.Stage(target, "new"));
    ASSERT_TRUE(staged.Commit());
    EXPECT_EQ(test::ReadFileText(target), "new");
    EXPECT_FALSE(staged.Commit()); // nothing staged any more
    EXPECT_EQ(test::NamesIn(folder.Path()), (std::vector<fs::path>{"a.dat"}));
}

TEST(StagedFile, AFolderInTheTargetsPlaceIsRefusedWhenStaging) {
    test::TempFolder folder;
    fs::create_directories(folder.Path() / "a.dat" / "inside");
    StagedFile staged;
    EXPECT_FALSE(staged.Stage(folder.Path() / "a.dat", "new"));
    EXPECT_EQ(test::NamesIn(folder.Path()), (std::vector<fs::path>{"a.dat"}));
}

TEST(StagedFile, KeepsThePermissionsOfTheReplacedFile) {
    test::TempFolder folder;
    const fs::path target = folder.Path() / "a.dat";
    test::WriteFileText(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ReplaceFileContents(target, "new"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
} // namespace rp70
