#pragma once
// Which parts of the radio image the printed report holds: the ten check boxes of the print
// selection dialog, and the section names the command line takes for them.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "texts/language_texts.h"

namespace rp70 {

/// The check boxes of the selection dialog, in their order. The VHF and radio channel boxes are
/// never shown and print nothing.
enum class PrintItem {
    Channels,
    VhfChannels,
    RadioChannels,
    Options,
    Dtmf,
    TwoTone,
    FiveTone,
    CommunicationBook,
    EmbeddedMessage,
    Alert,
};

inline constexpr std::size_t kPrintItemCount = 10;

/// One tick per PrintItem.
using PrintSelection = std::array<bool, kPrintItemCount>;

/// Every box ticked, the two hidden ones too.
PrintSelection AllPrintItems();

bool AnyPrintItem(const PrintSelection& selection);

/// Caption of the item's check box; the alert box takes the alert window's caption.
std::string PrintItemCaption(PrintItem item, const LanguageTexts& texts);

/// The items named in a comma-separated list of "channels", "options", "dtmf", "2tone", "5tone",
/// "book", "emg" and "alert"; nullopt for an unknown or empty name.
std::optional<PrintSelection> PrintSelectionOfNames(std::string_view names);

} // namespace rp70
