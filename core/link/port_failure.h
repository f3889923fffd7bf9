#pragma once
// Why a serial port could not be opened, and how that is told to the person.

#include <string>

#include "texts/language_texts.h"

namespace rp70 {

enum class PortFault {
    None,             ///< the port opened, or nothing is known
    NotChosen,        ///< no port is set
    Missing,          ///< no such device: a cable unplugged, a name mistyped
    PermissionDenied, ///< the system does not let this user open it
    Busy,             ///< another program holds it
    Other,
};

/// What a port that could not be opened reports.
struct PortFailure {
    PortFault Fault = PortFault::None;
    std::string Port;       ///< the port as the person chose it ("ttyUSB0", "COM3", "/dev/pts/5")
    std::string SystemText; ///< the system's own words, such as "Permission denied"
    std::string Group = {}; ///< PermissionDenied: the group that owns the device, when known
};

/// The message shown when a transfer cannot open its port: the language text 2002, then on
/// the next line the port, the reason and what to do about it. Only the text when nothing is
/// known of the reason.
std::string PortFailureMessage(const PortFailure& failure, const LanguageTexts& texts);

} // namespace rp70
