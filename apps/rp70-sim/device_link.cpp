#include "device_link.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <utility>
#include <vector>

namespace rp70::sim {

std::optional<DeviceLink> DeviceLink::Create(const std::string& link, const std::string& device,
                                             std::string& error) {
    // Made under a temporary name and renamed over the old file in one step.
    const std::string temporary = link + ".tmp" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(device.c_str(), temporary.c_str()) != 0 ||
        std::rename(temporary.c_str(), link.c_str()) != 0) {
        error = link + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return DeviceLink(link, device);
}

DeviceLink::DeviceLink(DeviceLink&& other) noexcept
    : link_(std::exchange(other.link_, {})), device_(std::exchange(other.device_, {})) {}

DeviceLink::~DeviceLink() {
    if (link_.empty()) {
        return;
    }
    std::vector<char> target(device_.size() + 2);
    const ssize_t length = ::readlink(link_.c_str(), target.data(), target.size());
    if (length >= 0 && std::string(target.data(), static_cast<std::size_t>(length)) == device_) {
        ::unlink(link_.c_str());
    }
}

} // namespace rp70::sim
