#include "editors/five_tone_code_list.h"

#include <gtest/gtest.h>

#include "editors/five_tone_digits.h"
#include "model/fixed_text.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

const std::string& Col(const CodeRow& row, CodeColumn column) {
    return row[static_cast<std::size_t>(column)];
}

FiveToneRecord NewRecord() {
    FiveToneRecord record;
    SetDefaults(record);
    return record;
}

FiveToneCode InUse(std::string_view digits, std::uint8_t length) {
    FiveToneCode code;
    code.Digits = MakeFixedText<40>(digits);
    code.Length = length;
    code.ToneLength = 7;
    return code;
}

std::string DigitsOf(const FiveToneCode& code) {
    return TextOf(code.Digits);
}

struct FiveToneCodeList : ::testing::Test {
    test::UserContextFixture user;
    FiveToneRecord record = NewRecord();
};

TEST_F(FiveToneCodeList, NewImageShowsEmptyRowsWithTheFirstStandard) {
    const CodeRows rows = ShowCodeList(record, "", user.texts);
    for (std::size_t entry = 0; entry < rows.size(); ++entry) {
        EXPECT_EQ(rows[entry], (CodeRow{std::to_string(entry), "", "", "ZVEI1", "70", ""}));
    }
}

TEST_F(FiveToneCodeList, ShowingRepairsOutOfRangeFields) {
    const struct {
        std::uint8_t length, standard, toneLength;
        const char* shownToneLength;
        std::uint8_t storedLength, storedStandard, storedToneLength;
    } cases[] = {
        {3, 6, 12, "70", 3, 6, 7},  {3, 6, 10, "100", 3, 6, 10}, {3, 6, 2, "70", 3, 6, 7},
        {41, 16, 3, "30", 0, 0, 3}, {3, 15, 7, "70", 3, 15, 7}, // no name: shows the first one
    };
    for (const auto& c : cases) {
        FiveToneCode code = InUse("123", c.length);
        code.Standard = c.standard;
        code.ToneLength = c.toneLength;
        const CodeRow row = ShowCodeEntry(code, 0, "", user.texts);
        EXPECT_EQ(Col(row, CodeColumn::ToneLength), c.shownToneLength);
        EXPECT_EQ(code.Length, c.storedLength);
        EXPECT_EQ(code.Standard, c.storedStandard);
        EXPECT_EQ(code.ToneLength, c.storedToneLength);
        EXPECT_EQ(Col(row, CodeColumn::Standard),
                  c.standard < 14 ? FiveToneStandardNames()[c.storedStandard] : "ZVEI1");
    }
}

TEST_F(FiveToneCodeList, RowsShowTheirKindOfCode) {
    const struct {
        const char* digits;
        std::uint8_t length;
        const char* special;
        const char* code;
    } cases[] = {
        {"E1E2345E4849", 12, "Data Message", "12345        Msg:HI"},
        {"E1E2345E", 8, "Data Message", "12345        Msg:"},
        {"E1E2345E0041", 12, "Data Message", "12345        Msg:?A"},
        {"E612345", 7, "PTTID", ""},
        {"E6123", 5, "", "E6123"},
        {"67890D12345", 11, "ANI", "67890D"},
        {"6789012345", 10, "ANI", "67890"},
        {"67890DSelfID", 12, "ANI", "67890D"},
        {"1E1E1SelfID", 11, "ANI", "11111"},
        {"67890D54321", 11, "", "67890D54321"},
        {"123", 6, "", "123EEE"},
        {"1E23456", 4, "", "1E23"},
    };
    for (const auto& c : cases) {
        FiveToneCode code = InUse(c.digits, c.length);
        code.Name = MakeFixedText<7>("Fire");
        const CodeRow row = ShowCodeEntry(code, 5, "12345", user.texts);
        EXPECT_EQ(row, (CodeRow{"5", c.special, c.code, "ZVEI1", "70", "Fire"})) << c.digits;
    }
}

TEST_F(FiveToneCodeList, EditorsOpenOnCodesAndOnRowsWithACode) {
    const CodeRow plain{"0", "", "123", "ZVEI1", "70", ""};
    const CodeRow empty{"0", "", "", "ZVEI1", "70", ""};
    const CodeRow ani{"0", "ANI", "67890D", "ZVEI1", "70", ""};
    const CodeRow pttId{"0", "PTTID", "", "ZVEI1", "70", ""};
    const struct {
        const CodeRow& row;
        bool code, others;
    } cases[] = {
        {plain, true, true}, {empty, true, false}, {ani, false, true}, {pttId, false, true}};
    for (const auto& c : cases) {
        EXPECT_FALSE(OpensEditor(c.row, CodeColumn::Number));
        EXPECT_FALSE(OpensEditor(c.row, CodeColumn::Special));
        EXPECT_EQ(OpensEditor(c.row, CodeColumn::Code), c.code) << Col(c.row, CodeColumn::Code);
        for (const CodeColumn column :
             {CodeColumn::Standard, CodeColumn::ToneLength, CodeColumn::Name}) {
            EXPECT_EQ(OpensEditor(c.row, column), c.others) << Col(c.row, CodeColumn::Special);
        }
    }
}

TEST_F(FiveToneCodeList, CommittingACodeEncodesItAndMarksTheEntry) {
    CodeRows rows = ShowCodeList(record, "12345", user.texts);
    CommitCodeCell(record, rows, {3, CodeColumn::Code}, "1123", "12345");
    EXPECT_EQ(DigitsOf(record.Codes[3]), "1E23");
    EXPECT_EQ(record.Codes[3].Length, 4);
    EXPECT_EQ(record.Codes[3].InUseFlag, 0);
    EXPECT_EQ(Col(rows[3], CodeColumn::Code), "1E23");

    CommitCodeCell(record, rows, {3, CodeColumn::Code}, "", "12345");
    EXPECT_EQ(record.Codes[3].InUseFlag, 1);
    EXPECT_EQ(record.Codes[3].Length, 0);
    rows = ShowCodeList(record, "12345", user.texts);
    EXPECT_EQ(rows[3], (CodeRow{"3", "", "", "ZVEI1", "70", ""}));
}

TEST_F(FiveToneCodeList, EnterMovesOnAsEachEditorSays) {
    const struct {
        CodeCell from;
        const char* text;
        CodeCell to;
    } cases[] = {
        {{4, CodeColumn::Code}, "12", {4, CodeColumn::Standard}},
        {{4, CodeColumn::Code}, "", {5, CodeColumn::Code}},
        {{99, CodeColumn::Code}, "", {0, CodeColumn::Code}},
        {{4, CodeColumn::Standard}, "ZVEI1", {4, CodeColumn::ToneLength}},
        {{4, CodeColumn::ToneLength}, "70", {5, CodeColumn::Code}},
        {{99, CodeColumn::ToneLength}, "70", {0, CodeColumn::Code}},
        {{4, CodeColumn::Name}, "A", {5, CodeColumn::Special}},
        {{99, CodeColumn::Name}, "", {0, CodeColumn::Special}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextCodeCell(c.from, c.text), c.to)
            << c.from.Entry << "/" << static_cast<int>(c.from.Column);
    }
}

TEST_F(FiveToneCodeList, ResettingASpecialRowKeepsTheEntryInUse) {
    record.Codes[7] = InUse("67890D12345", 11);
    record.Codes[7].Standard = 6;
    record.Codes[7].Name = MakeFixedText<7>("Ann");
    CodeRows rows = ShowCodeList(record, "12345", user.texts);
    ResetSpecialRow(record, rows, 7);
    EXPECT_EQ(rows[7], (CodeRow{"7", "", "", "CCIR1", "70", "Ann"}));
    EXPECT_EQ(record.Codes[7].Length, 0);
    EXPECT_EQ(DigitsOf(record.Codes[7]), "");
    EXPECT_EQ(record.Codes[7].InUseFlag, 0);
    EXPECT_EQ(record.Codes[7].Standard, 6);
    EXPECT_EQ(TextOf(record.Codes[7].Name), "Ann");
}

TEST_F(FiveToneCodeList, StoringPutsTheOwnIdIntoSpecialCodes) {
    record.OwnId = MakeFixedText<6>("11234");
    const struct {
        const char* digits;
        const char* stored;
    } cases[] = {
        {"67890DSelfID", "67890D1E234"},
        {"67890SelfID", "678901E234"},
        {"E6SelfID", "E61E234"},
        {"E2999", "E21E234"},
        {"1123", "1E23"},
        {"E1", "E1"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        record.Codes[i] = InUse(cases[i].digits, 0);
    }
    CodeRows rows = ShowCodeList(record, "11234", user.texts);
    rows[0][static_cast<std::size_t>(CodeColumn::Standard)] = "EEA";
    rows[0][static_cast<std::size_t>(CodeColumn::ToneLength)] = "120";
    rows[0][static_cast<std::size_t>(CodeColumn::Name)] = " Kim ";
    StoreCodeList(record, rows);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(DigitsOf(record.Codes[i]), cases[i].stored) << cases[i].digits;
        EXPECT_EQ(record.Codes[i].Length, std::string_view(cases[i].stored).size());
    }
    EXPECT_EQ(record.Codes[0].Standard, 9);
    EXPECT_EQ(record.Codes[0].ToneLength, 7);
    EXPECT_EQ(TextOf(record.Codes[0].Name), "Kim");
    EXPECT_EQ(record.Codes[50].InUseFlag, 1); // storing leaves the flag alone
}

TEST_F(FiveToneCodeList, DataMessageEndingLikeTheOwnIdKeepsItsMessage) {
    // Target 12345 and message "H" end in "45E48", the own ID 45548 encoded.
    record.OwnId = MakeFixedText<6>("45548");
    record.Codes[0] = InUse("E1E2345E48", 10);
    StoreCodeList(record, ShowCodeList(record, "45548", user.texts));
    EXPECT_EQ(DigitsOf(record.Codes[0]), "E1E2345E48");
    RewriteOwnId(record, "45548");
    EXPECT_EQ(DigitsOf(record.Codes[0]), "E1E2345E48");
}

TEST_F(FiveToneCodeList, OwnIdChangeRewritesAniAndPttIdCodes) {
    record.OwnId = MakeFixedText<6>("54321");
    record.Codes[0] = InUse("67890D12345", 11);
    record.Codes[1] = InUse("E612345", 7);
    record.Codes[2] = InUse("6789012345", 10);
    record.Codes[3] = InUse("1123", 4);
    record.BotCode = InUse("E6123", 5); // an own ID shorter than five grows with the code
    record.EotCode = InUse("11111D12345", 11);
    RewriteOwnId(record, "12345");
    EXPECT_EQ(DigitsOf(record.Codes[0]), "67890D54321");
    EXPECT_EQ(DigitsOf(record.Codes[1]), "E654321");
    EXPECT_EQ(DigitsOf(record.Codes[2]), "6789054321");
    EXPECT_EQ(DigitsOf(record.Codes[3]), "1123");
    EXPECT_EQ(DigitsOf(record.BotCode), "E654321");
    EXPECT_EQ(record.BotCode.Length, 7);
    EXPECT_EQ(DigitsOf(record.EotCode), "1E1E1D54321");

    record.OwnId = MakeFixedText<6>("55555");
    RewriteOwnId(record, "54321");
    EXPECT_EQ(DigitsOf(record.Codes[0]), "67890D5E5E5");
    EXPECT_EQ(DigitsOf(record.Codes[2]), "678905E5E5");
}

} // namespace
} // namespace rp70
