#include "line_watch.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>
#include <utility>

namespace rp70::sim {

std::optional<LineWatch> LineWatch::Open(const std::string& path, std::string& error) {
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0 || ::inotify_add_watch(fd, path.c_str(), IN_OPEN | IN_CLOSE) < 0) {
        error = path + ": cannot be watched: " + std::strerror(errno);
        if (fd >= 0) {
            ::close(fd);
        }
        return std::nullopt;
    }
    return LineWatch(fd);
}

LineWatch::LineWatch(LineWatch&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

LineWatch::~LineWatch() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::vector<LineWatch::Change> LineWatch::Take() {
    std::vector<Change> changes;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    ssize_t count = 0;
    while ((count = ::read(fd_, buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < count;) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + at, sizeof event);
            if ((event.mask & IN_OPEN) != 0) {
                changes.push_back(Change::Opened);
            }
            if ((event.mask & IN_CLOSE) != 0) {
                changes.push_back(Change::Closed);
            }
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
    return changes;
}

} // namespace rp70::sim
