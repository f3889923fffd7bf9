#include "channels/channel_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channels/channel_list.h"
#include "model/conversions.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

const FeatureFlags kAllSignalling{true, true, true, false};

// A channel on 145.50000 MHz holding data, every other field as a new record has it.
ChannelRecord Channel(int number) {
    ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(number));
    channel.InUse = 1;
    channel.RxFreq = MakeFixedText<9>("014550000");
    return channel;
}

class ChannelEdit : public ::testing::Test {
protected:
    void SetUp() override {
        image.Record.ChannelCount = 0;
        // 2-tone entries 3 and 7 and 5-tone codes 0 and 42 are defined.
        for (auto& entry : image.Record.Function.TwoTone.Entries) {
            entry.EntryEmpty = 1;
        }
        image.Record.Function.TwoTone.Entries[3].EntryEmpty = 0;
        image.Record.Function.TwoTone.Entries[7].EntryEmpty = 0;
        for (auto& code : image.Record.Function.FiveTone.Codes) {
            code.InUseFlag = 1;
        }
        image.Record.Function.FiveTone.Codes[0].InUseFlag = 0;
        image.Record.Function.FiveTone.Codes[42].InUseFlag = 0;
        lists = BuildChannelEditLists(image, kAllSignalling, user.texts);
    }

    void Put(const ChannelRecord& channel) {
        image.Channels[static_cast<std::size_t>(image.Record.ChannelCount++)] = channel;
    }

    const ChannelRecord& Slot(int number) const {
        return image.Channels[static_cast<std::size_t>(FindChannel(image, number).value())];
    }

    ChannelEditInputs Open(int number) {
        return ShowChannelRecord(EditRecordFor(image, number), lists, image.Limits, user.ctx);
    }

    ChannelEditOutcome Ok(int number, ChannelEditInputs& inputs) {
        return ApplyChannelEdit(image, number, inputs, lists, user.ctx);
    }

    test::UserContextFixture user;
    RadioImage image; // band 3: 136 … 173.9975 MHz for receive and transmit
    ChannelEditLists lists;
};

TEST(ChannelEditListHelpers, OutOfRangeGivesTheFirstEntryAndAnEmptyListTheEmptyText) {
    const std::vector<std::string> list = {"a", "b", "b"};
    EXPECT_EQ(ItemByIndex(list, 1), "b");
    EXPECT_EQ(ItemByIndex(list, 3), "a");
    EXPECT_EQ(ItemByIndex(list, -1), "a");
    EXPECT_EQ(FindItem(list, "b"), "b");
    EXPECT_EQ(FindItem(list, "c"), "a");
    EXPECT_EQ(ItemByIndex({}, 0), "");
    EXPECT_EQ(FindItem({}, "a"), "");
}

TEST_F(ChannelEdit, ListsFollowTheFeaturesTheBandAndTheDefinedEntries) {
    EXPECT_EQ(lists.Signalling,
              (std::vector<std::string>{user.texts.GetText(1206), "DTMF", "2Tone", "5Tone"}));
    EXPECT_EQ(lists.TwoToneEntries, (std::vector<std::string>{"3", "7"}));
    EXPECT_EQ(lists.FiveToneEntries, (std::vector<std::string>{"0", "42"}));
    EXPECT_EQ(lists.Steps.front(), "2.5K"); // band 3 is on the 2.5 kHz raster
    EXPECT_EQ(lists.DcsCodes.size(), 512u);
    EXPECT_EQ(lists.DcsCodes[19], "023");
    EXPECT_EQ(lists.ExtraDisplays.size(), 10u);
    EXPECT_EQ(lists.DtmfCodes.back(), "M16");
    EXPECT_TRUE(lists.DtmfPttIdOffered && lists.FiveTonePttIdOffered);

    const auto twoToneOnly =
        BuildChannelEditLists(image, FeatureFlags{false, true, false, false}, user.texts);
    EXPECT_EQ(twoToneOnly.Signalling,
              (std::vector<std::string>{user.texts.GetText(1206), "2Tone"}));
    EXPECT_FALSE(twoToneOnly.DtmfPttIdOffered || twoToneOnly.FiveTonePttIdOffered);
}

TEST_F(ChannelEdit, ShowingARecordFillsEveryInput) {
    ChannelRecord channel = Channel(5);
    channel.TxOffset = MakeFixedText<9>("000060000");
    channel.ShiftDirection = kShiftMinus;
    channel.Name = MakeFixedText<7>("AB C");
    channel.StepIndex = 3;
    channel.TxPower = 3;
    channel.Signalling = kSignallingFiveTone;
    channel.FiveToneNumber = 42;
    channel.PttIdEnable = 1;
    channel.RxToneType = kToneDcs;
    channel.RxDcs = 19;
    channel.RxDcsInvert = 1;
    channel.TxToneType = kToneCtcss;
    channel.TxCtcss = 9;
    channel.ExtraDisplay = 5;
    channel.PttIdCode = MakeFixedText<5>("123");
    Put(channel);

    const ChannelEditInputs inputs = Open(5);
    EXPECT_EQ(inputs.RxText, "145.50000");
    EXPECT_EQ(inputs.OffsetText, "0.60000");
    EXPECT_EQ(inputs.Shift, 1);
    EXPECT_EQ(inputs.TxText, "144.90000");
    EXPECT_EQ(inputs.Name, (std::array<std::string, 7>{"A", "B", " ", "C", "", "", ""}));
    EXPECT_EQ(inputs.Step, 3);
    EXPECT_EQ(inputs.Power, 2); // a stored 3 is the highest level
    EXPECT_EQ(ChosenSignalling(inputs, lists), kSignallingFiveTone);
    EXPECT_EQ(inputs.FiveTone, 1);
    EXPECT_TRUE(inputs.PttId);
    EXPECT_EQ(inputs.Decode, (ToneInputs{kToneDcs, kNoSelection, 19, true}));
    EXPECT_EQ(inputs.Encode, (ToneInputs{kToneCtcss, 9, kNoSelection, false}));
    EXPECT_EQ(inputs.ExtraDisplay, 4); // 4 … 10 are the entries 3 … 9
    EXPECT_EQ(inputs.PttIdCode, "123");
    EXPECT_TRUE(user.ui.shown.empty());
}

TEST_F(ChannelEdit, ShowingRepairsValuesTheInputsCannotHold) {
    ChannelRecord channel = Channel(5);
    channel.ExtraDisplay = 3;
    channel.Bandwidth = 9;
    channel.BusyLock = -1;
    channel.DtmfPttIdMode = 2;
    channel.FiveTonePttIdMode = 1;
    channel.Reverse = 1;
    channel.TalkAround = 1;
    channel.Signalling = kSignallingTwoTone;
    channel.TwoToneNumber = 5; // not defined: the first defined entry shows
    channel.RxToneType = 7;
    Put(channel);

    const ChannelEditInputs inputs = Open(5);
    EXPECT_EQ(inputs.ExtraDisplay, 0);
    EXPECT_EQ(inputs.Bandwidth, 0);
    EXPECT_EQ(inputs.BusyLock, 0);
    EXPECT_EQ(inputs.DtmfPttId, 0);
    EXPECT_EQ(inputs.FiveTonePttId, 1);
    EXPECT_FALSE(inputs.Reverse);
    EXPECT_TRUE(inputs.TalkAround);
    EXPECT_EQ(inputs.TwoTone, 0);
    EXPECT_EQ(inputs.Decode.Type, 0);
}

TEST_F(ChannelEdit, ASignallingKindThatIsNotOfferedShowsNoneButKeepsItsCode) {
    lists = BuildChannelEditLists(image, FeatureFlags{}, user.texts);
    ChannelRecord channel = Channel(5);
    channel.Signalling = kSignallingDtmf;
    channel.DtmfCode = 6;
    channel.PttIdEnable = 1;
    Put(channel);

    ChannelEditInputs inputs = Open(5);
    EXPECT_EQ(inputs.Signalling, 0);
    EXPECT_EQ(InputStates(inputs, lists, 5, image.BandIndex).CodeList, kSignallingNone);
    ASSERT_EQ(Ok(5, inputs), ChannelEditOutcome::Stored);
    EXPECT_EQ(Slot(5).Signalling, kSignallingNone);
    EXPECT_EQ(Slot(5).DtmfCode, 6);
    EXPECT_EQ(Slot(5).PttIdEnable, 1);
}

TEST_F(ChannelEdit, TheKindAChannelUsesIsOfferedEvenWhenNoRadioReportedIt) {
    ChannelRecord channel = Channel(5);
    channel.Signalling = kSignallingTwoTone;
    channel.TwoToneNumber = 7;
    Put(channel);
    const FeatureFlags offered = OfferedFeatures(FeatureFlags{}, channel);
    EXPECT_EQ(offered, (FeatureFlags{false, true, false, false}));
    lists = BuildChannelEditLists(image, offered, user.texts);

    ChannelEditInputs inputs = Open(5);
    ASSERT_EQ(Ok(5, inputs), ChannelEditOutcome::Stored);
    EXPECT_EQ(Slot(5).Signalling, kSignallingTwoTone);
    EXPECT_EQ(Slot(5).TwoToneNumber, 7);
}

TEST_F(ChannelEdit, TheSquelchListOffersEntriesByToneAndSignalling) {
    EXPECT_EQ(SquelchEntries(0, false), (std::vector<int>{0}));
    EXPECT_EQ(SquelchEntries(0, true), (std::vector<int>{0, 2}));
    EXPECT_EQ(SquelchEntries(kToneDcs, false), (std::vector<int>{0, 1}));
    EXPECT_EQ(SquelchEntries(kToneCtcss, true), (std::vector<int>{0, 1, 2, 3, 4}));

    Put(Channel(5));
    ChannelEditInputs inputs = Open(5);
    EXPECT_EQ(OfferedSquelchModes(inputs, lists), (std::vector<int>{0}));
    inputs.Decode.Type = kToneDcs;
    ReactToChange(inputs, lists, ChannelEditChange::DecodeType);
    EXPECT_EQ(OfferedSquelchModes(inputs, lists), (std::vector<int>{0, 1}));

    // A mode no longer offered falls back to the first entry.
    inputs.SquelchMode = 1;
    inputs.Decode.Type = 0;
    ReactToChange(inputs, lists, ChannelEditChange::DecodeType);
    EXPECT_EQ(inputs.SquelchMode, 0);
}

TEST_F(ChannelEdit, AStoredSquelchModeOfAReverseChannelIsKept) {
    ChannelRecord channel = Channel(5);
    channel.Reverse = 1;
    channel.TxToneType = kToneCtcss;
    channel.SquelchMode = 1;
    Put(channel);
    EXPECT_EQ(Open(5).SquelchMode, 1);

    image.Channels[0].Reverse = 0; // the decode tone (none) counts: mode 1 is not offered
    EXPECT_EQ(Open(5).SquelchMode, 0);
}

TEST_F(ChannelEdit, ChangesResetTheListsThatBelongToThem) {
    Put(Channel(5));
    ChannelEditInputs inputs = Open(5);

    inputs.Signalling = 2; // "2Tone"
    ReactToChange(inputs, lists, ChannelEditChange::Signalling);
    EXPECT_EQ(inputs.TwoTone, 0);
    const ChannelEditStates states = InputStates(inputs, lists, 5, image.BandIndex);
    EXPECT_EQ(states.CodeList, kSignallingTwoTone);
    EXPECT_FALSE(states.PttIdShown);

    inputs.Decode.Inverted = true;
    inputs.Decode.Type = kToneDcs;
    ReactToChange(inputs, lists, ChannelEditChange::DecodeType);
    EXPECT_EQ(inputs.Decode, (ToneInputs{kToneDcs, kNoSelection, 0, false}));
}

TEST_F(ChannelEdit, InputsAreOnOnlyWithAReceiveFrequency) {
    ChannelEditInputs inputs = Open(17); // no slot: the empty channel
    EXPECT_EQ(inputs.RxText, "");
    EXPECT_EQ(inputs.TxText, "");
    EXPECT_EQ(inputs.OffsetText, "0.00000");
    ChannelEditStates states = InputStates(inputs, lists, 17, image.BandIndex);
    EXPECT_FALSE(states.InputsOn || states.TxEditable || states.PttIdCodeEditable);
    EXPECT_TRUE(states.RxEditable);

    inputs.RxText = "1";
    states = InputStates(inputs, lists, 17, image.BandIndex);
    EXPECT_TRUE(states.InputsOn && states.TxEditable && states.PttIdCodeEditable);

    EXPECT_FALSE(InputStates(inputs, lists, 201, image.BandIndex).PttIdCodeEditable);
    EXPECT_FALSE(InputStates(inputs, lists, kVfoChannel, image.BandIndex).PttIdCodeEditable);

    // Band 16 fixes the frequencies of channels 1 … 80.
    states = InputStates(inputs, lists, 80, 16);
    EXPECT_TRUE(states.InputsOn);
    EXPECT_FALSE(states.RxEditable || states.TxEditable);
    states = InputStates(inputs, lists, 81, 16);
    EXPECT_TRUE(states.RxEditable && states.TxEditable);
}

TEST_F(ChannelEdit, OkDerivesShiftAndOffsetFromTheTransmitFrequency) {
    Put(Channel(5));
    ChannelEditInputs inputs = Open(5);
    inputs.RxText = "145.5";
    inputs.TxText = "144.900";
    ASSERT_EQ(Ok(5, inputs), ChannelEditOutcome::Stored);
    EXPECT_EQ(Slot(5).ShiftDirection, kShiftMinus);
    EXPECT_EQ(TextOf(Slot(5).TxOffset), "000060000");
    EXPECT_EQ(TextOf(Slot(5).RxFreq), "014550000");
    EXPECT_EQ(inputs.RxText, "145.50000");
    EXPECT_EQ(inputs.OffsetText, "0.60000");

    inputs.TxText = "146.1";
    ASSERT_EQ(Ok(5, inputs), ChannelEditOutcome::Stored);
    EXPECT_EQ(Slot(5).ShiftDirection, kShiftPlus);
    EXPECT_EQ(TextOf(Slot(5).TxOffset), "000060000");

    inputs.TxText = "145.5";
    ASSERT_EQ(Ok(5, inputs), ChannelEditOutcome::Stored);
    EXPECT_EQ(Slot(5).ShiftDirection, kShiftOff);
    EXPECT_EQ(TextOf(Slot(5).TxOffset), "000000000");
    EXPECT_TRUE(user.ui.shown.empty());
}

TEST_F(ChannelEdit, WithoutATransmitFrequencyTheOffsetIsZeroAndTheDirectionKept) {
    ChannelRecord channel = Channel(5);
    channel.TxOffset = MakeFixedText<9>("000060000");
    channel.ShiftDirection = kShiftPlus;
    Put(channel);
    ChannelEditInputs inputs = Open(5);
    inputs.TxText.clear();
    ASSERT_EQ(Ok(5, inputs), ChannelEditOutcome::Stored);
    EXPECT_EQ(inputs.OffsetText, "");
    EXPECT_EQ(TextOf(Slot(5).TxOffset), "000000000");
    EXPECT_EQ(Slot(5).ShiftDirection, kShiftPlus);
    EXPECT_TRUE(user.ui.shown.empty());
}

TEST_F(ChannelEdit, OkWritesEveryInputAndKeepsWhatTheDialogDoesNotEdit) {
    ChannelRecord channel = Channel(5);
    channel.AuxFlag = 1;
    channel.RadioReserved = 0x5A;
    channel.Reserved1 = 7;
    channel.Reserved4 = 9;
    channel.TxDcsHigh = 1;
    channel.RxDcsHigh = 1;
    channel.ExtraDisplay = 3;
    Put(channel);

    ChannelEditInputs inputs = Open(5);
    inputs.Name = {"R", "", "P", "", "", "", ""};
    inputs.PttIdCode = "7";
    inputs.Signalling = 1; // "DTMF"
    ReactToChange(inputs, lists, ChannelEditChange::Signalling);
    inputs.DtmfCode = 15;
    inputs.PttId = true;
    inputs.Decode.Type = kToneCtcss;
    ReactToChange(inputs, lists, ChannelEditChange::DecodeType);
    inputs.Decode.Ctcss = 12;
    inputs.Decode.Dcs = 100; // hidden, written all the same
    inputs.Power = 1;
    inputs.Scrambler = 1;
    inputs.SquelchMode = 3;
    inputs.BusyLock = 2;
    inputs.TxInhibit = inputs.Compander = inputs.ScanSkip = inputs.PttIdDecode = true;

    ASSERT_EQ(Ok(5, inputs), ChannelEditOutcome::Stored);
    const ChannelRecord& stored = Slot(5);
    EXPECT_EQ(inputs.PttIdCode, "70000");
    EXPECT_EQ(TextOf(stored.PttIdCode), "70000");
    EXPECT_EQ(TextOf(stored.Name), "R P");
    EXPECT_EQ(stored.ExtraDisplay, 0);
    EXPECT_EQ(stored.Signalling, kSignallingDtmf);
    EXPECT_EQ(stored.DtmfCode, 15);
    EXPECT_EQ(stored.PttIdEnable, 1);
    EXPECT_EQ(stored.RxToneType, kToneCtcss);
    EXPECT_EQ(stored.RxCtcss, 12);
    EXPECT_EQ(stored.RxDcs, 100);
    EXPECT_EQ(stored.TxPower, 1);
    EXPECT_EQ(stored.Scrambler, 1);
    EXPECT_EQ(stored.SquelchMode, 3);
    EXPECT_EQ(stored.BusyLock, 2);
    EXPECT_EQ(stored.TxInhibit + stored.Compander + stored.ScanSkip + stored.PttIdDecode, 4);
    EXPECT_EQ(stored.AuxFlag, 1);
    EXPECT_EQ(stored.RadioReserved, 0x5A);
    EXPECT_EQ(stored.Reserved1, 7);
    EXPECT_EQ(stored.Reserved4, 9);
    EXPECT_EQ(stored.TxDcsHigh, 1);
    EXPECT_EQ(stored.RxDcsHigh, 1);

    inputs.ExtraDisplay = 3;
    inputs.Signalling = 2; // "2Tone"
    ReactToChange(inputs, lists, ChannelEditChange::Signalling);
    inputs.TwoTone = 1;
    ASSERT_EQ(Ok(5, inputs), ChannelEditOutcome::Stored);
    EXPECT_EQ(Slot(5).ExtraDisplay, 4);
    EXPECT_EQ(Slot(5).TwoToneNumber, 7);
}

TEST_F(ChannelEdit, ANewChannelIsAppendedInUse) {
    Put(Channel(1));
    ChannelEditInputs inputs = Open(9);
    inputs.RxText = "150";
    ASSERT_EQ(Ok(9, inputs), ChannelEditOutcome::Stored);
    ASSERT_EQ(image.Record.ChannelCount, 2);
    const ChannelRecord& added = image.Channels[1];
    EXPECT_EQ(added.ChannelNumber, 9);
    EXPECT_EQ(added.InUse, 1);
    EXPECT_EQ(TextOf(added.RxFreq), "015000000");
    EXPECT_EQ(TextOf(added.PttIdCode), "00000");
    EXPECT_EQ(added.StepIndex, 5);
}

TEST_F(ChannelEdit, AnEmptyReceiveFrequencyDeletesTheChannel) {
    Put(Channel(3));
    Put(Channel(17));
    image.Record.Function.Scan.PriorityChannel1 = 17;
    ChannelEditInputs inputs = Open(17);
    inputs.RxText.clear();
    EXPECT_EQ(Ok(17, inputs), ChannelEditOutcome::Deleted);
    EXPECT_FALSE(ChannelExists(image, 17));
    EXPECT_EQ(image.Record.ChannelCount, 1);
    EXPECT_EQ(image.Record.Function.Scan.PriorityChannel1, 3); // moved to an existing channel
    EXPECT_TRUE(user.ui.shown.empty());
}

TEST_F(ChannelEdit, AMistypedReceiveFrequencyWarnsInsteadOfDeleting) {
    Put(Channel(17));
    ChannelEditInputs inputs = Open(17);
    inputs.RxText = "145..5";
    EXPECT_EQ(Ok(17, inputs), ChannelEditOutcome::Stored);
    EXPECT_EQ(TextOf(Slot(17).RxFreq), "013600000");
    EXPECT_EQ(user.ui.Texts(), std::vector<std::string>{user.texts.GetText(2001)});
}

TEST_F(ChannelEdit, VfoAndCallNeedAReceiveFrequency) {
    Put(Channel(kCallChannel));
    Put(Channel(kVfoChannel));
    const auto before = image.Channels;
    for (const char* rx : {"", "."}) {
        ChannelEditInputs vfo = Open(kVfoChannel);
        vfo.RxText = rx;
        EXPECT_EQ(Ok(kVfoChannel, vfo), ChannelEditOutcome::StayOpen);
        ChannelEditInputs call = Open(kCallChannel);
        call.RxText = rx;
        EXPECT_EQ(Ok(kCallChannel, call), ChannelEditOutcome::StayOpen);
    }
    EXPECT_EQ(user.ui.Texts(),
              (std::vector<std::string>{"VFO can't be null!", "CALL can't be null!",
                                        "VFO can't be null!", "CALL can't be null!"}));
    EXPECT_EQ(user.ui.shown.front().Buttons, MessageButtons::Ok);
    EXPECT_EQ(image.Channels, before);
    EXPECT_EQ(image.Record.ChannelCount, 2);
}

TEST_F(ChannelEdit, WriteBackRefusesWhatItCannotDo) {
    ChannelEditInputs inputs = Open(9);
    inputs.RxText = "150";
    EXPECT_FALSE(ModifyUFreData(image, 9, inputs, lists, user.ctx));
    EXPECT_EQ(image.Record.ChannelCount, 0);

    // A damaged table with every slot taken and no slot for the channel.
    for (int n = 0; n < kChannelSlots; ++n) {
        Put(Channel(1));
    }
    EXPECT_EQ(Ok(9, inputs), ChannelEditOutcome::StayOpen);
    EXPECT_EQ(image.Record.ChannelCount, kChannelSlots);
    EXPECT_EQ(user.ui.Texts(),
              (std::vector<std::string>{"No Find Data!", std::string(kChannelTableFullText)}));
}

} // namespace
} // namespace rp70
