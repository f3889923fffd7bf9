#pragma once
// The alert dialog without its widgets: the lists its inputs offer, the ID code list of each ID
// code type, what the inputs show for the alarm settings, which lists take input, and OK, which
// writes the settings back into the image.
//
// The dialog keeps one AlertEditInputs as the state of its inputs. The lone-worker settings
// (automatic detection, pre-alert time, lone-worker time) have no inputs on the dialog; they are
// still shown into the state and written back from it, so OK brings them into their ranges too.

#include <cstdint>
#include <string>
#include <vector>

#include "editors/setting_lines.h"
#include "model/choice_list.h"
#include "model/radio_image.h"
#include "model/records/alert_record.h"
#include "texts/language_texts.h"

namespace rp70 {

/// `IdCodeType`: no code, a DTMF code memory or a 5-tone code.
inline constexpr int kIdCodeNone = 0;
inline constexpr int kIdCodeDtmf = 1;
inline constexpr int kIdCodeFiveTone = 2;

/// The entries of the dialog's lists, built once when it opens. A list's position is the value
/// it edits unless its input says otherwise.
struct AlertEditLists {
    std::vector<std::string> AlarmModes;        ///< keys 2630 … 2633
    std::vector<std::string> IdCodeTypes;       ///< key 2436, "DTMF", "5Tone"
    std::vector<std::string> DtmfIdCodes;       ///< "M1" … "M16" of the DTMF memories in use
    std::vector<std::string> FiveToneIdCodes;   ///< numbers of the 5-tone codes in use, or "0"
    std::vector<std::string> Seconds;           ///< "1" … "255": alarm, transmit, receive time
    std::vector<std::string> ChannelSelects;    ///< keys 2634, 2635
    std::vector<std::string> EmergencyChannels; ///< labels of the memory channels, ascending
    std::vector<std::string> Cycles;            ///< key 2636, "1" … "255"
    std::vector<std::string> PreAlertTimes;     ///< "1" … "254"
    std::vector<std::string> LoneWorkerTimes;   ///< "5" … "255"
};

/// The lists, with the DTMF memories, 5-tone codes and memory channels of `image`.
AlertEditLists BuildAlertEditLists(const RadioImage& image, const LanguageTexts& texts);

/// The ID code list of ID code type `type`: DtmfIdCodes, FiveToneIdCodes, or an empty list for
/// no code.
const std::vector<std::string>& IdCodes(const AlertEditLists& lists, int type);

/// What the inputs of the dialog show: list positions and the check box.
struct AlertEditInputs {
    int AlarmMode = 0;
    int IdCodeType = 0;
    int IdCode = kNoSelection; ///< position in IdCodes(lists, IdCodeType)
    int AlarmTime = 0;         ///< position in Seconds (value − 1)
    int TxTime = 0;            ///< position in Seconds
    int RxTime = 0;            ///< position in Seconds
    int ChannelSelect = 0;
    int EmergencyChannel = kNoSelection; ///< position in EmergencyChannels
    int Cycle = 0;
    bool AutoDetect = false; ///< no input on the dialog
    int PreAlertTime = 0;    ///< position in PreAlertTimes; no input on the dialog
    int LoneWorkerTime = 0;  ///< position in LoneWorkerTimes; no input on the dialog

    bool operator==(const AlertEditInputs&) const = default;
};

/// The inputs showing `record`. Stored values outside their lists show the list's first entry
/// (a time of 0 shows "1", a pre-alert time of 255 "1", a lone-worker time below 5 "5"); an ID
/// code shows its entry in the list of its type; an automatic detection above 1 shows off.
AlertEditInputs ShowAlertRecord(const AlertRecord& record, const AlertEditLists& lists);

/// After a new ID code type was chosen: the ID code list of that type selects the stored code
/// `storedIdCode` (the record's, as the dialog opened on it), else its first entry.
void ReactToIdCodeType(AlertEditInputs& inputs, const AlertEditLists& lists,
                       std::uint8_t storedIdCode);

/// Which lists take input.
struct AlertEditStates {
    bool AlarmTimeOn = false;        ///< the first alarm mode: the alarm time
    bool CodeAndTimesOn = false;     ///< the other modes: ID code type, ID code, TX and RX time
    bool EmergencyChannelOn = false; ///< the designated channel is chosen
    bool LoneWorkerTimesOn = false;  ///< automatic detection is on
};

AlertEditStates AlertInputStates(const AlertEditInputs& inputs);

/// OK: writes the inputs into the image's alarm settings. A DTMF ID code "Mn" stores n − 1, a
/// 5-tone code its number, no code or an empty list 0; a time stores its number, the emergency
/// channel the number of its label (one below the channel number), 0 without a selection.
void ApplyAlertEdit(RadioImage& image, const AlertEditInputs& inputs, const AlertEditLists& lists);

/// The dialog's labels with the texts its inputs show after opening, then the lone-worker
/// settings it stores without showing them.
SettingLines AlertSettingLines(const RadioImage& image, const LanguageTexts& texts);

} // namespace rp70
