#include "wire_pacer.h"

#include <algorithm>

namespace rp70::sim {

void WirePacer::Add(std::span<const std::uint8_t> bytes, Clock::time_point now) {
    for (const std::uint8_t byte : bytes) {
        lastDue_ = std::max(now, lastDue_) + byteTime_;
        queue_.push_back({byte, lastDue_});
    }
}

Bytes WirePacer::TakeDue(Clock::time_point now) {
    Bytes due;
    while (!queue_.empty() && queue_.front().At <= now) {
        due.push_back(queue_.front().Byte);
        queue_.pop_front();
    }
    return due;
}

std::optional<WirePacer::Clock::time_point> WirePacer::NextDue() const {
    if (queue_.empty()) {
        return std::nullopt;
    }
    return queue_.front().At;
}

} // namespace rp70::sim
