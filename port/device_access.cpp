#include "device_access.h"

#include <QFile>
#include <QProcess>
#include <QtGlobal>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace rp70 {

QString DevicePath(const QString& portName) {
#ifdef Q_OS_WIN
    return portName;
#else
    return portName.startsWith(QLatin1Char('/')) ? portName : QStringLiteral("/dev/") + portName;
#endif
}

#ifdef Q_OS_WIN

DeviceAccess ProbeDeviceAccess(const QString&) {
    return {};
}

bool DeviceLock::Take(const QString&, std::string&) {
    return true; // Windows opens a port for one program at a time
}

void DeviceLock::Release() {}

bool SystemBrlttySeen() {
    return false;
}

#else

namespace {

/// "process 1234 (rp70)" for the process /proc/locks names as holding a lock on the file
/// `status` describes; empty when none is found.
std::string LockHolder(const struct stat& status) {
    // "1: FLOCK  ADVISORY  WRITE 1234 00:1a:5 0 EOF": the file is the major and minor number
    // (hexadecimal) of the file system holding it and its inode.
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, pid, file;
        if (!(fields >> number >> kind >> mode >> access >> pid >> file) || kind != "FLOCK") {
            continue;
        }
        unsigned long fileMajor = 0, fileMinor = 0, inode = 0;
        if (std::sscanf(file.c_str(), "%lx:%lx:%lu", &fileMajor, &fileMinor, &inode) != 3 ||
            fileMajor != major(status.st_dev) || fileMinor != minor(status.st_dev) ||
            inode != status.st_ino) {
            continue;
        }
        std::ifstream comm("/proc/" + pid + "/comm");
        std::string name;
        std::getline(comm, name);
        return "process " + pid + (name.empty() ? "" : " (" + name + ")");
    }
    return {};
}

} // namespace

DeviceAccess ProbeDeviceAccess(const QString& device) {
    const QByteArray path = QFile::encodeName(device);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) {
        return {};
    }
    DeviceAccess access;
    if (const struct group* owner = ::getgrgid(status.st_gid)) {
        access.Group = owner->gr_name;
    }
    access.Access =
        ::access(path.constData(), R_OK | W_OK) == 0 ? PortAccess::Allowed : PortAccess::Denied;
    return access;
}

bool DeviceLock::Take(const QString& device, std::string& holder) {
    Release();
    const int fd =
        ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) {
        fd_ = fd;
        return true;
    }
    struct stat status {};
    holder = ::fstat(fd, &status) == 0 ? LockHolder(status) : std::string();
    holder = holder.empty() ? "locked by another program" : "locked by " + holder;
    ::close(fd);
    return false;
}

void DeviceLock::Release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool SystemBrlttySeen() {
    QProcess dmesg;
    dmesg.start(QStringLiteral("dmesg"), {}, QIODevice::ReadOnly);
    QByteArray log;
    if (dmesg.waitForFinished(2000) && dmesg.exitStatus() == QProcess::NormalExit &&
        dmesg.exitCode() == 0) {
        log = dmesg.readAllStandardOutput();
    } else {
        dmesg.kill();
        dmesg.waitForFinished(1000);
    }
    return BrlttySeen("/proc", std::string_view(log.constData(), static_cast<size_t>(log.size())));
}

#endif

} // namespace rp70
