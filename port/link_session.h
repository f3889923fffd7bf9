#pragma once
// One serial port and the link engine on it, with the progress window's side as Qt signals: the
// object the command line and the desktop program run their transfers through.

#include <QObject>
#include <QString>

#include "link/link_port.h"
#include "link/link_transfer.h"
#include "serial_link_port.h"
#include "shell/startup.h"

namespace rp70 {

/// Its signals are emitted from inside the serial port's own handlers: a slot must not delete
/// the session (use deleteLater(), and only once it is no longer running).
class LinkSession : public QObject, public LinkObserver {
    Q_OBJECT

public:
    /// Transfers on `portName` (a port name or a device path) move `image` and use `state`;
    /// messages and the radio password prompt go through `ui`. All three must outlive the
    /// session.
    LinkSession(const QString& portName, RadioImage& image, ProgramState& state, Interaction& ui,
                QObject* parent = nullptr);
    ~LinkSession() override;

    SerialLinkPort& port() { return port_; }
    LinkTransfer& transfer() { return transfer_; }
    bool isRunning() const { return transfer_.IsRunning(); }

    /// Starts a transfer; false when none started (finished() then does not follow).
    bool start(TransferKind kind);
    /// Stops the running transfer on the next turn of the event loop (never in the middle of
    /// one of the engine's steps); finished() follows with TransferOutcome::Cancelled unless
    /// the transfer was already ending.
    void cancel();

    void ShowProgress(TransferKind kind) override;
    void SetProgressValue(int percent) override;
    void ShowVerifyPass() override;
    void CloseProgress() override;
    void FeaturesChanged() override;
    void ImageReplaced() override;
    void TransferFinished(TransferKind kind, TransferOutcome outcome) override;

signals:
    /// A Read or a Write is under way: its progress shows 0 %.
    void progressShown(rp70::TransferKind kind);
    void progressValue(int percent);
    /// A Write's blocks are being read back; the progress counts that pass from 0 %.
    void verifyPassShown();
    /// The progress goes away; the transfer's final message follows.
    void progressClosed();
    /// A radio switched on a feature flag of the program state.
    void featuresChanged();
    /// A Read has replaced the image; its success message follows.
    void imageReplaced();
    /// The transfer is over and the engine idle.
    void finished(rp70::TransferKind kind, rp70::TransferOutcome outcome);

private:
    SerialLinkPort port_;
    LinkTransfer transfer_;
};

} // namespace rp70

Q_DECLARE_METATYPE(rp70::TransferKind)
Q_DECLARE_METATYPE(rp70::TransferOutcome)
