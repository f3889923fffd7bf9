#include "editors/five_tone_special_call.h"

#include <gtest/gtest.h>

#include "model/fixed_text.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

const std::string& Col(const CodeRow& row, CodeColumn column) {
    return row[static_cast<std::size_t>(column)];
}

struct FiveToneSpecialCall : ::testing::Test {
    FiveToneSpecialCall() {
        SetDefaults(record);
        rows = ShowCodeList(record, "12345", user.texts);
    }

    SpecialCallInputs Inputs(SpecialCallType type, std::string id, int separator = 0) {
        SpecialCallInputs inputs = OpenSpecialCall(record, 4);
        inputs.Type = type;
        inputs.MessageTargetId = id;
        inputs.AniTargetId = id;
        inputs.Separator = separator;
        return inputs;
    }

    test::UserContextFixture user;
    FiveToneRecord record;
    CodeRows rows;
};

TEST_F(FiveToneSpecialCall, ComposesEachCallTypeForEachTarget) {
    const struct {
        SpecialCallType type;
        const char* id;
        int separator;
        SpecialCallTarget target;
        const char* code;
    } cases[] = {
        {SpecialCallType::DataMessage, "12345", 0, SpecialCallTarget::CodeList, "E112345E4849"},
        {SpecialCallType::Ani, "67890", 4, SpecialCallTarget::CodeList, "67890DSelfID"},
        {SpecialCallType::Ani, "67890", 0, SpecialCallTarget::BeginCode, "6789012345"},
        {SpecialCallType::Ani, "6789A", 1, SpecialCallTarget::EndCode, "6789AA12345"},
        {SpecialCallType::PttId, "", 0, SpecialCallTarget::CodeList, "E6SelfID"},
        {SpecialCallType::PttId, "", 0, SpecialCallTarget::BeginCode, "E612345"},
    };
    for (const auto& c : cases) {
        SpecialCallInputs inputs = Inputs(c.type, c.id, c.separator);
        inputs.Message = "HI";
        EXPECT_EQ(ComposeSpecialCode(inputs, c.target, "12345"), c.code);
    }
}

TEST_F(FiveToneSpecialCall, SeparatorListStandsForAniSeparatorValues) {
    const struct {
        int stored, position, value;
    } cases[] = {{0, 0, 0},   {10, 1, 10}, {11, 2, 11}, {13, 4, 13},
                 {15, 6, 15}, {9, 0, 0},   {16, 0, 0}};
    for (const auto& c : cases) {
        record.AniSeparator = static_cast<std::int16_t>(c.stored);
        EXPECT_EQ(OpenSpecialCall(record, 0).Separator, c.position) << c.stored;
        EXPECT_EQ(AniSeparator(c.position), c.value);
    }
    EXPECT_EQ(BuildSpecialCallLists(user.texts).Separators,
              (std::vector<std::string>{"None", "A", "B", "C", "D", "E", "F"}));
}

TEST_F(FiveToneSpecialCall, ShortTargetIdIsRefusedAndChangesNothing) {
    for (const SpecialCallType type : {SpecialCallType::DataMessage, SpecialCallType::Ani}) {
        const FiveToneRecord before = record;
        const CodeRows rowsBefore = rows;
        user.ui.shown.clear();
        EXPECT_FALSE(ApplySpecialCall(user.ctx, record, rows, Inputs(type, "1234", 2),
                                      SpecialCallTarget::CodeList, "12345"));
        EXPECT_EQ(user.ui.Texts(), std::vector<std::string>{user.texts.Msg("900C")});
        EXPECT_EQ(record, before);
        EXPECT_EQ(rows, rowsBefore);
    }
}

TEST_F(FiveToneSpecialCall, DataMessageIsStoredEncodedAndShownAgainOnOpening) {
    SpecialCallInputs inputs = Inputs(SpecialCallType::DataMessage, "12345");
    inputs.Message = "HI";
    ASSERT_TRUE(
        ApplySpecialCall(user.ctx, record, rows, inputs, SpecialCallTarget::CodeList, "12345"));
    EXPECT_EQ(TextOf(record.Codes[4].Digits), "E1E2345E4849");
    EXPECT_EQ(record.Codes[4].Length, 12);
    EXPECT_EQ(record.Codes[4].InUseFlag, 0);
    EXPECT_EQ(Col(rows[4], CodeColumn::Special), "Data Message");
    EXPECT_EQ(ShowCodeList(record, "12345", user.texts)[4], rows[4]);
    EXPECT_EQ(Col(rows[4], CodeColumn::Code), "12345        Msg:HI");
}

TEST_F(FiveToneSpecialCall, AniInTheCodeListTakesTheOwnIdWhenTheListIsStored) {
    ASSERT_TRUE(ApplySpecialCall(user.ctx, record, rows, Inputs(SpecialCallType::Ani, "67890", 4),
                                 SpecialCallTarget::CodeList, "12345"));
    EXPECT_EQ(TextOf(record.Codes[4].Digits), "67890DSelfID");
    EXPECT_EQ(record.AniSeparator, 13);
    EXPECT_EQ(Col(rows[4], CodeColumn::Special), "ANI");
    EXPECT_EQ(Col(rows[4], CodeColumn::Code), "67890D");

    record.OwnId = MakeFixedText<6>("12345");
    StoreCodeList(record, rows);
    EXPECT_EQ(TextOf(record.Codes[4].Digits), "67890D12345");
    EXPECT_EQ(ShowCodeList(record, "12345", user.texts)[4], rows[4]);
}

} // namespace
} // namespace rp70
