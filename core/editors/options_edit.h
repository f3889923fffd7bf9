#pragma once
// The options dialog without its widgets: the lists it offers, what its inputs show for the
// image's options, how a change writes into the working copy of the options record, which inputs
// show and take input, and OK.
//
// The dialog edits a copy of the options record. A list writes its field into the copy as soon
// as it is changed, and so do check boxes 0 … 3; a field whose stored value its list cannot show
// therefore stays as stored until its list is changed. OK writes the remaining inputs (check
// boxes 4 … 6, the power-on password and the welcome text) and stores the copy; Cancel drops it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editors/setting_lines.h"
#include "model/radio_image.h"
#include "model/records/options_record.h"
#include "texts/language_texts.h"

namespace rp70 {

/// The dialog's lists are numbered 0 … 18. List n < 18 is labelled by key 1702 + n (list 15 by
/// key 1700); list 18 sits beside list 0 without a label of its own.
inline constexpr int kOptionListCount = 19;
inline constexpr int kDisplayModeList = 0;     ///< Option1702, governs lists 1 and 18
inline constexpr int kWorkModeList = 1;        ///< Option1703
inline constexpr int kStartChannelList = 2;    ///< StartChannel, chosen by the channel's text
inline constexpr int kChannelDisplayList = 18; ///< Option18, shown with display mode 1

/// Lists that show, in the order the dialog shows them (list 18 comes with list 0).
inline constexpr std::array<int, 12> kShownOptionLists = {0, 1, 2, 4, 5, 9, 10, 11, 12, 15, 16, 17};
/// Lists that never show: their fields pass through the dialog as stored.
inline constexpr std::array<int, 6> kHiddenOptionLists = {3, 6, 7, 8, 13, 14};

/// Check boxes 0 … 6, labelled by keys 1730 … 1736: FunctionOperation, InternalFunctionOperation,
/// InitialiseKeys, TailElimination, then the OptionExtra flags KeyLock, AlertEnable and
/// UpDownKeyLock. Box 0 never shows.
inline constexpr int kOptionCheckCount = 7;
inline constexpr int kHiddenOptionCheck = 0;

/// Number of one-character welcome text boxes.
inline constexpr std::size_t kWelcomeBoxCount = 7;

/// Label keys of the inputs that are not lists or check boxes 0 … 6.
inline constexpr int kOptionsCaptionKey = 1701;
inline constexpr int kPasswordEnableKey = 1737;
inline constexpr int kPasswordKey = 1738;
inline constexpr int kWelcomeKey = 1739;

/// The label key of list `list` (0 … 18).
int OptionListLabelKey(int list);

/// The label key of check box `box` (0 … 6).
int OptionCheckLabelKey(int box);

/// The caption of key row `row` (0 … 11): "Short P1" … "Short P4", "Long P1" … "Long P4",
/// "FUNC + P1" … "FUNC + P4".
std::string KeyRowCaption(std::size_t row);

/// The key functions, "None" first: a key field stores 255 for "None" and position − 1 for
/// every other entry.
const std::vector<std::string>& KeyFunctionList();

/// The entries of the dialog's lists, built when it opens.
struct OptionsEditLists {
    /// Lists 0 … 18; list 2 holds the used memory channels (0-based) and "PA", "PB".
    std::array<std::vector<std::string>, kOptionListCount> Lists;
    /// The key functions each key row offers, in KeyFunctionList order.
    std::array<std::vector<std::string>, kKeyFunctionCount> KeyRows;
};

/// The lists for `image`. The channel list names every used channel 1 … 202 (memory channel a
/// as a − 1, then "PA" and "PB"), or holds the single entry "0" when none is used.
OptionsEditLists BuildOptionsEditLists(const RadioImage& image, const LanguageTexts& texts);

/// The dialog's state: the working copy and what the inputs show.
struct OptionsEditState {
    OptionsRecord Copy;                                  ///< what OK stores, bar its own inputs
    std::array<int, kOptionListCount> Lists{};           ///< position of each list
    std::array<int, kKeyFunctionCount> Keys{};           ///< position in the row's KeyRows list
    std::array<bool, kOptionCheckCount> Checks{};        ///< check boxes 0 … 6
    std::array<std::string, kWelcomeBoxCount> Welcome{}; ///< one character each, or empty
    bool PasswordEnabled = false;                        ///< the power-on password box
    std::string Password;                                ///< the power-on password digits
};

/// The state showing the options of `image`: each list at its field's position (a value outside
/// the list shows the first entry), the start channel and the keys by their texts, the check
/// boxes from their fields (on when not 0), the welcome text one character a box with a space
/// as an empty box, the password box on only for an enable value of 1.
OptionsEditState ShowOptions(const RadioImage& image, const OptionsEditLists& lists);

/// List `list` moved to `position`: its field in the copy takes the position, the start
/// channel the number its text names (200 for "PA", 201 for "PB"). A new display mode first
/// sets the work mode (0 for mode 0, else 1) and, unless the mode is 1, puts list 18 back to 0.
/// A position outside the list changes nothing.
void ChangeOptionList(OptionsEditState& state, const OptionsEditLists& lists, int list,
                      int position);

/// Key row `row` moved to `position` of its list: the key field takes the stored form of the
/// chosen function. A position outside the list changes nothing.
void ChangeKeyFunction(OptionsEditState& state, const OptionsEditLists& lists, std::size_t row,
                       int position);

/// Check box `box` switched: boxes 0 … 3 write their field at once, boxes 4 … 6 wait for OK.
void ChangeOptionCheck(OptionsEditState& state, int box, bool on);

/// Which inputs take input and which show.
struct OptionsEditStates {
    bool WorkModeEnabled = true;      ///< list 1: not with display mode 1
    bool ChannelDisplayShown = false; ///< list 18: only with display mode 1
    bool PasswordShown = false;       ///< the password and its label: with the password box on
};

OptionsEditStates OptionsInputStates(const OptionsEditState& state);

/// OK: the OptionExtra flags from check boxes 4 … 6, the password enable from its box, the
/// password (its first 6 characters; a shorter one followed by a NUL and spaces), the welcome
/// text from the seven boxes (an empty box gives a space), then the copy replaces the options
/// record of `image`.
void ApplyOptionsEdit(RadioImage& image, const OptionsEditState& state);

/// The options as the dialog shows them on opening: its shown inputs in the order of the
/// dialog, then the hidden inputs OK stores (lists 3, 6, 7, 8, 13, 14, check box 0, and list 18
/// and the password while they are hidden). List 18 is labelled by key 1725.
SettingLines OptionsSettingLines(const RadioImage& image, const LanguageTexts& texts);

} // namespace rp70
