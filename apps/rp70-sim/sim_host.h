#pragma once
// The simulated radio at work on its pseudo-terminal: bytes from the computer go to the radio,
// the echo and the answers go back at the pace of the line, the memory file follows every
// stored block.

#include <ctime>
#include <optional>
#include <string>

#include "line_watch.h"
#include "pty_device.h"
#include "radio_simulator.h"
#include "wire_log.h"
#include "wire_pacer.h"

namespace rp70::sim {

class SimHost {
public:
    /// `log`, `watch` and `memoryPath` may be absent; `stopFd` becomes readable when the host is
    /// to end. The log notes the computer opening and closing the line that `watch` sees.
    SimHost(PtyDevice& device, RadioSimulator& radio, WirePacer pacer, WireLog* log,
            LineWatch* watch, std::optional<std::string> memoryPath, int stopFd);

    /// Runs until a stop signal or until the radio hangs up the line (both 0), or until the
    /// device or the memory file fails (a line on stderr, 1).
    int Run();

private:
    /// Hands what the computer sent to the radio and queues the answer; false on a failure.
    bool ReceiveFromComputer();
    /// Writes the bytes that are due; false on a failure.
    bool WriteDue();
    /// Notes in the log how the computer opened or closed the line.
    void NoteLineChanges();
    /// Lets the computer read the last bytes, closes the device and saves the memory.
    int HangUp();
    bool SaveMemory();
    /// How long to wait for the computer before the next paced byte is due; nullopt: no limit.
    std::optional<timespec> PollTimeout() const;

    PtyDevice& device_;
    RadioSimulator& radio_;
    WirePacer pacer_;
    WireLog* log_;
    LineWatch* watch_;
    std::optional<std::string> memoryPath_;
    int stopFd_;
    Bytes unwritten_; ///< due bytes the device could not take yet
};

} // namespace rp70::sim
