#pragma once
// The scan dialog without its widgets: the lists its inputs offer, what the inputs show for the
// scan settings, the revert choices each priority mode offers, which lists take input, and OK,
// which writes the settings back into the image.
//
// The dialog keeps one ScanEditInputs as the state of its inputs. The scan type and the wait
// time have no input on the dialog; they are still shown into the state and written back from
// it, so OK brings them into their ranges too.

#include <string>
#include <vector>

#include "editors/setting_lines.h"
#include "model/choice_list.h"
#include "model/radio_image.h"
#include "model/records/scan_record.h"
#include "texts/language_texts.h"

namespace rp70 {

/// The entries of the dialog's lists, built once when it opens. A list's position is the value
/// it edits unless its input says otherwise.
struct ScanEditLists {
    std::vector<std::string> ScanModes;        ///< keys 2430, 2431
    std::vector<std::string> PriorityModes;    ///< key 2430, priority channel 1, 2, both
    std::vector<std::string> RevertChoices;    ///< all eight revert choices
    std::vector<std::string> LookBackTimes;    ///< "0.5" … "5.0" seconds
    std::vector<std::string> ResumeDelays;     ///< "0.1" … "5.0" seconds
    std::vector<std::string> ScanTypes;        ///< keys 2436 … 2439
    std::vector<std::string> WaitTimes;        ///< "50" … "6375" ms, for the values 2 … 255
    std::vector<std::string> PriorityChannels; ///< labels of the memory channels, ascending
};

/// The lists, with the memory channels of `image` as the priority channel entries.
ScanEditLists BuildScanEditLists(const RadioImage& image, const LanguageTexts& texts);

/// What the inputs of the dialog show: list positions and the check box.
struct ScanEditInputs {
    int ScanMode = 0;
    int PriorityMode = 0;
    int PriorityChannel1 = kNoSelection; ///< position in PriorityChannels
    int PriorityChannel2 = kNoSelection; ///< position in PriorityChannels
    int RevertChoice = 0; ///< position in the full RevertChoices, which is the stored value
    int LookBackTimeA = 0;
    int LookBackTimeB = 0;
    int RxResumeDelay = 0;
    int TxResumeDelay = 0;
    int ScanType = 0; ///< no input on the dialog
    int WaitTime = 0; ///< position in WaitTimes (value − 2); no input on the dialog
    bool ScanEntryTone = false;

    bool operator==(const ScanEditInputs&) const = default;
};

/// The revert choices (positions in the full list) priority mode `priorityMode` offers, in list
/// order: 0 none → 0, 1, 4, 5; 1 → 0, 1, 2, 4, 5, 6; 2 → 0, 1, 3, 4, 5, 7; 3 both → all.
std::vector<int> OfferedRevertChoices(int priorityMode);

/// The inputs showing `record`. Stored values outside their lists show the list's first entry;
/// a priority channel shows the entry labelled as the channel, or no selection when the image
/// holds no such memory channel; a revert choice the priority mode does not offer shows its
/// first offered one; a scan entry tone above 1 shows off.
ScanEditInputs ShowScanRecord(const ScanRecord& record, const ScanEditLists& lists);

/// Opening the dialog: ShowScanRecord of the image's scan settings. The revert choice and the
/// scan entry tone as shown are stored in the image at once, so these repairs stay even when the
/// dialog is then cancelled.
ScanEditInputs OpenScanEdit(RadioImage& image, const ScanEditLists& lists);

/// After a new priority mode was chosen: the revert choice stays while the mode still offers it,
/// else it becomes the first one offered.
void ReactToPriorityMode(ScanEditInputs& inputs);

/// Which lists take input.
struct ScanEditStates {
    bool ListsOn = false;            ///< scan mode on: every list but the scan mode takes input
    bool PriorityChannel1On = false; ///< the priority mode uses priority channel 1
    bool PriorityChannel2On = false; ///< the priority mode uses priority channel 2
};

ScanEditStates ScanInputStates(const ScanEditInputs& inputs);

/// OK: writes the inputs into the image's scan settings. A priority channel stores the number of
/// its label plus 1 (labels are one below the channel number), 0 without a selection; the two
/// group bytes are kept.
void ApplyScanEdit(RadioImage& image, const ScanEditInputs& inputs, const ScanEditLists& lists);

/// The dialog's labels with the texts its inputs show after opening, then the scan type and the
/// wait time it stores without showing them.
SettingLines ScanSettingLines(const RadioImage& image, const LanguageTexts& texts);

} // namespace rp70
