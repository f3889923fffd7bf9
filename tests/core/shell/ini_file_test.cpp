#include "files/file_io.h"
#include "shell/ini_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

using test::ReadFileText;
using test::TempFolder;
using test::WriteFileText;

std::string Repeat(std::string_view piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

// ---------------------------------------------------------------- reading

TEST(IniFileRead, TrimsSpacesAndTabsAroundNamesAndValues) {
    const IniFile ini =
        IniFile::Parse("  [ language ]  \n\t comPort \t=   3  \t\nName= two words \n");
    EXPECT_EQ(ini.Find("language", "comPort"), "3");
    EXPECT_EQ(ini.Find("language", "Name"), "two words");
}

TEST(IniFileRead, SectionAndKeyNamesIgnoreLetterCase) {
    const IniFile ini = IniFile::Parse("[Language]\nComPort=4\n");
    EXPECT_EQ(ini.Find("LANGUAGE", "comport"), "4");
    EXPECT_EQ(ini.Find("language", "COMPORT"), "4");
}

TEST(IniFileRead, MissingFileSectionOrKeyGivesTheDefault) {
    TempFolder folder;
    EXPECT_EQ(ReadProfileString(folder.Path() / "none.ini", "language", "comPort", "dflt", 512),
              "dflt");

    const fs::path file = folder.Path() / "a.ini";
    WriteFileText(file, "orphan=1\n[other]\ncomPort=9\n[language]\nStopBit=1\n");
    EXPECT_EQ(ReadProfileString(file, "missing", "comPort", "d", 512), "d");
    EXPECT_EQ(ReadProfileString(file, "language", "comPort", "d", 512), "d");
    // A key before the first section belongs to no section.
    EXPECT_EQ(ReadProfileString(file, "", "orphan", "d", 512), "d");
    EXPECT_EQ(ReadProfileString(file, "language", "", "d", 512), "d");
}

TEST(IniFileRead, AnEmptyValueIsFoundAndIsNotTheDefault) {
    const IniFile ini = IniFile::Parse("[s]\nk=\nk2=   \n");
    EXPECT_EQ(ini.GetString("s", "k", "d", 255), "");
    EXPECT_EQ(ini.GetString("s", "k2", "d", 255), "");
}

TEST(IniFileRead, ValueKeepsLaterEqualsSignsQuotesAndSemicolons) {
    const IniFile ini = IniFile::Parse("[s]\na=x=y\nb=\"quoted\"\nc=text ; not a comment\n");
    EXPECT_EQ(ini.Find("s", "a"), "x=y");
    EXPECT_EQ(ini.Find("s", "b"), "\"quoted\"");
    EXPECT_EQ(ini.Find("s", "c"), "text ; not a comment");
}

TEST(IniFileRead, CommentsAndLinesWithoutEqualsSignHoldNoKey) {
    const IniFile ini = IniFile::Parse("[s]\n;k=commented\n  ; j=also\nbare\n=novalue\n");
    EXPECT_EQ(ini.Find("s", "k"), std::nullopt);
    EXPECT_EQ(ini.Find("s", ";k"), std::nullopt);
    EXPECT_EQ(ini.Find("s", "j"), std::nullopt);
    EXPECT_EQ(ini.Find("s", "bare"), std::nullopt);
}

TEST(IniFileRead, FirstOccurrenceWinsAlsoAcrossRepeatedSections) {
    const IniFile ini = IniFile::Parse("[s]\nk=first\nk=second\n[t]\nm=x\n[S]\nk=third\nn=late\n");
    EXPECT_EQ(ini.Find("s", "k"), "first");
    // A key only in the repeated section is still found.
    EXPECT_EQ(ini.Find("s", "n"), "late");
}

TEST(IniFileRead, AcceptsCrLfAndLfLineEndsAndSkipsByteOrderMark) {
    const IniFile crlf = IniFile::Parse("\xEF\xBB\xBF[OTHER]\r\n101=OK\r\n102=Cancel\r\n");
    EXPECT_EQ(crlf.Find("OTHER", "101"), "OK");
    EXPECT_EQ(crlf.Find("OTHER", "102"), "Cancel");

    const IniFile mixed = IniFile::Parse("[OTHER]\n101=OK\r\n102=Cancel");
    EXPECT_EQ(mixed.Find("OTHER", "101"), "OK");
    EXPECT_EQ(mixed.Find("OTHER", "102"), "Cancel");
}

TEST(IniFileRead, PassesUtf8BytesThrough) {
    const std::string chinese = "从对讲机读取数据";
    const IniFile ini = IniFile::Parse("[OTHER]\n2004= " + chinese + " \n");
    EXPECT_EQ(ini.Find("other", "2004"), chinese);
}

TEST(IniFileRead, CutsValueToOneCharacterLessThanTheBuffer) {
    const std::string longValue = Repeat("a", 600);
    const IniFile ini =
        IniFile::Parse("[s]\nlong=" + longValue + "\nexact=" + Repeat("b", 254) + "\n");
    EXPECT_EQ(ini.GetString("s", "long", "", 255), Repeat("a", 254));
    EXPECT_EQ(ini.GetString("s", "long", "", 512), Repeat("a", 511));
    EXPECT_EQ(ini.GetString("s", "exact", "", 255), Repeat("b", 254));
    EXPECT_EQ(ini.GetString("s", "long", "", 1), "");
    EXPECT_EQ(ini.GetString("s", "long", "", 0), "");
    // The default is cut the same way.
    EXPECT_EQ(ini.GetString("s", "missing", "default", 4), "def");
}

TEST(IniFileRead, CutCountsUtf8CharactersAndNeverSplitsOne) {
    const std::string han = "中"; // three bytes
    const IniFile ini = IniFile::Parse("[s]\nk=a" + Repeat(han, 300) + "\n");
    EXPECT_EQ(ini.GetString("s", "k", "", 3), "a" + han);
    EXPECT_EQ(ini.GetString("s", "k", "", 255), "a" + Repeat(han, 253));
}

TEST(IniFileRead, BytesThatAreNotUtf8CountOneEach) {
    EXPECT_EQ(CutToBuffer("\x80\x80\x80x", 3), "\x80\x80");
    EXPECT_EQ(CutToBuffer("\xFF\xFE\xFD", 3), "\xFF\xFE");
    // A lead byte takes at most its own continuation bytes.
    EXPECT_EQ(CutToBuffer("\xC3\xA9\xA9\xA9", 2), "\xC3\xA9");
    // A character cut off by the end of the text is kept as it is.
    EXPECT_EQ(CutToBuffer("a\xE4\xB8", 255), "a\xE4\xB8");
}

TEST(IniFileRead, UnreadableFileGivesNothingAndDefaults) {
    TempFolder folder;
    const fs::path directory = folder.Path() / "dir.ini";
    fs::create_directory(directory);
    EXPECT_FALSE(IniFile::Load(directory).has_value());
    EXPECT_EQ(ReadProfileString(directory, "s", "k", "d", 255), "d");

    // A missing file is an empty file, not an unreadable one.
    const std::optional<IniFile> missing = IniFile::Load(folder.Path() / "missing.ini");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->Text(), "");
}

TEST(IniFileRead, ForEachVisitsKeysInsideSectionsInFileOrder) {
    const IniFile ini = IniFile::Parse("top=0\n[A]\nx = 1\n;c=2\n[b]\ny=2\n");
    std::vector<std::string> seen;
    ini.ForEach([&seen](std::string_view section, std::string_view key, std::string_view value) {
        seen.push_back(std::string(section) + "/" + std::string(key) + "/" + std::string(value));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"A/x/1", "b/y/2"}));
}

// ---------------------------------------------------------------- writing

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
    ASSERT_TRUE(ini->Save(file));
    EXPECT_EQ(ReadFileText(file), "[s]\nk=2\n[t]\nm=3\n");
    EXPECT_EQ(ini->Find("s", "k"), "2");
}

} // namespace
} // namespace rp70
