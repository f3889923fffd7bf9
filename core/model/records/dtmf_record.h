#pragma once
// The radio's DTMF signalling settings as the data file stores them: sixteen
// code memories, the PTT-ID begin and end codes, the remote kill and stun
// codes, the own ID, and the DTMF timing and option values.

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"
#include "model/fixed_text.h"

namespace rp70 {

/// A DTMF code of up to 24 digits. `Digits` holds "0" … "9", "A" … "D", "E"
/// for `*` and "F" for `#`, left-aligned and space-padded; `Length` is the
/// number of significant characters. An empty code has `Length` 0 and
/// `Digits` all spaces.
struct DTMFCode {
    FixedText<24> Digits{};
    std::int16_t Length = 0;

    bool operator==(const DTMFCode&) const = default;
};

/// The shorter DTMF code used for remote kill and stun: up to 14 digits.
struct DTMFShortCode {
    FixedText<14> Digits{};
    std::int16_t Length = 0;

    bool operator==(const DTMFShortCode&) const = default;
};

/// Number of DTMF code memories (M1 … M16, index 0 = M1).
inline constexpr std::size_t kDTMFCodeCount = 16;

/// DTMF settings, fields in stored order. A default-constructed record is all
/// zero bytes; `SetDefaults` gives the values of a new image.
struct DTMFRecord {
    std::array<DTMFCode, kDTMFCodeCount> Codes{};
    DTMFCode BotCode;                 ///< PTT-ID code sent at the begin of a transmission
    DTMFCode EotCode;                 ///< PTT-ID code sent at the end of a transmission
    DTMFShortCode KillCode;           ///< remote kill code
    DTMFShortCode StunCode;           ///< remote stun code
    std::int16_t Ani = 0;             ///< 0 off, 1 on
    std::int16_t SendTime = 0;        ///< index 0 … 5 into 30, 50, 100, 200, 300, 500 ms
    std::int16_t PttId = 0;           ///< PTT-ID mode 0 … 3 (0 = off)
    FixedText<3> OwnId{};             ///< own DTMF ID, three decimal digits
    std::int16_t SeparatorCode = 0;   ///< 10 A, 11 B, 12 C, 13 D, 14 `*`, 15 `#`
    std::int16_t GroupCode = 0;       ///< 10 … 15 as the separator; 255 = off
    std::int16_t DecodeResponse = 0;  ///< index 0 … 2
    std::int16_t FirstDigitDelay = 0; ///< 0 … 250, in 10 ms
    std::int16_t PreSendDelay = 0;    ///< 1 … 250, in 10 ms
    std::int16_t ResetTime = 0;       ///< 0 … 250, in 0.1 s
    std::int16_t PostSendDelay = 0;   ///< 1 … 250, in 10 ms
    std::int16_t PauseTime = 0;       ///< 0 = off, else 5 … 75
    std::int16_t SideTone = 0;        ///< 0 off, 1 on

    bool operator==(const DTMFRecord&) const = default;
};

/// Bytes the record takes in the data file.
inline constexpr std::size_t kDTMFRecordSize = 527;

/// Appends the record in its data-file layout (kDTMFRecordSize bytes).
void Write(ByteWriter& out, const DTMFRecord& record);

/// Reads the record in its data-file layout. Throws TruncatedData when the
/// data ends early; `record` is then left as it was.
void Read(ByteReader& in, DTMFRecord& record);

/// Sets every field to its value in a new image.
void SetDefaults(DTMFRecord& record);

} // namespace rp70
