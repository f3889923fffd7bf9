#include "support/simulated_link.h"

namespace rp70::test {

bool SimulatedLink::Open() {
    if (failOpen || radio_.HungUp()) {
        return false;
    }
    open_ = true;
    threshold_ = 1;
    buffer_.clear();
    incoming_.clear();
    return true;
}

void SimulatedLink::Close() {
    open_ = false;
    buffer_.clear();
    incoming_.clear();
}

bool SimulatedLink::Send(const Bytes& bytes, bool pauseFirst) {
    if (!open_) {
        return false;
    }
    pausedSends += pauseFirst ? 1 : 0;
    buffer_.clear();
    incoming_.clear();
    sent.push_back(bytes);
    const Bytes back = radio_.Receive(bytes);
    incoming_.insert(incoming_.end(), back.begin(), back.end());
    return true;
}

std::optional<TransferOutcome> SimulatedLink::Run() {
    finished.reset();
    // Every step either delivers bytes, lets the line go or lets 300 ms pass, so a transfer
    // that misbehaves still ends within this many steps.
    for (int step = 0; step < 100000 && engine_->IsRunning(); ++step) {
        if (cancelAfterCommands >= 0 &&
            static_cast<int>(radio_.Commands().size()) >= cancelAfterCommands) {
            cancelAfterCommands = -1;
            engine_->Cancel();
            continue;
        }
        if (open_ && !incoming_.empty()) {
            buffer_.insert(buffer_.end(), incoming_.begin(), incoming_.end());
            incoming_.clear();
            if (static_cast<int>(buffer_.size()) >= threshold_) {
                const Bytes arrived = std::move(buffer_);
                buffer_.clear();
                engine_->BytesArrived(arrived);
            }
            continue;
        }
        if (open_ && radio_.HungUp()) {
            Close();
            engine_->PortLost();
            continue;
        }
        if (timerArmed_) {
            timerArmed_ = false;
            elapsedMs += kReplyTimeoutMs;
            engine_->ReplyTimeout();
            continue;
        }
        break;
    }
    return finished;
}

} // namespace rp70::test
