#pragma once
// The channel edit dialog without its widgets: the lists its inputs offer, what the inputs show
// for a channel, how they react to each other, and OK, which writes the channel back into the
// image or deletes it.
//
// The dialog keeps one ChannelEditInputs as the state of its inputs. After each change a person
// makes it stores the new value, calls ReactToChange and shows the inputs again; which inputs
// show and which take input follows from the state through InputStates.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/choice_list.h"
#include "model/feature_flags.h"
#include "model/radio_image.h"
#include "model/records/channel_record.h"
#include "texts/language_texts.h"
#include "texts/user_context.h"

namespace rp70 {

/// The CALL and VFO channels: OK refuses to leave them without a receive frequency.
inline constexpr int kCallChannel = 203;
inline constexpr int kVfoChannel = 204;

/// Message of OK when the VFO has no (numeric) receive frequency.
inline constexpr std::string_view kVfoNeedsRxText = "VFO can't be null!";
/// Message of OK when the CALL channel has no (numeric) receive frequency.
inline constexpr std::string_view kCallNeedsRxText = "CALL can't be null!";
/// Message of ModifyUFreData for a channel without a slot.
inline constexpr std::string_view kNoFindDataText = "No Find Data!";
/// Message of AddNewUFreData when all channel slots are taken.
inline constexpr std::string_view kChannelTableFullText = "All channel slots are in use.";

/// Number of one-character name boxes.
inline constexpr std::size_t kNameBoxCount = 7;

/// The entries of the dialog's lists, built once when it opens. A list's position is the value
/// it edits unless its input says otherwise.
struct ChannelEditLists {
    std::vector<std::string> ShiftDirections; ///< text of key 1210, "-", "+"
    std::vector<std::string> Steps;           ///< the band's step list
    std::vector<std::string> Bandwidths;      ///< "25KHz", "20KHz", "12.5KHz"
    std::vector<std::string> Powers;          ///< keys 1204, 1221, 1205
    std::vector<std::string> Signalling; ///< key 1206, then the enabled "DTMF", "2Tone", "5Tone"
    std::vector<std::string> DtmfCodes;  ///< "M1" … "M16"
    std::vector<std::string> TwoToneEntries;  ///< the numbers of the defined 2-tone entries
    std::vector<std::string> FiveToneEntries; ///< the numbers of the defined 5-tone codes
    std::vector<std::string> ToneTypes;       ///< key 1206, "CTCSS", "DCS"
    std::vector<std::string> CtcssTones;      ///< "62.5" … "254.1"
    std::vector<std::string> DcsCodes;        ///< "000" … "777"
    std::vector<std::string> ScramblerModes;  ///< keys 1755, 1756
    std::vector<std::string> PttIdModes;      ///< keys 1755, 1765, 1766, 1767
    std::vector<std::string> SquelchModes;    ///< the full list, keys 1784 … 1788
    std::vector<std::string> ExtraDisplays;   ///< keys 1210 … 1212, 1214 … 1220
    std::vector<std::string> BusyLockModes;   ///< key 1755, "Repeater", "Busy"
    bool DtmfPttIdOffered = false;            ///< the DTMF PTT-ID input shows
    bool FiveTonePttIdOffered = false;        ///< the 5-tone PTT-ID input shows
};

/// The lists for the band and the signalling tables of `image`; `features` decide which kinds
/// of optional signalling are offered.
ChannelEditLists BuildChannelEditLists(const RadioImage& image, const FeatureFlags& features,
                                       const LanguageTexts& texts);

/// The signalling kinds the dialog offers for `record`: those of `features`, and the kind the
/// channel already uses even when no radio read here has reported it (a data file from another
/// computer), so that OK never drops a channel's signalling unasked.
FeatureFlags OfferedFeatures(const FeatureFlags& features, const ChannelRecord& record);

/// The `Signalling` value of an optional signalling text: "DTMF" 1, "2Tone" 2, "5Tone" 3,
/// anything else 0.
std::int16_t SignallingOfText(std::string_view text);

/// A tone (decode or encode): its type list and the lists and box of the chosen type.
struct ToneInputs {
    int Type = 0;             ///< position in ToneTypes: none, CTCSS, DCS
    int Ctcss = kNoSelection; ///< position in CtcssTones
    int Dcs = kNoSelection;   ///< position in DcsCodes
    bool Inverted = false;    ///< the inverted box of the DCS code

    bool operator==(const ToneInputs&) const = default;
};

/// What the inputs of the dialog show: texts, list positions and check states. Inputs that are
/// hidden keep their values, and OK writes them too.
struct ChannelEditInputs {
    std::string RxText;                          ///< receive frequency
    std::string OffsetText;                      ///< offset
    int Shift = 0;                               ///< position in ShiftDirections
    std::string TxText;                          ///< transmit frequency
    std::array<std::string, kNameBoxCount> Name; ///< one character (byte) each, or empty
    int Step = 0;
    int Bandwidth = 0;
    int Power = 0;
    int Signalling = 0;          ///< position in the Signalling list
    int DtmfCode = kNoSelection; ///< position in DtmfCodes
    int TwoTone = kNoSelection;  ///< position in TwoToneEntries
    int FiveTone = kNoSelection; ///< position in FiveToneEntries
    bool PttId = false;          ///< the "PTT ID" box
    ToneInputs Decode;           ///< receive tone
    ToneInputs Encode;           ///< transmit tone
    int Scrambler = 0;
    int DtmfPttId = 0;
    int FiveTonePttId = 0;
    int SquelchMode = 0;  ///< position in the full SquelchModes list
    int ExtraDisplay = 0; ///< position in ExtraDisplays
    int BusyLock = 0;
    bool TxInhibit = false;
    bool Reverse = false;
    bool TalkAround = false;
    bool Compander = false;
    bool ScanSkip = false;
    bool PttIdDecode = false;
    std::string PttIdCode;

    bool operator==(const ChannelEditInputs&) const = default;
};

/// The record the dialog edits for channel `number`: a copy of the slot carrying it, or
/// NewChannelRecord(number) when no slot does.
ChannelRecord EditRecordFor(const RadioImage& image, int number);

/// The inputs showing `record`. Stored values outside their lists show the list's first entry;
/// a power of 3 shows the highest level, an extra display of 3 the first entry and 4 … 10 the
/// entries 3 … 9. Where the record switches on both reverse and talk-around, talk-around wins.
/// Stored frequency digits that are not a number show "Not IsNumeric" through `ctx`.
ChannelEditInputs ShowChannelRecord(const ChannelRecord& record, const ChannelEditLists& lists,
                                    const BandLimits& band, UserContext& ctx);

/// The inputs a change reacts to.
enum class ChannelEditChange {
    Signalling,    ///< optional signalling chosen
    DecodeType,    ///< decode tone type chosen
    EncodeType,    ///< encode tone type chosen
    DtmfPttId,     ///< DTMF PTT-ID chosen
    FiveTonePttId, ///< 5-tone PTT-ID chosen
    Reverse,       ///< reverse switched
    TalkAround,    ///< talk-around switched
};

/// Brings the other inputs in line after `change` (the changed input already holds its new
/// value): a new signalling kind selects the first entry of its code list; a new tone type puts
/// its list at the first entry (a DCS type also clears the inverted box; the encode lists only
/// while the inputs are on); a non-zero PTT-ID mode of one kind resets the other kind to 0;
/// reverse and talk-around switch each other off. Each of them except the PTT-ID modes keeps the
/// squelch mode only while it is still offered, else takes the first one.
void ReactToChange(ChannelEditInputs& inputs, const ChannelEditLists& lists,
                   ChannelEditChange change);

/// The kind of optional signalling chosen (SignallingOfText of the chosen entry).
std::int16_t ChosenSignalling(const ChannelEditInputs& inputs, const ChannelEditLists& lists);

/// Positions in the full squelch list offered for a tone type (0 none) and whether optional
/// signalling is chosen: always 0; then 2 for signalling alone, 1 for a tone alone, 1 … 4 for
/// both.
std::vector<int> SquelchEntries(int toneType, bool signalling);

/// SquelchEntries for the inputs: the encode tone type counts while reverse is on, the decode
/// tone type otherwise.
std::vector<int> OfferedSquelchModes(const ChannelEditInputs& inputs,
                                     const ChannelEditLists& lists);

/// Which inputs show and which take input.
struct ChannelEditStates {
    bool InputsOn = false;          ///< a receive frequency is typed: every other input is on
    bool RxEditable = false;        ///< the receive frequency
    bool TxEditable = false;        ///< the transmit frequency
    bool PttIdCodeEditable = false; ///< the PTT-ID code and the PTT-ID decode box
    std::int16_t CodeList = kSignallingNone; ///< the signalling kind whose code list shows
    bool PttIdShown = false;                 ///< the "PTT ID" box (with DTMF and 5-tone signalling)
    int DecodeListsShown = 0; ///< tone type whose decode list shows (2: with the inverted box)
    int EncodeListsShown = 0; ///< the same for the encode inputs
};

/// The states of the inputs of channel `number` in band `bandIndex`. The offset always takes
/// input. Band 16 fixes the frequencies of channels 1 … 80; PA, PB, CALL and VFO have no PTT-ID
/// code.
ChannelEditStates InputStates(const ChannelEditInputs& inputs, const ChannelEditLists& lists,
                              int number, std::int16_t bandIndex);

/// What OK did.
enum class ChannelEditOutcome {
    Stored,   ///< the channel was written back
    Deleted,  ///< the receive frequency was empty: the channel is gone
    StayOpen, ///< a message was shown; the dialog stays open with the focus on the receive
              ///< frequency and the image is unchanged
};

/// OK of the dialog for channel `number`. Pads the PTT-ID code with "0" to five characters.
/// An empty or non-numeric receive frequency on the VFO or CALL shows "VFO can't be null!" /
/// "CALL can't be null!"; an empty one on any other channel deletes it. Otherwise the channel is
/// written back (ModifyUFreData when a slot carries it, else AddNewUFreData). After a change the
/// channel references of the scan and alert settings are repaired. `inputs` then show what the
/// receive and offset boxes show after the checks.
ChannelEditOutcome ApplyChannelEdit(RadioImage& image, int number, ChannelEditInputs& inputs,
                                    const ChannelEditLists& lists, UserContext& ctx);

/// Writes the inputs into the slot carrying `number`; the fields the dialog does not edit keep
/// their values. Without such a slot shows "No Find Data!" and returns false.
bool ModifyUFreData(RadioImage& image, int number, ChannelEditInputs& inputs,
                    const ChannelEditLists& lists, UserContext& ctx);

/// Appends channel `number` written from the inputs, every other field 0. When all slots are
/// taken shows a message and returns false.
bool AddNewUFreData(RadioImage& image, int number, ChannelEditInputs& inputs,
                    const ChannelEditLists& lists, UserContext& ctx);

} // namespace rp70
