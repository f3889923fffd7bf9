#pragma once
// SIGINT and SIGTERM turned into a readable file descriptor, so the host's poll loop sees them
// like any other event and can end cleanly.

namespace rp70::sim {

class StopSignal {
public:
    /// Installs the handlers; `Ready()` is false when that failed.
    StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;
    /// Restores the default handlers.
    ~StopSignal();

    bool Ready() const { return readFd_ >= 0; }
    /// Becomes readable once a stop signal has arrived.
    int Fd() const { return readFd_; }

private:
    int readFd_ = -1;
};

} // namespace rp70::sim
