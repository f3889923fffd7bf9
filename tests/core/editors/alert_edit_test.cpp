#include "editors/alert_edit.h"

#include <gtest/gtest.h>

#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

using Labels = std::vector<std::string>;

class AlertEdit : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaults(Alert());
        image.Record.ChannelCount = 0;
        for (int number : {12, 1, 204, 12}) {
            image.Channels[static_cast<std::size_t>(image.Record.ChannelCount++)].ChannelNumber =
                static_cast<std::int16_t>(number);
        }
        // DTMF memories 2 and 5 hold codes; 5-tone codes 7 and 42 are in use.
        image.Record.Function.Dtmf.Codes[1].Length = 3;
        image.Record.Function.Dtmf.Codes[4].Length = 1;
        SetFiveToneCodesInUse({7, 42});
    }

    void SetFiveToneCodesInUse(std::initializer_list<int> inUse) {
        for (FiveToneCode& code : image.Record.Function.FiveTone.Codes) {
            code.InUseFlag = 1;
        }
        for (int k : inUse) {
            image.Record.Function.FiveTone.Codes[static_cast<std::size_t>(k)].InUseFlag = 0;
        }
        lists = BuildAlertEditLists(image, user.texts);
    }

    AlertRecord& Alert() { return image.Record.Function.Alert; }

    AlertRecord Ok(const AlertEditInputs& inputs) {
        ApplyAlertEdit(image, inputs, lists);
        return Alert();
    }

    test::UserContextFixture user;
    RadioImage image;
    AlertEditLists lists;
};

TEST_F(AlertEdit, ListsOfferTheCodesInUseAndEachMemoryChannelOnce) {
    EXPECT_EQ(lists.DtmfIdCodes, (Labels{"M2", "M5"}));
    EXPECT_EQ(lists.FiveToneIdCodes, (Labels{"7", "42"}));
    EXPECT_EQ(lists.EmergencyChannels, (Labels{"0", "11"}));
    EXPECT_EQ(lists.Cycles[0], "Continuous");
}

TEST_F(AlertEdit, TheIdCodeListFollowsTheTypeAndSelectsTheStoredCode) {
    Alert().IdCodeType = kIdCodeDtmf;
    Alert().IdCode = 4;
    AlertEditInputs inputs = ShowAlertRecord(Alert(), lists);
    EXPECT_EQ(TextAt(lists.DtmfIdCodes, inputs.IdCode), "M5");
    EXPECT_EQ(Ok(inputs).IdCode, 4);

    inputs.IdCodeType = kIdCodeFiveTone;
    ReactToIdCodeType(inputs, lists, 42);
    EXPECT_EQ(Ok(inputs).IdCode, 42);
    ReactToIdCodeType(inputs, lists, 8); // not in use: the first code
    EXPECT_EQ(Ok(inputs).IdCode, 7);

    inputs.IdCodeType = kIdCodeNone;
    ReactToIdCodeType(inputs, lists, 42);
    EXPECT_EQ(Ok(inputs).IdCode, 0);
}

TEST_F(AlertEdit, WithoutCodesInUseDtmfStoresZeroAnd5ToneOffersCodeZero) {
    image.Record.Function.Dtmf.Codes = {};
    SetFiveToneCodesInUse({});
    EXPECT_EQ(lists.FiveToneIdCodes, (Labels{"0"}));
    Alert().IdCodeType = kIdCodeDtmf;
    Alert().IdCode = 9;
    EXPECT_EQ(Ok(ShowAlertRecord(Alert(), lists)).IdCode, 0);
}

TEST_F(AlertEdit, OkBringsEveryValueIntoItsRange) {
    // Times of 0 (a new image) store 1 s, a pre-alert time of 255 1 s, a lone-worker time of 4
    // 5 s; an emergency channel not in the table the first one, labelled "0" (channel 1).
    Alert() = {4, 3, 9, 0, 0, 0, 2, 150, 0, 2, 255, 4};
    EXPECT_EQ(Ok(ShowAlertRecord(Alert(), lists)),
              (AlertRecord{0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 5}));
    for (const AlertRecord& inRange : {AlertRecord{3, 2, 42, 255, 1, 2, 1, 11, 255, 1, 254, 5},
                                       AlertRecord{1, 1, 1, 1, 255, 200, 0, 0, 7, 0, 1, 255}}) {
        Alert() = inRange;
        EXPECT_EQ(Ok(ShowAlertRecord(inRange, lists)), inRange);
    }
}

TEST(AlertInputStates, TheAlarmModeChannelSelectAndAutoDetectSwitchTheirLists) {
    const AlertEditStates first = AlertInputStates({});
    EXPECT_TRUE(first.AlarmTimeOn && first.EmergencyChannelOn);
    EXPECT_FALSE(first.CodeAndTimesOn || first.LoneWorkerTimesOn);
    const AlertEditStates other =
        AlertInputStates({.AlarmMode = 3, .ChannelSelect = 1, .AutoDetect = true});
    EXPECT_TRUE(other.CodeAndTimesOn && other.LoneWorkerTimesOn);
    EXPECT_FALSE(other.AlarmTimeOn || other.EmergencyChannelOn);
}

TEST_F(AlertEdit, SettingLinesListTheShownInputsThenTheStoredHiddenOnes) {
    Alert() = {2, 1, 1, 0, 30, 255, 1, 0, 0, 2, 100, 3};
    const SettingLines expected = {
        {"Alarm Mode", "Local and Remote"},
        {"ID Code Type", "DTMF"},
        {"ID Code", "M2"},
        {"Alarm Time(s)", "1"},
        {"TX Time(s)", "30"},
        {"RX Time(s)", "255"},
        {"Channel Select", "Current Channel"},
        {"Emergency Channel", "0"},
        {"Alarm Cycles", "Continuous"},
        {"Auto Detect", "Off"},
        {"Pre-alert Time(s)", "100"},
        {"Lone Worker Time(s)", "5"},
    };
    EXPECT_EQ(AlertSettingLines(image, user.texts), expected);
}

} // namespace
} // namespace rp70
