#pragma once
// Who opens and closes the device: the computer taking the line as its serial port and giving it
// back, as the radio's end of the cable notices it.

#include <optional>
#include <string>
#include <vector>

namespace rp70::sim {

class LineWatch {
public:
    enum class Change { Opened, Closed };

    /// Watches `path` from now on; nullopt with `error` set when it cannot be watched.
    static std::optional<LineWatch> Open(const std::string& path, std::string& error);

    LineWatch(LineWatch&& other) noexcept;
    LineWatch& operator=(LineWatch&&) = delete;
    LineWatch(const LineWatch&) = delete;
    LineWatch& operator=(const LineWatch&) = delete;
    ~LineWatch();

    /// Readable when a change is waiting (non-blocking).
    int Fd() const { return fd_; }
    /// The changes since the last call, in order.
    std::vector<Change> Take();

private:
    explicit LineWatch(int fd) : fd_(fd) {}

    int fd_ = -1;
};

} // namespace rp70::sim
