#pragma once
// The link engine's serial line on a real serial port: QSerialPort at 9600 8N1 without flow
// control, the 300 ms reply timer and the 2 ms pause before a command. Received bytes
// accumulate until the engine's receive threshold is reached and are then handed over at once,
// as the radio's serial control does.

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "device_access.h"
#include "link/link_port.h"

namespace rp70 {

class SerialLinkPort : public QObject, public LinkPort {
    Q_OBJECT

public:
    /// `portName` is what QSerialPort accepts: a name such as "ttyUSB0" or "COM3", or a full
    /// device path such as "/dev/pts/5".
    explicit SerialLinkPort(const QString& portName = {}, QObject* parent = nullptr);
    ~SerialLinkPort() override;

    /// The side that receives the port's events (the engine, LinkTransfer); engine and port
    /// refer to each other, so it is attached after both exist. Without one, events are dropped.
    void Attach(LinkEvents& events) { events_ = &events; }
    void Detach() { events_ = nullptr; }

    /// The port the next Open() opens.
    void SetPortName(const QString& portName) { portName_ = portName; }
    const QString& PortName() const { return portName_; }
    /// Why the last Open() failed or the port was lost, as the system says it.
    const QString& LastError() const { return lastError_; }

    bool Open() override;
    bool IsOpen() const override;
    PortFailure OpenFailure() const override { return openFailure_; }
    void Close() override;
    void SetReceiveThreshold(int count) override;
    bool Send(const Bytes& bytes, bool pauseFirst) override;
    void StartReplyTimer() override;
    void StopReplyTimer() override;

    /// Bytes received since the last ResetCounters (echo and replies alike).
    std::int64_t BytesReceived() const { return bytesReceived_; }
    /// Commands sent with the 2 ms pause since the last ResetCounters.
    int PausedSends() const { return pausedSends_; }
    void ResetCounters();

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    void OnReplyTimeout();
    void SendPending();
    bool ClearAndWrite(const QByteArray& bytes);
    void ReportLost();
    PortFailure FailureOf(QSerialPort::SerialPortError error) const;

    QSerialPort serial_;
    DeviceLock lock_; ///< held while the port is open
    QTimer replyTimer_;
    QTimer pauseTimer_;
    QString portName_;
    QString lastError_;
    PortFailure openFailure_;
    LinkEvents* events_ = nullptr;

    QByteArray received_; ///< bytes not yet handed over
    int threshold_ = 1;
    QByteArray pending_; ///< the command waiting for the end of its pause
    bool opening_ = false;
    bool lostReported_ = false;

    std::int64_t bytesReceived_ = 0;
    int pausedSends_ = 0;
};

} // namespace rp70
