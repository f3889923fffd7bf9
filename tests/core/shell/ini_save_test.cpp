#include "shell/ini_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "files/file_io.h"
#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

using test::ReadFileText;
using test::TempFolder;
using test::WriteFileText;

TEST(IniFileWrite, ReplacesValueInPlaceAndKeepsEverythingElse) {
    TempFolder folder;
    const fs::path file = folder.Path() / "mysetup.ini";
    WriteFileText(file, "; settings\n[other]\ncomPort=77\n\n[language]\nIsFirstRun=1\n"
                        "ComPort = 3   \n; keep me\nStopBit=1\n");
    ASSERT_TRUE(WriteProfileString(file, "LANGUAGE", "comport", "5"));
    EXPECT_EQ(ReadFileText(file), "; settings\n[other]\ncomPort=77\n\n[language]\nIsFirstRun=1\n"
                                  "ComPort = 5\n; keep me\nStopBit=1\n");
}

TEST(IniFileWrite, AddsMissingKeyBehindTheLastKeyOfItsSection) {
    TempFolder folder;
    const fs::path file = folder.Path() / "a.ini";
    WriteFileText(file, "[language]\nIsFirstRun=0\n\n; next section\n[other]\nx=1\n");
    ASSERT_TRUE(WriteProfileString(file, "language", "comPort", "3"));
    EXPECT_EQ(ReadFileText(file),
              "[language]\nIsFirstRun=0\ncomPort=3\n\n; next section\n[other]\nx=1\n");

    WriteFileText(file, "[empty]\n[other]\n");
    ASSERT_TRUE(WriteProfileString(file, "empty", "k", "v"));
    EXPECT_EQ(ReadFileText(file), "[empty]\nk=v\n[other]\n");
}

TEST(IniFileWrite, AddsMissingSectionAtTheEnd) {
    TempFolder folder;
    const fs::path file = folder.Path() / "a.ini";
    WriteFileText(file, "[other]\nx=1");
    ASSERT_TRUE(WriteProfileString(file, "language", "comPort", "3"));
    EXPECT_EQ(ReadFileText(file), "[other]\nx=1\n[language]\ncomPort=3\n");
}

TEST(IniFileWrite, CreatesTheFileAndItsFolders) {
    TempFolder folder;
    const fs::path file = folder.Path() / "home" / "language" / "mysetup.ini";
    ASSERT_TRUE(WriteProfileString(file, "language", "IsFirstRun", "0"));
    EXPECT_EQ(ReadFileText(file), "[language]\nIsFirstRun=0\n");
    // Only the file itself is left in its folder: the temporary file was renamed.
    EXPECT_EQ(test::NamesIn(file.parent_path()), std::vector<fs::path>{"mysetup.ini"});
}

TEST(IniFileWrite, KeepsByteOrderMarkAndCrLfLineEnds) {
    TempFolder folder;
    const fs::path file = folder.Path() / "a.ini";
    WriteFileText(file, "\xEF\xBB\xBF[s]\r\nk=1\r\n");
    ASSERT_TRUE(WriteProfileString(file, "s", "k", "2"));
    ASSERT_TRUE(WriteProfileString(file, "s", "n", "3"));
    EXPECT_EQ(ReadFileText(file), "\xEF\xBB\xBF[s]\r\nk=2\r\nn=3\r\n");
}

TEST(IniFileWrite, WrittenValueReadsBackTrimmed) {
    TempFolder folder;
    const fs::path file = folder.Path() / "a.ini";
    ASSERT_TRUE(WriteProfileString(file, "s", "k", "  padded  "));
    EXPECT_EQ(ReadProfileString(file, "s", "k", "", 512), "padded");
    ASSERT_TRUE(WriteProfileString(file, "s", "k", ""));
    EXPECT_EQ(ReadProfileString(file, "s", "k", "d", 512), "");
}

TEST(IniFileWrite, RefusesWhatWouldBreakTheFile) {
    TempFolder folder;
    const fs::path file = folder.Path() / "a.ini";
    const std::string before = "[s]\nk=1\n";
    WriteFileText(file, before);
    EXPECT_FALSE(WriteProfileString(file, "s", "k", "two\nlines"));
    EXPECT_FALSE(WriteProfileString(file, "s", "k", "cr\rhere"));
    EXPECT_FALSE(WriteProfileString(file, "s", "k", std::string("nul\0x", 5)));
    EXPECT_FALSE(WriteProfileString(file, "s", "", "v"));
    EXPECT_FALSE(WriteProfileString(file, "s", "a=b", "v"));
    EXPECT_FALSE(WriteProfileString(file, "s", ";k", "v"));
    EXPECT_FALSE(WriteProfileString(file, "s", "[k", "v"));
    EXPECT_FALSE(WriteProfileString(file, "s]x", "k", "v"));
    EXPECT_FALSE(WriteProfileString(file, "s\nx", "k", "v"));
    EXPECT_EQ(ReadFileText(file), before);
}

TEST(IniFileWrite, FailedWriteLeavesNoTemporaryFileBehind) {
    TempFolder folder;
    // The target is a folder: the rename cannot replace it.
    const fs::path target = folder.Path() / "taken.ini";
    fs::create_directory(target);
    EXPECT_FALSE(ReplaceFileContents(target, "data"));
    EXPECT_FALSE(WriteProfileString(target, "s", "k", "v"));
    // The folder of the target is a file: nothing can be created.
    WriteFileText(folder.Path() / "plain", "x");
    EXPECT_FALSE(WriteProfileString(folder.Path() / "plain" / "a.ini", "s", "k", "v"));

    EXPECT_EQ(test::NamesIn(folder.Path()), (std::vector<fs::path>{"plain", "taken.ini"}));
    EXPECT_TRUE(fs::is_empty(target));
    EXPECT_EQ(ReadFileText(folder.Path() / "plain"), "x");
}

TEST(IniFileWrite, OversizedFileIsNeitherReadNorReplaced) {
    TempFolder folder;
    const fs::path file = folder.Path() / "huge.ini";
    const std::string content = "[s]\nk=1\n" + std::string(kMaxIniFileSize, ';');
    WriteFileText(file, content);
    EXPECT_FALSE(IniFile::Load(file).has_value());
    EXPECT_EQ(ReadProfileString(file, "s", "k", "d", 255), "d");
    EXPECT_FALSE(WriteProfileString(file, "s", "k", "2"));
    EXPECT_EQ(fs::file_size(file), content.size());
}

TEST(IniFileWrite, ReplacesTheFileASymbolicLinkPointsTo) {
    TempFolder folder;
    const fs::path real = folder.Path() / "real.ini";
    const fs::path link = folder.Path() / "link.ini";
    WriteFileText(real, "[s]\nk=1\n");
    std::error_code error;
    fs::create_symlink(real, link, error);
    if (error) {
        GTEST_SKIP() << "symbolic links not available here";
    }
    ASSERT_TRUE(WriteProfileString(link, "s", "k", "2"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileText(real), "[s]\nk=2\n");
}

TEST(IniFileWrite, InMemoryChangesOnlyReachTheDiskOnSave) {
    TempFolder folder;
    const fs::path file = folder.Path() / "a.ini";
    WriteFileText(file, "[s]\nk=1\n");
    std::optional<IniFile> ini = IniFile::Load(file);
    ASSERT_TRUE(ini.has_value());
    ASSERT_TRUE(ini->SetString("s", "k", "2"));
    ASSERT_TRUE(ini->SetString("t", "m", "3"));
    EXPECT_EQ(ReadFileText(file), "[s]\nk=1\n");
    ASSERT_TRUE(SaveIniFile(*ini, file));
    EXPECT_EQ(ReadFileText(file), "[s]\nk=2\n[t]\nm=3\n");
    EXPECT_EQ(ini->Find("s", "k"), "2");
}

} // namespace
} // namespace rp70
