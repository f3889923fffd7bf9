#include "serial_ports.h"

#include <QSerialPortInfo>

#include "device_access.h"

namespace rp70 {

QList<SerialPortEntry> ListSerialPorts() {
    QList<SerialPortEntry> ports;
    const QList<QSerialPortInfo> available = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : available) {
        SerialPortEntry port{info.portName(), info.systemLocation(), info.description(),
                             info.manufacturer()};
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.VendorId = info.vendorIdentifier();
            port.ProductId = info.productIdentifier();
        }
        const DeviceAccess access = ProbeDeviceAccess(info.systemLocation());
        port.Access = access.Access;
        port.Group = QString::fromStdString(access.Group);
        ports.append(port);
    }
    return ports;
}

PortCheck CheckOf(const SerialPortEntry& port) {
    return {port.PortName.toStdString(),
            port.SystemLocation.toStdString(),
            port.Description.toStdString(),
            port.VendorId,
            port.ProductId,
            port.Access,
            port.Group.toStdString()};
}

std::optional<std::int16_t> ComPortNumber(const QString& portName) {
    if (!portName.startsWith(QLatin1String("COM"))) {
        return std::nullopt;
    }
    const QString digits = portName.mid(3, 3).trimmed();
    bool ok = false;
    const int number = digits.toInt(&ok, 10);
    if (!ok || number < 1 || number > 255 || digits.startsWith(QLatin1Char('+'))) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(number);
}

std::vector<std::int16_t> SerialPortNumbers(const QList<SerialPortEntry>& ports) {
    std::vector<std::int16_t> numbers;
    for (const SerialPortEntry& port : ports) {
        if (const auto number = ComPortNumber(port.PortName)) {
            numbers.push_back(*number);
        }
    }
    return numbers;
}

} // namespace rp70
