#pragma once
// The radio's 2-tone (two-tone sequential) signalling as the data file stores
// it: a 24-byte header with the tones the radio sends and their timings, then
// 32 decode entries that channels select by number.

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"
#include "model/fixed_text.h"

namespace rp70 {

/// One 2-tone decode entry. The radio keeps its four 16-bit values as two
/// single bytes each, high byte first; they are held here exactly as stored.
struct TwoToneEntry {
    std::int16_t EntryEmpty = 0;                  ///< 0 = entry defined, 1 = empty
    std::array<std::uint8_t, 2> DecodeDivider1{}; ///< 6500000 / (16 × first tone in Hz)
    std::array<std::uint8_t, 2> DecodeDivider2{}; ///< the same for the second tone, or 0
    std::array<std::uint8_t, 2> DecodeTone1{};    ///< first tone in 0.1 Hz
    std::array<std::uint8_t, 2> DecodeTone2{};    ///< second tone in 0.1 Hz, or 0
    FixedText<7> EntryName{};

    bool operator==(const TwoToneEntry&) const = default;
};

/// Number of 2-tone decode entries; entry k (0 … 31) is the number a channel stores.
inline constexpr std::size_t kTwoToneEntryCount = 32;

/// 2-tone settings, fields in stored order. The header is 24 single bytes;
/// its 16-bit values are kept as the two bytes the record stores, in stored
/// order (high byte first, except `ToneFrequencies`, low byte first).
/// A default-constructed record is all zero bytes; `SetDefaults` gives the
/// values of a new image.
struct TwoToneRecord {
    std::array<std::uint8_t, 2> EncodeTone1{};    ///< bytes 0–1: first sent tone in 0.1 Hz
    std::array<std::uint8_t, 2> EncodeTone2{};    ///< bytes 2–3: second sent tone, 0 for long
    std::uint8_t EncodePair = 0;                  ///< byte 4: position in the pair list 0 … 14
    std::array<std::uint8_t, 2> EncodeDivider1{}; ///< bytes 5–6: 6500000 / (2 × first tone)
    std::array<std::uint8_t, 2> EncodeDivider2{}; ///< bytes 7–8: the same for the second tone
    std::uint8_t TwoToneSetting9 = 0;             ///< byte 9: position in 0.0 … 25.0
    std::uint8_t TwoToneSetting10 = 0;            ///< byte 10: position in a three-entry list
    std::uint8_t SideTone2 = 0;                   ///< byte 11: side tone 0/1
    /// Bytes 12–19: tones A, B, C and D in 0.1 Hz, each low byte first.
    std::array<std::array<std::uint8_t, 2>, 4> ToneFrequencies{};
    std::uint8_t TwoToneTime1 = 0;     ///< byte 20: time in 0.1 s, 5 … 100
    std::uint8_t TwoToneTime2 = 0;     ///< byte 21: as TwoToneTime1
    std::uint8_t TwoToneTime3 = 0;     ///< byte 22: as TwoToneTime1
    std::uint8_t TwoToneSetting23 = 0; ///< byte 23: position in 0, 100, … 2000
    /// The decode entries; the radio has no name for the list as a whole.
    std::array<TwoToneEntry, kTwoToneEntryCount> Entries{};

    bool operator==(const TwoToneRecord&) const = default;
};

/// Bytes the record takes in the data file: the 24-byte header and 32 entries
/// of 17 bytes.
inline constexpr std::size_t kTwoToneRecordSize = 568;

/// Bytes of the header: the record's first bytes in its data-file layout.
inline constexpr std::size_t kTwoToneHeaderSize = 24;

/// Appends the header in its data-file layout (kTwoToneHeaderSize bytes).
void WriteHeader(ByteWriter& out, const TwoToneRecord& record);

/// Reads the header fields in their data-file layout; throws TruncatedData when the data ends
/// early (the fields read so far are then set).
void ReadHeader(ByteReader& in, TwoToneRecord& record);

/// Appends the record in its data-file layout (kTwoToneRecordSize bytes).
void Write(ByteWriter& out, const TwoToneRecord& record);

/// Reads the record in its data-file layout. Throws TruncatedData when the
/// data ends early; `record` is then left as it was.
void Read(ByteReader& in, TwoToneRecord& record);

/// Sets the record to its values in a new image. Entry names keep their
/// previous values.
void SetDefaults(TwoToneRecord& record);

} // namespace rp70
