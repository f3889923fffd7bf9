// Whole-file reads and single-file replacement.

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

TEST(ReplaceFileContents, RefusesWhatItMustNotReplaceAndLeavesItAlone) {
    test::TempFolder folder;
    const fs::path readOnly = folder.Path() / "read-only.dat";
    test::WriteFileText(readOnly, "old");
    fs::permissions(readOnly, fs::perms::owner_read);
    fs::create_directories(folder.Path() / "folder.dat" / "inside");
    for (const fs::path& target :
         {readOnly, folder.Path() / "folder.dat", folder.Path() / "missing" / "a.dat"}) {
        EXPECT_FALSE(ReplaceFileContents(target, "new")) << target;
    }
    EXPECT_EQ(test::ReadFileText(readOnly), "old");
    EXPECT_EQ(test::NamesIn(folder.Path()), (std::vector<fs::path>{"folder.dat", "read-only.dat"}));
}

TEST(ReplaceFileContents, KeepsThePermissionsOfTheReplacedFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have only the read-only attribute, and such a file is never "
                    "replaced";
#endif
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
