#pragma once
// What the system says of a serial device beyond QSerialPort: who may open it, an exclusive lock
// that keeps a second program off a port in use, and whether brltty is about. Everything
// specific to Unix lives here; elsewhere these report nothing known.

#include <QString>
#include <string>

#include "link/port_help.h"

namespace rp70 {

/// The device file behind a port name: "ttyUSB0" is /dev/ttyUSB0, a path stays as it is.
QString DevicePath(const QString& portName);

/// Whether this user may open the device for reading and writing, and the group that owns it.
struct DeviceAccess {
    PortAccess Access = PortAccess::Unknown;
    std::string Group;
};
DeviceAccess ProbeDeviceAccess(const QString& device);

/// An exclusive lock on a device, held through a descriptor of its own for as long as the
/// object holds it, so that a second program (or a second rp70) is refused the port before it
/// changes anything of the line.
class DeviceLock {
public:
    DeviceLock() = default;
    ~DeviceLock() { Release(); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    /// Locks `device`. False when another holds a lock on it; `holder` then names that one as
    /// far as the system tells ("locked by process 1234 (rp70)"). True for a device that cannot
    /// be opened here or takes no lock: opening it for real tells what is wrong.
    bool Take(const QString& device, std::string& holder);
    void Release();

private:
    int fd_ = -1;
};

/// Whether brltty runs or the kernel log (when this user may read it) names it.
bool SystemBrlttySeen();

} // namespace rp70
