#pragma once
// Help with the two usual reasons a serial port cannot be used on Linux: the user is not in the
// group that owns the device, and the braille display service brltty has taken the USB serial
// adapter. The facts come from the port layer; here they become lines for the person.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language_texts.h"

namespace rp70 {

/// Whether this user may open a serial port, as the device's owner and mode say.
enum class PortAccess { Unknown, Allowed, Denied };

/// One serial port as the port list describes it.
struct PortCheck {
    std::string Name;        ///< "ttyUSB0", "COM3"
    std::string Device;      ///< "/dev/ttyUSB0": what opens it
    std::string Description; ///< may be empty
    std::optional<std::uint16_t> VendorId = std::nullopt;
    std::optional<std::uint16_t> ProductId = std::nullopt;
    PortAccess Access = PortAccess::Unknown;
    std::string Group; ///< the group that owns the device; empty when unknown
};

/// How to join `group` (dialout when unknown) so that its ports open.
std::string GroupHint(std::string_view group, const LanguageTexts& texts);

/// The line a port that this user may not open shows under its name, with the group hint;
/// empty for any other port.
std::string PortAccessWarning(const PortCheck& port, const LanguageTexts& texts);

/// Whether brltty is seen: a process named so under `procRoot` (/proc on Linux) or a line of
/// the kernel log naming it.
bool BrlttySeen(const std::filesystem::path& procRoot, std::string_view kernelLog);

/// The advice under a port list: the group hint once for each group whose port this user may
/// not open, and the brltty hint when no USB serial port is present while brltty is seen.
std::vector<std::string> PortHelpLines(const std::vector<PortCheck>& ports, bool brlttySeen,
                                       const LanguageTexts& texts);

} // namespace rp70
