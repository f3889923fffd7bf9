#include "editors/five_tone_edit.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "editors/alert_edit.h"
#include "editors/five_tone_digits.h"
#include "model/choice_list.h"
#include "model/fixed_text.h"
#include "model/signalling_references.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

// Language text keys.
constexpr int kKeyOff = 1755;
constexpr int kKeyStandardLabel = 3004;
constexpr int kKeyInfoCodeCaption = 3005;
constexpr std::array<int, 3> kResponseKeys = {60057, 60058, 60059};
constexpr int kKeyResponseLabel = 60070;
constexpr int kKeyToneLengthLabel = 60071;
constexpr int kKeyOwnIdLabel = 60072;
constexpr int kKeyCodeLabel = 60079;
constexpr int kKeyPreSendDelayLabel = 60081;
constexpr int kKeyInfoFunctionLabel = 60096;
constexpr int kKeyInfoCodeLabel = 60097;
constexpr std::array<int, kPttIdCodeCount> kKeyPttIdCodeGroups = {60302, 60303};
constexpr int kKeyInfoNameLabel = 60306;
constexpr int kKeyResetTimeLabel = 60307;
constexpr int kKeyPostSendDelayLabel = 60308;
constexpr int kKeyPauseTimeLabel = 60309;
constexpr int kKeyFirstDigitDelayLabel = 60310;
constexpr int kKeyCodePauseTimeLabel = 60311;
constexpr int kKeySideToneLabel = 60312;
constexpr int kKeyPauseCodeLabel = 60314;
constexpr int kKeyDecodeTimeLabel = 60315;
constexpr std::string_view kMsgShortId = "900C";

// Tone lengths are stored in 10 ms units, 3 … 10; 7 (70 ms) is the default.
constexpr int kLowestToneLength = 3;
constexpr int kHighestToneLength = 10;
constexpr int kDefaultToneLength = 7;
constexpr int kMsPerUnit = 10;
constexpr int kHighestSendDelay = 255;
constexpr int kHighestResetTime = 250;
constexpr int kLowestPauseTime = 5;
constexpr int kHighestPauseTime = 75;
constexpr int kHighestCodePauseTime = 255;
constexpr int kHighestDecodeTime = 200;
// The pause codes offered after off, and the values they store.
constexpr std::array<const char*, 4> kPauseCodes = {"B", "C", "D", "F"};
constexpr std::array<int, 4> kPauseCodeValues = {11, 12, 13, 15};
constexpr int kHighestCodeLength = 40;
constexpr int kHighestStoredStandard = 15;

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

std::int16_t Word(int value) {
    return static_cast<std::int16_t>(value);
}

// The position of the stored value `value` in a list whose first entry stands for `first`.
int PositionFrom(int value, int first, const std::vector<std::string>& list) {
    return PositionFor(value - first, list);
}

int ToneLengthPosition(int toneLength) {
    return toneLength >= kLowestToneLength && toneLength <= kHighestToneLength
               ? toneLength - kLowestToneLength
               : kDefaultToneLength - kLowestToneLength;
}

// The pause code list's position of a stored pause code: off for 0 and any value not offered.
int PauseCodePosition(int value) {
    const auto found = std::find(kPauseCodeValues.begin(), kPauseCodeValues.end(), value);
    return found == kPauseCodeValues.end() ? 0
                                           : static_cast<int>(found - kPauseCodeValues.begin()) + 1;
}

int PauseCodeValue(int position) {
    return position >= 1 && position <= static_cast<int>(kPauseCodeValues.size())
               ? kPauseCodeValues[static_cast<std::size_t>(position - 1)]
               : 0;
}

std::string OwnIdOf(const FiveToneRecord& record) {
    return std::string(TrimBlanks(TextOf(record.OwnId)));
}

void ShowPttIdCode(FiveToneCode& code, PttIdCodeInputs& inputs) {
    if (code.Length > kHighestCodeLength) {
        code.Length = 0;
    }
    if (code.Standard > kHighestStoredStandard) {
        code.Standard = 0;
    }
    inputs.Code = CodeToLength(
        StoredDigits(std::string_view(code.Digits.data(), code.Digits.size())), code.Length);
    inputs.Standard = code.Standard < kFiveToneStandardCount ? code.Standard : 0;
    inputs.ToneLength = ToneLengthPosition(code.ToneLength);
}

void StorePttIdCode(FiveToneCode& code, const PttIdCodeInputs& inputs, std::string_view ownId) {
    const std::string digits = EncodeCode(inputs.Code, ownId);
    WriteFixedText(code.Digits, digits);
    code.Length = Byte(static_cast<int>(digits.size()));
    code.Standard = Byte(inputs.Standard);
    code.ToneLength = Byte(inputs.ToneLength + kLowestToneLength);
}

// Tells the person with "900C" when the own ID is not five digits long; true when it refused.
bool RefuseShortOwnId(UserContext& ctx, const std::string& ownId) {
    if (ownId.size() == kFiveToneOwnIdLength) {
        return false;
    }
    ctx.Ui.Show(Message{ctx.Texts.Msg(kMsgShortId), "", MessageIcon::None, MessageButtons::Ok});
    return true;
}

} // namespace

FiveToneEditLists BuildFiveToneEditLists(const LanguageTexts& texts) {
    FiveToneEditLists lists;
    const std::string off = texts.GetText(kKeyOff);
    lists.Standards = FiveToneStandardNames();
    for (int key : kResponseKeys) {
        lists.Responses.push_back(texts.Option(key));
    }
    for (int value = kLowestToneLength; value <= kHighestToneLength; ++value) {
        lists.ToneLengths.push_back(FormatInteger(value * kMsPerUnit));
    }
    for (int value = 1; value <= kHighestSendDelay; ++value) {
        lists.SendDelays.push_back(FormatInteger(value * kMsPerUnit));
    }
    for (int value = 0; value <= kHighestResetTime; ++value) {
        lists.ResetTimes.push_back(FormatFixed(value / 10.0, 1, 1));
    }
    lists.PauseTimes.push_back(off);
    for (int value = kLowestPauseTime; value <= kHighestPauseTime; ++value) {
        lists.PauseTimes.push_back(FormatInteger(value));
    }
    for (int value = 0; value <= kHighestCodePauseTime; ++value) {
        lists.CodePauseTimes.push_back(FormatInteger(value * kMsPerUnit));
    }
    lists.PauseCodes.push_back(off);
    lists.PauseCodes.insert(lists.PauseCodes.end(), kPauseCodes.begin(), kPauseCodes.end());
    for (int value = 0; value <= kHighestDecodeTime; ++value) {
        lists.DecodeTimes.push_back(FormatInteger(value * kMsPerUnit));
    }
    lists.Info = BuildInfoCodeLists(texts);
    return lists;
}

FiveToneEdit OpenFiveToneEdit(const RadioImage& image, const FiveToneEditLists& lists,
                              const LanguageTexts& texts) {
    FiveToneEdit edit{image.Record.Function.FiveTone, {}, {}};
    ShowFiveToneRecord(edit, image.Record.DecodeTime, lists, texts);
    edit.Inputs.TableText = StandardTableText(edit.Inputs.Standard, texts);
    return edit;
}

void ShowFiveToneRecord(FiveToneEdit& edit, std::uint8_t decodeTime, const FiveToneEditLists& lists,
                        const LanguageTexts& texts) {
    FiveToneRecord& copy = edit.Record;
    FiveToneEditInputs& inputs = edit.Inputs;
    inputs.OwnId = OwnIdOf(copy);
    inputs.Standard = PositionFor(copy.Standard, lists.Standards);
    inputs.DecodeResponse = PositionFor(copy.DecodeResponse, lists.Responses);
    if (copy.ToneLength < kLowestToneLength || copy.ToneLength > kHighestToneLength) {
        copy.ToneLength = kDefaultToneLength;
    }
    inputs.ToneLength = ToneLengthPosition(copy.ToneLength);
    inputs.PreSendDelay = PositionFrom(copy.PreSendDelay, 1, lists.SendDelays);
    inputs.PostSendDelay = PositionFrom(copy.PostSendDelay, 1, lists.SendDelays);
    inputs.FirstDigitDelay = PositionFrom(copy.FirstDigitDelay, 1, lists.SendDelays);
    inputs.CodePauseTime = PositionFor(copy.PauseCodeTime, lists.CodePauseTimes);
    inputs.ResetTime = PositionFor(copy.ResetTime, lists.ResetTimes);
    if (copy.PauseTime < kLowestPauseTime) {
        copy.PauseTime = 0;
    }
    inputs.PauseTime = copy.PauseTime > kHighestPauseTime
                           ? 0
                           : PositionFrom(copy.PauseTime, kLowestPauseTime - 1, lists.PauseTimes);
    inputs.PauseCode = PauseCodePosition(copy.PauseCode);
    inputs.DecodeTime = PositionFor(decodeTime, lists.DecodeTimes);
    inputs.SideTone = copy.SideTone != 0;

    edit.Rows = ShowCodeList(copy, inputs.OwnId, texts);
    SelectInfoCode(copy, inputs.Info, 1);
    ShowPttIdCode(copy.BotCode, inputs.PttIdCodes[kBeginCode]);
    ShowPttIdCode(copy.EotCode, inputs.PttIdCodes[kEndCode]);
}

void ReactToStandard(FiveToneEditInputs& inputs, const LanguageTexts& texts) {
    inputs.ToneLength = ToneLengthPosition(DefaultToneLength(inputs.Standard));
    inputs.TableText = StandardTableText(inputs.Standard, texts);
}

void ReactToPttIdStandard(FiveToneEditInputs& inputs, int code, const LanguageTexts& texts) {
    PttIdCodeInputs& group = inputs.PttIdCodes.at(static_cast<std::size_t>(code));
    group.ToneLength = ToneLengthPosition(DefaultToneLength(group.Standard));
    inputs.TableText = StandardTableText(group.Standard, texts);
}

bool CodePauseTimeOn(const FiveToneEditInputs& inputs) {
    return inputs.PauseCode > 0;
}

void FinishPttIdCode(FiveToneEditInputs& inputs, int code) {
    std::string& text = inputs.PttIdCodes.at(static_cast<std::size_t>(code)).Code;
    text = EncodeCode(text, inputs.OwnId);
}

void StoreFiveToneFields(RadioImage& image, FiveToneEdit& edit, const FiveToneEditLists& lists) {
    FiveToneRecord& record = edit.Record;
    const FiveToneEditInputs& inputs = edit.Inputs;
    WriteFixedText(record.OwnId, inputs.OwnId);
    record.OwnIdLength = Byte(static_cast<int>(inputs.OwnId.size()));
    record.Standard = Byte(inputs.Standard);
    record.DecodeResponse = Byte(inputs.DecodeResponse);
    record.ToneLength = Byte(inputs.ToneLength + kLowestToneLength);
    record.PreSendDelay = Byte(inputs.PreSendDelay + 1);
    record.PostSendDelay = Byte(inputs.PostSendDelay + 1);
    record.FirstDigitDelay = Word(inputs.FirstDigitDelay + 1);
    record.ResetTime = Byte(inputs.ResetTime);
    record.PauseTime = Byte(NumberOr(TextAt(lists.PauseTimes, inputs.PauseTime), 0));
    record.PauseCode = Word(PauseCodeValue(inputs.PauseCode));
    record.PauseCodeTime = Word(inputs.CodePauseTime);
    record.SideTone = inputs.SideTone ? 1 : 0;
    image.Record.DecodeTime = Byte(inputs.DecodeTime);
    StorePttIdCode(record.BotCode, inputs.PttIdCodes[kBeginCode], inputs.OwnId);
    StorePttIdCode(record.EotCode, inputs.PttIdCodes[kEndCode], inputs.OwnId);
    StoreCodeList(record, edit.Rows);
}

bool LeaveOwnId(UserContext& ctx, RadioImage& image, FiveToneEdit& edit,
                const FiveToneEditLists& lists) {
    if (RefuseShortOwnId(ctx, edit.Inputs.OwnId)) {
        return false;
    }
    const std::string previous = OwnIdOf(edit.Record);
    StoreFiveToneFields(image, edit, lists);
    RewriteOwnId(edit.Record, previous);
    ShowFiveToneRecord(edit, image.Record.DecodeTime, lists, ctx.Texts);
    return true;
}

bool ApplyFiveToneEdit(UserContext& ctx, RadioImage& image, FiveToneEdit& edit,
                       const FiveToneEditLists& lists) {
    if (RefuseShortOwnId(ctx, edit.Inputs.OwnId)) {
        return false;
    }
    StoreFiveToneFields(image, edit, lists);
    SaveInfoCode(edit.Record, edit.Inputs.Info, edit.Inputs.Info.Number);
    const std::vector<int> refusals = IsInfoKillStunWakenOK(edit.Record);
    for (int key : refusals) {
        ctx.Ui.Show(Message{ctx.Texts.Option(key), "", MessageIcon::None, MessageButtons::Ok});
    }
    if (!refusals.empty()) {
        return false;
    }
    image.Record.Function.FiveTone = edit.Record;
    FixSignallingReferences(image);
    AlertRecord& alert = image.Record.Function.Alert;
    if (alert.IdCodeType == kIdCodeFiveTone) {
        alert.IdCode = Byte(FirstDefinedFiveTone(edit.Record, alert.IdCode));
    }
    return true;
}

SettingLines FiveToneSettingLines(const RadioImage& image, const LanguageTexts& texts) {
    const FiveToneEditLists lists = BuildFiveToneEditLists(texts);
    const FiveToneEdit edit = OpenFiveToneEdit(image, lists, texts);
    const FiveToneEditInputs& inputs = edit.Inputs;
    auto line = [&texts](int key, std::string value) {
        return SettingLine{texts.Option(key), std::move(value)};
    };

    SettingLines lines = {
        line(kKeyOwnIdLabel, inputs.OwnId),
        {texts.GetText(kKeyStandardLabel), TextAt(lists.Standards, inputs.Standard)},
        line(kKeyResponseLabel, TextAt(lists.Responses, inputs.DecodeResponse)),
        line(kKeyToneLengthLabel, TextAt(lists.ToneLengths, inputs.ToneLength)),
        line(kKeyPreSendDelayLabel, TextAt(lists.SendDelays, inputs.PreSendDelay)),
        line(kKeyResetTimeLabel, TextAt(lists.ResetTimes, inputs.ResetTime)),
        line(kKeyPostSendDelayLabel, TextAt(lists.SendDelays, inputs.PostSendDelay)),
        line(kKeyPauseTimeLabel, TextAt(lists.PauseTimes, inputs.PauseTime)),
        line(kKeyFirstDigitDelayLabel, TextAt(lists.SendDelays, inputs.FirstDigitDelay)),
        line(kKeyCodePauseTimeLabel, TextAt(lists.CodePauseTimes, inputs.CodePauseTime)),
        line(kKeyPauseCodeLabel, TextAt(lists.PauseCodes, inputs.PauseCode)),
        line(kKeyDecodeTimeLabel, TextAt(lists.DecodeTimes, inputs.DecodeTime)),
        line(kKeySideToneLabel, CheckText(inputs.SideTone, texts)),
    };
    for (int code = 0; code < kPttIdCodeCount; ++code) {
        const PttIdCodeInputs& group = inputs.PttIdCodes[static_cast<std::size_t>(code)];
        const std::string caption =
            texts.Option(kKeyPttIdCodeGroups[static_cast<std::size_t>(code)]);
        lines.push_back({caption + " " + texts.Option(kKeyCodeLabel), group.Code});
        lines.push_back({caption + " " + texts.GetText(kKeyStandardLabel),
                         TextAt(lists.Standards, group.Standard)});
        lines.push_back({caption + " " + texts.Option(kKeyToneLengthLabel),
                         TextAt(lists.ToneLengths, group.ToneLength)});
    }

    FiveToneRecord record = edit.Record;
    InfoCodeInputs info;
    for (int number = 1; number <= static_cast<int>(kFiveToneInfoCodeCount); ++number) {
        info.Number = number;
        ShowInfoCode(record, info);
        if (info.Function == kInfoFunctionNone) {
            continue;
        }
        const std::string caption = texts.GetText(kKeyInfoCodeCaption) + FormatInteger(number);
        lines.push_back({caption + " " + texts.Option(kKeyInfoFunctionLabel),
                         TextAt(lists.Info.Functions, info.Function)});
        lines.push_back({caption + " " + texts.Option(kKeyResponseLabel),
                         TextAt(lists.Info.Responses, info.Response)});
        lines.push_back({caption + " " + texts.Option(kKeyInfoCodeLabel), info.Code});
        lines.push_back({caption + " " + texts.Option(kKeyInfoNameLabel), info.Name});
    }

    for (std::size_t k = 0; k < kFiveToneCodeCount; ++k) {
        if (edit.Record.Codes[k].InUseFlag != 0) {
            continue;
        }
        const CodeRow& row = edit.Rows[k];
        std::string value;
        for (int column = static_cast<int>(CodeColumn::Special); column < kCodeColumnCount;
             ++column) {
            const std::string& cell = row[static_cast<std::size_t>(column)];
            if (!cell.empty()) {
                value += (value.empty() ? "" : "  ") + cell;
            }
        }
        lines.push_back({FormatInteger(static_cast<long long>(k)), value});
    }
    return lines;
}

} // namespace rp70
