#pragma once
// The radio's emergency alarm and lone-worker settings: 12 single bytes.

#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"

namespace rp70 {

/// Size of an AlertRecord in the data file.
inline constexpr std::size_t kAlertRecordSize = 12;

/// Alarm settings, in stored order (byte 0 first).
struct AlertRecord {
    /// Byte 0: alarm mode 0 … 3.
    std::uint8_t AlarmMode = 0;
    /// Byte 1: 0 no code, 1 DTMF, 2 5-tone.
    std::uint8_t IdCodeType = 0;
    /// Byte 2: DTMF memory 0 … 15 (type 1) or 5-tone code 0 … 99 (type 2); 0 for type 0.
    std::uint8_t IdCode = 0;
    /// Byte 3: seconds, 1 … 255.
    std::uint8_t AlarmTime = 0;
    /// Byte 4: seconds, 1 … 255.
    std::uint8_t AlertTxTime = 0;
    /// Byte 5: seconds, 1 … 255.
    std::uint8_t AlertRxTime = 0;
    /// Byte 6: 0 or 1, whether the emergency channel below is used.
    std::uint8_t ChannelSelect = 0;
    /// Byte 7: channel number − 1 of a memory channel (0 … 199).
    std::uint8_t EmergencyChannel = 0;
    /// Byte 8: 0 off, otherwise the repeat count 1 … 255.
    std::uint8_t AlertCycle = 0;
    /// Byte 9: lone-worker detection, 0 off, 1 on.
    std::uint8_t AutoDetect = 0;
    /// Byte 10: seconds, 1 … 254.
    std::uint8_t PreAlertTime = 0;
    /// Byte 11: seconds, 5 … 255.
    std::uint8_t LoneWorkerTime = 0;

    bool operator==(const AlertRecord&) const = default;
};

/// Appends the 12-byte data-file form of `record`.
void Write(ByteWriter& out, const AlertRecord& record);

/// Reads the 12-byte data-file form; throws TruncatedData and leaves `record` unchanged when
/// the data ends early.
void Read(ByteReader& in, AlertRecord& record);

/// Sets the values of a new image: pre-alert time 1, lone-worker time 5, every other byte 0.
void SetDefaults(AlertRecord& record);

} // namespace rp70
