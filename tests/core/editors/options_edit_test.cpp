#include "editors/options_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/choice_list.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

using Texts = std::vector<std::string>;

class OptionsEdit : public ::testing::Test {
protected:
    void SetUp() override { image.Record.ChannelCount = 0; }

    void Use(int number, std::int16_t inUse = 1) {
        ChannelRecord& slot = image.Channels[static_cast<std::size_t>(image.Record.ChannelCount++)];
        slot.ChannelNumber = static_cast<std::int16_t>(number);
        slot.InUse = inUse;
    }

    OptionsEditState Open() {
        lists = BuildOptionsEditLists(image, user.texts);
        return ShowOptions(image, lists);
    }

    OptionsRecord& Options() { return image.Record.Function.Options; }

    std::string Text(int key) const { return user.texts.GetText(key); }

    test::UserContextFixture user;
    RadioImage image;
    OptionsEditLists lists;
};

TEST_F(OptionsEdit, ChannelListNamesUsedChannelsZeroBasedThenPaAndPb) {
    Use(202);
    Use(7);
    Use(3);
    Use(201);
    Use(9, 0); // a slot without data
    Open();
    EXPECT_EQ(lists.Lists[kStartChannelList], (Texts{"2", "6", "PA", "PB"}));

    image.Record.ChannelCount = 0;
    Open();
    EXPECT_EQ(lists.Lists[kStartChannelList], Texts{"0"});
}

TEST_F(OptionsEdit, StartChannelShowsByTextAndStoresTheNumberItNames) {
    Use(3);
    Use(7);
    Use(201);
    Options().StartChannel = 200;
    OptionsEditState state = Open();
    EXPECT_EQ(state.Lists[kStartChannelList], 2); // "PA"

    Options().StartChannel = 4; // channel 5 holds no data
    state = Open();
    EXPECT_EQ(state.Lists[kStartChannelList], 0);
    EXPECT_EQ(state.Copy.StartChannel, 4); // kept until the list changes

    ChangeOptionList(state, lists, kStartChannelList, 1);
    EXPECT_EQ(state.Copy.StartChannel, 6);
    ChangeOptionList(state, lists, kStartChannelList, 2);
    EXPECT_EQ(state.Copy.StartChannel, 200);
    ApplyOptionsEdit(image, state);
    EXPECT_EQ(Open().Lists[kStartChannelList], 2);
}

TEST_F(OptionsEdit, KeyRowsOfferTheirFunctionsAndStoreNoneAs255) {
    Open();
    auto offers = [&](std::size_t row, const char* function) {
        const Texts& list = lists.KeyRows[row];
        return std::find(list.begin(), list.end(), function) != list.end();
    };
    const std::vector<std::pair<const char*, std::array<bool, 3>>> cases = {
        // function, offered on Short / Long / FUNC rows
        {"Copy", {false, false, true}},
        {"Clear", {false, false, true}},
        {"DCS/CTCSS", {true, false, true}},
        {"Alert", {true, true, false}},
    };
    for (const auto& [function, offered] : cases) {
        for (std::size_t kind = 0; kind < 3; ++kind) {
            EXPECT_EQ(offers(kind * 4 + 3, function), offered[kind]) << function << kind;
        }
    }
    EXPECT_EQ(KeyRowCaption(8), "FUNC + P1");
    Options().KeyFunctions[4] = 255;
    Options().KeyFunctions[5] = 12; // "Clone"
    Options().KeyFunctions[0] = 5;  // "Copy", which a Short row does not offer
    OptionsEditState state = Open();
    EXPECT_EQ(TextAt(lists.KeyRows[4], state.Keys[4]), "None");
    EXPECT_EQ(TextAt(lists.KeyRows[5], state.Keys[5]), "Clone");
    EXPECT_EQ(TextAt(lists.KeyRows[0], state.Keys[0]), "None");

    const auto scan = PositionOfText(lists.KeyRows[4], "Scan");
    ChangeKeyFunction(state, lists, 4, scan);
    EXPECT_EQ(state.Copy.KeyFunctions[4], 14);
    ChangeKeyFunction(state, lists, 5, 0);
    EXPECT_EQ(state.Copy.KeyFunctions[5], 255);
    ApplyOptionsEdit(image, state);
    EXPECT_EQ(Options().KeyFunctions[0], 5); // never touched, kept
    EXPECT_EQ(Options().KeyFunctions[4], 14);
}

TEST_F(OptionsEdit, DisplayModeGovernsWorkModeAndChannelDisplay) {
    struct Case {
        int from;
        int to;
        std::int16_t workMode;
        std::int16_t channelDisplay;
        bool workModeEnabled;
        bool channelDisplayShown;
    };
    // Work mode and channel display start at 1 … then show what the display mode leaves.
    for (const Case& c : {Case{0, 1, 1, 1, false, true}, Case{1, 2, 1, 0, true, false},
                          Case{2, 0, 0, 0, true, false}, Case{1, 0, 0, 0, true, false},
                          Case{2, 1, 1, 1, false, true}}) {
        Options().Option1702 = static_cast<std::int16_t>(c.from);
        Options().Option1703 = 1;
        Options().Option18 = 1;
        OptionsEditState state = Open();
        EXPECT_EQ(OptionsInputStates(state).ChannelDisplayShown, c.from == 1);
        EXPECT_EQ(state.Copy, Options()); // opening changes nothing

        ChangeOptionList(state, lists, kDisplayModeList, c.to);
        const OptionsEditStates states = OptionsInputStates(state);
        EXPECT_EQ(state.Copy.Option1702, c.to);
        EXPECT_EQ(state.Copy.Option1703, c.workMode) << c.from << c.to;
        EXPECT_EQ(state.Lists[kWorkModeList], c.workMode);
        EXPECT_EQ(state.Copy.Option18, c.channelDisplay) << c.from << c.to;
        EXPECT_EQ(state.Lists[kChannelDisplayList], c.channelDisplay);
        EXPECT_EQ(states.WorkModeEnabled, c.workModeEnabled);
        EXPECT_EQ(states.ChannelDisplayShown, c.channelDisplayShown);
    }
}

TEST_F(OptionsEdit, ValuesTheListsCannotShowStayUntilTheirListChanges) {
    Options().Option1705 = 40; // hidden list 3 offers 0 … 20
    Options().Option1712 = 99; // time-out timer offers 31 entries
    Options().TailElimination = 2;
    OptionsEditState state = Open();
    EXPECT_EQ(state.Lists[3], 0);
    EXPECT_EQ(state.Lists[10], 0);
    EXPECT_TRUE(state.Checks[3]);

    ApplyOptionsEdit(image, state);
    EXPECT_EQ(Options().Option1705, 40);
    EXPECT_EQ(Options().Option1712, 99);
    EXPECT_EQ(Options().TailElimination, 2);

    ChangeOptionList(state, lists, 10, 30);
    ChangeOptionList(state, lists, 10, 31); // outside the list: nothing happens
    ChangeOptionCheck(state, 3, true);
    EXPECT_EQ(TextAt(lists.Lists[10], 30), "30" + Text(1782));
    ApplyOptionsEdit(image, state);
    EXPECT_EQ(Options().Option1712, 30);
    EXPECT_EQ(Options().TailElimination, 1);
}

TEST_F(OptionsEdit, OkStoresFlagsPasswordAndWelcomeText) {
    Options().WelcomeText = MakeFixedText<7>("A B");
    OptionsEditState state = Open();
    EXPECT_EQ(state.Welcome, (std::array<std::string, 7>{"A", "", "B", "", "", "", ""}));
    EXPECT_FALSE(OptionsInputStates(state).PasswordShown);

    ChangeOptionCheck(state, 0, true); // at once
    ChangeOptionCheck(state, 5, true); // on OK
    EXPECT_EQ(state.Copy.FunctionOperation, 1);
    EXPECT_EQ(image.Record.OptionExtra[1], 0);
    state.PasswordEnabled = true;
    EXPECT_TRUE(OptionsInputStates(state).PasswordShown);
    state.Password = "123";
    state.Welcome[1] = "x";
    state.Welcome[6] = "!";
    ApplyOptionsEdit(image, state);

    EXPECT_EQ(image.Record.OptionExtra, (std::array<std::uint8_t, 3>{0, 1, 0}));
    EXPECT_EQ(Options().FunctionOperation, 1);
    EXPECT_EQ(Options().PowerOnPasswordEnable, 1);
    EXPECT_EQ(std::string(Options().PowerOnPassword.data(), 6), std::string("123\0  ", 6));
    EXPECT_EQ(TextOf(Options().PowerOnPassword), "123");
    EXPECT_EQ(std::string(Options().WelcomeText.data(), 7), "AxB   !");

    state.Password = "12345678";
    ApplyOptionsEdit(image, state);
    EXPECT_EQ(std::string(Options().PowerOnPassword.data(), 6), "123456");
}

TEST_F(OptionsEdit, OpeningAndOkLeaveANewImageAsItWas) {
    Use(1);
    const ImageRecord before = image.Record;
    ApplyOptionsEdit(image, Open());
    EXPECT_EQ(image.Record, before);
}

TEST_F(OptionsEdit, SettingLinesListShownInputsThenHiddenOnes) {
    Use(3);
    Options().StartChannel = 2;
    Options().Option1702 = 1;
    Options().Option18 = 1;
    Options().PowerOnPassword = MakeFixedText<6>("4711");
    SettingLines lines = OptionsSettingLines(image, user.texts);
    ASSERT_EQ(lines.size(), 12U + 1 + 6 + 2 + 12 + 6 + 1 + 1);
    EXPECT_EQ(lines[0], (SettingLine{Text(1702), Text(1751)}));
    EXPECT_EQ(lines[1], (SettingLine{Text(1725), Text(1797)}));
    EXPECT_EQ(lines[3], (SettingLine{Text(1704), "2"}));
    EXPECT_EQ(lines[13], (SettingLine{Text(1731), Text(1755)}));
    EXPECT_EQ(lines[19], (SettingLine{Text(1739), "Welcome"}));
    EXPECT_EQ(lines[21], (SettingLine{"Short P1", "V/M"}));
    EXPECT_EQ(lines[33], (SettingLine{Text(1705), "0"}));
    EXPECT_EQ(lines[39], (SettingLine{Text(1730), Text(1755)}));
    EXPECT_EQ(lines.back(), (SettingLine{Text(1738), "4711"})); // hidden: not enabled

    Options().Option1702 = 0;
    Options().PowerOnPasswordEnable = 1;
    lines = OptionsSettingLines(image, user.texts);
    EXPECT_EQ(lines[1].Label, Text(1703));
    EXPECT_EQ(lines[20], (SettingLine{Text(1738), "4711"}));
    EXPECT_EQ(lines.back(), (SettingLine{Text(1725), Text(1797)}));
}

} // namespace
} // namespace rp70
