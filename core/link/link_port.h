#pragma once
// What the transfer engine needs from the serial line and from the window that shows it. The
// port layer implements LinkPort with a real serial port and a timer; tests with a simulated
// radio and a clock of their own.

#include "link/port_failure.h"
#include "link/wire_protocol.h"
#include "memory/block_passes.h"

namespace rp70 {

/// Milliseconds the engine waits for a reply before it sends the command again.
inline constexpr int kReplyTimeoutMs = 300;
/// Milliseconds of quiet before most commands leave.
inline constexpr int kCommandPauseMs = 2;

/// What a LinkPort reports back to the side that drives it (the engine, LinkTransfer).
class LinkEvents {
public:
    virtual ~LinkEvents() = default;

    /// Once the receive threshold is reached: every byte that has arrived, at once.
    virtual void BytesArrived(const Bytes& received) = 0;
    /// The reply timer fired.
    virtual void ReplyTimeout() = 0;
    /// The port went away (a cable pulled, a closed pseudo-terminal).
    virtual void PortLost() = 0;
};

/// The serial line to the radio. Its events come back through LinkEvents.
class LinkPort {
public:
    virtual ~LinkPort() = default;

    /// Closes the port if it is open, then opens it at 9600 baud, 8 data bits, no parity,
    /// 1 stop bit, without flow control, with receive threshold 1. False when it could not be
    /// configured or opened.
    virtual bool Open() = 0;
    virtual bool IsOpen() const = 0;
    /// Why the last Open() failed; PortFault::None when it did not or nothing is known.
    virtual PortFailure OpenFailure() const { return {}; }
    /// Closes the port; bytes not yet sent or handed over are dropped.
    virtual void Close() = 0;

    /// How many bytes (echo included) must have arrived before they are handed over.
    virtual void SetReceiveThreshold(int count) = 0;

    /// Clears both buffers of the port, then sends `bytes`; with `pauseFirst` clearing and
    /// sending happen 2 ms later. False when the port cannot take them.
    virtual bool Send(const Bytes& bytes, bool pauseFirst) = 0;

    /// Starts (or restarts) the 300 ms reply timer; it fires once.
    virtual void StartReplyTimer() = 0;
    virtual void StopReplyTimer() = 0;
};

/// How a transfer ended.
enum class TransferOutcome { Succeeded, Failed, Cancelled };

/// The window side of a transfer (the progress window of a Read or a Write).
class LinkObserver {
public:
    virtual ~LinkObserver() = default;

    /// A Read or a Write starts: the progress window opens, showing 0 %.
    virtual void ShowProgress(TransferKind kind) = 0;
    /// The percentage to show.
    virtual void SetProgressValue(int percent) = 0;
    /// A Write's blocks are being read back: the progress window shows that pass from 0 %.
    virtual void ShowVerifyPass() {}
    /// The transfer is ending: the progress window goes away before the final message.
    virtual void CloseProgress() = 0;
    /// A radio switched on a feature flag: menus and tree follow the flags.
    virtual void FeaturesChanged() {}
    /// A Read has replaced the image (before its success message): the windows show it.
    virtual void ImageReplaced() {}
    /// The transfer is over and the engine idle; on success of a Read the image has been
    /// replaced, of a Radio information transfer the radio information has been decoded.
    virtual void TransferFinished(TransferKind kind, TransferOutcome outcome) = 0;
};

} // namespace rp70
