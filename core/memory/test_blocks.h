#pragma once
// Where the factory test values live in the radio: block 0000 holds values 0 … 15, one byte
// each; block 0160 holds values 16 … 28 (18, 19 and 20 as two bytes, low byte first).
// Values 29 … 31 have no place in the radio.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "memory/radio_memory.h"
#include "model/radio_image.h"

namespace rp70 {

inline constexpr int kTestBlock0Address = 0x0000;
inline constexpr int kTestBlock160Address = 0x0160;

using TestBlock = std::array<std::uint8_t, kBlockSize>;

/// Index of the first test value that does not fit its place in the radio (0 … 255, values
/// 18 … 20 0 … 0x7FFF), looking only at `indices`' values; nullopt when all fit.
std::optional<int> FirstUnsendableTestValue(const TestValues& values, std::span<const int> indices);

/// The values sent by a factory Write after values 0, 1, 14 and 15 came from the radio:
/// 2 … 13 and 16 … 28.
std::span<const int> UserTestValueIndices();

/// Block 0000 from test values 0 … 15 (each value's low byte).
TestBlock TestBlock0(const TestValues& values);

/// Block 0160 from test values 16 … 28 (each value's low byte; 18 … 20 low byte, high byte).
TestBlock TestBlock160(const TestValues& values);

/// A Read stores block 0000 (values 0 … 15) or block 0160 (values 16 … 28; a high byte of
/// 80 or more of 18 … 20 is not added; 29 … 31 become 0). Other addresses change nothing.
void StoreReadTestBlock(int address, const TestBlock& data, TestValues& values);

/// A Write takes only values 0, 1, 14 and 15 from block 0000, the radio's own; the others
/// keep what the person set.
void StoreWriteTestBlock0(const TestBlock& data, TestValues& values);

} // namespace rp70
