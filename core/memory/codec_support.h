#pragma once
// Building blocks shared by the encoders and decoders of the radio memory: value and bit
// packing with range checks, hexadecimal digit pairs, and the text forms the radio uses.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "memory/marking.h"
#include "memory/radio_memory.h"
#include "texts/interaction.h"

namespace rp70 {

/// What every encoder writes to: the memory, the marks of what it wrote, and the person who
/// is told when it fails.
struct EncodeTarget {
    RadioMemory& Memory;
    MarkingSink& Marks;
    Interaction& Ui;
};

/// A value of the image that the radio memory cannot hold. Encoders catch it at their
/// boundary (RunEncoder); it never leaves an encoder.
class EncodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The byte at radio address `address`.
inline std::uint8_t& ByteAt(RadioMemory& memory, int address) {
    return memory.at(static_cast<std::size_t>(address));
}
inline std::uint8_t ByteAt(const RadioMemory& memory, int address) {
    return memory.at(static_cast<std::size_t>(address));
}

/// `value` as one byte; EncodeError when it is outside 0 … 255.
std::uint8_t ByteOf(long value);

/// `value` placed in a field of `width` bits starting at bit `shift` of a byte; EncodeError
/// when it is outside 0 … 2^width − 1 (a one-bit flag must be 0 or 1).
std::uint8_t BitsOf(long value, int shift, int width = 1);

/// The field of `width` bits starting at bit `shift` of `byte`.
int BitsIn(std::uint8_t byte, int shift, int width = 1);

/// Value of a hexadecimal digit ("0" … "9", "A" … "F", "a" … "f"); −1 for anything else.
int HexDigitValue(char digit);

/// True for a text of decimal digits only, at least one: how the radio's numbers are written.
bool IsDigitText(std::string_view text);

/// The upper-case hexadecimal digit of `value` (0 … 15).
char HexDigit(int value);

/// Two hexadecimal digits as one byte, the first in the high nibble; EncodeError when either
/// is not a hexadecimal digit.
std::uint8_t HexPair(char high, char low);

/// `byte` as two upper-case hexadecimal digits.
std::string HexText(std::uint8_t byte);

/// Writes `width` bytes at `address`: the codes of the characters of `text` (at most `width`),
/// then `fill` up to the width.
void PutText(RadioMemory& memory, int address, int width, std::string_view text, std::uint8_t fill);

/// The radio's form of a short name: an empty text is `width` 00 bytes, any other text its
/// character codes followed by spaces.
void PutName(RadioMemory& memory, int address, int width, std::string_view text);

/// The characters of the bytes from `address` on, stopping before the first 00 or FF byte and
/// after at most `width` bytes; when a 00 or FF byte ended the text, one NUL follows it.
std::string TakeText(const RadioMemory& memory, int address, int width);

/// Shows an encoder's failure message with an OK button.
void ShowEncoderFailure(Interaction& ui, std::string_view failureText);

/// Runs the work of one encoder. When it throws EncodeError, the person is shown
/// `failureText` and false is returned; the memory may then hold part of the encoder's work.
template <class Work> bool RunEncoder(Interaction& ui, std::string_view failureText, Work&& work) {
    try {
        work();
        return true;
    } catch (const EncodeError&) {
        ShowEncoderFailure(ui, failureText);
        return false;
    }
}

} // namespace rp70
