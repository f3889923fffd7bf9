#pragma once
// The 5-tone special call dialog without its widgets: composes a data message, an ANI call or a
// PTT-ID code and puts it into a code list entry, or hands it to the PTT-ID begin or end code.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/five_tone_code_list.h"
#include "model/records/five_tone_record.h"
#include "texts/language_texts.h"
#include "texts/user_context.h"

namespace rp70 {

/// Where the composed code goes: a code list entry, the PTT-ID begin code or the end code.
enum class SpecialCallTarget : int { CodeList = 0, BeginCode = 1, EndCode = 2 };

/// The call types, in the order of the call type list.
enum class SpecialCallType : int { DataMessage = 0, Ani = 1, PttId = 2 };

/// The entries of the dialog's lists.
struct SpecialCallLists {
    std::vector<std::string> Entries;    ///< "0" … "99"
    std::vector<std::string> CallTypes;  ///< the data message text (key 60073), "ANI", "PTTID"
    std::vector<std::string> Separators; ///< none (key 60318), then "A" … "F"
};

SpecialCallLists BuildSpecialCallLists(const LanguageTexts& texts);

/// What the inputs of the dialog show.
struct SpecialCallInputs {
    int Entry = 0; ///< the code list entry (the code list target only)
    SpecialCallType Type = SpecialCallType::DataMessage;
    std::string MessageTargetId = "12345"; ///< the data message's target ID
    std::string Message;                   ///< "0" … "9", "A" … "Z", at most MessageLimit
    std::string AniTargetId = "12345";     ///< the ANI call's target ID
    int Separator = 0;                     ///< position in Separators: 0 none, 1 … 6 A … F

    bool operator==(const SpecialCallInputs&) const = default;
};

/// Opening: entry `entry` (0 outside 0 … 99), the first call type, and the separator of the
/// record's `AniSeparator` (none unless 10 … 15).
SpecialCallInputs OpenSpecialCall(const FiveToneRecord& record, int entry);

/// The `AniSeparator` value of separator position `separator`: 10 … 15 for A … F, 0 for none.
int AniSeparator(int separator);

/// The most message characters a data message for `target` takes: 16 in a code list entry, 8 in
/// the begin and end codes, whose 24 digits hold "E1", the target, "E" and two digits a
/// character.
int MessageLimit(SpecialCallTarget target);

/// Which field groups show for a call type: the data message group, the ANI group, or neither
/// (PTT-ID).
struct SpecialCallGroups {
    bool DataMessage = false;
    bool Ani = false;
};

SpecialCallGroups VisibleGroups(SpecialCallType type);

/// A target ID is complete with five characters.
bool IsTargetIdComplete(std::string_view targetId);

/// The code the inputs compose for `target`: "E1", target, "E" and each message character as
/// two hexadecimal digits; the ANI target, separator and the own ID ("SelfID" in the code list,
/// which stands for the own ID until the list is stored); "E6" and the own ID or "SelfID".
/// Nothing when the call type's target ID is incomplete.
std::optional<std::string> ComposeSpecialCode(const SpecialCallInputs& inputs,
                                              SpecialCallTarget target, std::string_view ownId);

/// OK: composes the code; an incomplete target ID is refused with the "900C" message and nothing
/// changes. Otherwise stores the separator into `AniSeparator` and, for the code list, the
/// encoded code into the chosen entry (in use) and its special and code columns into `rows`.
/// Gives the composed code, not encoded.
std::optional<std::string> ApplySpecialCall(UserContext& ctx, FiveToneRecord& record,
                                            CodeRows& rows, const SpecialCallInputs& inputs,
                                            SpecialCallTarget target, std::string_view ownId);

} // namespace rp70
