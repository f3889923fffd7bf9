#include "channels/channel_edit.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "channels/channel_list.h"
#include "channels/step_list.h"
#include "model/conversions.h"
#include "model/tones.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

// Language text keys of the list entries.
constexpr int kKeyOff = 1210;
constexpr int kKeyNone = 1206;
constexpr std::array<int, 3> kPowerKeys = {1204, 1221, 1205};
constexpr std::array<int, 2> kScramblerKeys = {1755, 1756};
constexpr std::array<int, 4> kPttIdModeKeys = {1755, 1765, 1766, 1767};
constexpr std::array<int, 5> kSquelchKeys = {1784, 1785, 1786, 1787, 1788};
constexpr std::array<int, 10> kExtraDisplayKeys = {1210, 1211, 1212, 1214, 1215,
                                                   1216, 1217, 1218, 1219, 1220};
constexpr int kKeyBusyLockOff = 1755;

constexpr std::string_view kDtmfText = "DTMF";
constexpr std::string_view kTwoToneText = "2Tone";
constexpr std::string_view kFiveToneText = "5Tone";

constexpr int kDtmfCodeCount = 16;
constexpr std::size_t kPttIdCodeLength = 5;

// Band 16 has fixed frequencies on channels 1 … 80.
constexpr std::int16_t kFixedFrequencyBand = 16;
constexpr int kFixedFrequencyChannels = 80;

// The extra display skips the stored value 3: positions 3 … 9 stand for 4 … 10.
constexpr int kFirstShiftedExtraDisplay = 3;

constexpr double kUnitsPerMHz = 100000.0;

template <std::size_t N> std::string_view Stored(const FixedText<N>& field) {
    return std::string_view(field.data(), N);
}

int Count(const std::vector<std::string>& list) {
    return static_cast<int>(list.size());
}

// The first entry of a list, or no selection when it is empty.
int FirstEntry(const std::vector<std::string>& list) {
    return list.empty() ? kNoSelection : 0;
}

// The value a position writes: no selection writes 0.
std::int16_t ValueOf(int position) {
    return static_cast<std::int16_t>(std::max(position, 0));
}

std::int16_t Flag(bool on) {
    return on ? 1 : 0;
}

// The number an entry of the 2-tone or 5-tone list names; 0 when none is chosen.
std::int16_t EntryNumber(const std::vector<std::string>& list, int position) {
    if (position < 0 || position >= Count(list)) {
        return 0;
    }
    return ParseWholeNumberAs<std::int16_t>(list[static_cast<std::size_t>(position)]).value_or(0);
}

int ExtraDisplayPosition(int value, int count) {
    if (value == kFirstShiftedExtraDisplay) {
        return 0;
    }
    const int position = value > kFirstShiftedExtraDisplay ? value - 1 : value;
    return position >= 0 && position < count ? position : 0;
}

bool IsOn(std::int16_t value) {
    return value != 0;
}

// Keeps the squelch mode while it is offered, else takes the first entry.
void RebuildSquelchList(ChannelEditInputs& inputs, const ChannelEditLists& lists) {
    const std::vector<int> offered = OfferedSquelchModes(inputs, lists);
    if (std::find(offered.begin(), offered.end(), inputs.SquelchMode) == offered.end()) {
        inputs.SquelchMode = 0;
    }
}

// A new tone type puts the list of that type at its first entry.
void ResetToneLists(ToneInputs& tone, const ChannelEditLists& lists) {
    if (tone.Type == kToneCtcss) {
        tone.Ctcss = FirstEntry(lists.CtcssTones);
    } else if (tone.Type == kToneDcs) {
        tone.Dcs = FirstEntry(lists.DcsCodes);
        tone.Inverted = false;
    }
}

ToneInputs ShowTone(std::int16_t type, std::int16_t ctcss, std::int16_t dcs, std::int16_t inverted,
                    const ChannelEditLists& lists) {
    ToneInputs tone;
    tone.Type = PositionFor(type, lists.ToneTypes);
    if (type == kToneCtcss) {
        tone.Ctcss = PositionFor(ctcss, lists.CtcssTones);
    } else if (type == kToneDcs) {
        tone.Dcs = PositionFor(dcs, lists.DcsCodes);
        tone.Inverted = IsOn(inverted);
    }
    return tone;
}

// Transmit frequency text from the receive text, the offset text and the shift direction.
std::string ShownTxText(const std::string& rxText, const std::string& offsetText, int shift) {
    // Without a receive frequency there is no transmit frequency; applying the offset to
    // nothing would show a meaningless negative value.
    if (rxText.empty()) {
        return {};
    }
    const auto rx = ParseNumber(rxText);
    const auto offset = ParseNumber(offsetText);
    if (!rx) {
        return rxText;
    }
    double tx = *rx;
    if (offset && shift == kShiftMinus) {
        tx = *rx - *offset;
    } else if (offset && shift == kShiftPlus) {
        tx = *rx + *offset;
    }
    return FormatFixed(tx, 0, 5);
}

// Whole units of 10 Hz of a checked frequency text ("000.00000").
long long Units(const std::string& text) {
    return std::llround(ParseNumber(text).value_or(0.0) * kUnitsPerMHz);
}

void WriteInputs(ChannelRecord& channel, ChannelEditInputs& inputs, const ChannelEditLists& lists,
                 const BandLimits& band, UserContext& ctx) {
    channel.InUse = 1;
    channel.StepIndex = ValueOf(inputs.Step);

    const std::string rx = ValidateRxText(inputs.RxText, band, ctx);
    inputs.RxText = rx;
    WriteFixedText(channel.RxFreq, TextToFreqDigits(rx));

    std::string name;
    for (const std::string& box : inputs.Name) {
        name += box.empty() ? ' ' : box.front();
    }
    WriteFixedText(channel.Name, name);

    // The transmit frequency decides direction and offset; without one the offset box is
    // emptied, which stores no offset and keeps the direction.
    const std::string tx =
        inputs.TxText.empty() ? std::string() : ValidateTxText(inputs.TxText, band, ctx);
    if (!rx.empty() && !tx.empty()) {
        const long long difference = Units(tx) - Units(rx);
        inputs.Shift = difference > 0 ? kShiftPlus : (difference < 0 ? kShiftMinus : kShiftOff);
        inputs.OffsetText =
            FormatFixed(static_cast<double>(std::llabs(difference)) / kUnitsPerMHz, 1, 5);
    } else {
        inputs.OffsetText.clear();
    }

    const TxAndOffsetResult offset =
        TxAndOffset(inputs.OffsetText, rx, ValueOf(inputs.Shift), band, ctx);
    channel.ShiftDirection = offset.Direction;
    WriteFixedText(channel.TxOffset, TextToFreqDigits(offset.OffsetText));

    channel.Bandwidth = ValueOf(inputs.Bandwidth);
    channel.TxPower = ValueOf(inputs.Power);
    channel.RxToneType = ValueOf(inputs.Decode.Type);
    channel.TxToneType = ValueOf(inputs.Encode.Type);
    channel.Scrambler = ValueOf(inputs.Scrambler);
    channel.DtmfPttIdMode = ValueOf(inputs.DtmfPttId);
    channel.FiveTonePttIdMode = ValueOf(inputs.FiveTonePttId);
    channel.SquelchMode = ValueOf(inputs.SquelchMode);
    const int extra = std::max(inputs.ExtraDisplay, 0);
    channel.ExtraDisplay =
        static_cast<std::int16_t>(extra >= kFirstShiftedExtraDisplay ? extra + 1 : extra);
    channel.BusyLock = ValueOf(inputs.BusyLock);
    channel.Signalling = ChosenSignalling(inputs, lists);
    channel.TxInhibit = Flag(inputs.TxInhibit);
    channel.RxCtcss = ValueOf(inputs.Decode.Ctcss);
    channel.TxCtcss = ValueOf(inputs.Encode.Ctcss);
    channel.RxDcs = ValueOf(inputs.Decode.Dcs);
    channel.TxDcs = ValueOf(inputs.Encode.Dcs);
    channel.RxDcsInvert = Flag(inputs.Decode.Inverted);
    channel.TxDcsInvert = Flag(inputs.Encode.Inverted);
    channel.DtmfCode = ValueOf(inputs.DtmfCode);
    channel.TwoToneNumber = EntryNumber(lists.TwoToneEntries, inputs.TwoTone);
    channel.FiveToneNumber = EntryNumber(lists.FiveToneEntries, inputs.FiveTone);
    channel.PttIdEnable = Flag(inputs.PttId);
    channel.Reverse = Flag(inputs.Reverse);
    channel.TalkAround = Flag(inputs.TalkAround);
    channel.Compander = Flag(inputs.Compander);
    channel.ScanSkip = Flag(inputs.ScanSkip);
    channel.PttIdDecode = Flag(inputs.PttIdDecode);
    WriteFixedText(channel.PttIdCode, inputs.PttIdCode);
}

void ShowMessage(UserContext& ctx, std::string_view text) {
    ctx.Ui.Show(Message{std::string(text), "", MessageIcon::None, MessageButtons::Ok});
}

} // namespace

ChannelEditLists BuildChannelEditLists(const RadioImage& image, const FeatureFlags& features,
                                       const LanguageTexts& texts) {
    ChannelEditLists lists;
    lists.ShiftDirections = {texts.GetText(kKeyOff), "-", "+"};
    for (std::string_view step : StepList(image.BandIndex)) {
        lists.Steps.emplace_back(step);
    }
    lists.Bandwidths = {"25KHz", "20KHz", "12.5KHz"};
    lists.Powers = texts.GetTexts(kPowerKeys);

    lists.Signalling = {texts.GetText(kKeyNone)};
    if (features.HasDTMF) {
        lists.Signalling.emplace_back(kDtmfText);
    }
    if (features.HasTwoTone) {
        lists.Signalling.emplace_back(kTwoToneText);
    }
    if (features.HasFiveTone) {
        lists.Signalling.emplace_back(kFiveToneText);
    }
    lists.DtmfPttIdOffered = features.HasDTMF;
    lists.FiveTonePttIdOffered = features.HasFiveTone;

    for (int code = 1; code <= kDtmfCodeCount; ++code) {
        lists.DtmfCodes.push_back("M" + std::to_string(code));
    }
    const FunctionData& function = image.Record.Function;
    for (std::size_t k = 0; k < function.TwoTone.Entries.size(); ++k) {
        if (function.TwoTone.Entries[k].EntryEmpty == 0) {
            lists.TwoToneEntries.push_back(std::to_string(k));
        }
    }
    for (std::size_t k = 0; k < function.FiveTone.Codes.size(); ++k) {
        if (function.FiveTone.Codes[k].InUseFlag == 0) {
            lists.FiveToneEntries.push_back(std::to_string(k));
        }
    }

    lists.ToneTypes = {texts.GetText(kKeyNone), "CTCSS", "DCS"};
    for (std::string_view tone : CtcssList()) {
        lists.CtcssTones.emplace_back(tone);
    }
    for (int code = 0; code <= kMaxDcsCode; ++code) {
        lists.DcsCodes.push_back(DcsCodeText(code));
    }
    lists.ScramblerModes = texts.GetTexts(kScramblerKeys);
    lists.PttIdModes = texts.GetTexts(kPttIdModeKeys);
    lists.SquelchModes = texts.GetTexts(kSquelchKeys);
    lists.ExtraDisplays = texts.GetTexts(kExtraDisplayKeys);
    lists.BusyLockModes = {texts.GetText(kKeyBusyLockOff), "Repeater", "Busy"};
    return lists;
}

FeatureFlags OfferedFeatures(const FeatureFlags& features, const ChannelRecord& record) {
    FeatureFlags offered = features;
    offered.HasDTMF = offered.HasDTMF || record.Signalling == kSignallingDtmf;
    offered.HasTwoTone = offered.HasTwoTone || record.Signalling == kSignallingTwoTone;
    offered.HasFiveTone = offered.HasFiveTone || record.Signalling == kSignallingFiveTone;
    return offered;
}

std::int16_t SignallingOfText(std::string_view text) {
    if (text == kDtmfText) {
        return kSignallingDtmf;
    }
    if (text == kTwoToneText) {
        return kSignallingTwoTone;
    }
    if (text == kFiveToneText) {
        return kSignallingFiveTone;
    }
    return kSignallingNone;
}

ChannelRecord EditRecordFor(const RadioImage& image, int number) {
    if (const auto slot = FindChannel(image, number)) {
        return image.Channels[static_cast<std::size_t>(*slot)];
    }
    return NewChannelRecord(static_cast<std::int16_t>(number));
}

ChannelEditInputs ShowChannelRecord(const ChannelRecord& record, const ChannelEditLists& lists,
                                    const BandLimits& band, UserContext& ctx) {
    ChannelEditInputs inputs;
    inputs.RxText = FreqDigitsToText(Stored(record.RxFreq), band, ctx);
    inputs.Shift = PositionFor(record.ShiftDirection, lists.ShiftDirections);
    inputs.OffsetText = OffsetDigitsToText(Stored(record.TxOffset), ctx);
    inputs.TxText = ShownTxText(inputs.RxText, inputs.OffsetText, inputs.Shift);

    const std::string name = TextOf(record.Name);
    for (std::size_t i = 0; i < kNameBoxCount && i < name.size(); ++i) {
        inputs.Name[i] = name.substr(i, 1);
    }

    inputs.Step = PositionFor(record.StepIndex, lists.Steps);
    inputs.Bandwidth = PositionFor(record.Bandwidth, lists.Bandwidths);
    // A power of 3 (older data files) is the highest level.
    inputs.Power = PositionFor(record.TxPower == 3 ? 2 : record.TxPower, lists.Powers);

    switch (record.Signalling) {
    case kSignallingDtmf:
        inputs.Signalling = PositionOfText(lists.Signalling, kDtmfText);
        break;
    case kSignallingTwoTone:
        inputs.Signalling = PositionOfText(lists.Signalling, kTwoToneText);
        break;
    case kSignallingFiveTone:
        inputs.Signalling = PositionOfText(lists.Signalling, kFiveToneText);
        break;
    default:
        inputs.Signalling = FirstEntry(lists.Signalling);
        break;
    }
    // The code list and PTT ID of the stored kind take their values even when that kind is not
    // offered; the lists of the other kinds stay without a selection.
    switch (record.Signalling) {
    case kSignallingDtmf:
        inputs.DtmfCode = PositionFor(record.DtmfCode, lists.DtmfCodes);
        inputs.PttId = IsOn(record.PttIdEnable);
        break;
    case kSignallingTwoTone:
        inputs.TwoTone = PositionOfText(lists.TwoToneEntries, std::to_string(record.TwoToneNumber));
        break;
    case kSignallingFiveTone:
        inputs.FiveTone =
            PositionOfText(lists.FiveToneEntries, std::to_string(record.FiveToneNumber));
        inputs.PttId = IsOn(record.PttIdEnable);
        break;
    default:
        break;
    }

    inputs.Decode =
        ShowTone(record.RxToneType, record.RxCtcss, record.RxDcs, record.RxDcsInvert, lists);
    inputs.Encode =
        ShowTone(record.TxToneType, record.TxCtcss, record.TxDcs, record.TxDcsInvert, lists);

    inputs.Scrambler = PositionFor(record.Scrambler, lists.ScramblerModes);
    inputs.FiveTonePttId = PositionFor(record.FiveTonePttIdMode, lists.PttIdModes);
    // Only one PTT-ID kind is active; the 5-tone one is set last and wins.
    inputs.DtmfPttId =
        inputs.FiveTonePttId > 0 ? 0 : PositionFor(record.DtmfPttIdMode, lists.PttIdModes);
    inputs.ExtraDisplay = ExtraDisplayPosition(record.ExtraDisplay, Count(lists.ExtraDisplays));
    inputs.BusyLock = PositionFor(record.BusyLock, lists.BusyLockModes);

    inputs.TxInhibit = IsOn(record.TxInhibit);
    inputs.TalkAround = IsOn(record.TalkAround);
    inputs.Reverse = IsOn(record.Reverse) && !inputs.TalkAround;
    inputs.Compander = IsOn(record.Compander);
    inputs.ScanSkip = IsOn(record.ScanSkip);
    inputs.PttIdDecode = IsOn(record.PttIdDecode);
    inputs.PttIdCode = TextOf(record.PttIdCode);

    // The squelch mode is chosen once everything it depends on (reverse included) shows, so a
    // stored mode that the channel offers is kept.
    inputs.SquelchMode = PositionFor(record.SquelchMode, lists.SquelchModes);
    RebuildSquelchList(inputs, lists);
    return inputs;
}

void ReactToChange(ChannelEditInputs& inputs, const ChannelEditLists& lists,
                   ChannelEditChange change) {
    switch (change) {
    case ChannelEditChange::Signalling:
        switch (ChosenSignalling(inputs, lists)) {
        case kSignallingDtmf:
            inputs.DtmfCode = FirstEntry(lists.DtmfCodes);
            break;
        case kSignallingTwoTone:
            inputs.TwoTone = FirstEntry(lists.TwoToneEntries);
            break;
        case kSignallingFiveTone:
            inputs.FiveTone = FirstEntry(lists.FiveToneEntries);
            break;
        default:
            break;
        }
        RebuildSquelchList(inputs, lists);
        break;
    case ChannelEditChange::DecodeType:
        RebuildSquelchList(inputs, lists);
        ResetToneLists(inputs.Decode, lists);
        break;
    case ChannelEditChange::EncodeType:
        RebuildSquelchList(inputs, lists);
        // The encode lists follow only while the inputs are on (a receive frequency is typed).
        if (!inputs.RxText.empty()) {
            ResetToneLists(inputs.Encode, lists);
        }
        break;
    case ChannelEditChange::DtmfPttId:
        if (inputs.DtmfPttId > 0) {
            inputs.FiveTonePttId = 0;
        }
        break;
    case ChannelEditChange::FiveTonePttId:
        if (inputs.FiveTonePttId > 0) {
            inputs.DtmfPttId = 0;
        }
        break;
    case ChannelEditChange::Reverse:
        if (inputs.Reverse) {
            inputs.TalkAround = false;
        }
        RebuildSquelchList(inputs, lists);
        break;
    case ChannelEditChange::TalkAround:
        if (inputs.TalkAround) {
            inputs.Reverse = false;
        }
        RebuildSquelchList(inputs, lists);
        break;
    }
}

std::int16_t ChosenSignalling(const ChannelEditInputs& inputs, const ChannelEditLists& lists) {
    if (inputs.Signalling < 0 || inputs.Signalling >= Count(lists.Signalling)) {
        return kSignallingNone;
    }
    return SignallingOfText(lists.Signalling[static_cast<std::size_t>(inputs.Signalling)]);
}

std::vector<int> SquelchEntries(int toneType, bool signalling) {
    const bool tone = toneType > 0;
    if (tone && signalling) {
        return {0, 1, 2, 3, 4};
    }
    if (tone) {
        return {0, 1};
    }
    if (signalling) {
        return {0, 2};
    }
    return {0};
}

std::vector<int> OfferedSquelchModes(const ChannelEditInputs& inputs,
                                     const ChannelEditLists& lists) {
    // With reverse on the radio listens on the transmit settings.
    const int toneType = inputs.Reverse ? inputs.Encode.Type : inputs.Decode.Type;
    return SquelchEntries(toneType, ChosenSignalling(inputs, lists) != kSignallingNone);
}

ChannelEditStates InputStates(const ChannelEditInputs& inputs, const ChannelEditLists& lists,
                              int number, std::int16_t bandIndex) {
    ChannelEditStates states;
    states.InputsOn = !inputs.RxText.empty();
    const bool fixedFrequencies =
        bandIndex == kFixedFrequencyBand && number >= 1 && number <= kFixedFrequencyChannels;
    states.RxEditable = !fixedFrequencies;
    states.TxEditable = states.InputsOn && !fixedFrequencies;
    states.PttIdCodeEditable = states.InputsOn && IsMemoryChannel(number);
    states.CodeList = ChosenSignalling(inputs, lists);
    states.PttIdShown =
        states.CodeList == kSignallingDtmf || states.CodeList == kSignallingFiveTone;
    states.DecodeListsShown = inputs.Decode.Type;
    states.EncodeListsShown = inputs.Encode.Type;
    return states;
}

ChannelEditOutcome ApplyChannelEdit(RadioImage& image, int number, ChannelEditInputs& inputs,
                                    const ChannelEditLists& lists, UserContext& ctx) {
    if (inputs.PttIdCode.size() < kPttIdCodeLength) {
        inputs.PttIdCode.resize(kPttIdCodeLength, '0');
    }
    if (!IsNumeric(inputs.RxText)) {
        if (number == kVfoChannel) {
            ShowMessage(ctx, kVfoNeedsRxText);
            return ChannelEditOutcome::StayOpen;
        }
        if (number == kCallChannel) {
            ShowMessage(ctx, kCallNeedsRxText);
            return ChannelEditOutcome::StayOpen;
        }
        // Only a cleared receive frequency deletes the channel. A mistyped one ("145..5") goes
        // on to the frequency check, which warns and takes the band's lower limit, so a typing
        // slip never throws the channel away.
        if (inputs.RxText.empty()) {
            DeleteChannel(image, number);
            FixChannelReferences(image);
            return ChannelEditOutcome::Deleted;
        }
    }
    const bool written = ChannelExists(image, number)
                             ? ModifyUFreData(image, number, inputs, lists, ctx)
                             : AddNewUFreData(image, number, inputs, lists, ctx);
    if (!written) {
        return ChannelEditOutcome::StayOpen;
    }
    FixChannelReferences(image);
    return ChannelEditOutcome::Stored;
}

bool ModifyUFreData(RadioImage& image, int number, ChannelEditInputs& inputs,
                    const ChannelEditLists& lists, UserContext& ctx) {
    const auto slot = FindChannel(image, number);
    if (!slot) {
        ShowMessage(ctx, kNoFindDataText);
        return false;
    }
    WriteInputs(image.Channels[static_cast<std::size_t>(*slot)], inputs, lists, image.Limits, ctx);
    return true;
}

bool AddNewUFreData(RadioImage& image, int number, ChannelEditInputs& inputs,
                    const ChannelEditLists& lists, UserContext& ctx) {
    const int used = image.UsedChannelCount();
    if (used >= kChannelSlots) {
        ShowMessage(ctx, kChannelTableFullText);
        return false;
    }
    ChannelRecord channel{};
    channel.ChannelNumber = static_cast<std::int16_t>(number);
    WriteInputs(channel, inputs, lists, image.Limits, ctx);
    image.Channels[static_cast<std::size_t>(used)] = channel;
    image.Record.ChannelCount = static_cast<std::int16_t>(used + 1);
    return true;
}

} // namespace rp70
