#include "serial_link_port.h"

#include <QMetaObject>

#include "device_access.h"

namespace rp70 {

SerialLinkPort::SerialLinkPort(const QString& portName, QObject* parent)
    : QObject(parent), serial_(this), replyTimer_(this), pauseTimer_(this), portName_(portName) {
    replyTimer_.setSingleShot(true);
    replyTimer_.setInterval(kReplyTimeoutMs);
    replyTimer_.setTimerType(Qt::PreciseTimer);
    // A coarse timer may fire up to 5 % late, which on a 2 ms pause is lost wire time on every
    // command.
    pauseTimer_.setSingleShot(true);
    pauseTimer_.setInterval(kCommandPauseMs);
    pauseTimer_.setTimerType(Qt::PreciseTimer);

    connect(&serial_, &QSerialPort::readyRead, this, &SerialLinkPort::OnReadyRead);
    connect(&serial_, &QSerialPort::errorOccurred, this, &SerialLinkPort::OnError);
    connect(&replyTimer_, &QTimer::timeout, this, &SerialLinkPort::OnReplyTimeout);
    connect(&pauseTimer_, &QTimer::timeout, this, &SerialLinkPort::SendPending);
}

SerialLinkPort::~SerialLinkPort() {
    events_ = nullptr;
    Close();
}

bool SerialLinkPort::Open() {
    Close();
    lastError_.clear();
    openFailure_ = {};
    lostReported_ = false;
    opening_ = true;
    std::string holder;
    if (!portName_.isEmpty() && !lock_.Take(DevicePath(portName_), holder)) {
        // Another program (or another rp70) has the port: two would garble each other's
        // transfers.
        opening_ = false;
        lastError_ = QString::fromStdString(holder);
        openFailure_ = {PortFault::Busy, portName_.toStdString(), holder, {}};
        return false;
    }
    serial_.setPortName(portName_);
    bool opened = !portName_.isEmpty() && serial_.open(QIODevice::ReadWrite);
    opened = opened && serial_.setBaudRate(QSerialPort::Baud9600) &&
             serial_.setDataBits(QSerialPort::Data8) && serial_.setParity(QSerialPort::NoParity) &&
             serial_.setStopBits(QSerialPort::OneStop) &&
             serial_.setFlowControl(QSerialPort::NoFlowControl);
    opening_ = false;
    if (!opened) {
        lastError_ =
            portName_.isEmpty() ? QStringLiteral("no serial port chosen") : serial_.errorString();
        openFailure_ = FailureOf(serial_.error());
        if (serial_.isOpen()) {
            serial_.close();
        }
        lock_.Release();
        return false;
    }
    threshold_ = 1;
    return true;
}

PortFailure SerialLinkPort::FailureOf(QSerialPort::SerialPortError error) const {
    if (portName_.isEmpty()) {
        return {PortFault::NotChosen, {}, {}};
    }
    PortFailure failure{PortFault::Other, portName_.toStdString(),
                        serial_.errorString().toStdString()};
    if (error == QSerialPort::DeviceNotFoundError) {
        failure.Fault = PortFault::Missing;
    } else if (error == QSerialPort::PermissionError) {
        // The system says the same of a port the user may not open and of one another program
        // holds (locked, or opened exclusively); the device's permissions tell them apart.
        const DeviceAccess access = ProbeDeviceAccess(DevicePath(portName_));
        failure.Fault =
            access.Access == PortAccess::Denied ? PortFault::PermissionDenied : PortFault::Busy;
        failure.Group = access.Group;
    }
    return failure;
}

bool SerialLinkPort::IsOpen() const {
    return serial_.isOpen();
}

void SerialLinkPort::Close() {
    replyTimer_.stop();
    pauseTimer_.stop();
    pending_.clear();
    received_.clear();
    if (serial_.isOpen()) {
        serial_.close();
    }
    lock_.Release();
}

void SerialLinkPort::SetReceiveThreshold(int count) {
    threshold_ = count < 1 ? 1 : count;
}

bool SerialLinkPort::Send(const Bytes& bytes, bool pauseFirst) {
    if (!serial_.isOpen()) {
        return false;
    }
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    if (!pauseFirst) {
        pauseTimer_.stop();
        pending_.clear();
        return ClearAndWrite(data);
    }
    // One command is outstanding at a time: a newer one replaces one still waiting.
    pending_ = std::move(data);
    ++pausedSends_;
    pauseTimer_.start();
    return true;
}

void SerialLinkPort::StartReplyTimer() {
    replyTimer_.start();
}

void SerialLinkPort::StopReplyTimer() {
    replyTimer_.stop();
}

void SerialLinkPort::ResetCounters() {
    bytesReceived_ = 0;
    pausedSends_ = 0;
}

void SerialLinkPort::SendPending() {
    if (pending_.isEmpty()) {
        return;
    }
    const QByteArray data = std::move(pending_);
    pending_.clear();
    if (serial_.isOpen() && !ClearAndWrite(data)) {
        ReportLost();
    }
}

bool SerialLinkPort::ClearAndWrite(const QByteArray& bytes) {
    // Whatever is still on its way from the last command is not the answer to this one.
    serial_.clear(QSerialPort::AllDirections);
    received_.clear();
    if (serial_.write(bytes) != bytes.size()) {
        return false;
    }
    // Hand the bytes to the system now rather than on the next turn of the event loop.
    serial_.flush();
    return true;
}

void SerialLinkPort::OnReadyRead() {
    const QByteArray bytes = serial_.readAll();
    bytesReceived_ += bytes.size();
    received_.append(bytes);
    if (received_.size() < threshold_ || events_ == nullptr) {
        return;
    }
    const Bytes handed(received_.begin(), received_.end());
    received_.clear();
    // The engine may send, close the port or end the transfer from here.
    events_->BytesArrived(handed);
}

void SerialLinkPort::OnReplyTimeout() {
    if (events_ != nullptr) {
        events_->ReplyTimeout();
    }
}

void SerialLinkPort::OnError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::NotOpenError:
    case QSerialPort::UnsupportedOperationError:
        return;
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        if (opening_) {
            return; // Open() reports these itself
        }
        break;
    case QSerialPort::WriteError:
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
    case QSerialPort::UnknownError:
        break;
    }
    if (opening_ || !serial_.isOpen()) {
        return;
    }
    lastError_ = serial_.errorString();
    ReportLost();
}

void SerialLinkPort::ReportLost() {
    if (lostReported_) {
        return;
    }
    lostReported_ = true;
    replyTimer_.stop();
    pauseTimer_.stop();
    pending_.clear();
    // Closing the port from inside its own error signal is left to the next turn of the event
    // loop, when QSerialPort has finished with the failed read or write.
    QMetaObject::invokeMethod(
        this,
        [this] {
            Close();
            // The engine ignores a loss while no transfer is running.
            if (events_ != nullptr) {
                events_->PortLost();
            }
        },
        Qt::QueuedConnection);
}

} // namespace rp70
