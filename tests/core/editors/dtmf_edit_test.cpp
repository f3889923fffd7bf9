#include "editors/dtmf_edit.h"

#include <gtest/gtest.h>

#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

class DtmfEdit : public ::testing::Test {
protected:
    void SetUp() override { SetDefaults(Dtmf()); }

    DTMFRecord& Dtmf() { return image.Record.Function.Dtmf; }

    DtmfEditInputs Open() { return OpenDtmfRecord(Dtmf(), lists); }

    // Opens the record, lets `edit` change the inputs, presses OK.
    template <typename Edit> bool OpenEditOk(Edit edit) {
        DtmfEditInputs inputs = Open();
        edit(inputs);
        return ApplyDtmfEdit(user.ctx, image, inputs, lists);
    }

    test::UserContextFixture user;
    RadioImage image;
    DtmfEditLists lists = BuildDtmfEditLists(user.texts);
};

TEST_F(DtmfEdit, ListsShowTheTimingsInTheirScales) {
    EXPECT_EQ(lists.SendTimes.front(), "30ms");
    EXPECT_EQ(lists.FirstDigitDelays.size(), 251u);
    EXPECT_EQ(lists.FirstDigitDelays.back(), "2500");
    EXPECT_EQ(lists.SendDelays.size(), 250u);
    EXPECT_EQ(lists.SendDelays.front(), "10");
    EXPECT_EQ(lists.ResetTimes.size(), 251u);
    EXPECT_EQ(lists.ResetTimes[7], "0.7");
    EXPECT_EQ(lists.ResetTimes.back(), "25.0");
    EXPECT_EQ(lists.PauseTimes.size(), 72u);
    EXPECT_EQ(lists.PauseTimes[1], "5");
    EXPECT_EQ(lists.GroupCodes, (std::vector<std::string>{"Off", "A", "B", "C", "D", "*", "#"}));
}

TEST_F(DtmfEdit, ANewImageShowsItsDefaultsAndOkStoresThemUnchanged) {
    const DTMFRecord before = Dtmf();
    const DtmfEditInputs inputs = Open();
    EXPECT_EQ(lists.SendTimes[inputs.SendTime], "50ms");
    EXPECT_EQ(lists.GroupCodes[inputs.GroupCode], "A");
    EXPECT_EQ(lists.Separators[inputs.Separator], "*");
    EXPECT_EQ(lists.FirstDigitDelays[inputs.FirstDigitDelay], "200");
    EXPECT_EQ(lists.SendDelays[inputs.PreSendDelay], "200");
    EXPECT_EQ(lists.SendDelays[inputs.PostSendDelay], "200");
    EXPECT_EQ(lists.ResetTimes[inputs.ResetTime], "0.0");
    EXPECT_EQ(lists.PauseTimes[inputs.PauseTime], "10");
    EXPECT_EQ(inputs.PttId, 3);
    EXPECT_EQ(inputs.OwnId, "000");
    EXPECT_EQ(Dtmf(), before);
    EXPECT_TRUE(ApplyDtmfEdit(user.ctx, image, inputs, lists));
    EXPECT_EQ(Dtmf(), before);
}

TEST_F(DtmfEdit, OpeningRepairsStoredValuesOutsideTheirRanges) {
    DTMFRecord& r = Dtmf();
    r.Ani = 2;
    r.SendTime = -1;
    r.PttId = 4;
    r.OwnId = MakeFixedText<3>("7");
    r.SeparatorCode = 9;
    r.GroupCode = 255;
    r.DecodeResponse = 3;
    r.FirstDigitDelay = 251;
    r.PreSendDelay = 0;
    r.ResetTime = 300;
    r.PauseTime = 3;
    r.SideTone = 2;
    const DtmfEditInputs inputs = Open();
    EXPECT_EQ(std::tie(r.Ani, r.SendTime, r.PttId, r.SeparatorCode, r.GroupCode, r.DecodeResponse,
                       r.FirstDigitDelay, r.PauseTime, r.SideTone),
              std::make_tuple(0, 0, 0, 14, 9, 0, 0, 0, 0));
    EXPECT_EQ(TextOf(r.OwnId), "007");
    // Shown as the first entry, stored as it was until OK.
    EXPECT_EQ(r.PreSendDelay, 0);
    EXPECT_EQ(inputs.PreSendDelay, 0);
    EXPECT_EQ(inputs.ResetTime, 0);
    EXPECT_EQ(inputs.GroupCode, 0);

    for (const char* stored : {"1.5", "-12", "\0\0\0", "12A"}) {
        r.OwnId = MakeFixedText<3>(std::string_view(stored, 3));
        EXPECT_EQ(Open().OwnId, "000") << stored;
    }
}

TEST_F(DtmfEdit, OkStoresEveryInputInItsStoredScale) {
    Dtmf().GroupCode = 12;
    Dtmf().PreSendDelay = 0;
    Dtmf().PauseTime = 80;
    ASSERT_EQ(lists.GroupCodes[Open().GroupCode], "C");
    ASSERT_TRUE(OpenEditOk([](DtmfEditInputs& in) {
        in.Ani = 1;
        in.SendTime = 5;
        in.OwnId = "42";
        in.Separator = 5;
        in.DecodeResponse = 2;
        in.FirstDigitDelay = 250;
        in.ResetTime = 17;
        in.PostSendDelay = 249;
        in.SideTone = true;
        in.Codes[0] = "12*4#";
        in.Codes[kDtmfBeginCode] = "ABCD";
        in.Codes[kDtmfKillCode] = "12345678901234";
    }));
    const DTMFRecord& r = Dtmf();
    EXPECT_EQ(std::tie(r.Ani, r.SendTime, r.PttId, r.SeparatorCode, r.GroupCode, r.DecodeResponse,
                       r.FirstDigitDelay, r.PreSendDelay, r.ResetTime, r.PostSendDelay, r.PauseTime,
                       r.SideTone),
              std::make_tuple(1, 5, 3, 15, 12, 2, 250, 1, 17, 250, 0, 1));
    EXPECT_EQ(TextOf(r.OwnId), "042");
    EXPECT_EQ(std::string(r.Codes[0].Digits.data(), 24), "12E4F" + std::string(19, ' '));
    EXPECT_EQ(r.Codes[0].Length, 5);
    EXPECT_EQ(r.BotCode.Length, 4);
    EXPECT_EQ(r.KillCode.Length, 14);
    EXPECT_EQ(r.Codes[1].Length, 0);

    // Reopened, the codes show as typed and the group code off stores 255 again.
    DtmfEditInputs reopened = Open();
    EXPECT_EQ(reopened.Codes[0], "12*4#");
    reopened.GroupCode = 0;
    ASSERT_TRUE(ApplyDtmfEdit(user.ctx, image, reopened, lists));
    EXPECT_EQ(Dtmf().GroupCode, 255);
}

TEST_F(DtmfEdit, CodesShowTheirLengthWithinTheFieldOnly) {
    Dtmf().Codes[3] = {MakeFixedText<24>("12E4F"), 5};
    Dtmf().Codes[4] = {MakeFixedText<24>("123"), 40};
    Dtmf().StunCode = {MakeFixedText<14>("99"), -2};
    const DtmfEditInputs inputs = Open();
    EXPECT_EQ(inputs.Codes[3], "12*4#");
    EXPECT_EQ(inputs.Codes[4], "123");
    EXPECT_EQ(inputs.Codes[kDtmfStunCode], "");
}

TEST_F(DtmfEdit, OkIsRefusedOnlyForAKillCodeEqualToTheStunCode) {
    struct Case {
        std::string kill, stun;
        bool accepted;
    };
    for (const Case& c : {Case{"", "", true}, Case{"123", "123", false}, Case{"", "123", true},
                          Case{"123", "1234", true}}) {
        user.ui.shown.clear();
        SetDefaults(Dtmf());
        const bool ok = OpenEditOk([&](DtmfEditInputs& in) {
            in.Codes[kDtmfKillCode] = c.kill;
            in.Codes[kDtmfStunCode] = c.stun;
            in.Ani = 1;
        });
        EXPECT_EQ(ok, c.accepted) << c.kill << "/" << c.stun;
        EXPECT_EQ(Dtmf().Ani, c.accepted ? 1 : 0);
        EXPECT_EQ(user.ui.Texts(),
                  c.accepted ? std::vector<std::string>{} : std::vector{user.texts.GetText(3001)});
    }
}

TEST_F(DtmfEdit, CodesOfTheOwnIdFollowTheSeparator) {
    DtmfEditInputs inputs = Open();
    inputs.OwnId = "123";
    inputs.Codes[0] = "456*123";
    inputs.Codes[1] = "456*124";
    inputs.Codes[2] = "*123";
    inputs.Codes[kDtmfEndCode] = "456A123";
    inputs.Codes[kDtmfKillCode] = "456*123";
    inputs.Separator = 5; // "#"
    ReactToSeparator(inputs, lists);
    EXPECT_EQ(inputs.Codes[0], "456#123");
    EXPECT_EQ(inputs.Codes[1], "456*124");
    EXPECT_EQ(inputs.Codes[2], "#123");
    EXPECT_EQ(inputs.Codes[kDtmfEndCode], "456#123");
    EXPECT_EQ(inputs.Codes[kDtmfKillCode], "456*123");
}

TEST_F(DtmfEdit, CodesWithTheSeparatorFollowTheOwnId) {
    DtmfEditInputs inputs = Open();
    inputs.Codes[0] = "456*123";
    inputs.Codes[1] = "*123";
    inputs.Codes[2] = "456#123";
    inputs.Codes[kDtmfBeginCode] = "*999";
    inputs.Codes[kDtmfStunCode] = "*123";
    inputs.OwnId = "7";
    ReactToOwnIdLeft(inputs, lists);
    EXPECT_EQ(inputs.OwnId, "007");
    EXPECT_EQ(inputs.Codes[0], "456*007");
    EXPECT_EQ(inputs.Codes[1], "*007");
    EXPECT_EQ(inputs.Codes[2], "456#123");
    EXPECT_EQ(inputs.Codes[kDtmfBeginCode], "*007");
    EXPECT_EQ(inputs.Codes[kDtmfStunCode], "*123");
    inputs.OwnId = "";
    ReactToOwnIdLeft(inputs, lists);
    EXPECT_EQ(inputs.OwnId, "000");
}

TEST(DtmfCodes, TypedCharactersAndSpecialCalls) {
    EXPECT_EQ(DtmfCodeCharacter('a'), 'A');
    EXPECT_EQ(DtmfCodeCharacter('#'), '#');
    EXPECT_EQ(DtmfCodeCharacter('7'), '7');
    for (char refused : {'E', 'e', 'F', '.', ' ', '+'}) {
        EXPECT_EQ(DtmfCodeCharacter(refused), '\0') << refused;
    }
    EXPECT_EQ(AniCallCode("7", "#", "345"), "007#345");
    EXPECT_EQ(PttIdCallCode("A", "000"), "A000");
    DtmfEditInputs inputs;
    for (int field : {0, 15, kDtmfBeginCode, kDtmfEndCode}) {
        inputs.CurrentCode = field;
        EXPECT_TRUE(SpecialCallOffered(inputs)) << field;
    }
    for (int field : {kDtmfKillCode, kDtmfStunCode}) {
        inputs.CurrentCode = field;
        EXPECT_FALSE(SpecialCallOffered(inputs)) << field;
    }
}

TEST_F(DtmfEdit, SettingLinesListTheMemoriesThenEveryInputAsShown) {
    Dtmf().Codes[1] = {MakeFixedText<24>("1E"), 2};
    Dtmf().KillCode = {MakeFixedText<14>("77"), 2};
    Dtmf().PauseTime = 80;
    const RadioImage before = image;
    const SettingLines lines = DtmfSettingLines(image, user.texts);
    EXPECT_EQ(image.Record.Function.Dtmf, before.Record.Function.Dtmf);
    ASSERT_EQ(lines.size(), 16u + 17u);
    EXPECT_EQ(lines[0], (SettingLine{"M1", ""}));
    EXPECT_EQ(lines[1], (SettingLine{"M2", "1*"}));
    EXPECT_EQ(lines[15].Label, "M16");
    EXPECT_EQ(lines[18], (SettingLine{user.texts.Option(60069), "77"}));
    EXPECT_EQ(lines[21], (SettingLine{user.texts.GetText(1741), "50ms"}));
    EXPECT_EQ(lines[28], (SettingLine{user.texts.GetText(1609), "0.0"}));
    EXPECT_EQ(lines[30], (SettingLine{user.texts.GetText(1611), "Off"}));
    EXPECT_EQ(lines.back(), (SettingLine{user.texts.GetText(1743), user.texts.GetText(1767)}));
}

} // namespace
} // namespace rp70
