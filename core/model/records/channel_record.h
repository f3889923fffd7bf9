#pragma once
// One channel of the radio: a memory channel (1 … 200) or one of the special channels PA, PB,
// CALL and VFO (201 … 204).

#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"
#include "model/fixed_text.h"

namespace rp70 {

/// Size of a ChannelRecord in the channel file.
inline constexpr std::size_t kChannelRecordSize = 108;

/// Highest memory channel number; 201 … 204 are PA, PB, CALL and VFO.
inline constexpr int kMemoryChannelCount = 200;

/// True for the memory channels 1 … 200.
constexpr bool IsMemoryChannel(int number) {
    return number >= 1 && number <= kMemoryChannelCount;
}

/// `TxToneType` / `RxToneType`: no tone, a CTCSS tone or a DCS code.
inline constexpr std::int16_t kToneNone = 0;
inline constexpr std::int16_t kToneCtcss = 1;
inline constexpr std::int16_t kToneDcs = 2;

/// `Signalling`: none, DTMF, 2-tone or 5-tone.
inline constexpr std::int16_t kSignallingNone = 0;
inline constexpr std::int16_t kSignallingDtmf = 1;
inline constexpr std::int16_t kSignallingTwoTone = 2;
inline constexpr std::int16_t kSignallingFiveTone = 3;

/// One channel, fields in stored order; the comments give the byte offset in the channel file.
struct ChannelRecord {
    /// 0: 1 … 200 memory channels; 201 PA, 202 PB, 203 CALL, 204 VFO.
    std::int16_t ChannelNumber = 0;
    /// 2: 1 = the channel holds data, 0 = empty.
    std::int16_t InUse = 0;
    /// 4: 0/1.
    std::int16_t ScanSkip = 0;
    /// 6: receive frequency, nine digits of MHz × 100000; "FFFFFFFFF" or blank = none.
    FixedText<9> RxFreq{};
    /// 15: magnitude of the transmit offset, same digit form; "000000000" = none.
    FixedText<9> TxOffset{};
    /// 24: channel name.
    FixedText<7> Name{};
    /// 31: index into the step list of the band.
    std::int16_t StepIndex = 0;
    /// 33: 0/1.
    std::int16_t TxInhibit = 0;
    /// 35: 0 "25K", 1 "20K", 2 "12.5K".
    std::int16_t Bandwidth = 0;
    /// 37: 0 normal, 1 inverted transmit DCS code.
    std::int16_t TxDcsInvert = 0;
    /// 39: bit 8 of TxDcs, kept up to date by the radio encoding and decoding.
    std::int16_t TxDcsHigh = 0;
    /// 41: 0/1.
    std::int16_t AuxFlag = 0;
    /// 43: 0.
    std::int16_t Reserved1 = 0;
    /// 45: 0.
    std::int16_t Reserved2 = 0;
    /// 47: 0 off, 1 minus (transmit = receive − offset), 2 plus.
    std::int16_t ShiftDirection = 0;
    /// 49: power level 0, 1, 2.
    std::int16_t TxPower = 0;
    /// 51: 0/1.
    std::int16_t TalkAround = 0;
    /// 53: 0 normal, 1 inverted receive DCS code.
    std::int16_t RxDcsInvert = 0;
    /// 55: bit 8 of RxDcs, like TxDcsHigh.
    std::int16_t RxDcsHigh = 0;
    /// 57: 0/1.
    std::int16_t Compander = 0;
    /// 59: 0.
    std::int16_t Reserved3 = 0;
    /// 61: transmit tone: 0 none, 1 CTCSS, 2 DCS.
    std::int16_t TxToneType = 0;
    /// 63: receive tone: 0 none, 1 CTCSS, 2 DCS.
    std::int16_t RxToneType = 0;
    /// 65: CTCSS list index 0 … 50.
    std::int16_t TxCtcss = 0;
    /// 67: CTCSS list index 0 … 50.
    std::int16_t RxCtcss = 0;
    /// 69: DCS code value 0 … 511 (octal 000 … 777).
    std::int16_t TxDcs = 0;
    /// 71: DCS code value 0 … 511.
    std::int16_t RxDcs = 0;
    /// 73: 0 none, 1 DTMF, 2 2-tone, 3 5-tone.
    std::int16_t Signalling = 0;
    /// 75: 0.
    std::int16_t Reserved4 = 0;
    /// 77: 2-tone entry 0 … 31.
    std::int16_t TwoToneNumber = 0;
    /// 79: 5-tone entry 0 … 99.
    std::int16_t FiveToneNumber = 0;
    /// 81: 0/1.
    std::int16_t PttIdEnable = 0;
    /// 83: 0/1.
    std::int16_t Reverse = 0;
    /// 85: 0/1.
    std::int16_t Scrambler = 0;
    /// 87: 0 … 3.
    std::int16_t DtmfPttIdMode = 0;
    /// 89: 0 … 3.
    std::int16_t FiveTonePttIdMode = 0;
    /// 91: 0 … 4.
    std::int16_t SquelchMode = 0;
    /// 93: DTMF code memory 0 … 15 (M1 … M16).
    std::int16_t DtmfCode = 0;
    /// 95: 0, 1, 2, 4 … 10.
    std::int16_t ExtraDisplay = 0;
    /// 97: 0 off, 1 "Repeater", 2 "Busy".
    std::int16_t BusyLock = 0;
    /// 99: a byte read from the radio and written back unchanged.
    std::int16_t RadioReserved = 0;
    /// 101: 0/1.
    std::int16_t PttIdDecode = 0;
    /// 103: PTT-ID code.
    FixedText<5> PttIdCode{};

    bool operator==(const ChannelRecord&) const = default;
};

/// Appends the 108-byte channel-file form of `record`.
void Write(ByteWriter& out, const ChannelRecord& record);

/// Reads the 108-byte channel-file form; throws TruncatedData and leaves `record` unchanged
/// when the data ends early.
void Read(ByteReader& in, ChannelRecord& record);

/// The empty channel `number`: no receive frequency, no offset, a blank name, step index 5,
/// PTT-ID code "00000" and every other field 0 (so not in use).
ChannelRecord NewChannelRecord(std::int16_t number);

} // namespace rp70
