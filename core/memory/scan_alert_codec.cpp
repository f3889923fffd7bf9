#include "memory/scan_alert_codec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/byte_io.h"

namespace rp70 {
namespace {

constexpr std::size_t kScanAddress = 0x03B0;
constexpr std::size_t kAlertAddress = 0x03A0;
constexpr int kAreaLength = 16;

// Scan bytes from this position on are held one lower in the radio.
constexpr std::size_t kFirstLoweredScanByte = 10;

// Alert bytes from this position on sit one address further on, behind the unused 03A7.
constexpr std::size_t kFirstShiftedAlertByte = 7;

/// The record's bytes in their data-file order.
template <typename Record> std::vector<std::uint8_t> BytesOf(const Record& record) {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    Write(out, record);
    return bytes;
}

/// The record read from its data-file bytes; `bytes` holds exactly one record.
template <typename Record, std::size_t N>
void ReadBytes(const std::array<std::uint8_t, N>& bytes, Record& record) {
    ByteReader in(bytes);
    Read(in, record);
}

std::size_t AlertByteAddress(std::size_t k) {
    return kAlertAddress + k + (k >= kFirstShiftedAlertByte ? 1 : 0);
}

} // namespace

void SetCommDataByScan(const RadioImage& image, const EncodeTarget& target) {
    const std::vector<std::uint8_t> bytes = BytesOf(image.Record.Function.Scan);
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const std::uint8_t value = bytes[k];
        target.Memory[kScanAddress + k] =
            k < kFirstLoweredScanByte ? value : static_cast<std::uint8_t>(value - 1);
    }
    target.Marks.MarkForWrite(RecordKind::Scan, static_cast<int>(kScanAddress), kAreaLength);
}

void SetCommDataByAlert(const RadioImage& image, const EncodeTarget& target) {
    const std::vector<std::uint8_t> bytes = BytesOf(image.Record.Function.Alert);
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        target.Memory[AlertByteAddress(k)] = bytes[k];
    }
    target.Marks.MarkForWrite(RecordKind::Alert, static_cast<int>(kAlertAddress), kAreaLength);
}

void GetCommDataByScan(RadioImage& image, const RadioMemory& memory) {
    std::array<std::uint8_t, kScanRecordSize> bytes{};
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const std::uint8_t value = memory[kScanAddress + k];
        bytes[k] = k < kFirstLoweredScanByte ? value : static_cast<std::uint8_t>(value + 1);
    }
    ReadBytes(bytes, image.Record.Function.Scan);
}

void GetCommDataByAlert(RadioImage& image, const RadioMemory& memory) {
    std::array<std::uint8_t, kAlertRecordSize> bytes{};
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        bytes[k] = memory[AlertByteAddress(k)];
    }
    ReadBytes(bytes, image.Record.Function.Alert);
}

} // namespace rp70
