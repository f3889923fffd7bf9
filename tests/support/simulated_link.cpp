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
    paused_.reset();
}

bool SimulatedLink::Send(const Bytes& bytes, bool pauseFirst) {
    if (!open_) {
        return false;
    }
    if (pauseFirst) {
        // Clearing and sending happen once the pause is over; until then the line goes on.
        ++pausedSends;
        paused_ = bytes;
        return true;
    }
    paused_.reset();
    Transmit(bytes, false);
    return true;
}

void SimulatedLink::Transmit(const Bytes& bytes, bool paused) {
    buffer_.clear();
    incoming_.clear();
    sent.push_back(bytes);
    sentPaused.push_back(paused);
    std::optional<Bytes> replaced = answer ? answer(bytes) : std::nullopt;
    const Bytes back = replaced ? *replaced : radio_.Receive(bytes);
    incoming_.insert(incoming_.end(), back.begin(), back.end());
}

void SimulatedLink::Deliver() {
    buffer_.push_back(incoming_.front());
    incoming_.erase(incoming_.begin());
    if (static_cast<int>(buffer_.size()) >= threshold_) {
        const Bytes arrived = std::move(buffer_);
        buffer_.clear();
        engine_->BytesArrived(arrived);
    }
}

std::optional<TransferOutcome> SimulatedLink::Run() {
    finished.reset();
    // Every step delivers a byte, ends a pause, lets the line go or lets 300 ms pass, so a
    // transfer that misbehaves still ends within this many steps.
    for (int step = 0; step < 2'000'000 && engine_->IsRunning(); ++step) {
        if (cancelAfterCommands >= 0 &&
            static_cast<int>(radio_.Commands().size()) >= cancelAfterCommands) {
            cancelAfterCommands = -1;
            engine_->Cancel();
            continue;
        }
        if (open_ && paused_) {
            // The bytes already on the line arrive during the pause.
            if (!incoming_.empty()) {
                Deliver();
                continue;
            }
            const Bytes command = std::move(*paused_);
            paused_.reset();
            Transmit(command, true);
            continue;
        }
        if (open_ && !incoming_.empty()) {
            Deliver();
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
