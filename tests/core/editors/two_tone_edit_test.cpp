#include "editors/two_tone_edit.h"

#include <gtest/gtest.h>

#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

class TwoToneEditTest : public ::testing::Test {
protected:
    void SetUp() override { lists = BuildTwoToneEditLists(user.texts); }

    TwoToneRecord& TwoTone() { return image.Record.Function.TwoTone; }
    TwoToneEdit Open() { return OpenTwoToneEdit(TwoTone(), lists); }

    test::UserContextFixture user;
    RadioImage image;
    TwoToneEditLists lists;
};

TEST_F(TwoToneEditTest, ListsRunOverTheirStoredRanges) {
    EXPECT_EQ(lists.Pairs.size(), 15U);
    EXPECT_EQ(lists.Pairs[12], "Long A");
    EXPECT_EQ(lists.ToneTimes.front(), "0.5");
    EXPECT_EQ(lists.ToneTimes.back(), "10.0");
    EXPECT_EQ(lists.ToneTimes.size(), 96U);
    EXPECT_EQ(lists.ResetTimes.back(), "25.0");
    EXPECT_EQ(lists.ResetTimes.size(), 251U);
    EXPECT_EQ(lists.Intervals.back(), "2000");
    EXPECT_EQ(lists.Intervals.size(), 21U);
    EXPECT_EQ(lists.Responses, (std::vector<std::string>{"None", "Beep", "Reply"}));
}

TEST(TwoTonePairs, EachPairSendsItsTonesFirstLetterFirst) {
    EXPECT_EQ(PairTones(0), (std::vector<int>{0, 1}));
    EXPECT_EQ(PairTones(3), (std::vector<int>{1, 0}));
    EXPECT_EQ(PairTones(11), (std::vector<int>{3, 2}));
    EXPECT_EQ(PairTones(13), (std::vector<int>{1}));
    EXPECT_TRUE(PairTones(15).empty());
    EXPECT_TRUE(PairTones(-1).empty());
    TwoToneEditInputs inputs;
    inputs.Pair = 14;
    ReactToPair(inputs);
    EXPECT_EQ(inputs.ToneBoxOn, (std::array<bool, 4>{false, false, true, false}));
}

TEST_F(TwoToneEditTest, OpeningANewImageShowsItsDefaults) {
    const TwoToneEdit edit = Open();
    EXPECT_EQ(edit.Inputs.Tones, (std::array<std::string, 4>{"321.7", "928.1", "626.5", "2043.8"}));
    EXPECT_EQ(edit.Inputs.ToneBoxOn, (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ(lists.ToneTimes[static_cast<std::size_t>(edit.Inputs.Time3)], "1.0");
    EXPECT_EQ(edit.Rows[0], (DecodeRow{"321.7", "928.1", ""}));
    EXPECT_EQ(edit.Rows[1], DecodeRow{});
    EXPECT_EQ(edit.Record, TwoTone()); // nothing to repair
}

TEST_F(TwoToneEditTest, OpeningRepairsTheCopyOnlyAndShowsDefaultsForDamagedValues) {
    TwoTone().EncodePair = 20;
    TwoTone().SideTone2 = 7;
    TwoTone().ToneFrequencies[2] = {0, 0};       // tone C unset
    TwoTone().ToneFrequencies[3] = {10, 255};    // tone D unset
    TwoTone().ToneFrequencies[0] = {0x88, 0x13}; // 500.0 Hz
    TwoTone().TwoToneTime1 = 4;
    TwoTone().TwoToneTime2 = 101;
    TwoTone().TwoToneTime3 = 0;
    TwoTone().TwoToneSetting9 = 251;
    TwoTone().TwoToneSetting10 = 3;
    TwoTone().TwoToneSetting23 = 21;
    const TwoToneRecord stored = TwoTone();

    const TwoToneEdit edit = Open();
    EXPECT_EQ(TwoTone(), stored);
    EXPECT_EQ(edit.Inputs.Pair, 0);
    EXPECT_EQ(edit.Inputs.ToneBoxOn, (std::array<bool, 4>{}));
    EXPECT_FALSE(edit.Inputs.SideTone);
    EXPECT_EQ(edit.Record.SideTone2, 0);
    EXPECT_EQ(edit.Inputs.Tones, (std::array<std::string, 4>{"500.0", "928.1", "626.5", "2043.8"}));
    EXPECT_EQ(edit.Inputs.Time1, 0);
    EXPECT_EQ(edit.Inputs.Time2, 0);
    EXPECT_EQ(edit.Inputs.Time3, 5);
    EXPECT_EQ(edit.Inputs.ResetTime, 0);
    EXPECT_EQ(edit.Inputs.Response, 0);
    EXPECT_EQ(edit.Inputs.Interval, 10);
}

TEST(TwoToneBoxes, LeavingABoxClampsToTheSentToneRange) {
    for (auto [typed, shown] : {std::pair{"100", "280"},
                                {"5000", "3116"},
                                {"", "2000"},
                                {"..", "2000"},
                                {"321.70", "321.7"},
                                {"280", "280"}}) {
        EXPECT_EQ(FinishToneBox(typed), shown) << typed;
    }
}

TEST_F(TwoToneEditTest, OkStoresThePairsTonesAndDividers) {
    TwoToneEdit edit = Open();
    edit.Inputs.Tones = {"321.7", "928.1", "", "5000"}; // C and D still being typed
    edit.Inputs.Time1 = 95;
    edit.Inputs.Time2 = 1;
    edit.Inputs.Time3 = 2;
    edit.Inputs.ResetTime = 250;
    edit.Inputs.Response = 2;
    edit.Inputs.Interval = 20;
    edit.Inputs.SideTone = true;
    ApplyTwoToneEdit(image, edit);

    const TwoToneRecord& r = TwoTone();
    EXPECT_EQ(r.EncodeTone1, (std::array<std::uint8_t, 2>{12, 145}));
    EXPECT_EQ(r.EncodeTone2, (std::array<std::uint8_t, 2>{36, 65}));
    EXPECT_EQ(r.EncodeDivider1, (std::array<std::uint8_t, 2>{39, 118})); // 10102
    EXPECT_EQ(r.EncodeDivider2, (std::array<std::uint8_t, 2>{13, 173})); // 3501
    EXPECT_EQ(r.ToneFrequencies[0], (std::array<std::uint8_t, 2>{145, 12}));
    EXPECT_EQ(r.ToneFrequencies[2], (std::array<std::uint8_t, 2>{0x20, 0x4E})); // 2000.0
    EXPECT_EQ(r.ToneFrequencies[3], (std::array<std::uint8_t, 2>{0xB8, 0x79})); // 3116.0
    EXPECT_EQ(
        (std::array<int, 8>{r.TwoToneTime1, r.TwoToneTime2, r.TwoToneTime3, r.TwoToneSetting9,
                            r.TwoToneSetting10, r.TwoToneSetting23, r.SideTone2, r.EncodePair}),
        (std::array<int, 8>{100, 6, 7, 250, 2, 20, 1, 0}));
    // The default decode entry is not touched, so it keeps the table's dividers.
    EXPECT_EQ(r.Entries[0].DecodeDivider1, (std::array<std::uint8_t, 2>{58, 72}));
}

TEST_F(TwoToneEditTest, ALongToneSendsOneToneAndAnUnsetToneTakesItsDefault) {
    TwoTone().ToneFrequencies[2] = {0, 0};
    TwoToneEdit edit = Open();
    edit.Inputs.Pair = 13; // Long B
    ReactToPair(edit.Inputs);
    EXPECT_EQ(edit.Inputs.ToneBoxOn, (std::array<bool, 4>{false, true, false, false}));
    ApplyTwoToneEdit(image, edit);
    EXPECT_EQ(TwoTone().EncodeTone1, (std::array<std::uint8_t, 2>{36, 65}));
    EXPECT_EQ(TwoTone().EncodeTone2, (std::array<std::uint8_t, 2>{}));
    EXPECT_EQ(TwoTone().EncodeDivider2, (std::array<std::uint8_t, 2>{}));
    EXPECT_EQ(TwoTone().ToneFrequencies[2], (std::array<std::uint8_t, 2>{121, 24})); // 6265
}

TEST_F(TwoToneEditTest, DecodeCellsDefineClampAndClearAnEntry) {
    TwoToneEdit edit = Open();
    StoreDecodeCell(edit, 4, DecodeColumn::FirstTone, "1000");
    const TwoToneEntry& e = edit.Record.Entries[4];
    EXPECT_EQ(e.EntryEmpty, 0);
    EXPECT_EQ(e.DecodeDivider1, (std::array<std::uint8_t, 2>{1, 150})); // 406
    EXPECT_EQ(e.DecodeTone1, (std::array<std::uint8_t, 2>{39, 16}));    // 10000
    StoreDecodeCell(edit, 4, DecodeColumn::SecondTone, "250");
    EXPECT_EQ(e.DecodeTone2, (std::array<std::uint8_t, 2>{11, 64}));    // 2880
    EXPECT_EQ(e.DecodeDivider2, (std::array<std::uint8_t, 2>{5, 130})); // 1410
    StoreDecodeCell(edit, 4, DecodeColumn::Name, "GATEWAY1 ");
    EXPECT_EQ(edit.Rows[4], (DecodeRow{"1000.0", "288.0", "GATEWAY"}));
    EXPECT_EQ(ShowDecodeEntry(e), edit.Rows[4]);

    StoreDecodeCell(edit, 4, DecodeColumn::SecondTone, "");
    EXPECT_EQ(edit.Rows[4], (DecodeRow{"1000.0", "", "GATEWAY"}));
    EXPECT_EQ(e.DecodeTone2, (std::array<std::uint8_t, 2>{}));

    StoreDecodeCell(edit, 4, DecodeColumn::FirstTone, "x");
    EXPECT_EQ(edit.Rows[4], DecodeRow{});
    EXPECT_EQ(e.EntryEmpty, 1);
    EXPECT_EQ(e.DecodeDivider1, (std::array<std::uint8_t, 2>{}));
    EXPECT_EQ(TextOf(e.EntryName), "");

    StoreDecodeCell(edit, 32, DecodeColumn::FirstTone, "1000"); // outside the table
    StoreDecodeCell(edit, -1, DecodeColumn::Name, "X");
}

TEST(TwoToneDecodeRows, ADefinedEntryWithoutFirstDividerShowsNothing) {
    TwoToneEntry entry;
    entry.DecodeTone1 = {39, 16};
    EXPECT_EQ(ShowDecodeEntry(entry), DecodeRow{});
    entry.DecodeDivider1 = {1, 150};
    EXPECT_EQ(ShowDecodeEntry(entry), (DecodeRow{"1000.0", "", ""}));
    entry.EntryEmpty = 1;
    EXPECT_EQ(ShowDecodeEntry(entry), DecodeRow{});
}

TEST_F(TwoToneEditTest, EnterMovesAlongTheRowAndSkipsAnEmptyEntry) {
    const TwoToneEdit edit = Open(); // only entry 0 is shown
    using C = DecodeColumn;
    EXPECT_EQ(NextDecodeCell(edit, {0, C::FirstTone}), (DecodeCell{0, C::SecondTone}));
    EXPECT_EQ(NextDecodeCell(edit, {0, C::SecondTone}), (DecodeCell{0, C::Name}));
    EXPECT_EQ(NextDecodeCell(edit, {0, C::Name}), (DecodeCell{1, C::FirstTone}));
    EXPECT_EQ(NextDecodeCell(edit, {1, C::FirstTone}), (DecodeCell{2, C::FirstTone}));
    EXPECT_EQ(NextDecodeCell(edit, {31, C::Name}), (DecodeCell{0, C::FirstTone}));
}

TEST_F(TwoToneEditTest, OkMovesChannelsOffAClearedEntry) {
    image.Record.ChannelCount = 2;
    for (int slot : {0, 1}) {
        image.Channels[static_cast<std::size_t>(slot)].Signalling = kSignallingTwoTone;
    }
    image.Channels[0].TwoToneNumber = 0;
    image.Channels[1].TwoToneNumber = 5;
    TwoToneEdit edit = Open();
    StoreDecodeCell(edit, 5, DecodeColumn::FirstTone, "1000");
    StoreDecodeCell(edit, 0, DecodeColumn::FirstTone, "");
    ApplyTwoToneEdit(image, edit);
    EXPECT_EQ(image.Channels[0].TwoToneNumber, 5);
    EXPECT_EQ(image.Channels[1].TwoToneNumber, 5);
}

TEST_F(TwoToneEditTest, SettingLinesListEverySettingThenTheDefinedEntries) {
    TwoTone().Entries[3].EntryEmpty = 0; // defined, but without tones
    TwoTone().Entries[0].EntryName = MakeFixedText<7>("HOME");
    const SettingLines lines = TwoToneSettingLines(image, user.texts);
    ASSERT_EQ(lines.size(), 14U);
    EXPECT_EQ(lines[0], (SettingLine{"Encode Tones", "A-B"}));
    EXPECT_EQ(lines[4], (SettingLine{"D(Hz)", "2043.8"}));
    EXPECT_EQ(lines[7], (SettingLine{"Long Tone Time(s)", "1.0"}));
    EXPECT_EQ(lines[11], (SettingLine{"Side Tone", "Off"}));
    EXPECT_EQ(lines[12], (SettingLine{"0", "321.7   928.1   HOME"}));
    EXPECT_EQ(lines[13], (SettingLine{"3", ""}));
}

} // namespace
} // namespace rp70
