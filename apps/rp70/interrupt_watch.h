#pragma once
// Ctrl+C while a transfer runs: handled on the event loop instead of ending the program.

#include <functional>
#include <memory>

namespace rp70::cli {

/// While it exists, Ctrl+C calls `onInterrupt` from the event loop instead of ending the
/// program. The serial port never sees a failed read or write because of it (the password
/// prompt gives up its line itself).
class InterruptWatch {
public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    ~InterruptWatch();

    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    bool Interrupted() const;

private:
    /// How this system reports Ctrl+C (one file for each system).
    struct Source;
    std::unique_ptr<Source> source_;
};

} // namespace rp70::cli
