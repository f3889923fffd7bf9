#pragma once
// The radio's scan settings: 14 single bytes.

#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"

namespace rp70 {

/// Size of a ScanRecord in the data file.
inline constexpr std::size_t kScanRecordSize = 14;

/// Scan settings, in stored order (byte 0 first).
struct ScanRecord {
    /// Byte 0: 0 or 1.
    std::uint8_t ScanMode = 0;
    /// Byte 1: 0 none, 1 priority channel 1, 2 priority channel 2, 3 both.
    std::uint8_t PriorityMode = 0;
    /// Byte 2: revert choice 0 … 7.
    std::uint8_t RevertChannel = 0;
    /// Byte 3: list index i, meaning (i + 5) / 10 seconds.
    std::uint8_t LookBackTimeA = 0;
    /// Byte 4: as LookBackTimeA.
    std::uint8_t LookBackTimeB = 0;
    /// Byte 5: list index i, meaning (i + 1) / 10 seconds.
    std::uint8_t RxResumeDelay = 0;
    /// Byte 6: as RxResumeDelay.
    std::uint8_t TxResumeDelay = 0;
    /// Byte 7: 0 … 3.
    std::uint8_t ScanType = 0;
    /// Byte 8: 0 off, 1 on.
    std::uint8_t ScanEntryTone = 0;
    /// Byte 9: 2 … 255, in steps of 25 ms.
    std::uint8_t WaitTime = 0;
    /// Byte 10: group of priority channel 1, kept as it is.
    std::uint8_t PriorityGroup1 = 0;
    /// Byte 11: memory channel number 1 … 200 of priority channel 1; 0 = none.
    std::uint8_t PriorityChannel1 = 0;
    /// Byte 12: group of priority channel 2, kept as it is.
    std::uint8_t PriorityGroup2 = 0;
    /// Byte 13: as PriorityChannel1, for priority channel 2.
    std::uint8_t PriorityChannel2 = 0;

    bool operator==(const ScanRecord&) const = default;
};

/// Appends the 14-byte data-file form of `record`.
void Write(ByteWriter& out, const ScanRecord& record);

/// Reads the 14-byte data-file form; throws TruncatedData and leaves `record` unchanged when
/// the data ends early.
void Read(ByteReader& in, ScanRecord& record);

/// Sets the values of a new image: look-back times A and B 5 (1.0 s), every other byte 0.
void SetDefaults(ScanRecord& record);

} // namespace rp70
