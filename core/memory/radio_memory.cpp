#include "memory/radio_memory.h"

#include <algorithm>

namespace rp70 {

namespace {

void Fill(RadioMemory& memory, std::size_t first, std::size_t last, std::uint8_t value) {
    std::fill(memory.begin() + static_cast<std::ptrdiff_t>(first),
              memory.begin() + static_cast<std::ptrdiff_t>(last) + 1, value);
}

} // namespace

void ClearRadioMemory(RadioMemory& memory) {
    Fill(memory, 0x0010, 0x00FF, 0x00);
    Fill(memory, 0x0100, 0x01FF, 0xFF);
    Fill(memory, 0x0200, 0x037F, 0x00);
    Fill(memory, 0x0380, 0x039F, 0xFF);
    Fill(memory, 0x03A0, 0x3FFF, 0x00);
    Fill(memory, 0x03F0, 0x03FF, 0xFF);
}

} // namespace rp70
