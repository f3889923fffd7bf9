#include "memory_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace rp70::sim {

namespace {

std::string Reason(const std::string& path) {
    return path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(fd, bytes, count);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

/// The permissions the file keeps: those of the file it replaces, else the usual ones for a
/// new file.
mode_t ModeFor(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        return status.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool LoadMemoryFile(const std::string& path, RadioMemory& memory, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = Reason(path);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size != static_cast<off_t>(kRadioMemorySize)) {
        ::close(fd);
        error =
            path + ": not a radio memory file of " + std::to_string(kRadioMemorySize) + " bytes";
        return false;
    }
    std::size_t done = 0;
    while (done < memory.size()) {
        const ssize_t got = ::read(fd, memory.data() + done, memory.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            error = got < 0 ? Reason(path) : path + ": the file ended early";
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return true;
}

bool SaveMemoryFile(const std::string& path, const RadioMemory& memory, std::string& error) {
    const mode_t mode = ModeFor(path);
    std::string name = path + ".XXXXXX";
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error = Reason(path);
        return false;
    }
    const std::string temporary(pattern.data());
    const bool written = WriteAll(fd, memory.data(), memory.size()) && ::fchmod(fd, mode) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        if (!written) {
            errno = savedErrno;
        }
        error = Reason(path);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace rp70::sim
