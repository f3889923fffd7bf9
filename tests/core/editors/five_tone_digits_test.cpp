#include "editors/five_tone_digits.h"

#include <gtest/gtest.h>

#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

TEST(FiveToneDigits, RepeatRuleReplacesATonesRepeatWithE) {
    const struct {
        const char* digits;
        char preceding;
        const char* encoded;
    } cases[] = {
        {"", 'X', ""},
        {"11", 'X', "1E"},
        {"111", 'X', "1E1"},
        {"1123", 'X', "1E23"},
        {"5555", 'X', "5E5E"},
        {"12", '1', "E2"},
        {"123  ", 'X', "123"},
        // a data message keeps its message digits after the eighth character
        {"E112345E4849", 'X', "E1E2345E4849"},
        {"E100000E4444", 'X', "E10E0E0E4444"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeRepeats(c.digits, c.preceding), c.encoded) << c.digits;
    }
}

TEST(FiveToneDigits, AniCodesAreTargetOptionalSeparatorAndOwnId) {
    const struct {
        const char* code;
        const char* ownId;
        bool ani;
    } cases[] = {
        {"6789012345", "12345", true},   {"67890D12345", "12345", true},
        {"67890DSelfID", "", true},      {"67890SelfID", "", true},
        {"67890GSelfID", "", false},     {"6789012345", "1234", false},
        {"67890912345", "12345", false}, {"123456789", "12345", false},
        {"678901E2E3", "11223", true}, // own ID encoded
        {"123451E223", "11223", false},  {"1234E12345", "12345", true},
        {"12341E2345", "12345", true}, // encoded after the target,
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsAniCode(c.code, c.ownId), c.ani) << c.code << " / " << c.ownId;
    }
}

TEST(FiveToneDigits, AniCodesKeepSeparatorAndFirstOwnDigit) {
    EXPECT_EQ(EncodeCode("12345D12345", "12345"), "12345D12345");
    EXPECT_EQ(EncodeCode("11111D11111", "11111"), "1E1E1D1E1E1");
    EXPECT_EQ(EncodeCode("1111111111", "11111"), "1E1E1E1E1E");
    EXPECT_EQ(EncodeCode("1123", "12345"), "1E23");
}

TEST(FiveToneDigits, ShowingStoredCodesUndoesTheRepeats) {
    EXPECT_EQ(Mid5ToneNoE("E1E2345E4849", 3, 5), "12345");
    EXPECT_EQ(Mid5ToneNoE("1E23", 1, 10), "1123");
    EXPECT_EQ(CodeToLength("123", 6), "123EEE");
    EXPECT_EQ(CodeToLength("123456", 4), "1234");
    EXPECT_EQ(StoredDigits(std::string_view("12 \0xx", 6)), "12");
}

TEST(FiveToneDigits, StandardTableTextListsEveryDigitAndTheDuration) {
    test::UserContextFixture user;
    const std::string ccir1 = StandardTableText(6, user.texts);
    EXPECT_TRUE(ccir1.starts_with("CCIR1\r\nFrequency(Hz)\r\n0 1981\r\n1 1124\r\n")) << ccir1;
    EXPECT_TRUE(
        ccir1.ends_with("F 1055\r\nTone Length(ms) 100\r\nGroup Tone A\r\nRepeat Tone E\r\n"))
        << ccir1;
    const std::string euro = StandardTableText(10, user.texts);
    for (const char* line :
         {"\r\nA \r\n", "\r\nB \r\n", "\r\nC \r\n", "\r\nD \r\n", "\r\nF \r\n"}) {
        EXPECT_NE(euro.find(line), std::string::npos) << line;
    }
    EXPECT_NE(StandardTableText(4, user.texts).find("\r\nA 825/885\r\n"), std::string::npos);
    EXPECT_EQ(FiveToneStandardNames().size(), 14U);
    EXPECT_EQ(DefaultToneLength(9), 4);
    EXPECT_EQ(StandardTableText(14, user.texts), "");
}

TEST(FiveToneDigits, ChineseHeadingsLoseTheirWholeLastCharacter) {
    const LanguageTexts texts = LanguageTexts::Load(
        std::filesystem::path(RP70_LANG_DIR) / "chinese.ini", Language::Chinese);
    EXPECT_TRUE(StandardTableText(0, texts).starts_with("ZVEI1\r\n频率(Hz)\r\n"));
}

} // namespace
} // namespace rp70
