#pragma once
// The serial line's pace: bytes sent back to the computer leave one after another at the speed
// of the line, scheduled against a steady clock so that the pace never drifts.

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>

#include "link/wire_protocol.h"

namespace rp70::sim {

/// One byte at 9600 baud with 8 data bits, no parity and 1 stop bit: 10 bits, 1.0417 ms.
inline constexpr std::chrono::nanoseconds kByteTime9600{1'041'667};

class WirePacer {
public:
    using Clock = std::chrono::steady_clock;

    /// `byteTime` zero sends every byte at once.
    explicit WirePacer(std::chrono::nanoseconds byteTime = kByteTime9600) : byteTime_(byteTime) {}

    /// Queues `bytes` handed over at `now`: each byte is due one byte time after the later of
    /// `now` and the moment the byte before it is due.
    void Add(std::span<const std::uint8_t> bytes, Clock::time_point now);
    /// Takes the queued bytes that are due at `now`, in order.
    Bytes TakeDue(Clock::time_point now);
    /// When the next queued byte is due; nullopt when nothing waits.
    std::optional<Clock::time_point> NextDue() const;
    bool Empty() const { return queue_.empty(); }

private:
    struct Due {
        std::uint8_t Byte;
        Clock::time_point At;
    };

    std::chrono::nanoseconds byteTime_;
    std::deque<Due> queue_;
    Clock::time_point lastDue_{};
};

} // namespace rp70::sim
