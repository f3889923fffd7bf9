#pragma once
// The DTMF dialog without its widgets: the lists its inputs offer, what the inputs show for the
// DTMF settings (after bringing stored values into their ranges), how the codes follow the
// separator and the own ID, the special call codes, and OK, which writes the settings back.
//
// The dialog keeps one DtmfEditInputs as the state of its inputs. The PTT-ID mode has no input on
// the dialog; it is still shown into the state and written back from it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editors/setting_lines.h"
#include "model/radio_image.h"
#include "model/records/dtmf_record.h"
#include "texts/language_texts.h"
#include "texts/user_context.h"

namespace rp70 {

/// The code fields in the order of their field number: M1 … M16 (0 … 15), the PTT-ID begin and
/// end codes (16, 17), the remote kill and stun codes (18, 19).
inline constexpr int kDtmfBeginCode = 16;
inline constexpr int kDtmfEndCode = 17;
inline constexpr int kDtmfKillCode = 18;
inline constexpr int kDtmfStunCode = 19;
inline constexpr int kDtmfCodeFieldCount = 20;

/// Characters a code field holds at most: 24, and 14 for the kill and stun codes.
int DtmfCodeWidth(int field);

/// What a typed character becomes in a code field: "0" … "9", "*", "#" and "A" … "D" as they
/// are, "a" … "d" in upper case; '\0' for any other character.
char DtmfCodeCharacter(char typed);

/// The entries of the dialog's lists. A list's position is the value it edits unless its input
/// says otherwise.
struct DtmfEditLists {
    std::vector<std::string> OffOn;            ///< keys 1755, 1756: ANI
    std::vector<std::string> SendTimes;        ///< "30ms" … "500ms" (key 1780 after each number)
    std::vector<std::string> PttIds;           ///< keys 1755, 1765, 1766, 1767 (no input)
    std::vector<std::string> Separators;       ///< "A", "B", "C", "D", "*", "#" (value − 10)
    std::vector<std::string> GroupCodes;       ///< key 1755, then the separators (value − 9)
    std::vector<std::string> DecodeResponses;  ///< keys 1650, 1651, 1653
    std::vector<std::string> FirstDigitDelays; ///< "0", "10" … "2500" (value × 10)
    std::vector<std::string> SendDelays; ///< "10" … "2500": pre- and post-send (value − 1)
    std::vector<std::string> ResetTimes; ///< "0.0", "0.1" … "25.0" (value ÷ 10)
    std::vector<std::string> PauseTimes; ///< key 1755, then "5" … "75"
};

DtmfEditLists BuildDtmfEditLists(const LanguageTexts& texts);

/// What the inputs of the dialog show.
struct DtmfEditInputs {
    std::array<std::string, kDtmfCodeFieldCount> Codes; ///< by field number, "*" and "#" shown
    int Ani = 0;
    int SendTime = 0;
    int PttId = 0; ///< no input on the dialog
    std::string OwnId;
    int Separator = 0;
    int GroupCode = 0;
    int DecodeResponse = 0;
    int FirstDigitDelay = 0;
    int PreSendDelay = 0;
    int ResetTime = 0;
    int PostSendDelay = 0;
    int PauseTime = 0;
    bool SideTone = false;
    int CurrentCode = 0; ///< field number of the code field that last had the focus

    bool operator==(const DtmfEditInputs&) const = default;
};

/// Brings the stored values of `record` into their ranges (the dialog keeps these repairs even
/// on Cancel) and returns the inputs showing it. A value outside its list becomes its list's
/// first entry, an own ID that is not digits "000", a shorter one is padded with leading zeros;
/// a group code outside 10 … 15 shows off; a pause time of 5 … 75 shows its number, below 5 it
/// shows off and becomes 0. A pre-send, post-send delay or reset time outside its list shows the
/// first entry, and a pause time above 75 off, without changing the record until OK.
DtmfEditInputs OpenDtmfRecord(DTMFRecord& record, const DtmfEditLists& lists);

/// The separator character chosen ("A" … "D", "*", "#").
std::string SeparatorText(const DtmfEditInputs& inputs, const DtmfEditLists& lists);

/// After a new separator was chosen: the codes M1 … M16, begin and end of the shapes "123" x
/// "own" and x "own" (own the own ID input's text, x any character but a digit) take the new
/// separator in place of x.
void ReactToSeparator(DtmfEditInputs& inputs, const DtmfEditLists& lists);

/// After the own ID input was left: the own ID gets leading zeros up to three digits, and the
/// codes M1 … M16, begin and end of the shapes "123" sep "456" and sep "456" (sep the chosen
/// separator) end in the own ID.
void ReactToOwnIdLeft(DtmfEditInputs& inputs, const DtmfEditLists& lists);

/// The special call opens only for the memories and the begin and end codes.
bool SpecialCallOffered(const DtmfEditInputs& inputs);

/// The special call codes: an ANI code is the target ID (padded to three digits), the separator
/// and the own ID ("012*345"); a PTT-ID code the separator and the own ID ("*345").
std::string AniCallCode(std::string_view targetId, std::string_view separator,
                        std::string_view ownId);
std::string PttIdCallCode(std::string_view separator, std::string_view ownId);

/// `text` with leading zeros up to three characters.
std::string PaddedId(std::string_view text);

/// OK: refuses with the message of key 3001 when the kill code is set and equals the stun code
/// (returns false, nothing stored); otherwise writes the inputs into the image's DTMF settings.
bool ApplyDtmfEdit(UserContext& ctx, RadioImage& image, const DtmfEditInputs& inputs,
                   const DtmfEditLists& lists);

/// The dialog's labels with the texts its inputs show after opening: "M1" … "M16" with their
/// codes, the other inputs, then the PTT-ID mode it stores without showing it.
SettingLines DtmfSettingLines(const RadioImage& image, const LanguageTexts& texts);

} // namespace rp70
