#include "editors/five_tone_edit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editors/alert_edit.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

class FiveToneEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaults(image.Record);
        lists = BuildFiveToneEditLists(user.texts);
    }

    FiveToneRecord& FiveTone() { return image.Record.Function.FiveTone; }
    FiveToneEdit Open() { return OpenFiveToneEdit(image, lists, user.texts); }
    std::string Shown(const std::vector<std::string>& list, int position) {
        return TextAt(list, position);
    }

    test::UserContextFixture user;
    RadioImage image;
    FiveToneEditLists lists;
};

TEST_F(FiveToneEditTest, ANewImageOpensWithItsDefaultsAndOkWaitsForAFiveDigitOwnId) {
    FiveToneEdit edit = Open();
    const FiveToneEditInputs& in = edit.Inputs;
    EXPECT_EQ(in.OwnId, "");
    EXPECT_EQ(Shown(lists.Standards, in.Standard), "ZVEI1");
    EXPECT_EQ(Shown(lists.ToneLengths, in.ToneLength), "70");
    EXPECT_EQ(Shown(lists.SendDelays, in.PreSendDelay), "200");
    EXPECT_EQ(Shown(lists.SendDelays, in.PostSendDelay), "200");
    EXPECT_EQ(Shown(lists.ResetTimes, in.ResetTime), "0.0");
    EXPECT_EQ(Shown(lists.PauseTimes, in.PauseTime), "10");
    EXPECT_EQ(Shown(lists.SendDelays, in.FirstDigitDelay), "200");
    EXPECT_EQ(Shown(lists.CodePauseTimes, in.CodePauseTime), "200");
    EXPECT_EQ(Shown(lists.PauseCodes, in.PauseCode), "Off");
    EXPECT_FALSE(CodePauseTimeOn(in));
    EXPECT_EQ(Shown(lists.DecodeTimes, in.DecodeTime), "20");
    EXPECT_EQ(in.Info.Number, 1);

    const ImageRecord before = image.Record;
    EXPECT_FALSE(ApplyFiveToneEdit(user.ctx, image, edit, lists));
    EXPECT_EQ(user.ui.Texts(), std::vector<std::string>{"Please enter a 5-digit ID."});
    EXPECT_EQ(image.Record, before);
    edit.Inputs.OwnId = "12345";
    EXPECT_TRUE(ApplyFiveToneEdit(user.ctx, image, edit, lists));
    EXPECT_EQ(TextOf(FiveTone().OwnId), "12345");
    EXPECT_EQ(FiveTone().OwnIdLength, 5);
}

TEST_F(FiveToneEditTest, ChoosingAStandardProposesItsDurationAndShowsItsTable) {
    FiveToneEditInputs inputs = Open().Inputs;
    inputs.Standard = 6; // CCIR1
    ReactToStandard(inputs, user.texts);
    EXPECT_EQ(Shown(lists.ToneLengths, inputs.ToneLength), "100");
    EXPECT_EQ(inputs.TableText.substr(0, 7), "CCIR1\r\n");
    EXPECT_NE(inputs.TableText.find("\r\nTone Length(ms) 100\r\n"), std::string::npos);

    inputs.PttIdCodes[kEndCode].Standard = 9; // EEA
    ReactToPttIdStandard(inputs, kEndCode, user.texts);
    EXPECT_EQ(Shown(lists.ToneLengths, inputs.PttIdCodes[kEndCode].ToneLength), "40");
    EXPECT_EQ(Shown(lists.ToneLengths, inputs.PttIdCodes[kBeginCode].ToneLength), "70");
    EXPECT_EQ(inputs.TableText.substr(0, 5), "EEA\r\n");
}

TEST_F(FiveToneEditTest, OpeningRepairsDamagedValuesInTheCopyOnly) {
    FiveTone().ToneLength = 0;
    FiveTone().PauseTime = 3;
    FiveTone().PauseCode = 13;
    FiveTone().BotCode.Length = 6;
    WriteFixedText(FiveTone().BotCode.Digits, "123");
    FiveTone().BotCode.ToneLength = 12;
    FiveTone().BotCode.Standard = 16;
    FiveTone().EotCode.Length = 41;
    WriteFixedText(FiveTone().EotCode.Digits, "4567");
    const FiveToneRecord stored = FiveTone();

    const FiveToneEdit edit = Open();
    const FiveToneEditInputs& in = edit.Inputs;
    EXPECT_EQ(Shown(lists.ToneLengths, in.ToneLength), "70");
    EXPECT_EQ(edit.Record.ToneLength, 7);
    EXPECT_EQ(Shown(lists.PauseTimes, in.PauseTime), "Off");
    EXPECT_EQ(edit.Record.PauseTime, 0);
    EXPECT_EQ(Shown(lists.PauseCodes, in.PauseCode), "D");
    EXPECT_TRUE(CodePauseTimeOn(in));
    EXPECT_EQ(in.PttIdCodes[kBeginCode], (PttIdCodeInputs{"123EEE", 0, 4})); // ZVEI1, 70 ms
    EXPECT_EQ(edit.Record.BotCode.Standard, 0);
    EXPECT_EQ(in.PttIdCodes[kEndCode].Code, "");
    EXPECT_EQ(edit.Record.EotCode.Length, 0);
    EXPECT_EQ(FiveTone(), stored);
}

TEST_F(FiveToneEditTest, EveryInputSurvivesOkAndReopening) {
    FiveToneEdit edit = Open();
    FiveToneEditInputs& in = edit.Inputs;
    in.OwnId = "54321";
    in.Standard = 13;
    in.DecodeResponse = 2;
    in.ToneLength = 7;
    in.PreSendDelay = 254;
    in.PostSendDelay = 0;
    in.FirstDigitDelay = 100;
    in.ResetTime = 250;
    in.PauseTime = 71; // 75
    in.PauseCode = 4;  // F
    in.CodePauseTime = 255;
    in.DecodeTime = 200;
    in.SideTone = true;
    in.PttIdCodes[kBeginCode] = {"1123", 10, 0};
    in.PttIdCodes[kEndCode] = {"E654321", 3, 7};
    in.Info.Function = kInfoFunctionIndividual;
    ReactToInfoFunction(in.Info);
    in.Info.Code = "ABC";
    in.Info.Name = "Base";
    ASSERT_TRUE(ApplyFiveToneEdit(user.ctx, image, edit, lists));
    EXPECT_EQ(FiveTone().PauseCode, 15);
    EXPECT_EQ(FiveTone().BotCode.Length, 4);
    EXPECT_EQ(image.Record.DecodeTime, 200);

    FiveToneEditInputs expected = in;
    expected.PttIdCodes[kBeginCode].Code = "1E23";
    FiveToneEditInputs reopened = Open().Inputs;
    reopened.TableText = expected.TableText;
    EXPECT_EQ(reopened, expected);
}

TEST_F(FiveToneEditTest, LeavingAPttIdCodeEncodesItForTheOwnId) {
    const struct {
        std::string typed;
        std::string encoded;
    } cases[] = {{"1123", "1E23"},
                 {"5555", "5E5E"},
                 {"55555D12345", "5E5E5D12345"},
                 {"1234DD12345", "1234DD12345"},
                 {"", ""}};
    FiveToneEditInputs inputs;
    inputs.OwnId = "12345";
    for (const auto& c : cases) {
        inputs.PttIdCodes[kBeginCode].Code = c.typed;
        FinishPttIdCode(inputs, kBeginCode);
        EXPECT_EQ(inputs.PttIdCodes[kBeginCode].Code, c.encoded) << c.typed;
    }
}

TEST_F(FiveToneEditTest, AShortOwnIdIsRefusedOnLeavingAndNothingIsStored) {
    FiveToneEdit edit = Open();
    edit.Inputs.OwnId = "1234";
    edit.Inputs.DecodeTime = 50;
    const ImageRecord before = image.Record;
    EXPECT_FALSE(LeaveOwnId(user.ctx, image, edit, lists));
    EXPECT_EQ(user.ui.Texts(), std::vector<std::string>{"Please enter a 5-digit ID."});
    EXPECT_EQ(image.Record, before);
    EXPECT_EQ(edit.Record, FiveTone());
}

TEST_F(FiveToneEditTest, CancelAfterAnAcceptedOwnIdKeepsOnlyTheDecodeTime) {
    FiveToneEdit edit = Open();
    edit.Inputs.OwnId = "12345";
    edit.Inputs.DecodeTime = 50;
    edit.Inputs.SideTone = true;
    const FiveToneRecord stored = FiveTone();
    ASSERT_TRUE(LeaveOwnId(user.ctx, image, edit, lists));
    EXPECT_EQ(image.Record.DecodeTime, 50);
    EXPECT_EQ(FiveTone(), stored); // Cancel now drops the copy
    EXPECT_EQ(edit.Inputs.OwnId, "12345");
    EXPECT_TRUE(edit.Inputs.SideTone);
    EXPECT_EQ(edit.Record.SideTone, 1);
}

TEST_F(FiveToneEditTest, ANewOwnIdIsCarriedIntoThePttIdCodesAndTheCodeList) {
    WriteFixedText(FiveTone().OwnId, "12345");
    FiveTone().EotCode.Length = 7;
    WriteFixedText(FiveTone().EotCode.Digits, "E612345");
    FiveTone().Codes[4].InUseFlag = 0;
    FiveTone().Codes[4].Length = 11;
    WriteFixedText(FiveTone().Codes[4].Digits, "67890D12345");
    FiveToneEdit edit = Open();
    edit.Inputs.OwnId = "54321";
    ASSERT_TRUE(LeaveOwnId(user.ctx, image, edit, lists));
    EXPECT_EQ(edit.Inputs.PttIdCodes[kEndCode].Code, "E654321");
    EXPECT_EQ(TextOf(edit.Record.Codes[4].Digits), "67890D54321");
    EXPECT_EQ(edit.Rows[4][static_cast<std::size_t>(CodeColumn::Special)], "ANI");
}

TEST_F(FiveToneEditTest, SettingLinesListTheShownInputsInfoCodesAndCodesInUse) {
    FiveTone().InfoCodes[1].Function = kInfoFunctionWakeUp;
    FiveTone().Codes[7].InUseFlag = 0;
    FiveTone().Codes[7].Length = 4;
    WriteFixedText(FiveTone().Codes[7].Digits, "1E23");
    WriteFixedText(FiveTone().Codes[7].Name, "Depot");
    const SettingLines lines = FiveToneSettingLines(image, user.texts);
    auto has = [&lines](const SettingLine& wanted) {
        return std::find(lines.begin(), lines.end(), wanted) != lines.end();
    };
    EXPECT_EQ(lines.front(), (SettingLine{"Own ID", ""}));
    EXPECT_TRUE(has({"Decode Time(ms)", "20"}));
    EXPECT_TRUE(has({"PTT-ID Begin Code Tone Length(ms)", "70"}));
    EXPECT_TRUE(has({"Info Code #2 Decode Function", "Wake Up"}));
    EXPECT_FALSE(has({"Info Code #1 Decode Function", "None"}));
    EXPECT_EQ(lines.back(), (SettingLine{"7", "1E23  ZVEI1  70  Depot"}));
}

TEST_F(FiveToneEditTest, ARefusedInfoCodeSetKeepsTheImageAndTheEntries) {
    FiveToneEdit edit = Open();
    edit.Inputs.OwnId = "12345";
    edit.Inputs.Info.Function = kInfoFunctionKill;
    edit.Inputs.Info.Code = "123";
    const FiveToneRecord stored = FiveTone();
    EXPECT_FALSE(ApplyFiveToneEdit(user.ctx, image, edit, lists));
    EXPECT_EQ(user.ui.Texts(), std::vector<std::string>{user.texts.Option(kKeyNoWakeUpCode)});
    EXPECT_EQ(FiveTone(), stored);
    EXPECT_EQ(edit.Record.InfoCodes[0].Function, kInfoFunctionKill);
}

TEST_F(FiveToneEditTest, OkMovesTheAlertOffAFiveToneCodeNoLongerInUse) {
    for (FiveToneCode& code : FiveTone().Codes) {
        code.InUseFlag = 1;
    }
    FiveTone().Codes[3].InUseFlag = 0;
    WriteFixedText(FiveTone().Codes[3].Digits, "12");
    FiveTone().Codes[3].Length = 2;
    AlertRecord& alert = image.Record.Function.Alert;
    for (const auto& [type, expected] :
         {std::pair{kIdCodeFiveTone, 3}, std::pair{kIdCodeDtmf, 5}}) {
        alert.IdCodeType = static_cast<std::uint8_t>(type);
        alert.IdCode = 5;
        FiveToneEdit edit = Open();
        edit.Inputs.OwnId = "12345";
        ASSERT_TRUE(ApplyFiveToneEdit(user.ctx, image, edit, lists));
        EXPECT_EQ(alert.IdCode, expected) << type;
    }
}

} // namespace
} // namespace rp70
