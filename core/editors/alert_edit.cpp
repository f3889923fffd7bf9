#include "editors/alert_edit.h"

#include <algorithm>
#include <array>

#include "model/channel_label.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

// Language text keys.
constexpr std::array<int, 4> kAlarmModeKeys = {2630, 2631, 2632, 2633};
constexpr int kKeyNoCode = 2436;
constexpr std::array<int, 2> kChannelSelectKeys = {2634, 2635};
constexpr int kKeyContinuous = 2636;

constexpr int kKeyAlarmModeLabel = 2602;
constexpr int kKeyIdCodeTypeLabel = 2603;
constexpr int kKeyIdCodeLabel = 2604;
constexpr int kKeyAlarmTimeLabel = 2605;
constexpr int kKeyTxTimeLabel = 2606;
constexpr int kKeyRxTimeLabel = 2607;
constexpr int kKeyChannelSelectLabel = 2608;
constexpr int kKeyEmergencyChannelLabel = 2610;
constexpr int kKeyCycleLabel = 2611;
constexpr int kKeyAutoDetectLabel = 2613;
constexpr int kKeyPreAlertLabel = 2614;
constexpr int kKeyLoneWorkerLabel = 2615;

constexpr std::string_view kDtmfPrefix = "M";

// The designated channel (channel select position 0) uses the emergency channel.
constexpr int kDesignatedChannel = 0;
// The first alarm mode sounds for the alarm time; the others send an identification.
constexpr int kFirstAlarmMode = 0;

std::vector<std::string> Numbers(int first, int last) {
    std::vector<std::string> list;
    for (int value = first; value <= last; ++value) {
        list.push_back(FormatInteger(value));
    }
    return list;
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// The DTMF memory index of an entry "Mn" is n − 1.
std::string DtmfIdCodeText(int index) {
    return std::string(kDtmfPrefix) + FormatInteger(index + 1);
}

int IdCodePosition(const AlertEditLists& lists, int type, std::uint8_t stored) {
    const std::vector<std::string>& codes = IdCodes(lists, type);
    if (type == kIdCodeDtmf) {
        return PositionOfText(codes, DtmfIdCodeText(stored));
    }
    return PositionOfText(codes, FormatInteger(stored));
}

std::uint8_t IdCodeValue(const AlertEditLists& lists, const AlertEditInputs& inputs) {
    const std::string text = TextAt(IdCodes(lists, inputs.IdCodeType), inputs.IdCode);
    if (inputs.IdCodeType == kIdCodeDtmf && text.starts_with(kDtmfPrefix)) {
        return Byte(NumberOr(std::string_view(text).substr(kDtmfPrefix.size()), 1) - 1);
    }
    if (inputs.IdCodeType == kIdCodeFiveTone) {
        return Byte(NumberOr(text, 0));
    }
    return 0;
}

} // namespace

AlertEditLists BuildAlertEditLists(const RadioImage& image, const LanguageTexts& texts) {
    AlertEditLists lists;
    lists.AlarmModes = texts.GetTexts(kAlarmModeKeys);
    lists.IdCodeTypes = {texts.GetText(kKeyNoCode), "DTMF", "5Tone"};

    const FunctionData& function = image.Record.Function;
    for (std::size_t i = 0; i < function.Dtmf.Codes.size(); ++i) {
        if (function.Dtmf.Codes[i].Length > 0) {
            lists.DtmfIdCodes.push_back(DtmfIdCodeText(static_cast<int>(i)));
        }
    }
    for (std::size_t k = 0; k < function.FiveTone.Codes.size(); ++k) {
        if (function.FiveTone.Codes[k].InUseFlag == 0) {
            lists.FiveToneIdCodes.push_back(FormatInteger(static_cast<long long>(k)));
        }
    }
    if (lists.FiveToneIdCodes.empty()) {
        lists.FiveToneIdCodes.emplace_back("0");
    }

    lists.Seconds = Numbers(1, 255);
    lists.ChannelSelects = texts.GetTexts(kChannelSelectKeys);
    lists.EmergencyChannels = MemoryChannelLabels(image);
    lists.Cycles = Numbers(0, 255);
    lists.Cycles.front() = texts.GetText(kKeyContinuous);
    lists.PreAlertTimes = Numbers(1, 254);
    lists.LoneWorkerTimes = Numbers(5, 255);
    return lists;
}

const std::vector<std::string>& IdCodes(const AlertEditLists& lists, int type) {
    static const std::vector<std::string> kNoCodes;
    switch (type) {
    case kIdCodeDtmf:
        return lists.DtmfIdCodes;
    case kIdCodeFiveTone:
        return lists.FiveToneIdCodes;
    default:
        return kNoCodes;
    }
}

AlertEditInputs ShowAlertRecord(const AlertRecord& record, const AlertEditLists& lists) {
    AlertEditInputs inputs;
    inputs.AlarmMode = PositionFor(record.AlarmMode, lists.AlarmModes);
    inputs.IdCodeType = PositionFor(record.IdCodeType, lists.IdCodeTypes);
    inputs.IdCode = IdCodePosition(lists, inputs.IdCodeType, record.IdCode);
    inputs.AlarmTime = PositionFor(record.AlarmTime - 1, lists.Seconds);
    inputs.TxTime = PositionFor(record.AlertTxTime - 1, lists.Seconds);
    inputs.RxTime = PositionFor(record.AlertRxTime - 1, lists.Seconds);
    inputs.ChannelSelect = PositionFor(record.ChannelSelect, lists.ChannelSelects);
    inputs.EmergencyChannel =
        PositionOfText(lists.EmergencyChannels, FormatInteger(record.EmergencyChannel));
    inputs.Cycle = PositionFor(record.AlertCycle, lists.Cycles);
    inputs.AutoDetect = record.AutoDetect == 1;
    inputs.PreAlertTime = PositionOfText(lists.PreAlertTimes, FormatInteger(record.PreAlertTime));
    inputs.LoneWorkerTime =
        PositionOfText(lists.LoneWorkerTimes, FormatInteger(record.LoneWorkerTime));
    return inputs;
}

void ReactToIdCodeType(AlertEditInputs& inputs, const AlertEditLists& lists,
                       std::uint8_t storedIdCode) {
    inputs.IdCode = IdCodePosition(lists, inputs.IdCodeType, storedIdCode);
}

AlertEditStates AlertInputStates(const AlertEditInputs& inputs) {
    AlertEditStates states;
    states.AlarmTimeOn = inputs.AlarmMode == kFirstAlarmMode;
    states.CodeAndTimesOn = !states.AlarmTimeOn;
    states.EmergencyChannelOn = inputs.ChannelSelect == kDesignatedChannel;
    states.LoneWorkerTimesOn = inputs.AutoDetect;
    return states;
}

void ApplyAlertEdit(RadioImage& image, const AlertEditInputs& inputs, const AlertEditLists& lists) {
    AlertRecord& alert = image.Record.Function.Alert;
    alert.AlarmMode = Byte(inputs.AlarmMode);
    alert.IdCodeType = Byte(inputs.IdCodeType);
    alert.IdCode = IdCodeValue(lists, inputs);
    // A time without a selection stores 0.
    alert.AlarmTime = Byte(inputs.AlarmTime + 1);
    alert.AlertTxTime = Byte(inputs.TxTime + 1);
    alert.AlertRxTime = Byte(inputs.RxTime + 1);
    alert.ChannelSelect = Byte(inputs.ChannelSelect);
    alert.EmergencyChannel =
        Byte(NumberOr(TextAt(lists.EmergencyChannels, inputs.EmergencyChannel), 0));
    alert.AlertCycle = Byte(inputs.Cycle);
    alert.AutoDetect = inputs.AutoDetect ? 1 : 0;
    alert.PreAlertTime = Byte(NumberOr(TextAt(lists.PreAlertTimes, inputs.PreAlertTime), 0));
    alert.LoneWorkerTime = Byte(NumberOr(TextAt(lists.LoneWorkerTimes, inputs.LoneWorkerTime), 0));
}

SettingLines AlertSettingLines(const RadioImage& image, const LanguageTexts& texts) {
    const AlertEditLists lists = BuildAlertEditLists(image, texts);
    const AlertEditInputs inputs = ShowAlertRecord(image.Record.Function.Alert, lists);
    auto line = [&texts](int key, std::string value) {
        return SettingLine{texts.GetText(key), std::move(value)};
    };
    return {
        line(kKeyAlarmModeLabel, TextAt(lists.AlarmModes, inputs.AlarmMode)),
        line(kKeyIdCodeTypeLabel, TextAt(lists.IdCodeTypes, inputs.IdCodeType)),
        line(kKeyIdCodeLabel, TextAt(IdCodes(lists, inputs.IdCodeType), inputs.IdCode)),
        line(kKeyAlarmTimeLabel, TextAt(lists.Seconds, inputs.AlarmTime)),
        line(kKeyTxTimeLabel, TextAt(lists.Seconds, inputs.TxTime)),
        line(kKeyRxTimeLabel, TextAt(lists.Seconds, inputs.RxTime)),
        line(kKeyChannelSelectLabel, TextAt(lists.ChannelSelects, inputs.ChannelSelect)),
        line(kKeyEmergencyChannelLabel, TextAt(lists.EmergencyChannels, inputs.EmergencyChannel)),
        line(kKeyCycleLabel, TextAt(lists.Cycles, inputs.Cycle)),
        line(kKeyAutoDetectLabel, CheckText(inputs.AutoDetect, texts)),
        line(kKeyPreAlertLabel, TextAt(lists.PreAlertTimes, inputs.PreAlertTime)),
        line(kKeyLoneWorkerLabel, TextAt(lists.LoneWorkerTimes, inputs.LoneWorkerTime)),
    };
}

} // namespace rp70
