#include "editors/scan_edit.h"

#include <gtest/gtest.h>

#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

class ScanEdit : public ::testing::Test {
protected:
    void SetUp() override {
        image.Record.ChannelCount = 0;
        for (int number : {9, 1, 201, 30}) {
            image.Channels[static_cast<std::size_t>(image.Record.ChannelCount++)].ChannelNumber =
                static_cast<std::int16_t>(number);
        }
        lists = BuildScanEditLists(image, user.texts);
    }

    // OK right after opening on `record`.
    ScanRecord Ok(const ScanRecord& record) {
        Scan() = record;
        ApplyScanEdit(image, ShowScanRecord(record, lists), lists);
        return Scan();
    }

    ScanRecord& Scan() { return image.Record.Function.Scan; }

    test::UserContextFixture user;
    RadioImage image;
    ScanEditLists lists;
};

TEST_F(ScanEdit, ListsHoldEveryTimeAndTheMemoryChannels) {
    EXPECT_EQ(lists.LookBackTimes.size(), 46U);
    EXPECT_EQ(lists.ResumeDelays.size(), 50U);
    EXPECT_EQ(lists.WaitTimes.front(), "50");
    EXPECT_EQ(lists.PriorityModes[3], "Priority CH1 + Priority CH2");
    EXPECT_EQ(lists.RevertChoices[1], "Selected + Talkback");
    EXPECT_EQ(lists.PriorityChannels, (std::vector<std::string>{"0", "8", "29"})); // not PA
}

TEST(ScanRevertChoices, EachPriorityModeOffersItsChoicesAndKeepsAnOfferedOne) {
    EXPECT_EQ(OfferedRevertChoices(0), (std::vector<int>{0, 1, 4, 5}));
    EXPECT_EQ(OfferedRevertChoices(1), (std::vector<int>{0, 1, 2, 4, 5, 6}));
    EXPECT_EQ(OfferedRevertChoices(2), (std::vector<int>{0, 1, 3, 4, 5, 7}));
    EXPECT_EQ(OfferedRevertChoices(3), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    ScanEditInputs inputs{.PriorityMode = 3, .RevertChoice = 3};
    ReactToPriorityMode(inputs);
    EXPECT_EQ(inputs.RevertChoice, 3);
    inputs.PriorityMode = 1;
    ReactToPriorityMode(inputs);
    EXPECT_EQ(inputs.RevertChoice, 0);
}

TEST_F(ScanEdit, OpeningStoresOnlyTheRepairedRevertChoiceAndEntryTone) {
    Scan() = {1, 1, 7, 60, 3, 99, 4, 9, 2, 1, 11, 50, 12, 9};
    ScanRecord repaired = Scan();
    repaired.RevertChannel = 0; // choice 7 needs priority channel 2
    repaired.ScanEntryTone = 0;
    OpenScanEdit(image, lists);
    EXPECT_EQ(Scan(), repaired); // the other values wait for OK
}

TEST_F(ScanEdit, OkBringsEveryValueIntoItsRangeAndKeepsTheGroupBytes) {
    // A priority channel not in the table stores 0; one in it its label ("29", "0") plus 1.
    EXPECT_EQ(Ok({5, 9, 9, 60, 46, 50, 99, 4, 2, 1, 11, 150, 12, 0}),
              (ScanRecord{0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 11, 0, 12, 0}));
    for (const ScanRecord& inRange : {ScanRecord{1, 3, 7, 45, 0, 49, 0, 3, 1, 255, 4, 30, 5, 1},
                                      ScanRecord{0, 2, 3, 0, 45, 0, 49, 0, 0, 2, 0, 9, 0, 30}}) {
        EXPECT_EQ(Ok(inRange), inRange);
    }
}

TEST(ScanInputStates, TheScanModeAndThePriorityModeSwitchTheLists) {
    // Scan mode, priority mode: lists on, priority channel 1 on, priority channel 2 on.
    for (const auto& [scan, priority, on, first, second] :
         {std::tuple{0, 3, false, false, false}, std::tuple{1, 0, true, false, false},
          std::tuple{1, 1, true, true, false}, std::tuple{1, 2, true, false, true},
          std::tuple{1, 3, true, true, true}}) {
        const ScanEditStates states = ScanInputStates({.ScanMode = scan, .PriorityMode = priority});
        EXPECT_EQ(std::tuple(states.ListsOn, states.PriorityChannel1On, states.PriorityChannel2On),
                  std::tuple(on, first, second))
            << scan << priority;
    }
}

TEST_F(ScanEdit, SettingLinesListTheShownInputsThenTheStoredHiddenOnes) {
    Scan() = {1, 2, 7, 5, 0, 9, 49, 2, 3, 255, 0, 30, 0, 1};
    const SettingLines expected = {
        {"Scan Mode", "On"},
        {"Priority CH", "Priority CH2"},
        {"Priority Channel 1", "29"},
        {"Priority Channel 2", "0"},
        {"Revert Channel", "Priority CH2 + Talkback"},
        {"Look Back Time A(s)", "1.0"},
        {"Look Back Time B(s)", "0.5"},
        {"RX Resume Delay(s)", "1.0"},
        {"TX Resume Delay(s)", "5.0"},
        {"Scan Start Tone", "Off"}, // a stored 3 shows off
        {"Scan Type", "Carrier Operated"},
        {"Wait Time(ms)", "6375"},
    };
    EXPECT_EQ(ScanSettingLines(image, user.texts), expected);
}

} // namespace
} // namespace rp70
