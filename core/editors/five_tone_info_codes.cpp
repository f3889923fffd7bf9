#include "editors/five_tone_info_codes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "model/fixed_text.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr std::array<int, 7> kFunctionKeys = {60098, 60075, 60074, 60069, 60093, 60082, 60099};
constexpr std::array<int, 3> kResponseKeys = {60057, 60058, 60059};
constexpr int kResponseCount = 3;
constexpr int kIndividualResponseCount = 2;
constexpr int kReplyResponse = 2;

bool Numbered(int number) {
    return number >= 1 && number <= static_cast<int>(kFiveToneInfoCodeCount);
}

std::string CodeOf(const FiveToneInfoCode& entry) {
    return std::string(entry.Digits.data(), entry.Digits.size()).substr(0, entry.Length);
}

bool ClosesName(int function) {
    return function == kInfoFunctionNone || function == kInfoFunctionAll;
}

bool IsKillStunOrWakeUp(int function) {
    return function >= kInfoFunctionKill && function <= kInfoFunctionWakeUp;
}

// The response list and name that `inputs.Function` allows, keeping the response when it may
// still be chosen.
void ApplyFunctionStates(InfoCodeInputs& inputs) {
    inputs.ResponseCount = kResponseCount;
    inputs.ResponseOn = true;
    switch (inputs.Function) {
    case kInfoFunctionIndividual:
        inputs.ResponseCount = kIndividualResponseCount;
        break;
    case kInfoFunctionNone:
        break;
    default:
        inputs.ResponseOn = false;
        break;
    }
    inputs.NameOn = !ClosesName(inputs.Function);
}

} // namespace

InfoCodeLists BuildInfoCodeLists(const LanguageTexts& texts) {
    InfoCodeLists lists;
    for (std::size_t n = 1; n <= kFiveToneInfoCodeCount; ++n) {
        lists.Numbers.push_back(FormatInteger(static_cast<long long>(n)));
    }
    for (int key : kFunctionKeys) {
        lists.Functions.push_back(texts.Option(key));
    }
    for (int key : kResponseKeys) {
        lists.Responses.push_back(texts.Option(key));
    }
    return lists;
}

void ShowInfoCode(const FiveToneRecord& record, InfoCodeInputs& inputs) {
    if (!Numbered(inputs.Number)) {
        return;
    }
    const FiveToneInfoCode& entry = record.InfoCodes[static_cast<std::size_t>(inputs.Number - 1)];
    inputs.Function = entry.Function < kFunctionKeys.size() ? entry.Function : kInfoFunctionNone;
    ApplyFunctionStates(inputs);
    inputs.Response = entry.Response < inputs.ResponseCount ? entry.Response : 0;
    inputs.Code = entry.Length > 0 ? TextOf(CodeOf(entry)) : "";
    inputs.Name = inputs.NameOn ? std::string(TrimBlanks(TextOf(entry.Name))) : "";
}

void SaveInfoCode(FiveToneRecord& record, const InfoCodeInputs& inputs, int number) {
    if (!Numbered(number)) {
        return;
    }
    FiveToneInfoCode& entry = record.InfoCodes[static_cast<std::size_t>(number - 1)];
    entry.Function = static_cast<std::uint8_t>(inputs.Function);
    entry.Response = static_cast<std::uint8_t>(inputs.Response);
    WriteFixedText(entry.Digits, inputs.Code);
    entry.Length = static_cast<std::uint8_t>(std::min(inputs.Code.size(), entry.Digits.size()));
    WriteFixedText(entry.Name, TrimBlanks(inputs.Name));
}

void SelectInfoCode(FiveToneRecord& record, InfoCodeInputs& inputs, int number) {
    if (!Numbered(number)) {
        return;
    }
    SaveInfoCode(record, inputs, inputs.Number);
    inputs.Number = number;
    ShowInfoCode(record, inputs);
}

void ReactToInfoFunction(InfoCodeInputs& inputs) {
    ApplyFunctionStates(inputs);
    switch (inputs.Function) {
    case kInfoFunctionGroup:
    case kInfoFunctionAll:
    case kInfoFunctionIndividual:
        inputs.Response = 0;
        break;
    case kInfoFunctionKill:
    case kInfoFunctionStun:
    case kInfoFunctionWakeUp:
        inputs.Response = kReplyResponse;
        break;
    default:
        break;
    }
    if (!inputs.NameOn) {
        inputs.Name.clear();
    }
}

std::vector<int> IsInfoKillStunWakenOK(const FiveToneRecord& record) {
    bool killOrStun = false;
    bool wakeUp = false;
    bool shared = false;
    const auto& entries = record.InfoCodes;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int function = entries[i].Function;
        killOrStun = killOrStun || function == kInfoFunctionKill || function == kInfoFunctionStun;
        wakeUp = wakeUp || function == kInfoFunctionWakeUp;
        if (!IsKillStunOrWakeUp(function)) {
            continue;
        }
        const std::string code = CodeOf(entries[i]);
        for (std::size_t j = i; j < entries.size(); ++j) {
            shared = shared || (entries[j].Function != function && CodeOf(entries[j]) == code);
        }
    }
    std::vector<int> keys;
    if (killOrStun && !wakeUp) {
        keys.push_back(kKeyNoWakeUpCode);
    }
    if (shared) {
        keys.push_back(kKeySharedInfoCode);
    }
    return keys;
}

} // namespace rp70
