#include "memory/dtmf_codec.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace rp70 {

namespace {

constexpr int kSeparatorAt = 0x02E0;
constexpr int kGroupAt = 0x02E1;
constexpr int kDecodeResponseAt = 0x02E2;
constexpr int kPreSendDelayAt = 0x02E3;
constexpr int kFirstDigitDelayAt = 0x02E4;
constexpr int kResetTimeAt = 0x02E5;
constexpr int kOwnIdAt = 0x02E7;
constexpr int kSideToneAt = 0x02ED;
constexpr int kPostSendDelayAt = 0x02EE;
constexpr int kPauseTimeAt = 0x02EF;
constexpr int kKillCodeAt = 0x02F0;
constexpr int kStunCodeAt = 0x02F8;
constexpr int kBotCodeAt = 0x0340;
constexpr int kEotCodeAt = 0x0350;
constexpr int kCodeMemoriesAt = 0x0400;

/// Where a code's length byte lies relative to its first digit byte.
constexpr int kShortLengthOffset = 7;
constexpr int kLongLengthOffset = 12;
constexpr int kCodeMemoryStride = 16;

constexpr std::size_t kOwnIdDigits = 3;

// The separator and group digits the radio knows: A, B, C, D, * and #.
constexpr int kFirstSignDigit = 10;
constexpr int kLastSignDigit = 15;
constexpr int kDefaultSeparator = 14;
constexpr int kGroupOff = 0xFF;
constexpr int kReadGroupOff = 10;
constexpr int kMaxDecodeResponse = 2;
constexpr int kMaxFirstDigitDelay = 250;

bool IsSignDigit(long value) {
    return value >= kFirstSignDigit && value <= kLastSignDigit;
}

/// The own ID as the radio takes it: a number completed with "0" at its end to three digits;
/// anything else is "000".
std::string CompletedOwnId(const FixedText<3>& field) {
    std::string id = TextOf(field);
    if (!IsDigitText(id)) {
        return std::string(kOwnIdDigits, '0');
    }
    id.resize(std::max(id.size(), kOwnIdDigits), '0');
    return id;
}

/// Writes a code's digits, two per byte from `address`, and its length byte. A code of
/// `Width` 24 is completed with "0" up to its length; a shorter kill or stun code is an error.
/// A length above `Width` is sent as 0, so the digits never leave their place.
template <std::size_t Width, typename Code>
void PutCode(RadioMemory& memory, int address, int lengthAddress, const Code& code) {
    static_assert(Width == 24 || Width == 14);
    const long length = code.Length > static_cast<long>(Width) ? 0 : code.Length;
    ByteAt(memory, lengthAddress) = ByteOf(length);

    std::string digits = TextOf(code.Digits);
    const auto count = static_cast<std::size_t>(length);
    if constexpr (Width == 24) {
        if (digits.size() < count) {
            digits.resize(count, '0');
        }
    }
    if (digits.size() % 2 != 0) {
        digits.push_back('0');
    }
    const std::size_t sent = count + count % 2;
    if (digits.size() < sent) {
        throw EncodeError("code shorter than its length");
    }
    for (std::size_t k = 0; k < sent; k += 2) {
        ByteAt(memory, address + static_cast<int>(k / 2)) = HexPair(digits[k], digits[k + 1]);
    }
}

/// Reads a code back: a length byte above `Width` reads as 0; the digits are the hexadecimal
/// digits of the bytes, cut to the length and followed by a NUL when shorter than the field.
template <std::size_t Width, typename Code>
void TakeCode(const RadioMemory& memory, int address, int lengthAddress, Code& code) {
    int length = ByteAt(memory, lengthAddress);
    if (length > static_cast<int>(Width)) {
        length = 0;
    }
    code.Length = static_cast<std::int16_t>(length);
    std::string digits;
    for (int k = 0; k < (length + 1) / 2; ++k) {
        digits += HexText(ByteAt(memory, address + k));
    }
    digits.resize(static_cast<std::size_t>(length));
    if (digits.size() < Width) {
        digits.push_back('\0');
    }
    WriteFixedText(code.Digits, digits);
}

} // namespace

bool SetCommDataByDTMF(RadioImage& image, const EncodeTarget& target) {
    return RunEncoder(target.Ui, "SetCommDataByDTMFError", [&] {
        const DTMFRecord& dtmf = image.Record.Function.Dtmf;
        RadioMemory& memory = target.Memory;

        ByteAt(memory, kSeparatorAt) = static_cast<std::uint8_t>(
            IsSignDigit(dtmf.SeparatorCode) ? dtmf.SeparatorCode : kDefaultSeparator);
        ByteAt(memory, kGroupAt) =
            static_cast<std::uint8_t>(IsSignDigit(dtmf.GroupCode) ? dtmf.GroupCode : kGroupOff);
        ByteAt(memory, kDecodeResponseAt) =
            ByteOf(dtmf.DecodeResponse > kMaxDecodeResponse ? 0 : dtmf.DecodeResponse);
        ByteAt(memory, kPreSendDelayAt) = ByteOf(dtmf.PreSendDelay);
        ByteAt(memory, kFirstDigitDelayAt) =
            ByteOf(dtmf.FirstDigitDelay > kMaxFirstDigitDelay ? 0 : dtmf.FirstDigitDelay);
        ByteAt(memory, kResetTimeAt) = ByteOf(dtmf.ResetTime);
        const std::string ownId = CompletedOwnId(dtmf.OwnId);
        for (std::size_t i = 0; i < kOwnIdDigits; ++i) {
            ByteAt(memory, kOwnIdAt + static_cast<int>(i)) =
                static_cast<std::uint8_t>(ownId[i] - '0');
        }
        ByteAt(memory, kSideToneAt) = ByteOf(dtmf.SideTone);
        ByteAt(memory, kPostSendDelayAt) = ByteOf(dtmf.PostSendDelay);
        ByteAt(memory, kPauseTimeAt) = ByteOf(dtmf.PauseTime);
        PutCode<14>(memory, kKillCodeAt, kKillCodeAt + kShortLengthOffset, dtmf.KillCode);
        PutCode<14>(memory, kStunCodeAt, kStunCodeAt + kShortLengthOffset, dtmf.StunCode);
        target.Marks.MarkForWrite(RecordKind::Dtmf, kSeparatorAt, 32);

        PutCode<24>(memory, kBotCodeAt, kBotCodeAt + kLongLengthOffset, dtmf.BotCode);
        PutCode<24>(memory, kEotCodeAt, kEotCodeAt + kLongLengthOffset, dtmf.EotCode);
        target.Marks.MarkForWrite(RecordKind::Dtmf, kBotCodeAt, 32);

        for (std::size_t i = 0; i < dtmf.Codes.size(); ++i) {
            const int at = kCodeMemoriesAt + static_cast<int>(i) * kCodeMemoryStride;
            PutCode<24>(memory, at, at + kLongLengthOffset, dtmf.Codes[i]);
        }
        target.Marks.MarkForWrite(RecordKind::Dtmf, kCodeMemoriesAt,
                                  static_cast<int>(kDTMFCodeCount) * kCodeMemoryStride);

        // The completed own ID is the one the radio now holds; the image follows it.
        image.Record.Function.Dtmf.OwnId = MakeFixedText<3>(ownId);
    });
}

void GetCommDataByDTMF(RadioImage& image, RadioMemory& memory) {
    DTMFRecord dtmf = image.Record.Function.Dtmf;

    const int separator = ByteAt(memory, kSeparatorAt);
    dtmf.SeparatorCode =
        static_cast<std::int16_t>(IsSignDigit(separator) ? separator : kDefaultSeparator);
    const int group = ByteAt(memory, kGroupAt);
    dtmf.GroupCode = static_cast<std::int16_t>(IsSignDigit(group) ? group : kReadGroupOff);

    // These two repairs are kept in the memory as well, so it matches what the image holds.
    if (ByteAt(memory, kDecodeResponseAt) > kMaxDecodeResponse) {
        ByteAt(memory, kDecodeResponseAt) = 0;
    }
    dtmf.DecodeResponse = ByteAt(memory, kDecodeResponseAt);
    if (ByteAt(memory, kFirstDigitDelayAt) > kMaxFirstDigitDelay) {
        ByteAt(memory, kFirstDigitDelayAt) = 0;
    }
    dtmf.FirstDigitDelay = ByteAt(memory, kFirstDigitDelayAt);

    dtmf.PreSendDelay = ByteAt(memory, kPreSendDelayAt);
    dtmf.ResetTime = ByteAt(memory, kResetTimeAt);

    std::string ownId;
    for (std::size_t i = 0; i < kOwnIdDigits; ++i) {
        const int digit = ByteAt(memory, kOwnIdAt + static_cast<int>(i));
        if (digit > 9) {
            ownId = std::string(kOwnIdDigits, '0');
            break;
        }
        ownId.push_back(static_cast<char>('0' + digit));
    }
    dtmf.OwnId = MakeFixedText<3>(ownId);

    dtmf.SideTone = ByteAt(memory, kSideToneAt);
    dtmf.PostSendDelay = ByteAt(memory, kPostSendDelayAt);
    dtmf.PauseTime = ByteAt(memory, kPauseTimeAt);

    TakeCode<14>(memory, kKillCodeAt, kKillCodeAt + kShortLengthOffset, dtmf.KillCode);
    TakeCode<14>(memory, kStunCodeAt, kStunCodeAt + kShortLengthOffset, dtmf.StunCode);
    TakeCode<24>(memory, kBotCodeAt, kBotCodeAt + kLongLengthOffset, dtmf.BotCode);
    TakeCode<24>(memory, kEotCodeAt, kEotCodeAt + kLongLengthOffset, dtmf.EotCode);
    for (std::size_t i = 0; i < dtmf.Codes.size(); ++i) {
        const int at = kCodeMemoriesAt + static_cast<int>(i) * kCodeMemoryStride;
        TakeCode<24>(memory, at, at + kLongLengthOffset, dtmf.Codes[i]);
    }

    image.Record.Function.Dtmf = dtmf;
}

} // namespace rp70
