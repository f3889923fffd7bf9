#include "editors/two_tone_edit.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "model/choice_list.h"
#include "model/signalling_references.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

// Language text keys.
constexpr int kKeyTime1Label = 60045;
constexpr int kKeyTime2Label = 60046;
constexpr int kKeyTime3Label = 60047;
constexpr int kKeyIntervalLabel = 60048;
constexpr int kKeyPairLabel = 60049;
constexpr int kKeyResponseLabel = 60050;
constexpr int kKeyToneUnit = 60056;
constexpr std::array<int, 3> kResponseKeys = {60057, 60058, 60059};
constexpr int kKeyResetTimeLabel = 60307;
constexpr int kKeySideToneLabel = 60312;

constexpr std::array<const char*, 15> kPairs = {"A-B", "A-C", "A-D",    "B-A",    "B-C",
                                                "B-D", "C-A", "C-B",    "C-D",    "D-A",
                                                "D-B", "D-C", "Long A", "Long B", "Long C"};
constexpr std::array<char, kToneBoxCount> kToneLetters = {'A', 'B', 'C', 'D'};

// Tone times are stored as 5 … 100 tenths of a second, the list position plus 5.
constexpr int kLowestToneTime = 5;
constexpr int kHighestToneTime = 100;
constexpr int kHighestResetTime = 250;
constexpr int kIntervalStep = 100;
constexpr int kHighestInterval = 2000;
constexpr int kDefaultLongToneTime = 5; // 1.0 s
constexpr int kDefaultInterval = 10;    // 1000 ms

// Tones A … D of a new image, held low byte first, for a stored tone that is unset.
constexpr std::array<std::array<std::uint8_t, 2>, kToneBoxCount> kDefaultTones = {
    {{145, 12}, {65, 36}, {121, 24}, {214, 79}}};

constexpr double kLowestSentTone = 280;
constexpr double kLowestDecodeTone = 288;
constexpr double kHighestTone = 3116;
constexpr const char* kUnreadableTone = "2000";

// The dividers count a 6.5 MHz clock: over two half-waves of a sent tone, over 16 steps of a
// decoded one.
constexpr double kDividerClock = 6500000;
constexpr double kEncodeSteps = 2;
constexpr double kDecodeSteps = 16;

// The width of the widest tone ("3116.0") in a setting line.
constexpr std::size_t kToneWidth = 6;

using Bytes2 = std::array<std::uint8_t, 2>;

int HighFirst(const Bytes2& bytes) {
    return bytes[0] * 256 + bytes[1];
}

Bytes2 SplitHighFirst(long value) {
    return {static_cast<std::uint8_t>(value / 256), static_cast<std::uint8_t>(value % 256)};
}

Bytes2 SplitLowFirst(long value) {
    const Bytes2 high = SplitHighFirst(value);
    return {high[1], high[0]};
}

long Tenths(double hz) {
    return std::lround(hz * 10);
}

long Divider(double hz, double steps) {
    return static_cast<long>(kDividerClock / (steps * hz));
}

std::string TenthsText(int tenths) {
    return FormatFixed(tenths / 10.0, 1, 1);
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// The position a stored value selects, or `fallback` when the list has no such position.
int PositionOr(int value, const std::vector<std::string>& list, int fallback) {
    return value >= 0 && value < static_cast<int>(list.size()) ? value : fallback;
}

double ToneValue(std::string_view boxText) {
    return ParseNumber(FinishToneBox(boxText)).value_or(kLowestSentTone);
}

} // namespace

TwoToneEditLists BuildTwoToneEditLists(const LanguageTexts& texts) {
    TwoToneEditLists lists;
    lists.Pairs.assign(kPairs.begin(), kPairs.end());
    for (int value = kLowestToneTime; value <= kHighestToneTime; ++value) {
        lists.ToneTimes.push_back(TenthsText(value));
    }
    for (int value = 0; value <= kHighestResetTime; ++value) {
        lists.ResetTimes.push_back(TenthsText(value));
    }
    for (int key : kResponseKeys) {
        lists.Responses.push_back(texts.Option(key));
    }
    for (int ms = 0; ms <= kHighestInterval; ms += kIntervalStep) {
        lists.Intervals.push_back(FormatInteger(ms));
    }
    return lists;
}

std::vector<int> PairTones(int pair) {
    if (pair < 0 || pair >= static_cast<int>(kPairs.size())) {
        return {};
    }
    std::vector<int> tones;
    for (const char* c = kPairs[static_cast<std::size_t>(pair)]; *c != '\0'; ++c) {
        if (*c >= 'A' && *c <= 'D') {
            tones.push_back(*c - 'A');
        }
    }
    return tones;
}

DecodeRow ShowDecodeEntry(const TwoToneEntry& entry) {
    if (entry.EntryEmpty != 0 || HighFirst(entry.DecodeDivider1) == 0) {
        return {};
    }
    return {TenthsText(HighFirst(entry.DecodeTone1)),
            HighFirst(entry.DecodeDivider2) == 0 ? "" : TenthsText(HighFirst(entry.DecodeTone2)),
            TextOf(entry.EntryName)};
}

TwoToneEdit OpenTwoToneEdit(const TwoToneRecord& record, const TwoToneEditLists& lists) {
    TwoToneEdit edit{record, {}, {}};
    TwoToneRecord& copy = edit.Record;
    TwoToneEditInputs& inputs = edit.Inputs;

    inputs.Pair = PositionOr(copy.EncodePair, lists.Pairs, 0);
    for (int tone : PairTones(copy.EncodePair)) {
        inputs.ToneBoxOn[static_cast<std::size_t>(tone)] = true;
    }
    inputs.Response = PositionOr(copy.TwoToneSetting10, lists.Responses, 0);
    inputs.Time1 = PositionOr(copy.TwoToneTime1 - kLowestToneTime, lists.ToneTimes, 0);
    inputs.Time2 = PositionOr(copy.TwoToneTime2 - kLowestToneTime, lists.ToneTimes, 0);
    inputs.Time3 =
        PositionOr(copy.TwoToneTime3 - kLowestToneTime, lists.ToneTimes, kDefaultLongToneTime);
    inputs.ResetTime = PositionOr(copy.TwoToneSetting9, lists.ResetTimes, 0);
    inputs.Interval = PositionOr(copy.TwoToneSetting23, lists.Intervals, kDefaultInterval);

    if (copy.SideTone2 > 1) {
        copy.SideTone2 = 0;
    }
    inputs.SideTone = copy.SideTone2 == 1;

    for (std::size_t i = 0; i < kToneBoxCount; ++i) {
        Bytes2& tone = copy.ToneFrequencies[i];
        if (tone[1] == 0 || tone[1] == 255) {
            tone = kDefaultTones[i];
        }
        inputs.Tones[i] = TenthsText(tone[1] * 256 + tone[0]);
    }

    for (std::size_t k = 0; k < kTwoToneEntryCount; ++k) {
        edit.Rows[k] = ShowDecodeEntry(copy.Entries[k]);
    }
    return edit;
}

void ReactToPair(TwoToneEditInputs& inputs) {
    inputs.ToneBoxOn = {};
    for (int tone : PairTones(inputs.Pair)) {
        inputs.ToneBoxOn[static_cast<std::size_t>(tone)] = true;
    }
}

std::string FinishToneBox(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value) {
        return kUnreadableTone;
    }
    return FormatPlain(std::clamp(*value, kLowestSentTone, kHighestTone));
}

void StoreDecodeCell(TwoToneEdit& edit, int entry, DecodeColumn column, std::string_view text) {
    if (entry < 0 || entry >= static_cast<int>(kTwoToneEntryCount)) {
        return;
    }
    TwoToneEntry& stored = edit.Record.Entries[static_cast<std::size_t>(entry)];
    DecodeRow& row = edit.Rows[static_cast<std::size_t>(entry)];
    std::string& cell = row[static_cast<std::size_t>(column)];

    if (column == DecodeColumn::Name) {
        WriteFixedText(stored.EntryName, TextOf(text));
        cell = TextOf(stored.EntryName);
        return;
    }
    const auto value = ParseNumber(text);
    const bool first = column == DecodeColumn::FirstTone;
    if (!value) {
        if (first) {
            stored.EntryEmpty = 1;
            stored.DecodeDivider1 = stored.DecodeDivider2 = {0, 0};
            stored.DecodeTone1 = stored.DecodeTone2 = {0, 0};
            WriteFixedText(stored.EntryName, "");
            row = {};
        } else {
            stored.DecodeDivider2 = stored.DecodeTone2 = {0, 0};
            cell.clear();
        }
        return;
    }
    const double hz = std::clamp(*value, kLowestDecodeTone, kHighestTone);
    cell = FormatFixed(hz, 1, 1);
    if (first) {
        stored.EntryEmpty = 0;
        stored.DecodeDivider1 = SplitHighFirst(Divider(hz, kDecodeSteps));
        stored.DecodeTone1 = SplitHighFirst(Tenths(hz));
    } else {
        stored.DecodeDivider2 = SplitHighFirst(Divider(hz, kDecodeSteps));
        stored.DecodeTone2 = SplitHighFirst(Tenths(hz));
    }
}

DecodeCell NextDecodeCell(const TwoToneEdit& edit, DecodeCell cell) {
    const int entry = std::clamp(cell.Entry, 0, static_cast<int>(kTwoToneEntryCount) - 1);
    const bool emptyFirst = cell.Column == DecodeColumn::FirstTone &&
                            edit.Rows[static_cast<std::size_t>(entry)][0].empty();
    if (cell.Column == DecodeColumn::Name || emptyFirst) {
        return {(entry + 1) % static_cast<int>(kTwoToneEntryCount), DecodeColumn::FirstTone};
    }
    return {entry, static_cast<DecodeColumn>(static_cast<int>(cell.Column) + 1)};
}

void ApplyTwoToneEdit(RadioImage& image, TwoToneEdit edit) {
    TwoToneRecord& record = edit.Record;
    const TwoToneEditInputs& inputs = edit.Inputs;
    record.TwoToneSetting10 = Byte(inputs.Response);
    record.TwoToneTime1 = Byte(inputs.Time1 + kLowestToneTime);
    record.TwoToneTime2 = Byte(inputs.Time2 + kLowestToneTime);
    record.TwoToneTime3 = Byte(inputs.Time3 + kLowestToneTime);
    record.TwoToneSetting23 = Byte(inputs.Interval);
    record.TwoToneSetting9 = Byte(inputs.ResetTime);
    record.SideTone2 = inputs.SideTone ? 1 : 0;
    record.EncodePair = Byte(inputs.Pair);

    std::array<double, kToneBoxCount> hz{};
    for (std::size_t i = 0; i < kToneBoxCount; ++i) {
        hz[i] = ToneValue(inputs.Tones[i]);
        record.ToneFrequencies[i] = SplitLowFirst(Tenths(hz[i]));
    }
    const std::vector<int> sent = PairTones(inputs.Pair);
    auto sentTone = [&](std::size_t n, Bytes2& tone, Bytes2& divider) {
        if (n < sent.size()) {
            const double f = hz[static_cast<std::size_t>(sent[n])];
            tone = SplitHighFirst(Tenths(f));
            divider = SplitHighFirst(Divider(f, kEncodeSteps));
        } else {
            tone = divider = {0, 0};
        }
    };
    sentTone(0, record.EncodeTone1, record.EncodeDivider1);
    sentTone(1, record.EncodeTone2, record.EncodeDivider2);

    image.Record.Function.TwoTone = record;
    FixSignallingReferences(image);
}

SettingLines TwoToneSettingLines(const RadioImage& image, const LanguageTexts& texts) {
    const TwoToneEditLists lists = BuildTwoToneEditLists(texts);
    const TwoToneEdit edit = OpenTwoToneEdit(image.Record.Function.TwoTone, lists);
    const TwoToneEditInputs& inputs = edit.Inputs;
    auto line = [&texts](int key, std::string value) {
        return SettingLine{texts.Option(key), std::move(value)};
    };

    SettingLines lines = {line(kKeyPairLabel, TextAt(lists.Pairs, inputs.Pair))};
    const std::string unit = texts.Option(kKeyToneUnit);
    for (std::size_t i = 0; i < kToneBoxCount; ++i) {
        lines.push_back({std::string(1, kToneLetters[i]) + unit, inputs.Tones[i]});
    }
    lines.push_back(line(kKeyTime1Label, TextAt(lists.ToneTimes, inputs.Time1)));
    lines.push_back(line(kKeyTime2Label, TextAt(lists.ToneTimes, inputs.Time2)));
    lines.push_back(line(kKeyTime3Label, TextAt(lists.ToneTimes, inputs.Time3)));
    lines.push_back(line(kKeyIntervalLabel, TextAt(lists.Intervals, inputs.Interval)));
    lines.push_back(line(kKeyResetTimeLabel, TextAt(lists.ResetTimes, inputs.ResetTime)));
    lines.push_back(line(kKeyResponseLabel, TextAt(lists.Responses, inputs.Response)));
    lines.push_back(line(kKeySideToneLabel, CheckText(inputs.SideTone, texts)));

    for (std::size_t k = 0; k < kTwoToneEntryCount; ++k) {
        if (edit.Record.Entries[k].EntryEmpty != 0) {
            continue;
        }
        const DecodeRow& row = edit.Rows[k];
        std::string value = row[0];
        value.resize(kToneWidth, ' ');
        value += "  " + row[1];
        value.resize(2 * kToneWidth + 2, ' ');
        value += "  " + row[2];
        value.erase(value.find_last_not_of(' ') + 1);
        lines.push_back({FormatInteger(static_cast<long long>(k)), value});
    }
    return lines;
}

} // namespace rp70
