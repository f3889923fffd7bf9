#include "memory/codec_support.h"

#include <algorithm>

namespace rp70 {

std::uint8_t ByteOf(long value) {
    if (value < 0 || value > 0xFF) {
        throw EncodeError("value does not fit one byte");
    }
    return static_cast<std::uint8_t>(value);
}

std::uint8_t BitsOf(long value, int shift, int width) {
    const long limit = (1L << width) - 1;
    if (value < 0 || value > limit) {
        throw EncodeError("value does not fit its bits");
    }
    return static_cast<std::uint8_t>(value << shift);
}

int BitsIn(std::uint8_t byte, int shift, int width) {
    return (byte >> shift) & ((1 << width) - 1);
}

int HexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

std::uint8_t HexPair(char high, char low) {
    const int h = HexDigitValue(high);
    const int l = HexDigitValue(low);
    if (h < 0 || l < 0) {
        throw EncodeError("not a hexadecimal digit");
    }
    return static_cast<std::uint8_t>(h * 16 + l);
}

bool IsDigitText(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

char HexDigit(int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return kDigits[value & 0x0F];
}

std::string HexText(std::uint8_t byte) {
    return {HexDigit(byte >> 4), HexDigit(byte & 0x0F)};
}

void PutText(RadioMemory& memory, int address, int width, std::string_view text,
             std::uint8_t fill) {
    for (int k = 0; k < width; ++k) {
        const auto at = static_cast<std::size_t>(address + k);
        memory.at(at) = static_cast<std::size_t>(k) < text.size()
                            ? static_cast<std::uint8_t>(text[static_cast<std::size_t>(k)])
                            : fill;
    }
}

void PutName(RadioMemory& memory, int address, int width, std::string_view text) {
    // Blanks alone are no name: written as blanks they would read back as the empty name, which
    // is written as NULs, so a second Write would differ from the first.
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        PutText(memory, address, width, {}, 0x00);
        return;
    }
    PutText(memory, address, width, text, 0x20);
}

std::string TakeText(const RadioMemory& memory, int address, int width) {
    std::string text;
    for (int k = 0; k < width; ++k) {
        const std::uint8_t byte = memory.at(static_cast<std::size_t>(address + k));
        if (byte == 0x00 || byte == 0xFF) {
            text.push_back('\0');
            break;
        }
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

void ShowEncoderFailure(Interaction& ui, std::string_view failureText) {
    ui.Show(Message{std::string(failureText), {}, MessageIcon::None, MessageButtons::Ok});
}

} // namespace rp70
