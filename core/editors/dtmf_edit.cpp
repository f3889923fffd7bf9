#include "editors/dtmf_edit.h"

#include <algorithm>
#include <cstdint>

#include "model/choice_list.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

// Language text keys.
constexpr int kKeyOff = 1755;
constexpr int kKeyOn = 1756;
constexpr std::array<int, 4> kPttIdKeys = {1755, 1765, 1766, 1767};
constexpr std::array<int, 3> kDecodeResponseKeys = {1650, 1651, 1653};
constexpr int kKeyMilliseconds = 1780;

constexpr int kKeyAniLabel = 1740;
constexpr int kKeySendTimeLabel = 1741;
constexpr int kKeyPttIdLabel = 1743;
constexpr int kKeyOwnIdLabel = 3002;
constexpr int kKeySeparatorLabel = 1604;
constexpr int kKeyGroupCodeLabel = 1605;
constexpr int kKeyDecodeResponseLabel = 1606;
constexpr int kKeyFirstDigitDelayLabel = 1607;
constexpr int kKeyPreSendDelayLabel = 1608;
constexpr int kKeyResetTimeLabel = 1609;
constexpr int kKeyPostSendDelayLabel = 1610;
constexpr int kKeyPauseTimeLabel = 1611;
constexpr int kKeySideToneLabel = 1612;
// Keys of the OPTION section.
constexpr int kOptionBeginCode = 60302;
constexpr int kOptionEndCode = 60303;
constexpr int kOptionKillCode = 60069;
constexpr int kOptionStunCode = 60093;

constexpr int kKeySameKillAndStun = 3001;

constexpr std::array<int, 6> kSendTimes = {30, 50, 100, 200, 300, 500};
constexpr std::array<const char*, 6> kSeparators = {"A", "B", "C", "D", "*", "#"};
// Stored separator and group codes: 10 A … 15 #; 255 stores the group code off.
constexpr int kFirstSeparatorCode = 10;
constexpr int kDefaultSeparatorCode = 14;
constexpr int kGroupCodeOff = 255;
// Pause times 5 … 75; below 5 is off.
constexpr int kFirstPauseTime = 5;
constexpr int kLastPauseTime = 75;
// The codes the separator and own ID rules keep in step: M1 … M16, begin and end.
constexpr int kSteppedCodeFields = kDtmfEndCode + 1;
constexpr std::size_t kIdWidth = 3;

std::vector<std::string> Multiples(int first, int last, int factor) {
    std::vector<std::string> list;
    for (int k = first; k <= last; ++k) {
        list.push_back(FormatInteger(static_cast<long long>(k) * factor));
    }
    return list;
}

// Tenths with one decimal, "." whatever the locale: 7 gives "0.7".
std::string Tenths(int value) {
    return FormatInteger(value / 10) + "." + FormatInteger(value % 10);
}

bool InRange(int value, int first, int last) {
    return value >= first && value <= last;
}

// Repairs a stored list value outside first … last to `repaired`.
std::int16_t Repaired(std::int16_t& field, int first, int last, std::int16_t repaired = 0) {
    if (!InRange(field, first, last)) {
        field = repaired;
    }
    return field;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// A code's stored form holds "E" for "*" and "F" for "#".
std::string ShownCode(std::string_view digits, int length) {
    std::string text = TextOf(digits);
    text.resize(std::min(text.size(), static_cast<std::size_t>(std::max(length, 0))));
    std::replace(text.begin(), text.end(), 'E', '*');
    std::replace(text.begin(), text.end(), 'F', '#');
    return text;
}

template <typename Code> std::string ShownCode(const Code& code) {
    return ShownCode(std::string_view(code.Digits.data(), code.Digits.size()), code.Length);
}

template <typename Code> void StoreCode(Code& code, std::string text) {
    text.resize(std::min(text.size(), code.Digits.size()));
    std::replace(text.begin(), text.end(), '*', 'E');
    std::replace(text.begin(), text.end(), '#', 'F');
    WriteFixedText(code.Digits, text);
    code.Length = static_cast<std::int16_t>(text.size());
}

std::string TrimmedRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::int16_t Stored(int value) {
    return static_cast<std::int16_t>(value);
}

} // namespace

int DtmfCodeWidth(int field) {
    return field >= kDtmfKillCode ? 14 : 24;
}

char DtmfCodeCharacter(char typed) {
    if (typed >= 'a' && typed <= 'd') {
        return static_cast<char>(typed - 'a' + 'A');
    }
    if (IsDigit(typed) || (typed >= 'A' && typed <= 'D') || typed == '*' || typed == '#') {
        return typed;
    }
    return '\0';
}

DtmfEditLists BuildDtmfEditLists(const LanguageTexts& texts) {
    DtmfEditLists lists;
    const std::string off = texts.GetText(kKeyOff);
    lists.OffOn = {off, texts.GetText(kKeyOn)};
    const std::string ms = texts.GetText(kKeyMilliseconds);
    for (int time : kSendTimes) {
        lists.SendTimes.push_back(FormatInteger(time) + ms);
    }
    lists.PttIds = texts.GetTexts(kPttIdKeys);
    lists.Separators.assign(kSeparators.begin(), kSeparators.end());
    lists.GroupCodes = lists.Separators;
    lists.GroupCodes.insert(lists.GroupCodes.begin(), off);
    lists.DecodeResponses = texts.GetTexts(kDecodeResponseKeys);
    lists.FirstDigitDelays = Multiples(0, 250, 10);
    lists.SendDelays = Multiples(1, 250, 10);
    for (int k = 0; k <= 250; ++k) {
        lists.ResetTimes.push_back(Tenths(k));
    }
    lists.PauseTimes = Multiples(kFirstPauseTime, kLastPauseTime, 1);
    lists.PauseTimes.insert(lists.PauseTimes.begin(), off);
    return lists;
}

DtmfEditInputs OpenDtmfRecord(DTMFRecord& record, const DtmfEditLists& lists) {
    DtmfEditInputs inputs;
    // Negative values count as out of range too: they would select nothing.
    inputs.Ani = Repaired(record.Ani, 0, 1);
    inputs.SendTime = Repaired(record.SendTime, 0, 5);
    inputs.PttId = Repaired(record.PttId, 0, 3);

    std::string ownId = TextOf(record.OwnId);
    ownId = AllDigits(ownId) ? PaddedId(ownId) : std::string(kIdWidth, '0');
    WriteFixedText(record.OwnId, ownId);
    inputs.OwnId = TextOf(record.OwnId);

    inputs.Separator = Repaired(record.SeparatorCode, kFirstSeparatorCode, kFirstSeparatorCode + 5,
                                kDefaultSeparatorCode) -
                       kFirstSeparatorCode;
    // 9 stands one below the first group code: the off entry (the radio stores it as off).
    inputs.GroupCode = Repaired(record.GroupCode, kFirstSeparatorCode, kFirstSeparatorCode + 5,
                                kFirstSeparatorCode - 1) -
                       (kFirstSeparatorCode - 1);
    inputs.DecodeResponse = Repaired(record.DecodeResponse, 0, 2);
    inputs.FirstDigitDelay = Repaired(record.FirstDigitDelay, 0, 250);
    inputs.PreSendDelay = PositionFor(record.PreSendDelay - 1, lists.SendDelays);
    inputs.ResetTime = PositionFor(record.ResetTime, lists.ResetTimes);
    inputs.PostSendDelay = PositionFor(record.PostSendDelay - 1, lists.SendDelays);
    if (record.PauseTime >= kFirstPauseTime) {
        inputs.PauseTime = PositionOfText(lists.PauseTimes, FormatInteger(record.PauseTime));
    } else {
        record.PauseTime = 0;
        inputs.PauseTime = 0;
    }
    inputs.SideTone = Repaired(record.SideTone, 0, 1) == 1;

    for (std::size_t i = 0; i < kDTMFCodeCount; ++i) {
        inputs.Codes[i] = ShownCode(record.Codes[i]);
    }
    inputs.Codes[kDtmfBeginCode] = ShownCode(record.BotCode);
    inputs.Codes[kDtmfEndCode] = ShownCode(record.EotCode);
    inputs.Codes[kDtmfKillCode] = ShownCode(record.KillCode);
    inputs.Codes[kDtmfStunCode] = ShownCode(record.StunCode);
    return inputs;
}

std::string SeparatorText(const DtmfEditInputs& inputs, const DtmfEditLists& lists) {
    return TextAt(lists.Separators, inputs.Separator);
}

void ReactToSeparator(DtmfEditInputs& inputs, const DtmfEditLists& lists) {
    const std::string separator = SeparatorText(inputs, lists);
    const std::string_view id = inputs.OwnId;
    for (int field = 0; field < kSteppedCodeFields; ++field) {
        std::string& code = inputs.Codes[static_cast<std::size_t>(field)];
        const std::string_view s = code;
        if (s.size() == 7 && AllDigits(s.substr(0, 3)) && AllDigits(s.substr(4)) &&
            s.substr(4) == id && !IsDigit(s[3])) {
            code = std::string(s.substr(0, 3)) + separator + std::string(s.substr(4));
        } else if (s.size() == 4 && AllDigits(s.substr(1)) && s.substr(1) == id && !IsDigit(s[0])) {
            code = separator + std::string(s.substr(1));
        }
    }
}

void ReactToOwnIdLeft(DtmfEditInputs& inputs, const DtmfEditLists& lists) {
    inputs.OwnId = PaddedId(inputs.OwnId);
    const std::string separator = SeparatorText(inputs, lists);
    for (int field = 0; field < kSteppedCodeFields; ++field) {
        std::string& code = inputs.Codes[static_cast<std::size_t>(field)];
        const std::string_view s = code;
        if (s.size() == 7 && AllDigits(s.substr(0, 3)) && AllDigits(s.substr(4)) &&
            s.substr(3, 1) == separator) {
            code = std::string(s.substr(0, 4)) + inputs.OwnId;
        } else if (s.size() == 4 && AllDigits(s.substr(1)) && s.substr(0, 1) == separator) {
            code = separator + inputs.OwnId;
        }
    }
}

bool SpecialCallOffered(const DtmfEditInputs& inputs) {
    return inputs.CurrentCode >= 0 && inputs.CurrentCode < kDtmfKillCode;
}

std::string PaddedId(std::string_view text) {
    std::string id(text);
    if (id.size() < kIdWidth) {
        id.insert(0, kIdWidth - id.size(), '0');
    }
    return id;
}

std::string AniCallCode(std::string_view targetId, std::string_view separator,
                        std::string_view ownId) {
    return PaddedId(targetId) + std::string(separator) + std::string(ownId);
}

std::string PttIdCallCode(std::string_view separator, std::string_view ownId) {
    return std::string(separator) + std::string(ownId);
}

bool ApplyDtmfEdit(UserContext& ctx, RadioImage& image, const DtmfEditInputs& inputs,
                   const DtmfEditLists& lists) {
    const std::string kill = TrimmedRight(inputs.Codes[kDtmfKillCode]);
    if (!kill.empty() && kill == TrimmedRight(inputs.Codes[kDtmfStunCode])) {
        ctx.Ui.Show(Message{ctx.Texts.GetText(kKeySameKillAndStun), "", MessageIcon::None,
                            MessageButtons::Ok});
        return false;
    }
    DTMFRecord& dtmf = image.Record.Function.Dtmf;
    dtmf.Ani = Stored(inputs.Ani);
    dtmf.SendTime = Stored(inputs.SendTime);
    dtmf.PttId = Stored(inputs.PttId);
    WriteFixedText(dtmf.OwnId, PaddedId(inputs.OwnId));
    dtmf.SeparatorCode = Stored(inputs.Separator + kFirstSeparatorCode);
    dtmf.GroupCode =
        Stored(inputs.GroupCode == 0 ? kGroupCodeOff : inputs.GroupCode + kFirstSeparatorCode - 1);
    dtmf.DecodeResponse = Stored(inputs.DecodeResponse);
    dtmf.FirstDigitDelay = Stored(inputs.FirstDigitDelay);
    dtmf.PreSendDelay = Stored(inputs.PreSendDelay + 1);
    dtmf.ResetTime = Stored(inputs.ResetTime);
    dtmf.PostSendDelay = Stored(inputs.PostSendDelay + 1);
    dtmf.PauseTime = Stored(NumberOr(TextAt(lists.PauseTimes, inputs.PauseTime), 0));
    dtmf.SideTone = inputs.SideTone ? 1 : 0;
    StoreCode(dtmf.BotCode, inputs.Codes[kDtmfBeginCode]);
    StoreCode(dtmf.EotCode, inputs.Codes[kDtmfEndCode]);
    StoreCode(dtmf.KillCode, inputs.Codes[kDtmfKillCode]);
    StoreCode(dtmf.StunCode, inputs.Codes[kDtmfStunCode]);
    for (std::size_t i = 0; i < kDTMFCodeCount; ++i) {
        StoreCode(dtmf.Codes[i], inputs.Codes[i]);
    }
    return true;
}

SettingLines DtmfSettingLines(const RadioImage& image, const LanguageTexts& texts) {
    const DtmfEditLists lists = BuildDtmfEditLists(texts);
    DTMFRecord record = image.Record.Function.Dtmf;
    const DtmfEditInputs inputs = OpenDtmfRecord(record, lists);
    SettingLines lines;
    for (std::size_t i = 0; i < kDTMFCodeCount; ++i) {
        lines.push_back({"M" + FormatInteger(static_cast<long long>(i) + 1), inputs.Codes[i]});
    }
    auto option = [&](int key, int field) {
        lines.push_back({texts.Option(key), inputs.Codes[static_cast<std::size_t>(field)]});
    };
    auto line = [&](int key, std::string value) {
        lines.push_back({texts.GetText(key), std::move(value)});
    };
    option(kOptionBeginCode, kDtmfBeginCode);
    option(kOptionEndCode, kDtmfEndCode);
    option(kOptionKillCode, kDtmfKillCode);
    option(kOptionStunCode, kDtmfStunCode);
    line(kKeyAniLabel, TextAt(lists.OffOn, inputs.Ani));
    line(kKeySendTimeLabel, TextAt(lists.SendTimes, inputs.SendTime));
    line(kKeyOwnIdLabel, inputs.OwnId);
    line(kKeySeparatorLabel, TextAt(lists.Separators, inputs.Separator));
    line(kKeyGroupCodeLabel, TextAt(lists.GroupCodes, inputs.GroupCode));
    line(kKeyDecodeResponseLabel, TextAt(lists.DecodeResponses, inputs.DecodeResponse));
    line(kKeyFirstDigitDelayLabel, TextAt(lists.FirstDigitDelays, inputs.FirstDigitDelay));
    line(kKeyPreSendDelayLabel, TextAt(lists.SendDelays, inputs.PreSendDelay));
    line(kKeyResetTimeLabel, TextAt(lists.ResetTimes, inputs.ResetTime));
    line(kKeyPostSendDelayLabel, TextAt(lists.SendDelays, inputs.PostSendDelay));
    line(kKeyPauseTimeLabel, TextAt(lists.PauseTimes, inputs.PauseTime));
    line(kKeySideToneLabel, CheckText(inputs.SideTone, texts));
    line(kKeyPttIdLabel, TextAt(lists.PttIds, inputs.PttId));
    return lines;
}

} // namespace rp70
