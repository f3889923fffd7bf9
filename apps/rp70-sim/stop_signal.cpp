#include "stop_signal.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace rp70::sim {

namespace {

// A signal handler can reach nothing but a global; it is set once, before the handlers.
int gWakeFd = -1; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

extern "C" void OnStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gWakeFd, &byte, 1);
    errno = saved;
}

void SetHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

} // namespace

StopSignal::StopSignal() {
    int fds[2];
    if (gWakeFd >= 0 || ::pipe(fds) != 0) {
        return;
    }
    for (const int fd : fds) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    readFd_ = fds[0];
    gWakeFd = fds[1];
    SetHandler(SIGINT, OnStopSignal);
    SetHandler(SIGTERM, OnStopSignal);
}

StopSignal::~StopSignal() {
    if (readFd_ < 0) {
        return;
    }
    SetHandler(SIGINT, SIG_DFL);
    SetHandler(SIGTERM, SIG_DFL);
    ::close(readFd_);
    ::close(gWakeFd);
    gWakeFd = -1;
}

} // namespace rp70::sim
