#include "memory/five_tone_codec.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace rp70 {

namespace {

constexpr int kReservedAt = 0x0320;
constexpr int kDecodeResponseAt = 0x0321;
constexpr int kStandardAt = 0x0322;
constexpr int kOwnIdLengthAt = 0x0323;
constexpr int kToneLengthAt = 0x0324;
constexpr int kOwnIdAt = 0x0325;
constexpr int kPreSendDelayAt = 0x032B;
constexpr int kPostSendDelayAt = 0x032C;
constexpr int kPauseTimeAt = 0x032D;
constexpr int kResetTimeAt = 0x032E;
constexpr int kFirstDigitDelayAt = 0x032F;
constexpr int kSideToneAt = 0x0330;
constexpr int kAniSeparatorAt = 0x0331;
constexpr int kPauseCodeAt = 0x0332;
constexpr int kPauseCodeTimeAt = 0x0333;
constexpr int kDecodeTimeAt = 0x0334;
constexpr int kBotCodeAt = 0x0360;
constexpr int kEotCodeAt = 0x0370;
constexpr int kBitmapAt = 0x0390;
constexpr int kInfoCodesAt = 0x0500;
constexpr int kCodesAt = 0x0D00;

/// The own ID has five digit places.
constexpr int kOwnIdPlaces = 5;

// Code blocks: standard, length and tone length, then the digits two per byte. A begin or end
// code has a 16-byte block (24 digits), a code list element a 32-byte block whose digits end
// where its name begins (40 digits).
constexpr int kCodeStandardOffset = 1;
constexpr int kCodeLengthOffset = 2;
constexpr int kCodeToneLengthOffset = 3;
constexpr int kCodeDigitsOffset = 4;
constexpr int kCodeNameOffset = 24;
constexpr int kCodeBlockSize = 32;
constexpr int kShortCodeDigits = 24;
constexpr int kListCodeDigits = 40;

// Info code blocks: function, response and length, then one digit value per byte.
constexpr int kInfoFunctionOffset = 0;
constexpr int kInfoResponseOffset = 1;
constexpr int kInfoLengthOffset = 2;
constexpr int kInfoDigitsOffset = 3;
constexpr int kInfoNameOffset = 16;
constexpr int kInfoBlockSize = 32;
constexpr int kInfoDigits = 12;

constexpr int kNameWidth = 7;

constexpr std::uint8_t kMinToneLength = 3;
constexpr std::uint8_t kMaxToneLength = 10;
constexpr std::uint8_t kUsualToneLength = 7;
constexpr std::uint8_t kUnsetInfoByte = 0xFF;

/// A tone length outside 3 … 10 is taken as 7, on the way out and on the way back alike.
std::uint8_t UsableToneLength(std::uint8_t toneLength) {
    return toneLength < kMinToneLength || toneLength > kMaxToneLength ? kUsualToneLength
                                                                      : toneLength;
}

int CodeAddress(std::size_t index) {
    return kCodesAt + static_cast<int>(index) * kCodeBlockSize;
}

int InfoAddress(std::size_t index) {
    return kInfoCodesAt + static_cast<int>(index) * kInfoBlockSize;
}

int BitmapByte(std::size_t index) {
    return kBitmapAt + static_cast<int>(index / 8);
}

int BitmapShift(std::size_t index) {
    return static_cast<int>(index % 8);
}

/// The first `length` digits of a stored code: completed with the repeat tone "E" when the
/// text is shorter.
std::string DigitsToSend(std::string digits, std::size_t length) {
    digits.resize(length, 'E');
    return digits;
}

void PutOwnId(RadioMemory& memory, const FiveToneRecord& record) {
    // A length beyond the five places would have the radio read past the own ID.
    if (record.OwnIdLength > kOwnIdPlaces) {
        throw EncodeError("own ID longer than its places");
    }
    const std::string id = TextOf(record.OwnId);
    for (int i = 0; i < kOwnIdPlaces; ++i) {
        std::uint8_t value = 0;
        if (i < record.OwnIdLength) {
            const auto at = static_cast<std::size_t>(i);
            if (at >= id.size() || id[at] < '0' || id[at] > '9') {
                throw EncodeError("own ID digit missing or not a digit");
            }
            value = static_cast<std::uint8_t>(id[at] - '0');
        }
        ByteAt(memory, kOwnIdAt + i) = value;
    }
}

/// Writes a code block at `at`. Its digits must fit the `maxDigits` the block holds, so that
/// nothing spills into the block or name after it.
void PutCode(RadioMemory& memory, int at, const FiveToneCode& code, int maxDigits, bool withName) {
    if (code.Length > maxDigits) {
        throw EncodeError("code longer than its block");
    }
    ByteAt(memory, at + kCodeStandardOffset) = code.Standard;
    ByteAt(memory, at + kCodeLengthOffset) = code.Length;
    ByteAt(memory, at + kCodeToneLengthOffset) = UsableToneLength(code.ToneLength);

    std::string digits = DigitsToSend(TextOf(code.Digits), code.Length);
    if (digits.size() % 2 != 0) {
        digits.push_back('E');
    }
    for (std::size_t k = 0; k < digits.size(); k += 2) {
        ByteAt(memory, at + kCodeDigitsOffset + static_cast<int>(k / 2)) =
            HexPair(digits[k], digits[k + 1]);
    }
    if (withName) {
        PutName(memory, at + kCodeNameOffset, kNameWidth, TextOf(code.Name));
    }
}

/// Reads a code block at `at` into `code`; a length beyond the `maxDigits` of the block is
/// read as that many digits.
void TakeCode(const RadioMemory& memory, int at, FiveToneCode& code, int maxDigits, bool withName) {
    code.Standard = ByteAt(memory, at + kCodeStandardOffset);
    code.Length =
        static_cast<std::uint8_t>(std::min<int>(ByteAt(memory, at + kCodeLengthOffset), maxDigits));
    code.ToneLength = UsableToneLength(ByteAt(memory, at + kCodeToneLengthOffset));
    std::string digits;
    for (int k = 0; k < (code.Length + 1) / 2; ++k) {
        digits += HexText(ByteAt(memory, at + kCodeDigitsOffset + k));
    }
    digits.resize(code.Length);
    WriteFixedText(code.Digits, digits);
    if (withName) {
        WriteFixedText(code.Name, TakeText(memory, at + kCodeNameOffset, kNameWidth));
    }
}

void PutInfoCode(RadioMemory& memory, int at, const FiveToneInfoCode& info) {
    if (info.Length > kInfoDigits) {
        throw EncodeError("info code longer than its block");
    }
    ByteAt(memory, at + kInfoFunctionOffset) = info.Function;
    ByteAt(memory, at + kInfoResponseOffset) = info.Response;
    ByteAt(memory, at + kInfoLengthOffset) = info.Length;
    const std::string digits = DigitsToSend(TextOf(info.Digits), info.Length);
    for (std::size_t k = 0; k < digits.size(); ++k) {
        const int value = HexDigitValue(digits[k]);
        if (value < 0) {
            throw EncodeError("info code digit not hexadecimal");
        }
        ByteAt(memory, at + kInfoDigitsOffset + static_cast<int>(k)) =
            static_cast<std::uint8_t>(value);
    }
    PutName(memory, at + kInfoNameOffset, kNameWidth, TextOf(info.Name));
}

std::uint8_t InfoByte(const RadioMemory& memory, int address) {
    const std::uint8_t byte = ByteAt(memory, address);
    return byte == kUnsetInfoByte ? 0 : byte;
}

void TakeInfoCode(const RadioMemory& memory, int at, FiveToneInfoCode& info) {
    info.Function = InfoByte(memory, at + kInfoFunctionOffset);
    info.Response = InfoByte(memory, at + kInfoResponseOffset);
    info.Length = static_cast<std::uint8_t>(
        std::min<int>(InfoByte(memory, at + kInfoLengthOffset), kInfoDigits));
    std::string digits;
    for (int k = 0; k < info.Length; ++k) {
        // A byte that is no digit value is read as digit 0.
        const std::uint8_t value = ByteAt(memory, at + kInfoDigitsOffset + k);
        digits.push_back(value < 16 ? HexDigit(value) : '0');
    }
    WriteFixedText(info.Digits, digits);
    WriteFixedText(info.Name, TakeText(memory, at + kInfoNameOffset, kNameWidth));
}

void TakeOwnId(const RadioMemory& memory, FiveToneRecord& record) {
    // Only five places exist; the length is repaired to what was read.
    record.OwnIdLength =
        static_cast<std::uint8_t>(std::min<int>(ByteAt(memory, kOwnIdLengthAt), kOwnIdPlaces));
    std::string id;
    for (int i = 0; i < record.OwnIdLength; ++i) {
        const std::uint8_t digit = ByteAt(memory, kOwnIdAt + i);
        if (digit > 9) {
            // Not an ID the radio can have sent: it reads as all zeros.
            id.assign(record.OwnIdLength, '0');
            break;
        }
        id.push_back(static_cast<char>('0' + digit));
    }
    id.push_back('\0');
    WriteFixedText(record.OwnId, id);
}

} // namespace

bool SetCommDataBy5Tone(const RadioImage& image, const EncodeTarget& target) {
    return RunEncoder(target.Ui, "SetCommDataBy5ToneError", [&] {
        const FiveToneRecord& record = image.Record.Function.FiveTone;
        RadioMemory& memory = target.Memory;

        ByteAt(memory, kReservedAt) = record.Reserved;
        ByteAt(memory, kDecodeResponseAt) = record.DecodeResponse;
        ByteAt(memory, kStandardAt) = record.Standard;
        ByteAt(memory, kOwnIdLengthAt) = record.OwnIdLength;
        ByteAt(memory, kToneLengthAt) = record.ToneLength;
        ByteAt(memory, kPreSendDelayAt) = record.PreSendDelay;
        ByteAt(memory, kPostSendDelayAt) = record.PostSendDelay;
        ByteAt(memory, kPauseTimeAt) = record.PauseTime;
        ByteAt(memory, kResetTimeAt) = record.ResetTime;
        ByteAt(memory, kFirstDigitDelayAt) = ByteOf(record.FirstDigitDelay);
        ByteAt(memory, kSideToneAt) = ByteOf(record.SideTone);
        ByteAt(memory, kAniSeparatorAt) = ByteOf(record.AniSeparator);
        ByteAt(memory, kPauseCodeAt) = ByteOf(record.PauseCode);
        ByteAt(memory, kPauseCodeTimeAt) = ByteOf(record.PauseCodeTime);
        ByteAt(memory, kDecodeTimeAt) = image.Record.DecodeTime;

        PutOwnId(memory, record);

        PutCode(memory, kBotCodeAt, record.BotCode, kShortCodeDigits, false);
        PutCode(memory, kEotCodeAt, record.EotCode, kShortCodeDigits, false);

        for (std::size_t i = 0; i < record.InfoCodes.size(); ++i) {
            PutInfoCode(memory, InfoAddress(i), record.InfoCodes[i]);
        }

        target.Marks.MarkForWrite(RecordKind::FiveTone, kReservedAt, 32);
        target.Marks.MarkForWrite(RecordKind::FiveTone, kBotCodeAt, 32);
        target.Marks.MarkForWrite(RecordKind::FiveTone, kInfoCodesAt,
                                  static_cast<int>(kFiveToneInfoCodeCount) * kInfoBlockSize);
        target.Marks.MarkForWrite(RecordKind::FiveTone, kBitmapAt, 16);

        // Each bitmap byte is rebuilt from all set: a bit is cleared for an element in use.
        for (std::size_t j = 0; j < kFiveToneCodeCount; j += 8) {
            ByteAt(memory, BitmapByte(j)) = 0xFF;
        }
        for (std::size_t j = 0; j < kFiveToneCodeCount; ++j) {
            const FiveToneCode& code = record.Codes[j];
            const bool inUse = code.InUseFlag == 0;
            if (inUse) {
                ByteAt(memory, BitmapByte(j)) &= static_cast<std::uint8_t>(~(1U << BitmapShift(j)));
            }
            PutCode(memory, CodeAddress(j), code, kListCodeDigits, true);
            if (inUse) {
                target.Marks.MarkForWrite(RecordKind::FiveTone, CodeAddress(j), kCodeBlockSize);
            }
        }
    });
}

void GetCommDataBy5Tone(RadioImage& image, const RadioMemory& memory) {
    FiveToneRecord record = image.Record.Function.FiveTone;

    record.Reserved = ByteAt(memory, kReservedAt);
    record.DecodeResponse = ByteAt(memory, kDecodeResponseAt);
    record.Standard = ByteAt(memory, kStandardAt);
    record.ToneLength = ByteAt(memory, kToneLengthAt);
    record.PreSendDelay = ByteAt(memory, kPreSendDelayAt);
    record.PostSendDelay = ByteAt(memory, kPostSendDelayAt);
    record.PauseTime = ByteAt(memory, kPauseTimeAt);
    record.ResetTime = ByteAt(memory, kResetTimeAt);
    record.FirstDigitDelay = ByteAt(memory, kFirstDigitDelayAt);
    record.SideTone = ByteAt(memory, kSideToneAt);
    record.AniSeparator = ByteAt(memory, kAniSeparatorAt);
    record.PauseCode = ByteAt(memory, kPauseCodeAt);
    record.PauseCodeTime = ByteAt(memory, kPauseCodeTimeAt);
    image.Record.DecodeTime = ByteAt(memory, kDecodeTimeAt);

    TakeOwnId(memory, record);

    TakeCode(memory, kBotCodeAt, record.BotCode, kShortCodeDigits, false);
    TakeCode(memory, kEotCodeAt, record.EotCode, kShortCodeDigits, false);

    for (std::size_t i = 0; i < record.InfoCodes.size(); ++i) {
        TakeInfoCode(memory, InfoAddress(i), record.InfoCodes[i]);
    }

    for (std::size_t j = 0; j < kFiveToneCodeCount; ++j) {
        FiveToneCode& code = record.Codes[j];
        code.InUseFlag =
            static_cast<std::int16_t>(BitsIn(ByteAt(memory, BitmapByte(j)), BitmapShift(j)));
        if (code.InUseFlag == 0) {
            TakeCode(memory, CodeAddress(j), code, kListCodeDigits, true);
        }
    }

    image.Record.Function.FiveTone = record;
}

} // namespace rp70
