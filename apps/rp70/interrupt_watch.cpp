#include "interrupt_watch.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace rp70::cli {
namespace {

/// The write end of the pipe the SIGINT handler signals through; a signal handler can reach
/// nothing else.
volatile std::sig_atomic_t interruptPipeWrite = -1;
volatile std::sig_atomic_t interruptCount = 0;

extern "C" void OnInterruptSignal(int) {
    const int savedErrno = errno;
    interruptCount = 1;
    if (interruptPipeWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(interruptPipeWrite, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt)
    : onInterrupt_(std::move(onInterrupt)) {
    interruptCount = 0;
    if (pipe(fds_) != 0) {
        fds_[0] = fds_[1] = -1;
        return;
    }
    for (const int fd : fds_) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    interruptPipeWrite = fds_[1];
    notifier_.emplace(fds_[0], QSocketNotifier::Read);
    QObject::connect(&*notifier_, &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (read(fds_[0], bytes, sizeof bytes) > 0) {
        }
        onInterrupt_();
    });
    struct sigaction action {};
    action.sa_handler = OnInterruptSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = sigaction(SIGINT, &action, &previous_) == 0;
}

InterruptWatch::~InterruptWatch() {
    if (installed_) {
        sigaction(SIGINT, &previous_, nullptr);
    }
    interruptPipeWrite = -1;
    notifier_.reset();
    for (const int fd : fds_) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool InterruptWatch::Interrupted() const {
    return interruptCount > 0;
}

} // namespace rp70::cli
