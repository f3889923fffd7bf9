// rp70-sim: a simulated KT-RP70 radio on a pseudo-terminal.

#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/stat.h>

#include "device_link.h"
#include "host_options.h"
#include "line_watch.h"
#include "memory_file.h"
#include "pty_device.h"
#include "sample_radio.h"
#include "sim_host.h"
#include "stop_signal.h"

using namespace rp70::sim;

namespace {

/// The memory the radio starts with: the file's, a blank one when the file is missing (`create`
/// is then set), or the sample radio's without a file. Nullopt after a line on stderr.
std::optional<rp70::RadioMemory> StartMemory(const HostOptions& options, bool& create) {
    create = false;
    if (!options.MemoryPath) {
        return SampleRadioMemory();
    }
    rp70::RadioMemory memory = BlankRadioMemory();
    struct stat status {};
    if (::stat(options.MemoryPath->c_str(), &status) != 0 && errno == ENOENT) {
        create = true;
        return memory;
    }
    std::string error;
    if (!LoadMemoryFile(*options.MemoryPath, memory, error)) {
        Fail(error);
        return std::nullopt;
    }
    return memory;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("rp70-sim");
    QCoreApplication::setApplicationVersion(RP70_VERSION);
    std::signal(SIGPIPE, SIG_IGN);

    const std::optional<HostOptions> options = ParseHostOptions(QCoreApplication::arguments());
    if (!options) {
        return kExitUsage;
    }
    bool create = false;
    const std::optional<rp70::RadioMemory> memory = StartMemory(*options, create);
    if (!memory) {
        return kExitFailure;
    }
    RadioSimulator radio(*memory, options->Identity, options->Faults);
    std::string error;
    if (create && !SaveMemoryFile(*options->MemoryPath, radio.Memory(), error)) {
        return Fail(error);
    }
    std::optional<WireLog> log =
        options->LogPath ? WireLog::Open(*options->LogPath, error) : std::nullopt;
    if (options->LogPath && !log) {
        return Fail(error);
    }
    const StopSignal stop;
    if (!stop.Ready()) {
        return Fail("cannot catch stop signals");
    }
    std::optional<PtyDevice> device = PtyDevice::Open(error);
    if (!device) {
        return Fail(error);
    }
    const std::optional<DeviceLink> link =
        options->LinkPath ? DeviceLink::Create(*options->LinkPath, device->Path(), error)
                          : std::nullopt;
    if (options->LinkPath && !link) {
        return Fail(error);
    }

    // The transcript notes when the computer takes the line and gives it back.
    std::optional<LineWatch> watch = log ? LineWatch::Open(device->Path(), error) : std::nullopt;
    if (log && !watch) {
        return Fail(error);
    }

    std::printf("%s\n", device->Path().c_str());
    std::fflush(stdout);

    WirePacer pacer(options->Fast ? std::chrono::nanoseconds::zero() : kByteTime9600);
    SimHost host(*device, radio, pacer, log ? &*log : nullptr, watch ? &*watch : nullptr,
                 options->MemoryPath, stop.Fd());
    return host.Run();
}
