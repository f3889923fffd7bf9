#pragma once
// The pseudo-terminal the computer side opens as its serial port. The host keeps the device's
// own end open as well, so the device stays usable between the computer's sessions.

#include <optional>
#include <string>

namespace rp70::sim {

class PtyDevice {
public:
    /// A new raw pseudo-terminal; nullopt with `error` set when none can be had.
    static std::optional<PtyDevice> Open(std::string& error);

    PtyDevice(PtyDevice&& other) noexcept;
    PtyDevice& operator=(PtyDevice&&) = delete;
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;
    ~PtyDevice();

    /// The device the computer opens, e.g. /dev/pts/3.
    const std::string& Path() const { return path_; }
    /// The host's end (non-blocking): what the computer writes is read here, and the other way.
    int Master() const { return master_; }
    /// Bytes written to the device that the computer has not read yet.
    int Unread() const;
    /// Closes both ends: the computer sees the line hung up.
    void Close();

private:
    PtyDevice(int master, int slave, std::string path)
        : master_(master), slave_(slave), path_(std::move(path)) {}

    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

} // namespace rp70::sim
