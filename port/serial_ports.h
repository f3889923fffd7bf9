#pragma once
// The serial ports the computer offers, as the port choice and the start-up port check see
// them. On Windows a port is numbered n for its name COMn, the number the settings file keeps;
// ports named otherwise (ttyUSB0 on Linux) carry no number. Pseudo-terminals are not listed:
// wherever a port is picked, a device path may be typed instead.

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "link/port_help.h"

namespace rp70 {

/// One serial port of the system.
struct SerialPortEntry {
    QString PortName;                                ///< "COM3", "ttyUSB0"
    QString SystemLocation;                          ///< "\\.\COM3", "/dev/ttyUSB0": what opens it
    QString Description;                             ///< may be empty
    QString Manufacturer;                            ///< may be empty
    std::optional<quint16> VendorId = std::nullopt;  ///< USB ports only
    std::optional<quint16> ProductId = std::nullopt; ///< USB ports only
    PortAccess Access = PortAccess::Unknown;
    QString Group = {}; ///< the group that owns the device, when known
};

/// The entry as the port help of the core sees it.
PortCheck CheckOf(const SerialPortEntry& port);

/// The serial ports of the system, in the system's enumeration order, with who may open them.
QList<SerialPortEntry> ListSerialPorts();

/// The port number n of a port named "COMn": the text from the 4th character on, at most three
/// characters, spaces trimmed, as a whole number from 1 to 255. nullopt for other names.
std::optional<std::int16_t> ComPortNumber(const QString& portName);

/// The numbers of the numbered ports among `ports`, in their order: what the start-up port
/// check (CheckedComPort) looks the configured port up in.
std::vector<std::int16_t> SerialPortNumbers(const QList<SerialPortEntry>& ports);

} // namespace rp70
