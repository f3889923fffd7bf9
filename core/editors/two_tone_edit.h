#pragma once
// The 2-tone dialog without its widgets: the lists of its encode page, what the inputs and the
// decode table show for the 2-tone settings, the tones each pair sends, the corrections of typed
// tones, storing a decode cell, where Enter moves in the table, and OK, which writes the
// settings back into the image.
//
// The dialog keeps one TwoToneEdit: a working copy of the settings, which takes the repairs of
// opening and every stored decode cell, the state of the encode inputs and the texts of the
// decode table. Nothing reaches the image before OK.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editors/setting_lines.h"
#include "model/radio_image.h"
#include "model/records/two_tone_record.h"
#include "texts/language_texts.h"

namespace rp70 {

/// The tone boxes A, B, C and D of the encode page.
inline constexpr int kToneBoxCount = 4;

/// The entries of the encode page's lists, built once when the dialog opens.
struct TwoToneEditLists {
    std::vector<std::string> Pairs;      ///< "A-B" … "D-C", "Long A" … "Long C"
    std::vector<std::string> ToneTimes;  ///< "0.5" … "10.0" seconds, for the values 5 … 100
    std::vector<std::string> ResetTimes; ///< "0.0" … "25.0" seconds (byte 9)
    std::vector<std::string> Responses;  ///< option keys 60057 … 60059 (byte 10)
    std::vector<std::string> Intervals;  ///< "0" … "2000" ms in steps of 100 (byte 23)
};

TwoToneEditLists BuildTwoToneEditLists(const LanguageTexts& texts);

/// The tone boxes (0 = A … 3 = D) pair `pair` sends, the first sent tone first: two for a pair,
/// one for a long tone, none for a position outside the pair list.
std::vector<int> PairTones(int pair);

/// What the inputs of the encode page show: list positions, the check box and the texts of the
/// tone boxes A … D.
struct TwoToneEditInputs {
    int Pair = 0;
    std::array<bool, kToneBoxCount> ToneBoxOn{}; ///< which tone boxes take input
    std::array<std::string, kToneBoxCount> Tones;
    int Time1 = 0; ///< position in ToneTimes (value − 5)
    int Time2 = 0; ///< position in ToneTimes
    int Time3 = 0; ///< position in ToneTimes: the long tone
    int ResetTime = 0;
    int Response = 0;
    int Interval = 0;
    bool SideTone = false;

    bool operator==(const TwoToneEditInputs&) const = default;
};

/// The decode table's columns of an entry, after its number.
enum class DecodeColumn { FirstTone = 0, SecondTone = 1, Name = 2 };
inline constexpr int kDecodeColumnCount = 3;

/// The texts an entry shows in the decode table, indexed by DecodeColumn.
using DecodeRow = std::array<std::string, kDecodeColumnCount>;

/// The dialog's state.
struct TwoToneEdit {
    TwoToneRecord Record; ///< the working copy of the settings
    TwoToneEditInputs Inputs;
    std::array<DecodeRow, kTwoToneEntryCount> Rows; ///< the decode table, entry 0 first
};

/// What decode entry `entry` shows: when it is defined (`EntryEmpty` 0) and has a first tone
/// divider, its tones in Hz with one decimal (the second only with a divider) and its name;
/// otherwise three empty texts.
DecodeRow ShowDecodeEntry(const TwoToneEntry& entry);

/// Opening the dialog on `record`: a list position outside its list shows the list's default
/// (the long tone time 1.0, the interval 1000, the others their first entry); a side tone above
/// 1 becomes 0; a tone A … D with a high byte of 0 or 255 becomes its default (321.7, 928.1,
/// 626.5, 2043.8 Hz). Only the tone boxes of the stored pair take input, none for a pair
/// outside the list. The repairs are made in the working copy only.
TwoToneEdit OpenTwoToneEdit(const TwoToneRecord& record, const TwoToneEditLists& lists);

/// After a new pair was chosen: only its tone boxes take input.
void ReactToPair(TwoToneEditInputs& inputs);

/// Leaving a tone box with `text`: a number is clamped to 280 … 3116 Hz and written plainly
/// ("100" → "280"); anything else becomes "2000".
std::string FinishToneBox(std::string_view text);

/// Storing decode cell (`entry`, `column`) with the typed `text`, then showing the row again.
/// A tone is clamped to 288 … 3116 Hz, shown with one decimal and stored with its divider
/// (6500000 / (16 × f)); a first tone defines the entry. A first tone that is no number clears
/// the entry and its row; a second tone that is no number clears the second tone. A name is
/// stored cut to 7 characters. An `entry` outside 0 … 31 is ignored.
void StoreDecodeCell(TwoToneEdit& edit, int entry, DecodeColumn column, std::string_view text);

/// A cell of the decode table.
struct DecodeCell {
    int Entry = 0;
    DecodeColumn Column = DecodeColumn::FirstTone;

    bool operator==(const DecodeCell&) const = default;
};

/// Where Enter moves from `cell` once it is stored: the next column, from the name to the
/// first tone of the next entry, from an empty first tone straight to the next entry; after
/// the last entry back to entry 0.
DecodeCell NextDecodeCell(const TwoToneEdit& edit, DecodeCell cell);

/// OK: stores the encode inputs into the working copy (the tone boxes finished as on leaving
/// them; the sent tones and their dividers 6500000 / (2 × f) from the pair's boxes, zero for the
/// second tone of a long tone), copies it into the image and moves every channel that selects
/// an entry no longer defined to the first defined one.
void ApplyTwoToneEdit(RadioImage& image, TwoToneEdit edit);

/// The encode page's labels with the texts its inputs show after opening, then one line per
/// defined decode entry: its number and the texts of its row.
SettingLines TwoToneSettingLines(const RadioImage& image, const LanguageTexts& texts);

} // namespace rp70
