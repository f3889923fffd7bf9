#include "memory/channel_codec.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/fixed_text.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr int kInUseBitmap = 0x0100;
constexpr int kScanBitmap = 0x0120;
constexpr int kBitmapsLength = 0x40;
constexpr int kPttIdCodes = 0x0600;
constexpr int kPttIdWidth = 5;
constexpr int kChannelBlockLength = 32;
constexpr int kNameOffset = 19;
constexpr int kNameWidth = 7;
constexpr int kFreqBytes = 4;

constexpr int kLastMemoryChannel = 200;
constexpr int kPB = 202; // the last channel with bitmap bits
constexpr int kChannelNumbers = 204;

constexpr int kMaxDcs = 511;

// The 245 MHz band: its memory channels 1 … 80 are fixed, 12.5 kHz apart.
constexpr std::int16_t kFixedChannelBand = 16;
constexpr int kFixedChannels = 80;
constexpr int kFixedChannelSpacing = 1250;

std::size_t At(int address) {
    return static_cast<std::size_t>(address);
}

// The four BCD bytes of a frequency text: the text (or `whenEmpty`) completed with "0" to eight
// digits, read two digits a byte as hexadecimal; the ninth digit is not sent.
std::array<std::uint8_t, kFreqBytes> FreqBytes(std::string text, std::string_view whenEmpty) {
    if (text.empty()) {
        text = whenEmpty;
    }
    if (text.size() < 2 * kFreqBytes) {
        text.append(2 * kFreqBytes - text.size(), '0');
    }
    std::array<std::uint8_t, kFreqBytes> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = HexPair(text[2 * i], text[2 * i + 1]);
    }
    return bytes;
}

long DcsValue(std::int16_t dcs) {
    if (dcs < 0 || dcs > kMaxDcs) {
        throw EncodeError("DCS code out of range");
    }
    return dcs;
}

// The 32-byte block of `c` but its name, built on `block`; byte 31 keeps what `block` holds.
std::array<std::uint8_t, kChannelBlockLength>
EncodeBlock(const ChannelRecord& c, std::array<std::uint8_t, kChannelBlockLength> block) {
    const auto rx = FreqBytes(TextOf(c.RxFreq), "FFFFFFFF");
    const auto offset = FreqBytes(TextOf(c.TxOffset), "00000000");
    std::copy(rx.begin(), rx.end(), block.begin());
    std::copy(offset.begin(), offset.end(), block.begin() + kFreqBytes);

    const long txDcs = DcsValue(c.TxDcs);
    const long rxDcs = DcsValue(c.RxDcs);
    if (c.ShiftDirection < 0 || c.ShiftDirection > 2) {
        throw EncodeError("shift direction out of range");
    }
    const long shiftCode = c.ShiftDirection == 0 ? 0 : c.ShiftDirection + 1;

    block[8] = ByteOf(c.StepIndex);
    block[9] = static_cast<std::uint8_t>(BitsOf(c.TxInhibit, 0) | BitsOf(c.Reverse, 1) |
                                         BitsOf(c.Bandwidth, 2, 2) | BitsOf(c.TxDcsInvert, 4) |
                                         BitsOf(txDcs / 256, 5) | BitsOf(c.PttIdDecode, 6));
    block[10] = static_cast<std::uint8_t>(BitsOf(shiftCode, 0, 2) | BitsOf(c.TxPower, 2, 2) |
                                          BitsOf(c.RxDcsInvert, 4) | BitsOf(rxDcs / 256, 5) |
                                          BitsOf(c.Compander, 6) | BitsOf(c.TalkAround, 7));
    block[11] = static_cast<std::uint8_t>(BitsOf(c.TxToneType, 0, 2) | BitsOf(c.RxToneType, 2, 2) |
                                          BitsOf(c.DtmfCode, 4, 4));
    block[12] = ByteOf(c.TxCtcss);
    block[13] = ByteOf(c.RxCtcss);
    block[14] = static_cast<std::uint8_t>(txDcs % 256);
    block[15] = static_cast<std::uint8_t>(rxDcs % 256);
    block[16] = ByteOf(c.Signalling);
    block[17] = ByteOf(c.TwoToneNumber);
    block[18] = ByteOf(c.FiveToneNumber);

    block[26] = ByteOf(c.BusyLock);
    block[27] = ByteOf(c.RadioReserved);
    block[28] = static_cast<std::uint8_t>(BitsOf(c.DtmfPttIdMode, 0, 4) |
                                          BitsOf(c.FiveTonePttIdMode, 4, 4));
    block[29] = ByteOf(c.SquelchMode);
    block[30] = ByteOf(c.Scrambler);
    return block;
}

// The PTT-ID code completed with "0" to five characters, one hexadecimal digit a byte.
std::array<std::uint8_t, kPttIdWidth> PttIdBytes(const ChannelRecord& c) {
    std::string code = TextOf(c.PttIdCode);
    if (code.size() < kPttIdWidth) {
        code.append(kPttIdWidth - code.size(), '0');
    }
    std::array<std::uint8_t, kPttIdWidth> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int value = HexDigitValue(code[i]);
        if (value < 0) {
            throw EncodeError("PTT-ID code digit is not hexadecimal");
        }
        bytes[i] = static_cast<std::uint8_t>(value);
    }
    return bytes;
}

void EncodeChannel(const ChannelRecord& c, const EncodeTarget& target) {
    const int n = c.ChannelNumber;
    const int k = n - 1;
    const int address = ChannelBlockAddress(n);
    RadioMemory& memory = target.Memory;

    // Everything is worked out before the first byte is written.
    std::array<std::uint8_t, kChannelBlockLength> block{};
    std::copy_n(memory.begin() + static_cast<std::ptrdiff_t>(address), block.size(), block.begin());
    block = EncodeBlock(c, block);
    std::array<std::uint8_t, kPttIdWidth> pttId{};
    if (n <= kLastMemoryChannel) {
        pttId = PttIdBytes(c);
    }
    std::uint8_t inUse = 0;
    std::uint8_t scanned = 0;
    if (n <= kPB) {
        inUse = BitsOf(c.InUse, 0);
        scanned = static_cast<std::uint8_t>(1 - BitsOf(c.ScanSkip, 0));
    }

    if (n <= kPB) {
        // A bit 0 means in use, or scanned.
        const auto mask = static_cast<std::uint8_t>(1U << (k % 8));
        if (inUse != 0) {
            memory[At(kInUseBitmap + k / 8)] &= static_cast<std::uint8_t>(~mask);
        }
        if (scanned != 0) {
            memory[At(kScanBitmap + k / 8)] &= static_cast<std::uint8_t>(~mask);
        }
    }
    target.Marks.MarkForWrite(RecordKind::Channels, address, kChannelBlockLength);
    std::copy(block.begin(), block.end(), memory.begin() + static_cast<std::ptrdiff_t>(address));
    // The name field holds at most seven characters, so it always fits its place.
    PutName(memory, address + kNameOffset, kNameWidth, TextOf(c.Name));
    if (n <= kLastMemoryChannel) {
        // The PTT-ID codes are kept in the memory but not sent.
        std::copy(pttId.begin(), pttId.end(),
                  memory.begin() + static_cast<std::ptrdiff_t>(kPttIdCodes + k * kPttIdWidth));
        target.Marks.ChannelEncoded(c);
    }
}

// The nine-digit stored form of eight digits read from the radio: the tens of hertz are not
// stored in the radio and follow from the last digit on the 6.25 and 8.33 kHz rasters.
std::string WithNinthDigit(std::string digits) {
    char ninth = '0';
    switch (digits.empty() ? '0' : digits.back()) {
    case '2':
    case '7':
        ninth = '5';
        break;
    case '3':
        ninth = '3';
        break;
    case '6':
        ninth = '6';
        break;
    default:
        break;
    }
    digits.push_back(ninth);
    return digits;
}

std::string DigitsAt(const RadioMemory& memory, int address) {
    std::string text;
    for (int i = 0; i < kFreqBytes; ++i) {
        text += HexText(memory[At(address + i)]);
    }
    return text;
}

bool BitIsClear(const RadioMemory& memory, int bitmap, int k) {
    return BitsIn(memory[At(bitmap + k / 8)], k % 8) == 0;
}

void DecodeBlock(ChannelRecord& c, const RadioMemory& memory, int address) {
    auto byte = [&](int offset) { return memory[At(address + offset)]; };

    c.StepIndex = byte(8);
    const std::uint8_t b9 = byte(9);
    c.TxInhibit = static_cast<std::int16_t>(BitsIn(b9, 0));
    c.Reverse = static_cast<std::int16_t>(BitsIn(b9, 1));
    c.Bandwidth = static_cast<std::int16_t>(BitsIn(b9, 2, 2));
    c.TxDcsInvert = static_cast<std::int16_t>(BitsIn(b9, 4));
    c.TxDcsHigh = static_cast<std::int16_t>(BitsIn(b9, 5));
    c.PttIdDecode = static_cast<std::int16_t>(BitsIn(b9, 6));

    const std::uint8_t b10 = byte(10);
    const int shiftCode = BitsIn(b10, 0, 2);
    c.ShiftDirection = static_cast<std::int16_t>(shiftCode < 2 ? 0 : shiftCode - 1);
    const int power = BitsIn(b10, 2, 2);
    c.TxPower = static_cast<std::int16_t>(power == 3 ? 2 : power);
    c.RxDcsInvert = static_cast<std::int16_t>(BitsIn(b10, 4));
    c.RxDcsHigh = static_cast<std::int16_t>(BitsIn(b10, 5));
    c.Compander = static_cast<std::int16_t>(BitsIn(b10, 6));
    c.TalkAround = static_cast<std::int16_t>(BitsIn(b10, 7));

    const std::uint8_t b11 = byte(11);
    c.TxToneType = static_cast<std::int16_t>(BitsIn(b11, 0, 2));
    c.RxToneType = static_cast<std::int16_t>(BitsIn(b11, 2, 2));
    c.DtmfCode = static_cast<std::int16_t>(BitsIn(b11, 4, 4));

    c.TxCtcss = byte(12);
    c.RxCtcss = byte(13);
    c.TxDcs = static_cast<std::int16_t>(c.TxDcsHigh * 256 + byte(14));
    c.RxDcs = static_cast<std::int16_t>(c.RxDcsHigh * 256 + byte(15));
    c.Signalling = byte(16);
    c.TwoToneNumber = byte(17);
    c.FiveToneNumber = byte(18);

    // A name shorter than the field ends with a NUL before the padding.
    std::string name;
    for (int i = 0; i < kNameWidth; ++i) {
        name.push_back(static_cast<char>(byte(kNameOffset + i)));
    }
    name = TextOf(name);
    if (name.size() < kNameWidth) {
        name.push_back('\0');
    }
    WriteFixedText(c.Name, name);

    c.BusyLock = byte(26);
    c.RadioReserved = byte(27);
    const std::uint8_t b28 = byte(28);
    c.DtmfPttIdMode = static_cast<std::int16_t>(BitsIn(b28, 0, 4));
    c.FiveTonePttIdMode = static_cast<std::int16_t>(BitsIn(b28, 4, 4));
    c.SquelchMode = byte(29);
    c.Scrambler = byte(30);
}

// The PTT-ID code of memory channel k + 1; a byte that is no hexadecimal digit becomes 0 in the
// memory as well.
std::string TakePttIdCode(RadioMemory& memory, int k) {
    std::string code;
    for (int i = 0; i < kPttIdWidth; ++i) {
        std::uint8_t& digit = memory[At(kPttIdCodes + k * kPttIdWidth + i)];
        if (digit > 15) {
            digit = 0;
        }
        code.push_back(HexDigit(digit));
    }
    return code;
}

} // namespace

int ChannelBlockAddress(int channelNumber) {
    if (channelNumber >= 1 && channelNumber <= kLastMemoryChannel) {
        return 0x2000 + (channelNumber - 1) * kChannelBlockLength;
    }
    switch (channelNumber) {
    case 201:
        return 0x0280;
    case 202:
        return 0x0260;
    case 203:
        return 0x02A0;
    case 204:
        return 0x02C0;
    default:
        return -1;
    }
}

bool SetCommDataByFrequency(const RadioImage& image, const EncodeTarget& target) {
    return RunEncoder(target.Ui, "SetCommDataByFrequencyError", [&] {
        // Every bit starts set (not in use, not scanned); the channels in use clear theirs.
        std::fill_n(target.Memory.begin() + kInUseBitmap, kBitmapsLength, 0xFF);
        target.Marks.MarkForWrite(RecordKind::Channels, kInUseBitmap, kBitmapsLength);
        // The first slot carrying a number is that channel, as for every lookup in the table;
        // a new image holds its VFO twice.
        std::bitset<kChannelNumbers + 1> encoded;
        for (int slot = 0; slot < image.UsedChannelCount(); ++slot) {
            const ChannelRecord& channel = image.Channels[At(slot)];
            const int n = channel.ChannelNumber;
            if (ChannelBlockAddress(n) < 0) {
                throw EncodeError("channel number without a place in the radio");
            }
            if (encoded.test(At(n))) {
                continue;
            }
            encoded.set(At(n));
            EncodeChannel(channel, target);
        }
    });
}

void GetCommDataByFrequency(RadioImage& image, RadioMemory& memory) {
    int count = 0;
    for (int k = 0; k < kChannelNumbers; ++k) {
        const int n = k + 1;
        const bool fixed = image.BandIndex == kFixedChannelBand && n <= kFixedChannels;
        if (n <= kPB && !fixed && !BitIsClear(memory, kInUseBitmap, k)) {
            continue;
        }
        const int address = ChannelBlockAddress(n);

        const std::string rx = DigitsAt(memory, address);
        if (!IsDigitText(rx)) {
            continue; // no receive frequency: an empty channel
        }
        ChannelRecord c = image.Channels[At(count)];
        c.ChannelNumber = static_cast<std::int16_t>(n);
        c.InUse = 1;
        if (n <= kPB) {
            c.ScanSkip = static_cast<std::int16_t>(BitIsClear(memory, kScanBitmap, k) ? 0 : 1);
        }
        std::string offset = DigitsAt(memory, address + kFreqBytes);
        if (!IsDigitText(offset)) {
            offset = "00000000";
        }
        if (fixed) {
            // The fixed raster of the 245 MHz band, kept in both frequency fields.
            const std::string raster =
                "0245" + FormatInteger(static_cast<long long>(k) * kFixedChannelSpacing, 5);
            WriteFixedText(c.RxFreq, raster);
            WriteFixedText(c.TxOffset, raster);
        } else {
            WriteFixedText(c.RxFreq, WithNinthDigit(rx));
            WriteFixedText(c.TxOffset, WithNinthDigit(offset));
        }
        DecodeBlock(c, memory, address);
        if (n <= kLastMemoryChannel) {
            WriteFixedText(c.PttIdCode, TakePttIdCode(memory, k));
        }
        image.Channels[At(count)] = c;
        ++count;
    }
    image.Record.ChannelCount = static_cast<std::int16_t>(count);
}

} // namespace rp70
