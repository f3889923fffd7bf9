#pragma once
// The copy of the radio's 16 KiB memory that transfers fill and the encoders and decoders
// translate to and from the radio image.

#include <array>
#include <cstddef>
#include <cstdint>

namespace rp70 {

inline constexpr std::size_t kRadioMemorySize = 16384;
/// Transfers move the memory in blocks of this many bytes.
inline constexpr int kBlockSize = 16;
inline constexpr int kBlockCount = static_cast<int>(kRadioMemorySize) / kBlockSize;

/// The radio memory, index = radio address.
using RadioMemory = std::array<std::uint8_t, kRadioMemorySize>;

/// Sets the memory to the pattern every transfer starts from: 0010-00FF 00, 0100-01FF FF,
/// 0200-037F 00, 0380-039F FF, 03A0-3FFF 00, then 03F0-03FF FF. Addresses 0000-000F keep
/// their values.
void ClearRadioMemory(RadioMemory& memory);

} // namespace rp70
