// The modified check: which differences between the image and its snapshot count, and which
// do not.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/modified_check.h"
#include "model/radio_image.h"

namespace rp70 {
namespace {

using Change = std::function<void(RadioImage&)>;

struct NamedChange {
    const char* what;
    Change change;
};

constexpr std::int16_t kLargest = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kMostNegative = std::numeric_limits<std::int16_t>::min();

enum class Outcome { Changed, Unchanged };

// A difference made after the snapshot and whether the check must see it; `setup` runs on the
// image before the snapshot is taken.
struct Case {
    const char* what;
    Change setup;
    Change change;
    Outcome outcome;
};

ChannelRecord Channel(std::int16_t number, std::string_view name, std::string_view rxFreq) {
    ChannelRecord channel = NewChannelRecord(number);
    channel.InUse = 1;
    WriteFixedText(channel.Name, name);
    WriteFixedText(channel.RxFreq, rxFreq);
    return channel;
}

// A new image with four channels of different numbers, `setup` applied, then snapshotted.
RadioImage SavedImage(const Change& setup = {}) {
    RadioImage image;
    ResetImage(image, {}, nullptr);
    image.Channels[0] = Channel(1, "ONE", "014500000");
    image.Channels[1] = Channel(5, "FIVE", "014550000");
    image.Channels[2] = Channel(201, "PA", "015000000");
    image.Channels[3] = Channel(204, "", "015500000");
    image.Record.ChannelCount = 4;
    if (setup) {
        setup(image);
    }
    TakeSnapshot(image);
    return image;
}

void ExpectOutcomes(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RadioImage image = SavedImage(c.setup);
        ASSERT_TRUE(IsUnchanged(image));
        c.change(image);
        EXPECT_EQ(IsUnchanged(image) ? Outcome::Unchanged : Outcome::Changed, c.outcome);
    }
}

void ExpectEachSeen(const std::vector<NamedChange>& changes) {
    std::vector<Case> cases;
    for (const auto& [what, change] : changes) {
        cases.push_back({what, {}, change, Outcome::Changed});
    }
    ExpectOutcomes(cases);
}

DTMFRecord& Dtmf(RadioImage& image) {
    return image.Record.Function.Dtmf;
}
TwoToneRecord& TwoTone(RadioImage& image) {
    return image.Record.Function.TwoTone;
}
FiveToneRecord& FiveTone(RadioImage& image) {
    return image.Record.Function.FiveTone;
}
OptionsRecord& Options(RadioImage& image) {
    return image.Record.Function.Options;
}
ScanRecord& Scan(RadioImage& image) {
    return image.Record.Function.Scan;
}
AlertRecord& Alert(RadioImage& image) {
    return image.Record.Function.Alert;
}
ChannelRecord& SecondChannel(RadioImage& image) {
    return image.Channels[1];
}

// Adds 1 to a numeric field of the record `select` picks.
template <class Record, class Field>
Change Bump(Record& (*select)(RadioImage&), Field Record::*field) {
    return [select, field](RadioImage& image) {
        Field& value = select(image).*field;
        value = static_cast<Field>(value + 1);
    };
}

// Names the change of Bump after the field.
template <class Record, class Field>
NamedChange Bumped(const char* what, Record& (*select)(RadioImage&), Field Record::*field) {
    return {what, Bump(select, field)};
}

#define RP70_BUMP(select, Record, field) Bumped(#field, select, &Record::field)

// `text` followed by a NUL and spaces, as fields read back from the radio hold it.
template <std::size_t N> void SetNulEndedText(FixedText<N>& field, std::string_view text) {
    field = EmptyFixedText<N>();
    std::copy(text.begin(), text.end(), field.begin());
    if (text.size() < N) {
        field[text.size()] = '\0';
    }
}

template <class Code> void SetCode(Code& code, std::string_view digits, int length) {
    WriteFixedText(code.Digits, digits);
    code.Length = static_cast<decltype(code.Length)>(length);
}

TEST(ModifiedCheckSnapshot, AFreshSnapshotIsUnchanged) {
    RadioImage image;
    ResetImage(image, {}, nullptr);
    EXPECT_TRUE(IsUnchanged(image));
    EXPECT_TRUE(IsUnchanged(SavedImage()));
}

TEST(ModifiedCheckSnapshot, RestoringTheSnapshotUndoesEveryChange) {
    RadioImage image = SavedImage([](RadioImage& i) { i.Factory.FactoryMode = true; });
    image.Channels[0].TxPower = 2;
    SetCode(Dtmf(image).Codes[0], "123", 3);
    image.Record.Book[9].BookName = MakeFixedText<7>("JOE");
    image.Factory.TestValues[4] = 17;
    ASSERT_FALSE(IsUnchanged(image));
    RestoreSnapshot(image);
    EXPECT_TRUE(IsUnchanged(image));
}

TEST(ModifiedCheckHeader, EachValueCounts) {
    ExpectEachSeen({
        {"BandIndex", [](RadioImage& i) { i.BandIndex = 4; }},
        {"ChannelCount", [](RadioImage& i) { i.Record.ChannelCount = 5; }},
        {"DecodeTime", [](RadioImage& i) { i.Record.DecodeTime = 3; }},
        {"OptionExtra 0", [](RadioImage& i) { i.Record.OptionExtra[0] = 1; }},
        {"OptionExtra 1", [](RadioImage& i) { i.Record.OptionExtra[1] = 1; }},
        {"OptionExtra 2", [](RadioImage& i) { i.Record.OptionExtra[2] = 1; }},
    });
}

TEST(ModifiedCheckHeader, TheBandCodeOfTheIdentityCounts) {
    // The working record's band code is only a copy refreshed by each snapshot.
    ExpectOutcomes({
        {"working record's copy",
         {},
         [](RadioImage& i) { i.Record.BandIndex = 9; },
         Outcome::Unchanged},
        {"identity", {}, [](RadioImage& i) { i.BandIndex = 9; }, Outcome::Changed},
    });
}

TEST(ModifiedCheckChannels, EveryFieldCounts) {
    using C = ChannelRecord;
    const auto select = &SecondChannel;
    ExpectEachSeen({
        RP70_BUMP(select, C, ChannelNumber),
        RP70_BUMP(select, C, InUse),
        RP70_BUMP(select, C, ScanSkip),
        {"RxFreq", [](RadioImage& i) { WriteFixedText(i.Channels[1].RxFreq, "014560000"); }},
        {"TxOffset", [](RadioImage& i) { WriteFixedText(i.Channels[1].TxOffset, "000060000"); }},
        {"Name", [](RadioImage& i) { WriteFixedText(i.Channels[1].Name, "FIVE A"); }},
        RP70_BUMP(select, C, StepIndex),
        RP70_BUMP(select, C, TxInhibit),
        RP70_BUMP(select, C, Bandwidth),
        RP70_BUMP(select, C, TxDcsInvert),
        RP70_BUMP(select, C, TxDcsHigh),
        RP70_BUMP(select, C, AuxFlag),
        RP70_BUMP(select, C, Reserved1),
        RP70_BUMP(select, C, Reserved2),
        RP70_BUMP(select, C, ShiftDirection),
        RP70_BUMP(select, C, TxPower),
        RP70_BUMP(select, C, TalkAround),
        RP70_BUMP(select, C, RxDcsInvert),
        RP70_BUMP(select, C, RxDcsHigh),
        RP70_BUMP(select, C, Compander),
        RP70_BUMP(select, C, Reserved3),
        RP70_BUMP(select, C, TxToneType),
        RP70_BUMP(select, C, RxToneType),
        RP70_BUMP(select, C, TxCtcss),
        RP70_BUMP(select, C, RxCtcss),
        RP70_BUMP(select, C, TxDcs),
        RP70_BUMP(select, C, RxDcs),
        RP70_BUMP(select, C, Signalling),
        RP70_BUMP(select, C, Reserved4),
        RP70_BUMP(select, C, TwoToneNumber),
        RP70_BUMP(select, C, FiveToneNumber),
        RP70_BUMP(select, C, PttIdEnable),
        RP70_BUMP(select, C, Reverse),
        RP70_BUMP(select, C, Scrambler),
        RP70_BUMP(select, C, DtmfPttIdMode),
        RP70_BUMP(select, C, FiveTonePttIdMode),
        RP70_BUMP(select, C, SquelchMode),
        RP70_BUMP(select, C, DtmfCode),
        RP70_BUMP(select, C, ExtraDisplay),
        RP70_BUMP(select, C, BusyLock),
        RP70_BUMP(select, C, RadioReserved),
        RP70_BUMP(select, C, PttIdDecode),
        {"PttIdCode", [](RadioImage& i) { WriteFixedText(i.Channels[1].PttIdCode, "00001"); }},
        {"first slot", [](RadioImage& i) { i.Channels[0].TxPower = 1; }},
        {"last used slot", [](RadioImage& i) { i.Channels[3].TxPower = 1; }},
    });
}

TEST(ModifiedCheckChannels, TextsCountAsTheyAreShown) {
    ExpectOutcomes({
        {"name ended by NUL instead of spaces",
         {},
         [](RadioImage& i) { SetNulEndedText(i.Channels[1].Name, "FIVE"); },
         Outcome::Unchanged},
        {"empty name as NUL and spaces",
         {},
         [](RadioImage& i) { i.Channels[3].Name = EmptyFixedText<7>(); },
         Outcome::Unchanged},
        {"frequency ended by NUL",
         [](RadioImage& i) { WriteFixedText(i.Channels[0].RxFreq, "1450"); },
         [](RadioImage& i) { SetNulEndedText(i.Channels[0].RxFreq, "1450"); }, Outcome::Unchanged},
        {"offset ended by NUL", [](RadioImage& i) { WriteFixedText(i.Channels[0].TxOffset, "5"); },
         [](RadioImage& i) { SetNulEndedText(i.Channels[0].TxOffset, "5"); }, Outcome::Unchanged},
        {"PTT-ID code ended by NUL",
         [](RadioImage& i) { WriteFixedText(i.Channels[0].PttIdCode, "123"); },
         [](RadioImage& i) { SetNulEndedText(i.Channels[0].PttIdCode, "123"); },
         Outcome::Unchanged},
        {"name with a space before the NUL",
         {},
         [](RadioImage& i) { SetNulEndedText(i.Channels[1].Name, "FIVE "); },
         Outcome::Changed},
        {"name cut by an earlier NUL",
         {},
         [](RadioImage& i) { i.Channels[1].Name[2] = '\0'; },
         Outcome::Changed},
    });
}

TEST(ModifiedCheckChannels, SlotOrderDoesNotCount) {
    RadioImage image = SavedImage();
    std::reverse(image.Channels.begin(), image.Channels.begin() + 4);
    EXPECT_TRUE(IsUnchanged(image));
    image.Channels[0].TxPower = 1; // channel 204, now in slot 0
    EXPECT_FALSE(IsUnchanged(image));
}

TEST(ModifiedCheckChannels, AVanishedChannelNumberCounts) {
    ExpectEachSeen({
        {"renumbered", [](RadioImage& i) { i.Channels[1].ChannelNumber = 6; }},
        {"deleted and another added",
         [](RadioImage& i) {
             i.Channels[1] = i.Channels[3];
             i.Channels[3] = Channel(7, "FIVE", "014550000");
         }},
        {"two slots with one number",
         [](RadioImage& i) { i.Channels[2] = Channel(1, "ONE", "014500000"); }},
    });
}

TEST(ModifiedCheckChannels, EachWorkingChannelStandsForOneSavedChannel) {
    // A new image holds two VFO channels with one number. Deleting one and adding another
    // channel keeps the count; the remaining VFO channel must not stand for both.
    RadioImage image;
    ResetImage(image, {}, nullptr);
    ASSERT_EQ(image.Channels[0].ChannelNumber, image.Channels[1].ChannelNumber);
    ASSERT_TRUE(IsUnchanged(image));
    image.Channels[1] = Channel(7, "SEVEN", "014500000");
    EXPECT_FALSE(IsUnchanged(image));

    image.Channels[1] = image.Channels[0];
    EXPECT_TRUE(IsUnchanged(image));
}

TEST(ModifiedCheckChannels, SlotsBeyondTheCountDoNotCount) {
    RadioImage image = SavedImage();
    image.Channels[4] = Channel(9, "NINE", "014600000");
    image.Channels[203].TxPower = 2;
    EXPECT_TRUE(IsUnchanged(image));
}

TEST(ModifiedCheckChannels, ADamagedCountStaysWithinTheTable) {
    const auto withCount = [](std::int16_t count) {
        return [count](RadioImage& i) { i.Record.ChannelCount = count; };
    };
    ExpectOutcomes({
        {"negative, slot 0 changed", withCount(-1),
         [](RadioImage& i) { i.Channels[0].TxPower = 1; }, Outcome::Unchanged},
        {"most negative, slot 0 changed", withCount(kMostNegative),
         [](RadioImage& i) { i.Channels[0].TxPower = 1; }, Outcome::Unchanged},
        {"205, last slot changed", withCount(205),
         [](RadioImage& i) { i.Channels[203].TxPower = 1; }, Outcome::Changed},
        {"largest, last slot changed", withCount(kLargest),
         [](RadioImage& i) { i.Channels[203].TxPower = 1; }, Outcome::Changed},
        {"largest, nothing changed", withCount(kLargest), [](RadioImage&) {}, Outcome::Unchanged},
        {"largest, working count repaired", withCount(kLargest),
         [](RadioImage& i) { i.Record.ChannelCount = 204; }, Outcome::Changed},
    });
}

TEST(ModifiedCheckDtmf, EveryCodeLengthCounts) {
    ExpectEachSeen({
        {"M1", [](RadioImage& i) { Dtmf(i).Codes[0].Length = 1; }},
        {"M16", [](RadioImage& i) { Dtmf(i).Codes[15].Length = 1; }},
        {"BotCode", [](RadioImage& i) { Dtmf(i).BotCode.Length = 1; }},
        {"EotCode", [](RadioImage& i) { Dtmf(i).EotCode.Length = 1; }},
        {"KillCode", [](RadioImage& i) { Dtmf(i).KillCode.Length = 1; }},
        {"StunCode", [](RadioImage& i) { Dtmf(i).StunCode.Length = 1; }},
    });
}

TEST(ModifiedCheckDtmf, DigitsCountUpToTheLength) {
    const Change codes = [](RadioImage& i) {
        SetCode(Dtmf(i).Codes[3], "12E4F", 5);
        SetCode(Dtmf(i).BotCode, "123456789012345678901234", 24);
        SetCode(Dtmf(i).KillCode, "123", 3);
        SetCode(Dtmf(i).StunCode, "12345678901234", 14);
    };
    ExpectOutcomes({
        {"M4 first digit", codes, [](RadioImage& i) { Dtmf(i).Codes[3].Digits[0] = '9'; },
         Outcome::Changed},
        {"M4 last significant digit", codes,
         [](RadioImage& i) { Dtmf(i).Codes[3].Digits[4] = 'E'; }, Outcome::Changed},
        {"M4 beyond its length", codes,
         [](RadioImage& i) { WriteFixedText(Dtmf(i).Codes[3].Digits, "12E4F999"); },
         Outcome::Unchanged},
        {"M4 last character beyond its length", codes,
         [](RadioImage& i) { Dtmf(i).Codes[3].Digits[23] = '7'; }, Outcome::Unchanged},
        {"M4 ended by NUL", codes,
         [](RadioImage& i) { SetNulEndedText(Dtmf(i).Codes[3].Digits, "12E4F"); },
         Outcome::Unchanged},
        {"M6 shorter than its length, ended by NUL",
         [](RadioImage& i) { SetCode(Dtmf(i).Codes[5], "12", 5); },
         [](RadioImage& i) { SetNulEndedText(Dtmf(i).Codes[5].Digits, "12"); }, Outcome::Unchanged},
        {"begin code of full width, last digit", codes,
         [](RadioImage& i) { Dtmf(i).BotCode.Digits[23] = '0'; }, Outcome::Changed},
        {"kill code last digit", codes, [](RadioImage& i) { Dtmf(i).KillCode.Digits[2] = '4'; },
         Outcome::Changed},
        {"kill code beyond its length", codes,
         [](RadioImage& i) { Dtmf(i).KillCode.Digits[13] = '4'; }, Outcome::Unchanged},
        {"stun code of full width, last digit", codes,
         [](RadioImage& i) { Dtmf(i).StunCode.Digits[13] = '0'; }, Outcome::Changed},
        {"empty code",
         {},
         [](RadioImage& i) { WriteFixedText(Dtmf(i).Codes[0].Digits, "999"); },
         Outcome::Unchanged},
        {"empty kill code",
         {},
         [](RadioImage& i) { WriteFixedText(Dtmf(i).KillCode.Digits, "999"); },
         Outcome::Unchanged},
    });
}

TEST(ModifiedCheckDtmf, EveryCodeCountsItsFirstLengthDigitsOnly) {
    using Digits = std::function<char*(RadioImage&)>;
    std::vector<std::pair<std::string, Digits>> codes;
    for (std::size_t m = 0; m < kDTMFCodeCount; ++m) {
        codes.emplace_back("M" + std::to_string(m + 1),
                           [m](RadioImage& i) { return Dtmf(i).Codes[m].Digits.data(); });
    }
    codes.emplace_back("BotCode", [](RadioImage& i) { return Dtmf(i).BotCode.Digits.data(); });
    codes.emplace_back("EotCode", [](RadioImage& i) { return Dtmf(i).EotCode.Digits.data(); });
    codes.emplace_back("KillCode", [](RadioImage& i) { return Dtmf(i).KillCode.Digits.data(); });
    codes.emplace_back("StunCode", [](RadioImage& i) { return Dtmf(i).StunCode.Digits.data(); });

    const Change threeDigitCodes = [](RadioImage& i) {
        for (DTMFCode& code : Dtmf(i).Codes) {
            SetCode(code, "123", 3);
        }
        SetCode(Dtmf(i).BotCode, "123", 3);
        SetCode(Dtmf(i).EotCode, "123", 3);
        SetCode(Dtmf(i).KillCode, "123", 3);
        SetCode(Dtmf(i).StunCode, "123", 3);
    };
    for (const auto& [name, digits] : codes) {
        SCOPED_TRACE(name);
        const Digits at = digits;
        ExpectOutcomes({
            {"third digit", threeDigitCodes, [at](RadioImage& i) { at(i)[2] = '4'; },
             Outcome::Changed},
            {"fourth character", threeDigitCodes, [at](RadioImage& i) { at(i)[3] = '4'; },
             Outcome::Unchanged},
        });
    }
}

TEST(ModifiedCheckDtmf, ALengthBeyondTheWidthComparesTheWholeField) {
    const auto codes = [](int length) {
        return [length](RadioImage& i) {
            SetCode(Dtmf(i).EotCode, "12345", length);
            SetCode(Dtmf(i).StunCode, "12345", length);
        };
    };
    ExpectOutcomes({
        {"25, last character", codes(25), [](RadioImage& i) { Dtmf(i).EotCode.Digits[23] = '1'; },
         Outcome::Changed},
        {"15, last character", codes(15), [](RadioImage& i) { Dtmf(i).StunCode.Digits[13] = '1'; },
         Outcome::Changed},
        {"largest, last character", codes(kLargest),
         [](RadioImage& i) { Dtmf(i).EotCode.Digits[23] = '1'; }, Outcome::Changed},
        {"negative, first character", codes(-1),
         [](RadioImage& i) { Dtmf(i).StunCode.Digits[0] = '9'; }, Outcome::Changed},
        {"25, ended by NUL", codes(25),
         [](RadioImage& i) { SetNulEndedText(Dtmf(i).EotCode.Digits, "12345"); },
         Outcome::Unchanged},
    });
}

TEST(ModifiedCheckDtmf, EveryOtherFieldCounts) {
    using D = DTMFRecord;
    const auto select = &Dtmf;
    ExpectEachSeen({
        RP70_BUMP(select, D, Ani),
        RP70_BUMP(select, D, SendTime),
        RP70_BUMP(select, D, PttId),
        {"OwnId", [](RadioImage& i) { WriteFixedText(Dtmf(i).OwnId, "001"); }},
        RP70_BUMP(select, D, SeparatorCode),
        RP70_BUMP(select, D, GroupCode),
        RP70_BUMP(select, D, DecodeResponse),
        RP70_BUMP(select, D, FirstDigitDelay),
        RP70_BUMP(select, D, PreSendDelay),
        RP70_BUMP(select, D, ResetTime),
        RP70_BUMP(select, D, PostSendDelay),
        RP70_BUMP(select, D, PauseTime),
        RP70_BUMP(select, D, SideTone),
    });
    ExpectOutcomes(
        {{"OwnId ended by NUL", [](RadioImage& i) { WriteFixedText(Dtmf(i).OwnId, "12"); },
          [](RadioImage& i) { SetNulEndedText(Dtmf(i).OwnId, "12"); }, Outcome::Unchanged}});
}

TEST(ModifiedCheckTwoTone, EveryValueCounts) {
    using T = TwoToneRecord;
    const auto select = &TwoTone;
    ExpectEachSeen({
        {"EncodeTone1", [](RadioImage& i) { TwoTone(i).EncodeTone1[0] = 1; }},
        {"EncodeTone2", [](RadioImage& i) { TwoTone(i).EncodeTone2[1] = 1; }},
        RP70_BUMP(select, T, EncodePair),
        {"EncodeDivider1", [](RadioImage& i) { TwoTone(i).EncodeDivider1[1] = 1; }},
        {"EncodeDivider2", [](RadioImage& i) { TwoTone(i).EncodeDivider2[0] = 1; }},
        RP70_BUMP(select, T, TwoToneSetting9),
        RP70_BUMP(select, T, TwoToneSetting10),
        RP70_BUMP(select, T, SideTone2),
        {"tone D", [](RadioImage& i) { TwoTone(i).ToneFrequencies[3][1] = 1; }},
        RP70_BUMP(select, T, TwoToneTime1),
        RP70_BUMP(select, T, TwoToneTime2),
        RP70_BUMP(select, T, TwoToneTime3),
        RP70_BUMP(select, T, TwoToneSetting23),
        {"EntryEmpty", [](RadioImage& i) { TwoTone(i).Entries[31].EntryEmpty = 0; }},
        {"DecodeDivider1", [](RadioImage& i) { TwoTone(i).Entries[31].DecodeDivider1[0] = 1; }},
        {"DecodeDivider2", [](RadioImage& i) { TwoTone(i).Entries[31].DecodeDivider2[1] = 1; }},
        {"DecodeTone1", [](RadioImage& i) { TwoTone(i).Entries[31].DecodeTone1[1] = 1; }},
        {"DecodeTone2", [](RadioImage& i) { TwoTone(i).Entries[0].DecodeTone2[0] = 1; }},
        {"EntryName", [](RadioImage& i) { WriteFixedText(TwoTone(i).Entries[31].EntryName, "X"); }},
    });
}

TEST(ModifiedCheckTwoTone, NamesCountAsTheyAreShown) {
    ExpectOutcomes({
        {"name ended by NUL",
         [](RadioImage& i) { WriteFixedText(TwoTone(i).Entries[2].EntryName, "FIRE"); },
         [](RadioImage& i) { SetNulEndedText(TwoTone(i).Entries[2].EntryName, "FIRE"); },
         Outcome::Unchanged},
        {"empty name as NULs",
         [](RadioImage& i) { WriteFixedText(TwoTone(i).Entries[2].EntryName, ""); },
         [](RadioImage& i) { TwoTone(i).Entries[2].EntryName.fill('\0'); }, Outcome::Unchanged},
    });
}

TEST(ModifiedCheckFiveTone, EveryValueCounts) {
    using F = FiveToneRecord;
    const auto select = &FiveTone;
    ExpectEachSeen({
        RP70_BUMP(select, F, Reserved),
        RP70_BUMP(select, F, DecodeResponse),
        RP70_BUMP(select, F, Standard),
        RP70_BUMP(select, F, OwnIdLength),
        RP70_BUMP(select, F, ToneLength),
        {"OwnId", [](RadioImage& i) { WriteFixedText(FiveTone(i).OwnId, "12345"); }},
        RP70_BUMP(select, F, ResetTime),
        RP70_BUMP(select, F, PreSendDelay),
        RP70_BUMP(select, F, PostSendDelay),
        RP70_BUMP(select, F, PauseTime),
        RP70_BUMP(select, F, FirstDigitDelay),
        RP70_BUMP(select, F, PauseCodeTime),
        RP70_BUMP(select, F, PauseCode),
        RP70_BUMP(select, F, SideTone),
        RP70_BUMP(select, F, AniSeparator),
        {"info Function", [](RadioImage& i) { FiveTone(i).InfoCodes[7].Function = 3; }},
        {"info Response", [](RadioImage& i) { FiveTone(i).InfoCodes[7].Response = 2; }},
        {"info Length", [](RadioImage& i) { FiveTone(i).InfoCodes[7].Length = 1; }},
        {"info Name", [](RadioImage& i) { WriteFixedText(FiveTone(i).InfoCodes[7].Name, "KILL"); }},
        {"begin InUseFlag", [](RadioImage& i) { FiveTone(i).BotCode.InUseFlag = -1; }},
        {"begin Spare", [](RadioImage& i) { FiveTone(i).BotCode.Spare = 1; }},
        {"begin Standard", [](RadioImage& i) { FiveTone(i).BotCode.Standard = 6; }},
        {"begin Length", [](RadioImage& i) { FiveTone(i).BotCode.Length = 1; }},
        {"begin ToneLength", [](RadioImage& i) { FiveTone(i).BotCode.ToneLength = 9; }},
        {"end Name", [](RadioImage& i) { WriteFixedText(FiveTone(i).EotCode.Name, "END"); }},
        {"code InUseFlag", [](RadioImage& i) { FiveTone(i).Codes[99].InUseFlag = 0; }},
        {"code Spare", [](RadioImage& i) { FiveTone(i).Codes[99].Spare = 1; }},
        {"code Standard", [](RadioImage& i) { FiveTone(i).Codes[99].Standard = 2; }},
        {"code Length", [](RadioImage& i) { FiveTone(i).Codes[99].Length = 4; }},
        {"code ToneLength", [](RadioImage& i) { FiveTone(i).Codes[99].ToneLength = 3; }},
        {"code Digits",
         [](RadioImage& i) { WriteFixedText(FiveTone(i).Codes[99].Digits, "1E23"); }},
        {"code Name", [](RadioImage& i) { WriteFixedText(FiveTone(i).Codes[0].Name, "BASE"); }},
    });
}

TEST(ModifiedCheckFiveTone, CodeDigitsCountAsShown) {
    const Change codes = [](RadioImage& i) {
        SetCode(FiveTone(i).InfoCodes[2], "123", 3);
        SetCode(FiveTone(i).BotCode, "1E23", 4);
        SetCode(FiveTone(i).EotCode, "1234567890123456789012345678901234567890", 40);
        SetCode(FiveTone(i).Codes[5], "1E23", 4);
        WriteFixedText(FiveTone(i).OwnId, "12345");
    };
    ExpectOutcomes({
        {"info code within its length", codes,
         [](RadioImage& i) { FiveTone(i).InfoCodes[2].Digits[2] = '4'; }, Outcome::Changed},
        {"info code beyond its length", codes,
         [](RadioImage& i) { FiveTone(i).InfoCodes[2].Digits[3] = '4'; }, Outcome::Unchanged},
        {"empty info code",
         {},
         [](RadioImage& i) { WriteFixedText(FiveTone(i).InfoCodes[0].Digits, "99"); },
         Outcome::Unchanged},
        {"begin code within its length", codes,
         [](RadioImage& i) { FiveTone(i).BotCode.Digits[3] = '4'; }, Outcome::Changed},
        {"begin code beyond its length", codes,
         [](RadioImage& i) { WriteFixedText(FiveTone(i).BotCode.Digits, "1E2345"); },
         Outcome::Unchanged},
        {"begin code ended by NUL", codes,
         [](RadioImage& i) { SetNulEndedText(FiveTone(i).BotCode.Digits, "1E23"); },
         Outcome::Unchanged},
        {"end code of full width, last digit", codes,
         [](RadioImage& i) { FiveTone(i).EotCode.Digits[39] = 'A'; }, Outcome::Changed},
        // The code list reads special codes from the whole text and sets the length anew.
        {"code list entry beyond its length", codes,
         [](RadioImage& i) { WriteFixedText(FiveTone(i).Codes[5].Digits, "1E2345"); },
         Outcome::Changed},
        {"code list entry ended by NUL", codes,
         [](RadioImage& i) { SetNulEndedText(FiveTone(i).Codes[5].Digits, "1E23"); },
         Outcome::Unchanged},
        {"own ID ended by NUL", codes,
         [](RadioImage& i) { SetNulEndedText(FiveTone(i).OwnId, "12345"); }, Outcome::Unchanged},
        {"info code name ended by NUL",
         [](RadioImage& i) { WriteFixedText(FiveTone(i).InfoCodes[4].Name, "KILL"); },
         [](RadioImage& i) { SetNulEndedText(FiveTone(i).InfoCodes[4].Name, "KILL"); },
         Outcome::Unchanged},
        {"end code name ended by NUL",
         [](RadioImage& i) { WriteFixedText(FiveTone(i).EotCode.Name, "END"); },
         [](RadioImage& i) { SetNulEndedText(FiveTone(i).EotCode.Name, "END"); },
         Outcome::Unchanged},
        {"code list name ended by NUL",
         [](RadioImage& i) { WriteFixedText(FiveTone(i).Codes[42].Name, "BASE"); },
         [](RadioImage& i) { SetNulEndedText(FiveTone(i).Codes[42].Name, "BASE"); },
         Outcome::Unchanged},
    });
}

TEST(ModifiedCheckFiveTone, ALengthBeyondTheWidthComparesTheWholeField) {
    const Change codes = [](RadioImage& i) {
        SetCode(FiveTone(i).InfoCodes[1], "123", 200);
        SetCode(FiveTone(i).BotCode, "123", 41);
    };
    ExpectOutcomes({
        {"info code, last character", codes,
         [](RadioImage& i) { FiveTone(i).InfoCodes[1].Digits[11] = '1'; }, Outcome::Changed},
        {"begin code, last character", codes,
         [](RadioImage& i) { FiveTone(i).BotCode.Digits[39] = '1'; }, Outcome::Changed},
        {"begin code ended by NUL", codes,
         [](RadioImage& i) { SetNulEndedText(FiveTone(i).BotCode.Digits, "123"); },
         Outcome::Unchanged},
    });
}

TEST(ModifiedCheckOptions, EveryValueCounts) {
    using O = OptionsRecord;
    const auto select = &Options;
    ExpectEachSeen({
        RP70_BUMP(select, O, Option1702),
        RP70_BUMP(select, O, Option1703),
        RP70_BUMP(select, O, StartChannel),
        RP70_BUMP(select, O, Option1705),
        RP70_BUMP(select, O, Option1707),
        RP70_BUMP(select, O, Option18),
        RP70_BUMP(select, O, Option1709),
        RP70_BUMP(select, O, Option1710),
        RP70_BUMP(select, O, ToneBurst),
        RP70_BUMP(select, O, Option1712),
        RP70_BUMP(select, O, Option1713),
        RP70_BUMP(select, O, Option1714),
        RP70_BUMP(select, O, Option1716),
        RP70_BUMP(select, O, TailElimination),
        RP70_BUMP(select, O, BacklightColour),
        RP70_BUMP(select, O, FunctionOperation),
        RP70_BUMP(select, O, InternalFunctionOperation),
        RP70_BUMP(select, O, InitialiseKeys),
        RP70_BUMP(select, O, TailPhase),
        RP70_BUMP(select, O, Option1719),
        RP70_BUMP(select, O, Option1706),
        RP70_BUMP(select, O, Option1708),
        RP70_BUMP(select, O, Option1715),
        RP70_BUMP(select, O, Reserved),
        {"first key", [](RadioImage& i) { Options(i).KeyFunctions[0] = 255; }},
        {"last key", [](RadioImage& i) { Options(i).KeyFunctions[11] = 255; }},
        {"WelcomeText", [](RadioImage& i) { WriteFixedText(Options(i).WelcomeText, "Hello"); }},
        RP70_BUMP(select, O, PowerOnPasswordEnable),
        {"PowerOnPassword",
         [](RadioImage& i) { WriteFixedText(Options(i).PowerOnPassword, "1234"); }},
    });
    ExpectOutcomes({
        {"empty password as spaces",
         {},
         [](RadioImage& i) { WriteFixedText(Options(i).PowerOnPassword, ""); },
         Outcome::Unchanged},
        {"power-on text ended by NUL",
         [](RadioImage& i) { WriteFixedText(Options(i).WelcomeText, "Hi"); },
         [](RadioImage& i) { SetNulEndedText(Options(i).WelcomeText, "Hi"); }, Outcome::Unchanged},
    });
}

TEST(ModifiedCheckScanAndAlert, EveryByteCounts) {
    using S = ScanRecord;
    using A = AlertRecord;
    const auto scan = &Scan;
    const auto alert = &Alert;
    ExpectEachSeen({
        RP70_BUMP(scan, S, ScanMode),       RP70_BUMP(scan, S, PriorityMode),
        RP70_BUMP(scan, S, RevertChannel),  RP70_BUMP(scan, S, LookBackTimeA),
        RP70_BUMP(scan, S, LookBackTimeB),  RP70_BUMP(scan, S, RxResumeDelay),
        RP70_BUMP(scan, S, TxResumeDelay),  RP70_BUMP(scan, S, ScanType),
        RP70_BUMP(scan, S, ScanEntryTone),  RP70_BUMP(scan, S, WaitTime),
        RP70_BUMP(scan, S, PriorityGroup1), RP70_BUMP(scan, S, PriorityChannel1),
        RP70_BUMP(scan, S, PriorityGroup2), RP70_BUMP(scan, S, PriorityChannel2),
        RP70_BUMP(alert, A, AlarmMode),     RP70_BUMP(alert, A, IdCodeType),
        RP70_BUMP(alert, A, IdCode),        RP70_BUMP(alert, A, AlarmTime),
        RP70_BUMP(alert, A, AlertTxTime),   RP70_BUMP(alert, A, AlertRxTime),
        RP70_BUMP(alert, A, ChannelSelect), RP70_BUMP(alert, A, EmergencyChannel),
        RP70_BUMP(alert, A, AlertCycle),    RP70_BUMP(alert, A, AutoDetect),
        RP70_BUMP(alert, A, PreAlertTime),  RP70_BUMP(alert, A, LoneWorkerTime),
    });
}

TEST(ModifiedCheckBook, EveryEntryCounts) {
    ExpectEachSeen({
        {"first BookIndex", [](RadioImage& i) { i.Record.Book[0].BookIndex = 5; }},
        {"last BookIndex", [](RadioImage& i) { i.Record.Book[127].BookIndex = 0; }},
        {"BookId", [](RadioImage& i) { WriteFixedText(i.Record.Book[127].BookId, "12345"); }},
        {"BookName", [](RadioImage& i) { WriteFixedText(i.Record.Book[64].BookName, "ANNA"); }},
    });
    ExpectOutcomes({
        {"empty name as spaces",
         {},
         [](RadioImage& i) { WriteFixedText(i.Record.Book[3].BookName, ""); },
         Outcome::Unchanged},
        {"ID ended by NUL", [](RadioImage& i) { WriteFixedText(i.Record.Book[3].BookId, "12"); },
         [](RadioImage& i) { SetNulEndedText(i.Record.Book[3].BookId, "12"); }, Outcome::Unchanged},
    });
}

TEST(ModifiedCheckTestValues, CountOnlyInTheFactoryTestMode) {
    const Change factoryMode = [](RadioImage& i) { i.Factory.FactoryMode = true; };
    ExpectOutcomes({
        {"factory mode, first value", factoryMode,
         [](RadioImage& i) { i.Factory.TestValues[0] = 1; }, Outcome::Changed},
        {"factory mode, last value", factoryMode,
         [](RadioImage& i) { i.Factory.TestValues[31] = -1; }, Outcome::Changed},
        {"normal mode", {}, [](RadioImage& i) { i.Factory.TestValues[0] = 1; }, Outcome::Unchanged},
    });
}

} // namespace
} // namespace rp70
