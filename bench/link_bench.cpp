// link_bench: how close a transfer through the serial port comes to the speed of the wire.
//
// Starts rp70-sim (paced at 9600 baud) on a temporary memory file, writes a fully programmed
// image into it, reads it back and writes it once more with the read-back verification, through
// SerialLinkPort and the link engine, and prints for
// each transfer its time, the wire-time floor and their ratio. The floor is every byte the
// computer received (echo and replies) at 960 bytes per second, plus the 2 ms pause before each
// command sent with one: what no implementation can beat.
//
// Usage: link_bench [PATH/TO/rp70-sim]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "link_session.h"
#include "shell/startup.h"
#include "support/recording_interaction.h"
#include "support/rich_image.h"

namespace {

constexpr double kWireBytesPerSecond = 960.0;

struct Measurement {
    bool ok = false;
    double seconds = 0;
    std::int64_t bytes = 0;
    int pausedSends = 0;
};

Measurement Run(rp70::LinkSession& session, rp70::TransferKind kind) {
    Measurement result;
    QEventLoop loop;
    std::optional<rp70::TransferOutcome> outcome;
    const auto connection = QObject::connect(&session, &rp70::LinkSession::finished,
                                             [&](rp70::TransferKind, rp70::TransferOutcome o) {
                                                 outcome = o;
                                                 loop.quit();
                                             });
    session.port().ResetCounters();
    QElapsedTimer timer;
    timer.start();
    if (session.start(kind)) {
        if (!outcome) {
            loop.exec();
        }
    }
    result.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    QObject::disconnect(connection);
    result.ok = outcome == rp70::TransferOutcome::Succeeded;
    result.bytes = session.port().BytesReceived();
    result.pausedSends = session.port().PausedSends();
    return result;
}

void Report(const char* name, const Measurement& m) {
    const double floor = static_cast<double>(m.bytes) / kWireBytesPerSecond +
                         static_cast<double>(m.pausedSends) * rp70::kCommandPauseMs / 1000.0;
    std::printf("%-12s %s  time %7.3f s  floor %7.3f s  ratio %.4f  (%lld bytes received, %d "
                "paused commands)\n",
                name, m.ok ? "ok    " : "FAILED", m.seconds, floor,
                floor > 0 ? m.seconds / floor : 0.0, static_cast<long long>(m.bytes),
                m.pausedSends);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString simPath = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(RP70_SIM_PATH);

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "link_bench: no temporary folder\n");
        return 1;
    }
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(simPath, {"--memory", folder.filePath("radio.bin")});
    // The simulator's first line names its pseudo-terminal.
    while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
    }
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    if (device.isEmpty()) {
        std::fprintf(stderr, "link_bench: %s printed no device path\n", qPrintable(simPath));
        return 1;
    }

    auto image = std::make_unique<rp70::RadioImage>();
    rp70::ProgramState state = rp70::StartUp(
        {folder.filePath("home").toStdString(), std::filesystem::path(), std::nullopt, nullptr, {}},
        *image);
    rp70::test::FillRichImage(*image);

    rp70::test::RecordingInteraction ui; // no question is asked: the bench is the consent
    rp70::LinkSession session(device, *image, state, ui);
    session.transfer().ConfirmBeforeTransfer = false;

    std::printf("rp70-sim on %s, paced at 9600 baud\n", qPrintable(device));
    const Measurement write = Run(session, rp70::TransferKind::Write);
    Report("Write", write);
    const Measurement read = Run(session, rp70::TransferKind::Read);
    Report("Read", read);
    session.transfer().VerifyAfterWrite = true;
    const Measurement verified = Run(session, rp70::TransferKind::Write);
    Report("Write+verify", verified);
    if ((!write.ok || !read.ok || !verified.ok) && !ui.shown.empty()) {
        std::printf("last message: %s\n", ui.shown.back().Text.c_str());
    }

    sim.terminate();
    sim.waitForFinished(2000);
    return write.ok && read.ok && verified.ok ? 0 : 1;
}
