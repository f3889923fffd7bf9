#pragma once
// A symbolic link with a fixed name that points to the simulator's device, for scripts that
// cannot read the device path from the first line of output.

#include <optional>
#include <string>

namespace rp70::sim {

class DeviceLink {
public:
    /// Makes `link` point to `device`, replacing whatever file was there; nullopt with `error`
    /// set when that fails.
    static std::optional<DeviceLink> Create(const std::string& link, const std::string& device,
                                            std::string& error);

    DeviceLink(DeviceLink&& other) noexcept;
    DeviceLink& operator=(DeviceLink&&) = delete;
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;
    /// Removes the link if it still points to the device.
    ~DeviceLink();

private:
    DeviceLink(std::string link, std::string device)
        : link_(std::move(link)), device_(std::move(device)) {}

    std::string link_;
    std::string device_;
};

} // namespace rp70::sim
