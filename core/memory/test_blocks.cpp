#include "memory/test_blocks.h"

#include <array>
#include <cstddef>

namespace rp70 {
namespace {

/// Values 18, 19 and 20 take two bytes each in block 0160, low byte first.
constexpr int kFirstWordValue = 18;
constexpr int kLastWordValue = 20;
/// Value 16 is byte 0 of block 0160; 28 is its last byte.
constexpr int kFirstBlock160Value = 16;
constexpr int kLastBlock160Value = 28;
/// Values 21 … 28 are bytes 8 … 15 of block 0160.
constexpr int kFirstTailValue = 21;
constexpr std::size_t kTailOffset = 8;

bool IsWordValue(int index) {
    return index >= kFirstWordValue && index <= kLastWordValue;
}

/// Data byte of block 0160 where the (low byte of the) value `index` lies.
std::size_t Block160Offset(int index) {
    if (index < kFirstWordValue) {
        return static_cast<std::size_t>(index - kFirstBlock160Value);
    }
    if (IsWordValue(index)) {
        return 2 + 2 * static_cast<std::size_t>(index - kFirstWordValue);
    }
    return kTailOffset + static_cast<std::size_t>(index - kFirstTailValue);
}

std::uint8_t LowByte(std::int16_t value) {
    return static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) & 0xFFU);
}

std::uint8_t HighByte(std::int16_t value) {
    return static_cast<std::uint8_t>((static_cast<std::uint16_t>(value) >> 8) & 0xFFU);
}

constexpr std::array<int, 25> kUserTestValueIndices = {
    2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28};

/// Values 0, 1, 14 and 15 of block 0000 are the radio's own.
constexpr std::array<std::size_t, 4> kRadioOwnedBlock0Values = {0, 1, 14, 15};

} // namespace

std::optional<int> FirstUnsendableTestValue(const TestValues& values,
                                            std::span<const int> indices) {
    for (int index : indices) {
        if (index < 0 || index > kLastBlock160Value) {
            continue; // no place in the radio: never sent
        }
        const std::int16_t value = values[static_cast<std::size_t>(index)];
        const int highest = IsWordValue(index) ? 0x7FFF : 0xFF;
        if (value < 0 || value > highest) {
            return index;
        }
    }
    return std::nullopt;
}

std::span<const int> UserTestValueIndices() {
    return kUserTestValueIndices;
}

TestBlock TestBlock0(const TestValues& values) {
    TestBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = LowByte(values[i]);
    }
    return block;
}

TestBlock TestBlock160(const TestValues& values) {
    TestBlock block{};
    for (int index = kFirstBlock160Value; index <= kLastBlock160Value; ++index) {
        const std::int16_t value = values[static_cast<std::size_t>(index)];
        const std::size_t offset = Block160Offset(index);
        block[offset] = LowByte(value);
        if (IsWordValue(index)) {
            block[offset + 1] = HighByte(value);
        }
    }
    return block;
}

void StoreReadTestBlock(int address, const TestBlock& data, TestValues& values) {
    if (address == kTestBlock0Address) {
        for (std::size_t i = 0; i < data.size(); ++i) {
            values[i] = data[i];
        }
        return;
    }
    if (address != kTestBlock160Address) {
        return;
    }
    for (int index = kFirstBlock160Value; index <= kLastBlock160Value; ++index) {
        const std::size_t offset = Block160Offset(index);
        int value = data[offset];
        // A high byte of 80 or more would make the value negative; the low byte stands alone.
        if (IsWordValue(index) && data[offset + 1] < 0x80) {
            value += 256 * data[offset + 1];
        }
        values[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(value);
    }
    for (auto index = static_cast<std::size_t>(kLastBlock160Value + 1); index < values.size();
         ++index) {
        values[index] = 0;
    }
}

void StoreWriteTestBlock0(const TestBlock& data, TestValues& values) {
    for (std::size_t index : kRadioOwnedBlock0Values) {
        values[index] = data[index];
    }
}

} // namespace rp70
