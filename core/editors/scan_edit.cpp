#include "editors/scan_edit.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/channel_label.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

// Language text keys.
constexpr int kKeyOff = 2430;
constexpr int kKeyOn = 2431;
constexpr int kKeyPriority = 2403;
constexpr int kKeySelected = 2432;
constexpr int kKeyTalkback = 2433;
constexpr int kKeyLastCalled = 2434;
constexpr int kKeyLastUsed = 2435;
constexpr std::array<int, 4> kScanTypeKeys = {2436, 2437, 2438, 2439};

constexpr int kKeyScanModeLabel = 2402;
constexpr int kKeyPriorityChannel1Label = 2404;
constexpr int kKeyPriorityChannel2Label = 2405;
constexpr int kKeyRevertLabel = 2406;
constexpr int kKeyLookBackALabel = 2407;
constexpr int kKeyLookBackBLabel = 2408;
constexpr int kKeyRxResumeLabel = 2409;
constexpr int kKeyTxResumeLabel = 2410;
constexpr int kKeyScanTypeLabel = 2411;
constexpr int kKeyWaitTimeLabel = 2412;
constexpr int kKeyEntryToneLabel = 2413;

constexpr std::string_view kAnd = " + ";

// Look-back times are (i + 5) tenths of a second, resume delays (i + 1) tenths.
constexpr int kLookBackTimeCount = 46;
constexpr int kResumeDelayCount = 50;
// Wait times are stored as 2 … 255 steps of 25 ms.
constexpr int kLowestWaitTime = 2;
constexpr int kHighestWaitTime = 255;
constexpr int kWaitTimeStepMs = 25;

// Priority modes that use priority channel 1 and 2.
constexpr int kPriorityChannel1Only = 1;
constexpr int kPriorityChannel2Only = 2;
constexpr int kPriorityBoth = 3;

std::string Seconds(int tenths) {
    return FormatFixed(tenths / 10.0, 1, 1);
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// The position of the entry equal to `text`; no selection when there is none.
int ExactPosition(const std::vector<std::string>& list, const std::string& text) {
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? kNoSelection : static_cast<int>(found - list.begin());
}

// A priority channel label is one below the channel number; no selection stores 0 (none).
std::uint8_t PriorityChannelOf(const ScanEditLists& lists, int position) {
    const int label = NumberOr(TextAt(lists.PriorityChannels, position), -1);
    return label < 0 ? 0 : Byte(label + 1);
}

bool Offered(const std::vector<int>& choices, int choice) {
    return std::find(choices.begin(), choices.end(), choice) != choices.end();
}

} // namespace

ScanEditLists BuildScanEditLists(const RadioImage& image, const LanguageTexts& texts) {
    ScanEditLists lists;
    const std::string off = texts.GetText(kKeyOff);
    const std::string priority1 = texts.GetText(kKeyPriority) + "1";
    const std::string priority2 = texts.GetText(kKeyPriority) + "2";
    const std::string selected = texts.GetText(kKeySelected);
    const std::string talkback = std::string(kAnd) + texts.GetText(kKeyTalkback);

    lists.ScanModes = {off, texts.GetText(kKeyOn)};
    lists.PriorityModes = {off, priority1, priority2, priority1 + std::string(kAnd) + priority2};
    lists.RevertChoices = {selected,
                           selected + talkback,
                           priority1,
                           priority2,
                           texts.GetText(kKeyLastCalled),
                           texts.GetText(kKeyLastUsed),
                           priority1 + talkback,
                           priority2 + talkback};
    for (int i = 0; i < kLookBackTimeCount; ++i) {
        lists.LookBackTimes.push_back(Seconds(i + 5));
    }
    for (int i = 0; i < kResumeDelayCount; ++i) {
        lists.ResumeDelays.push_back(Seconds(i + 1));
    }
    for (int key : kScanTypeKeys) {
        lists.ScanTypes.push_back(texts.GetText(key));
    }
    for (int value = kLowestWaitTime; value <= kHighestWaitTime; ++value) {
        lists.WaitTimes.push_back(FormatInteger(value * kWaitTimeStepMs));
    }
    lists.PriorityChannels = MemoryChannelLabels(image);
    return lists;
}

std::vector<int> OfferedRevertChoices(int priorityMode) {
    switch (priorityMode) {
    case kPriorityChannel1Only:
        return {0, 1, 2, 4, 5, 6};
    case kPriorityChannel2Only:
        return {0, 1, 3, 4, 5, 7};
    case kPriorityBoth:
        return {0, 1, 2, 3, 4, 5, 6, 7};
    default:
        return {0, 1, 4, 5};
    }
}

ScanEditInputs ShowScanRecord(const ScanRecord& record, const ScanEditLists& lists) {
    ScanEditInputs inputs;
    inputs.ScanMode = PositionFor(record.ScanMode, lists.ScanModes);
    inputs.PriorityMode = PositionFor(record.PriorityMode, lists.PriorityModes);
    inputs.PriorityChannel1 =
        ExactPosition(lists.PriorityChannels, RowLabel(record.PriorityChannel1));
    inputs.PriorityChannel2 =
        ExactPosition(lists.PriorityChannels, RowLabel(record.PriorityChannel2));
    inputs.RevertChoice = PositionFor(record.RevertChannel, lists.RevertChoices);
    ReactToPriorityMode(inputs);
    inputs.LookBackTimeA = PositionFor(record.LookBackTimeA, lists.LookBackTimes);
    inputs.LookBackTimeB = PositionFor(record.LookBackTimeB, lists.LookBackTimes);
    inputs.RxResumeDelay = PositionFor(record.RxResumeDelay, lists.ResumeDelays);
    inputs.TxResumeDelay = PositionFor(record.TxResumeDelay, lists.ResumeDelays);
    inputs.ScanType = PositionFor(record.ScanType, lists.ScanTypes);
    inputs.WaitTime = PositionFor(record.WaitTime - kLowestWaitTime, lists.WaitTimes);
    inputs.ScanEntryTone = record.ScanEntryTone == 1;
    return inputs;
}

ScanEditInputs OpenScanEdit(RadioImage& image, const ScanEditLists& lists) {
    ScanRecord& scan = image.Record.Function.Scan;
    const ScanEditInputs inputs = ShowScanRecord(scan, lists);
    scan.RevertChannel = Byte(inputs.RevertChoice);
    scan.ScanEntryTone = inputs.ScanEntryTone ? 1 : 0;
    return inputs;
}

void ReactToPriorityMode(ScanEditInputs& inputs) {
    const std::vector<int> offered = OfferedRevertChoices(inputs.PriorityMode);
    if (!Offered(offered, inputs.RevertChoice)) {
        inputs.RevertChoice = offered.front();
    }
}

ScanEditStates ScanInputStates(const ScanEditInputs& inputs) {
    ScanEditStates states;
    states.ListsOn = inputs.ScanMode == 1;
    const bool first =
        inputs.PriorityMode == kPriorityChannel1Only || inputs.PriorityMode == kPriorityBoth;
    const bool second =
        inputs.PriorityMode == kPriorityChannel2Only || inputs.PriorityMode == kPriorityBoth;
    states.PriorityChannel1On = states.ListsOn && first;
    states.PriorityChannel2On = states.ListsOn && second;
    return states;
}

void ApplyScanEdit(RadioImage& image, const ScanEditInputs& inputs, const ScanEditLists& lists) {
    ScanRecord& scan = image.Record.Function.Scan;
    scan.ScanMode = Byte(inputs.ScanMode);
    scan.PriorityMode = Byte(inputs.PriorityMode);
    scan.RevertChannel = Byte(inputs.RevertChoice);
    scan.LookBackTimeA = Byte(inputs.LookBackTimeA);
    scan.LookBackTimeB = Byte(inputs.LookBackTimeB);
    scan.RxResumeDelay = Byte(inputs.RxResumeDelay);
    scan.TxResumeDelay = Byte(inputs.TxResumeDelay);
    scan.ScanType = Byte(inputs.ScanType);
    scan.ScanEntryTone = inputs.ScanEntryTone ? 1 : 0;
    scan.WaitTime = Byte(std::max(inputs.WaitTime, 0) + kLowestWaitTime);
    scan.PriorityChannel1 = PriorityChannelOf(lists, inputs.PriorityChannel1);
    scan.PriorityChannel2 = PriorityChannelOf(lists, inputs.PriorityChannel2);
}

SettingLines ScanSettingLines(const RadioImage& image, const LanguageTexts& texts) {
    const ScanEditLists lists = BuildScanEditLists(image, texts);
    const ScanEditInputs inputs = ShowScanRecord(image.Record.Function.Scan, lists);
    auto line = [&texts](int key, std::string value) {
        return SettingLine{texts.GetText(key), std::move(value)};
    };
    return {
        line(kKeyScanModeLabel, TextAt(lists.ScanModes, inputs.ScanMode)),
        line(kKeyPriority, TextAt(lists.PriorityModes, inputs.PriorityMode)),
        line(kKeyPriorityChannel1Label, TextAt(lists.PriorityChannels, inputs.PriorityChannel1)),
        line(kKeyPriorityChannel2Label, TextAt(lists.PriorityChannels, inputs.PriorityChannel2)),
        line(kKeyRevertLabel, TextAt(lists.RevertChoices, inputs.RevertChoice)),
        line(kKeyLookBackALabel, TextAt(lists.LookBackTimes, inputs.LookBackTimeA)),
        line(kKeyLookBackBLabel, TextAt(lists.LookBackTimes, inputs.LookBackTimeB)),
        line(kKeyRxResumeLabel, TextAt(lists.ResumeDelays, inputs.RxResumeDelay)),
        line(kKeyTxResumeLabel, TextAt(lists.ResumeDelays, inputs.TxResumeDelay)),
        line(kKeyEntryToneLabel, CheckText(inputs.ScanEntryTone, texts)),
        line(kKeyScanTypeLabel, TextAt(lists.ScanTypes, inputs.ScanType)),
        line(kKeyWaitTimeLabel, TextAt(lists.WaitTimes, inputs.WaitTime)),
    };
}

} // namespace rp70
