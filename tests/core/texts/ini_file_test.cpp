#include "texts/ini_file.h"

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

// A file converted to CR LF twice: the CRs belong to the line ending, not to the value, and the
// text written back reads the same again.
TEST(IniFileRead, CarriageReturnsBeforeTheLineBreakAreNoPartOfTheLine) {
    const IniFile file = IniFile::Parse("[language]\r\r\ncomPort=3\r\r\nStopBit=1\r");
    EXPECT_EQ(file.Find("language", "comPort"), "3");
    EXPECT_EQ(file.Find("language", "StopBit"), "1");
    EXPECT_EQ(IniFile::Parse(file.Text()).Text(), file.Text());
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

} // namespace
} // namespace rp70
