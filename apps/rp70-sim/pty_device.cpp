#include "pty_device.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace rp70::sim {

std::optional<PtyDevice> PtyDevice::Open(std::string& error) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        error = std::string("no pseudo-terminal: ") + std::strerror(errno);
        return std::nullopt;
    }
    const char* name = nullptr;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        (name = ::ptsname(master)) == nullptr) {
        error = std::string("no pseudo-terminal: ") + std::strerror(errno);
        ::close(master);
        return std::nullopt;
    }
    std::string path(name);
    const int slave = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0) {
        error = path + ": " + std::strerror(errno);
        ::close(master);
        return std::nullopt;
    }
    // A serial line at 9600 baud that passes every byte as it is.
    termios settings{};
    if (::tcgetattr(slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B9600);
        ::cfsetospeed(&settings, B9600);
        ::tcsetattr(slave, TCSANOW, &settings);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    return PtyDevice(master, slave, std::move(path));
}

PtyDevice::PtyDevice(PtyDevice&& other) noexcept
    : master_(std::exchange(other.master_, -1)), slave_(std::exchange(other.slave_, -1)),
      path_(std::move(other.path_)) {}

PtyDevice::~PtyDevice() {
    Close();
}

int PtyDevice::Unread() const {
    int count = 0;
    if (slave_ < 0 || ::ioctl(slave_, FIONREAD, &count) != 0) {
        return 0;
    }
    return count;
}

void PtyDevice::Close() {
    if (slave_ >= 0) {
        ::close(std::exchange(slave_, -1));
    }
    if (master_ >= 0) {
        ::close(std::exchange(master_, -1));
    }
}

} // namespace rp70::sim
