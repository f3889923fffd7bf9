#include "sim_host.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

#include "host_options.h"
#include "memory_file.h"

namespace rp70::sim {

namespace {

using Clock = WirePacer::Clock;

/// How long the computer gets to read the last bytes before the line is hung up.
constexpr int kHangUpGraceMs = 20;
constexpr int kHangUpLongestMs = 1000;

std::string Reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

} // namespace

SimHost::SimHost(PtyDevice& device, RadioSimulator& radio, WirePacer pacer, WireLog* log,
                 LineWatch* watch, std::optional<std::string> memoryPath, int stopFd)
    : device_(device), radio_(radio), pacer_(std::move(pacer)), log_(log), watch_(watch),
      memoryPath_(std::move(memoryPath)), stopFd_(stopFd) {}

int SimHost::Run() {
    for (;;) {
        if (!WriteDue()) {
            return kExitFailure;
        }
        if (radio_.HungUp() && pacer_.Empty() && unwritten_.empty()) {
            return HangUp();
        }
        std::array<pollfd, 3> fds{};
        fds[0] = {stopFd_, POLLIN, 0};
        fds[1] = {device_.Master(), 0, 0};
        fds[2] = {watch_ != nullptr ? watch_->Fd() : -1, POLLIN, 0};
        if (!radio_.HungUp()) {
            fds[1].events |= POLLIN;
        }
        if (!unwritten_.empty()) {
            fds[1].events |= POLLOUT;
        }
        const std::optional<timespec> timeout = PollTimeout();
        if (::ppoll(fds.data(), fds.size(), timeout ? &*timeout : nullptr, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Fail(Reason("poll"));
        }
        if ((fds[2].revents & POLLIN) != 0 || (fds[0].revents & POLLIN) != 0) {
            NoteLineChanges(); // also the last ones, before a stop
        }
        if ((fds[0].revents & POLLIN) != 0) {
            return 0;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            if (!ReceiveFromComputer()) {
                return kExitFailure;
            }
        } else if ((fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return Fail(device_.Path() + ": the pseudo-terminal failed");
        }
    }
}

bool SimHost::ReceiveFromComputer() {
    std::array<std::uint8_t, 4096> buffer{};
    const ssize_t count = ::read(device_.Master(), buffer.data(), buffer.size());
    if (count < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            return true;
        }
        Fail(device_.Path() + ": " + std::strerror(errno));
        return false;
    }
    const std::span<const std::uint8_t> received(buffer.data(), static_cast<std::size_t>(count));
    const std::size_t known = radio_.Commands().size();
    const Bytes answer = radio_.Receive(received);
    if (log_ != nullptr) {
        log_->FromComputer(received);
        for (std::size_t i = known; i < radio_.Commands().size(); ++i) {
            log_->Command(radio_.Commands()[i]);
        }
        log_->ToComputer(answer);
        if (radio_.HungUp()) {
            log_->Note("line hung up");
        }
    }
    pacer_.Add(answer, Clock::now());
    return !radio_.TakeMemoryChanged() || SaveMemory();
}

void SimHost::NoteLineChanges() {
    if (watch_ == nullptr) {
        return;
    }
    for (const LineWatch::Change change : watch_->Take()) {
        if (log_ != nullptr) {
            log_->Note(change == LineWatch::Change::Opened ? "the computer opened the line"
                                                           : "the computer closed the line");
        }
    }
}

bool SimHost::WriteDue() {
    const Bytes due = pacer_.TakeDue(Clock::now());
    unwritten_.insert(unwritten_.end(), due.begin(), due.end());
    while (!unwritten_.empty()) {
        const ssize_t written = ::write(device_.Master(), unwritten_.data(), unwritten_.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                return true;
            }
            Fail(device_.Path() + ": " + std::strerror(errno));
            return false;
        }
        unwritten_.erase(unwritten_.begin(), unwritten_.begin() + written);
    }
    return true;
}

int SimHost::HangUp() {
    // Bytes reach the computer's side a moment after they were written; then wait (a bounded
    // time) until it has read them, so that the echo is not lost with the line.
    ::poll(nullptr, 0, kHangUpGraceMs);
    for (int waited = kHangUpGraceMs; waited < kHangUpLongestMs && device_.Unread() > 0;
         waited += kHangUpGraceMs) {
        ::poll(nullptr, 0, kHangUpGraceMs);
    }
    device_.Close();
    return SaveMemory() ? 0 : kExitFailure;
}

bool SimHost::SaveMemory() {
    if (!memoryPath_) {
        return true;
    }
    std::string error;
    if (!SaveMemoryFile(*memoryPath_, radio_.Memory(), error)) {
        Fail(error);
        return false;
    }
    return true;
}

std::optional<timespec> SimHost::PollTimeout() const {
    const std::optional<Clock::time_point> due = pacer_.NextDue();
    if (!unwritten_.empty() || !due) {
        return std::nullopt;
    }
    // To the nanosecond: a reply's last byte must not wait for the next millisecond.
    const auto wait = std::max(Clock::duration::zero(), *due - Clock::now());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

} // namespace rp70::sim
