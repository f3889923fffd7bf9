#pragma once
// The info code section of the 5-tone dialog without its widgets: the eight info codes shown one
// at a time, what the section's inputs show for an entry, how they follow the decode function,
// storing them back, and the check that refuses a kill or stun code without a wake-up code or
// one code shared by two functions.

#include <string>
#include <vector>

#include "model/records/five_tone_record.h"
#include "texts/language_texts.h"

namespace rp70 {

/// Decode functions of the function list that change the responses offered.
inline constexpr int kInfoFunctionNone = 0;
inline constexpr int kInfoFunctionIndividual = 1;
inline constexpr int kInfoFunctionGroup = 2;
inline constexpr int kInfoFunctionKill = 3;
inline constexpr int kInfoFunctionStun = 4;
inline constexpr int kInfoFunctionWakeUp = 5;
inline constexpr int kInfoFunctionAll = 6;

/// Message keys of the check: a kill or stun code without a wake-up code, and one code used by
/// two different functions.
inline constexpr int kKeyNoWakeUpCode = 60300;
inline constexpr int kKeySharedInfoCode = 60301;

/// The entries of the section's lists.
struct InfoCodeLists {
    std::vector<std::string> Numbers;   ///< "1" … "8"
    std::vector<std::string> Functions; ///< none, individual, group, kill, stun, wake-up, all
    std::vector<std::string> Responses; ///< option keys 60057 … 60059
};

InfoCodeLists BuildInfoCodeLists(const LanguageTexts& texts);

/// What the section's inputs show.
struct InfoCodeInputs {
    int Number = 0; ///< the entry shown, 1 … 8; 0 before the first is shown
    int Function = 0;
    int Response = 0;
    std::string Code;
    std::string Name;
    int ResponseCount = 3;  ///< the responses offered: the first two only for individual calls
    bool ResponseOn = true; ///< the response list takes input
    bool NameOn = true;     ///< the name takes input

    bool operator==(const InfoCodeInputs&) const = default;
};

/// Shows entry `inputs.Number` of `record`: its function with the response list and name that
/// function allows, its response (the first when the function does not offer it), the first
/// `Length` characters of its code, and its name, empty for functions none and all calls.
void ShowInfoCode(const FiveToneRecord& record, InfoCodeInputs& inputs);

/// Stores the inputs into entry `number` (1 … 8) of `record`; other numbers are ignored.
void SaveInfoCode(FiveToneRecord& record, const InfoCodeInputs& inputs, int number);

/// Choosing info code `number`: the entry shown so far is stored, then `number` is shown.
void SelectInfoCode(FiveToneRecord& record, InfoCodeInputs& inputs, int number);

/// After a new decode function was chosen: group and all calls answer with none, kill, stun and
/// wake-up with a reply, both without a choice; individual calls offer none or a beep (none
/// chosen); no function leaves every response open. The name is cleared and closed for none and
/// all calls.
void ReactToInfoFunction(InfoCodeInputs& inputs);

/// The check OK runs over the stored info codes: the message keys to show, in order, or none when
/// the codes are acceptable. A kill or stun code without any wake-up code gives
/// kKeyNoWakeUpCode; a kill, stun or wake-up code equal to the code of a later entry (or itself)
/// with another function gives kKeySharedInfoCode.
std::vector<int> IsInfoKillStunWakenOK(const FiveToneRecord& record);

} // namespace rp70
