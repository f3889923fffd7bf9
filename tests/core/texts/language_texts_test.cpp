#include "texts/language_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

// A language file in a fresh folder, removed afterwards.
class LanguageFile {
public:
    explicit LanguageFile(const std::string& text) { Rewrite(text); }

    fs::path Path() const { return folder_.Path() / "english.ini"; }
    void Rewrite(const std::string& text) const { test::WriteFileText(Path(), text); }

private:
    test::TempFolder folder_;
};

TEST(LanguageTextsLookup, GetTextReadsSectionOtherByDecimalKeyTrimmed) {
    const LanguageFile file("[OTHER]\n101=   OK   \n102=\tCancel\n1401 = COM Port \n");
    const LanguageTexts texts = LanguageTexts::Load(file.Path(), Language::English);
    EXPECT_EQ(texts.GetText(101), "OK");
    EXPECT_EQ(texts.GetText(102), "Cancel");
    EXPECT_EQ(texts.GetText(1401), "COM Port");
}

TEST(LanguageTextsLookup, SectionsAndKeysIgnoreLetterCase) {
    const LanguageFile file("[other]\n20=Arial\n[Msg]\n900c=Five digits needed\n[option]\n"
                            "60024=OK\n");
    const LanguageTexts texts = LanguageTexts::Load(file.Path(), Language::English);
    EXPECT_EQ(texts.GetText(20), "Arial");
    EXPECT_EQ(texts.Msg("900C"), "Five digits needed");
    EXPECT_EQ(texts.Option(60024), "OK");
}

TEST(LanguageTextsLookup, EachReadUsesItsOwnSection) {
    const LanguageFile file("[OTHER]\n9001=other\n[MSG]\n9001=Save changes?\n[OPTION]\n"
                            "60024=Confirm\n");
    const LanguageTexts texts = LanguageTexts::Load(file.Path(), Language::English);
    EXPECT_EQ(texts.Msg("9001"), "Save changes?");
    EXPECT_EQ(texts.GetText(9001), "other");
    EXPECT_EQ(texts.GetText(60024), "");
    EXPECT_EQ(texts.Option(9001), "");
}

TEST(LanguageTextsLookup, MissingKeySectionOrFileGivesEmptyText) {
    const LanguageFile file("[OTHER]\n101=OK\n");
    const LanguageTexts texts = LanguageTexts::Load(file.Path(), Language::English);
    EXPECT_EQ(texts.GetText(102), "");
    EXPECT_EQ(texts.Msg("9001"), "");
    EXPECT_EQ(texts.Option(60025), "");

    const LanguageTexts none =
        LanguageTexts::Load(file.Path().parent_path() / "missing" / "x.ini", Language::Chinese);
    EXPECT_EQ(none.GetText(101), "");
    EXPECT_EQ(none.Current(), Language::Chinese);
    EXPECT_EQ(LanguageTexts().GetText(101), "");
}

TEST(LanguageTextsLookup, TextIsCutTo254CharactersAndTrimmedAfterTheCut) {
    const std::string longText(300, 'x');
    // The 254th character is a space: the cut leaves it at the end, and the trim removes it.
    const std::string spaceAtCut = std::string(253, 'a') + " " + std::string(20, 'b');
    const LanguageFile file("[OTHER]\n1=" + longText + "\n2=" + spaceAtCut +
                            "\n3=" + std::string(254, 'c') + "\n");
    const LanguageTexts texts = LanguageTexts::Load(file.Path(), Language::English);
    EXPECT_EQ(texts.GetText(1), std::string(254, 'x'));
    EXPECT_EQ(texts.GetText(2), std::string(253, 'a'));
    EXPECT_EQ(texts.GetText(3), std::string(254, 'c'));
}

TEST(LanguageTextsLookup, NegativeAndLargeKeysAreLookedUpAsWritten) {
    const LanguageFile file("[OTHER]\n-1=minus\n60318=large\n");
    const LanguageTexts texts = LanguageTexts::Load(file.Path(), Language::English);
    EXPECT_EQ(texts.GetText(-1), "minus");
    EXPECT_EQ(texts.GetText(60318), "large");
}

TEST(LanguageTextsLoad, ChineseUtf8FileWithByteOrderMarkAndCrLf) {
    const LanguageFile file("\xEF\xBB\xBF[OTHER]\r\n101=确定\r\n102= 取消 \r\n");
    const LanguageTexts texts = LanguageTexts::Load(file.Path(), Language::Chinese);
    EXPECT_EQ(texts.GetText(101), "确定");
    EXPECT_EQ(texts.GetText(102), "取消");
    EXPECT_EQ(texts.Current(), Language::Chinese);
    EXPECT_EQ(texts.Builtin(BuiltinText::FileError), "文件错误。");
}

TEST(LanguageTextsLoad, FileIsReadOnceAtLoad) {
    const LanguageFile file("[OTHER]\n101=OK\n");
    const LanguageTexts texts = LanguageTexts::Load(file.Path(), Language::English);
    file.Rewrite("[OTHER]\n101=Changed\n");
    EXPECT_EQ(texts.GetText(101), "OK");
    EXPECT_EQ(LanguageTexts::Load(file.Path(), Language::English).GetText(101), "Changed");
}

TEST(LanguageTextsLoad, FirstOccurrenceOfAKeyWins) {
    const LanguageFile file("[OTHER]\n101=first\n101=second\n[other]\n101=third\n");
    EXPECT_EQ(LanguageTexts::Load(file.Path(), Language::English).GetText(101), "first");
}

TEST(LanguageTextsLoad, BuiltinTextFollowsTheLanguage) {
    const LanguageTexts english;
    EXPECT_EQ(english.Current(), Language::English);
    EXPECT_EQ(english.Builtin(BuiltinText::FileError), "file error.");
}

TEST(BuiltinTextMarkers, EveryMarkerIsFilledOnceAndTheValueIsLeftAsItIs) {
    struct Case {
        std::string_view text, value, expected;
    };
    for (const Case& c :
         {Case{"-aG %1 (%1)", "uucp", "-aG uucp (uucp)"}, Case{"no marker", "x", "no marker"},
          Case{"%1 and %2", "%1%2", "%1%2 and %2"}}) {
        EXPECT_EQ(FillMarker(c.text, "%1", c.value), c.expected) << c.text;
    }
}

TEST(LanguageTextsFileName, NamesTheFileOfEachLanguage) {
    EXPECT_EQ(LanguageFileName(Language::English), "english.ini");
    EXPECT_EQ(LanguageFileName(Language::Chinese), "chinese.ini");
}

} // namespace
} // namespace rp70
