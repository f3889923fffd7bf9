#pragma once
// Ctrl+C while a transfer runs: handled on the event loop instead of ending the program.

#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <optional>

namespace rp70::cli {

/// While it exists, Ctrl+C calls `onInterrupt` from the event loop instead of ending the
/// program. Interrupted system calls restart, so the serial port never sees a failed read or
/// write because of it (the password prompt gives up its line itself).
class InterruptWatch {
public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    ~InterruptWatch();

    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    bool Interrupted() const;

private:
    std::function<void()> onInterrupt_;
    int fds_[2] = {-1, -1};
    std::optional<QSocketNotifier> notifier_;
    struct sigaction previous_ {};
    bool installed_ = false;
};

} // namespace rp70::cli
