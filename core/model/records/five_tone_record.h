#pragma once
// The radio's 5-tone selective-calling settings as the data file stores them:
// the system values, eight info codes, the PTT-ID begin and end codes and the
// list of 100 codes.

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"
#include "model/fixed_text.h"

namespace rp70 {

/// One info code: a code bound to a decode function such as remote kill,
/// stun or wake-up. `Digits` holds hexadecimal digits as typed.
struct FiveToneInfoCode {
    std::uint8_t Function = 0; ///< decode function 0 … 6 (3 kill, 4 stun, 5 wake-up)
    std::uint8_t Response = 0; ///< decode response 0 … 2
    std::uint8_t Length = 0;   ///< number of characters of `Digits` in use
    FixedText<12> Digits{};
    FixedText<7> Name{};

    bool operator==(const FiveToneInfoCode&) const = default;
};

/// A 5-tone code: the PTT-ID begin and end codes and each code list entry.
/// `Digits` holds the encoded tone digits "0" … "9", "A" … "F".
struct FiveToneCode {
    std::int16_t InUseFlag = 0;  ///< 0 = in use, non-zero = empty
    std::uint8_t Spare = 0;      ///< kept as it is
    std::uint8_t Standard = 0;   ///< tone standard 0 … 13
    std::uint8_t Length = 0;     ///< number of tones in `Digits`, 0 … 40
    std::uint8_t ToneLength = 0; ///< tone duration in 10 ms, 3 … 10
    FixedText<40> Digits{};
    FixedText<7> Name{};

    bool operator==(const FiveToneCode&) const = default;
};

/// Number of info codes (info code k = 1 … 8 at index k − 1).
inline constexpr std::size_t kFiveToneInfoCodeCount = 8;
/// Number of code list entries (entry k = 1 … 100 at index k − 1; dialogs,
/// channels and the alert call index i "code i").
inline constexpr std::size_t kFiveToneCodeCount = 100;

/// 5-tone settings, fields in stored order. A default-constructed record is
/// all zero bytes; `SetDefaults` gives the values of a new image.
struct FiveToneRecord {
    std::uint8_t Reserved = 0;        ///< travels unchanged between radio, file and image
    std::uint8_t DecodeResponse = 0;  ///< index 0 … 2
    std::uint8_t Standard = 0;        ///< tone standard 0 … 13
    std::uint8_t OwnIdLength = 0;     ///< number of digits in `OwnId`
    std::uint8_t ToneLength = 0;      ///< tone duration in 10 ms, 3 … 10
    FixedText<6> OwnId{};             ///< own 5-tone ID, five decimal digits
    std::uint8_t ResetTime = 0;       ///< 0 … 250, in 0.1 s
    std::uint8_t PreSendDelay = 0;    ///< 1 … 255, in 10 ms
    std::uint8_t PostSendDelay = 0;   ///< 1 … 255, in 10 ms
    std::uint8_t PauseTime = 0;       ///< 0 = off, else 5 … 75
    std::int16_t FirstDigitDelay = 0; ///< 1 … 255, in 10 ms
    std::int16_t PauseCodeTime = 0;   ///< 0 … 255, in 10 ms
    std::int16_t PauseCode = 0;       ///< 0 = off, 11 B, 12 C, 13 D, 15 F
    std::int16_t SideTone = 0;        ///< 0 off, 1 on
    std::int16_t AniSeparator = 0;    ///< 0 = none, 10 … 15 = A … F
    std::array<FiveToneInfoCode, kFiveToneInfoCodeCount> InfoCodes{};
    FiveToneCode BotCode; ///< PTT-ID code sent at the begin of a transmission
    FiveToneCode EotCode; ///< PTT-ID code sent at the end of a transmission
    std::array<FiveToneCode, kFiveToneCodeCount> Codes{};

    bool operator==(const FiveToneRecord&) const = default;
};

/// Bytes the record takes in the data file.
inline constexpr std::size_t kFiveToneRecordSize = 5607;

/// Appends the record in its data-file layout (kFiveToneRecordSize bytes).
void Write(ByteWriter& out, const FiveToneRecord& record);

/// Reads the record in its data-file layout. Throws TruncatedData when the
/// data ends early; `record` is then left as it was.
void Read(ByteReader& in, FiveToneRecord& record);

/// Sets the record to its values in a new image. The begin and end codes and
/// the names of the info codes and of the code list entries keep their
/// previous values.
void SetDefaults(FiveToneRecord& record);

} // namespace rp70
