#include "interrupt_watch.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
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

/// SIGINT writes a byte into a pipe whose reading end the event loop watches. Interrupted
/// system calls restart.
struct InterruptWatch::Source {
    int fds[2] = {-1, -1};
    std::optional<QSocketNotifier> notifier;
    struct sigaction previous {};
    bool installed = false;
};

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt)
    : source_(std::make_unique<Source>()) {
    interruptCount = 0;
    int* const fds = source_->fds;
    if (pipe(fds) != 0) {
        fds[0] = fds[1] = -1;
        return;
    }
    for (int i = 0; i < 2; ++i) {
        fcntl(fds[i], F_SETFL, fcntl(fds[i], F_GETFL) | O_NONBLOCK);
        fcntl(fds[i], F_SETFD, FD_CLOEXEC);
    }
    interruptPipeWrite = fds[1];
    source_->notifier.emplace(fds[0], QSocketNotifier::Read);
    QObject::connect(&*source_->notifier, &QSocketNotifier::activated,
                     [readEnd = fds[0], onInterrupt = std::move(onInterrupt)] {
                         char bytes[16];
                         while (read(readEnd, bytes, sizeof bytes) > 0) {
                         }
                         onInterrupt();
                     });
    struct sigaction action {};
    action.sa_handler = OnInterruptSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    source_->installed = sigaction(SIGINT, &action, &source_->previous) == 0;
}

InterruptWatch::~InterruptWatch() {
    if (source_->installed) {
        sigaction(SIGINT, &source_->previous, nullptr);
    }
    interruptPipeWrite = -1;
    source_->notifier.reset();
    for (const int fd : source_->fds) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool InterruptWatch::Interrupted() const {
    return interruptCount > 0;
}

} // namespace rp70::cli
