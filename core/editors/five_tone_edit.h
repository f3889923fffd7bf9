#pragma once
// The 5-tone dialog without its widgets: the lists of its system settings, what its inputs show
// for the 5-tone settings, the reactions to a chosen standard and pause code, leaving the own ID
// and a PTT-ID code, and OK, which checks the info codes and writes the settings back.
//
// The dialog keeps one FiveToneEdit: a working copy of the 5-tone settings, which takes the
// repairs of opening, the grid's cell edits and the special calls, the state of the inputs and
// the texts of the code list grid. Nothing but the decode time reaches the image before OK: the
// decode time is written into the image whenever the dialog stores its fields.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editors/five_tone_code_list.h"
#include "editors/five_tone_info_codes.h"
#include "editors/setting_lines.h"
#include "model/radio_image.h"
#include "model/records/five_tone_record.h"
#include "texts/language_texts.h"
#include "texts/user_context.h"

namespace rp70 {

/// The PTT-ID codes: sent at the begin and at the end of a transmission.
inline constexpr int kBeginCode = 0;
inline constexpr int kEndCode = 1;
inline constexpr int kPttIdCodeCount = 2;

/// Characters of the own ID.
inline constexpr std::size_t kFiveToneOwnIdLength = 5;

/// The entries of the dialog's lists, built once when it opens. A list's position is the value it
/// edits unless its input says otherwise.
struct FiveToneEditLists {
    std::vector<std::string> Standards;      ///< the 14 tone standards
    std::vector<std::string> Responses;      ///< option keys 60057 … 60059
    std::vector<std::string> ToneLengths;    ///< "30" … "100" ms (value − 3)
    std::vector<std::string> SendDelays;     ///< "10" … "2550" ms: pre-, post-send, first digit
    std::vector<std::string> ResetTimes;     ///< "0.0" … "25.0" s
    std::vector<std::string> PauseTimes;     ///< off (key 1755), then "5" … "75"
    std::vector<std::string> CodePauseTimes; ///< "0" … "2550" ms
    std::vector<std::string> PauseCodes;     ///< off, "B", "C", "D", "F"
    std::vector<std::string> DecodeTimes;    ///< "0" … "2000" ms
    InfoCodeLists Info;
};

FiveToneEditLists BuildFiveToneEditLists(const LanguageTexts& texts);

/// What a PTT-ID code group shows.
struct PttIdCodeInputs {
    std::string Code;
    int Standard = 0;
    int ToneLength = 0; ///< position in ToneLengths

    bool operator==(const PttIdCodeInputs&) const = default;
};

/// What the inputs of the dialog show: the own ID and code texts, list positions, the check box
/// and the standard table text.
struct FiveToneEditInputs {
    std::string OwnId;
    int Standard = 0;
    int DecodeResponse = 0;
    int ToneLength = 0; ///< position in ToneLengths
    int PreSendDelay = 0;
    int ResetTime = 0;
    int PostSendDelay = 0;
    int PauseTime = 0;
    int FirstDigitDelay = 0;
    int CodePauseTime = 0;
    int PauseCode = 0;
    int DecodeTime = 0;
    bool SideTone = false;
    std::array<PttIdCodeInputs, kPttIdCodeCount> PttIdCodes;
    InfoCodeInputs Info;
    std::string TableText; ///< the table of the standard chosen last; empty until one is chosen

    bool operator==(const FiveToneEditInputs&) const = default;
};

/// The dialog's state.
struct FiveToneEdit {
    FiveToneRecord Record; ///< the working copy of the settings
    FiveToneEditInputs Inputs;
    CodeRows Rows; ///< the code list grid, entry 0 first
};

/// Opening the dialog on `image`: the working copy of its 5-tone settings with the repairs of
/// opening (see ShowFiveToneRecord) and the inputs showing it.
FiveToneEdit OpenFiveToneEdit(const RadioImage& image, const FiveToneEditLists& lists,
                              const LanguageTexts& texts);

/// Shows the working copy again in the inputs and the grid, with `decodeTime` from the image.
/// Repairs in the copy: a tone length outside 3 … 10 becomes 7, a pause time below 5 becomes 0,
/// a PTT-ID code's length above 40 and standard above 15 become 0; the code list repairs its
/// entries. A value outside its list shows the list's first entry (a pause time or pause code
/// off, a PTT-ID tone length 70). Info code 1 is shown, after the one shown so far was stored.
void ShowFiveToneRecord(FiveToneEdit& edit, std::uint8_t decodeTime, const FiveToneEditLists& lists,
                        const LanguageTexts& texts);

/// After a system standard was chosen: the tone length proposes its duration, the table text
/// shows it.
void ReactToStandard(FiveToneEditInputs& inputs, const LanguageTexts& texts);

/// After the standard of PTT-ID code `code` was chosen: its tone length proposes the duration,
/// the table text shows it.
void ReactToPttIdStandard(FiveToneEditInputs& inputs, int code, const LanguageTexts& texts);

/// The code pause time takes input only while a pause code is chosen.
bool CodePauseTimeOn(const FiveToneEditInputs& inputs);

/// Leaving the field of PTT-ID code `code`: its text becomes its encoded form for the own ID.
void FinishPttIdCode(FiveToneEditInputs& inputs, int code);

/// Stores the inputs into the working copy as OK does (the PTT-ID codes encoded, the code list
/// from the grid), and the decode time straight into `image`. The grid's open cell must have
/// been committed.
void StoreFiveToneFields(RadioImage& image, FiveToneEdit& edit, const FiveToneEditLists& lists);

/// Leaving the own ID field: an own ID of fewer than five digits is refused with the message
/// "900C" (false). Otherwise every field is stored, the codes that carry the own ID take the new
/// one, and the inputs and grid show the copy again. The grid's open cell must have been
/// committed.
bool LeaveOwnId(UserContext& ctx, RadioImage& image, FiveToneEdit& edit,
                const FiveToneEditLists& lists);

/// OK: refuses an own ID of fewer than five digits ("900C", nothing stored) and, after storing
/// every field and the info code shown, a set of info codes IsInfoKillStunWakenOK does not accept
/// (its messages; the copy keeps what was stored). Otherwise copies the working copy into the
/// image, moves channels off 5-tone and 2-tone entries no longer defined and, when the alert's
/// ID code is a 5-tone code, the alert too. The grid's open cell must have been committed.
bool ApplyFiveToneEdit(UserContext& ctx, RadioImage& image, FiveToneEdit& edit,
                       const FiveToneEditLists& lists);

/// The dialog's labels with the texts its inputs show after opening, the PTT-ID begin and end
/// codes, each info code with a function, then one line per code list entry in use.
SettingLines FiveToneSettingLines(const RadioImage& image, const LanguageTexts& texts);

} // namespace rp70
