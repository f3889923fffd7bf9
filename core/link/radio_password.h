#pragma once
// The radio's programming password: up to four characters in the block at 0040 (addresses
// 004C … 004F), which every transfer reads and compares with the password the person entered.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "link/wire_protocol.h"

namespace rp70 {

/// The block that holds the radio password.
inline constexpr int kPasswordAreaAddress = 0x0040;

/// Longest radio password.
inline constexpr std::size_t kRadioPasswordLength = 4;

/// The password in the data of the block at 0040: data bytes 12 … 15 up to the first 00 or FF
/// byte, with trailing spaces removed. Empty when the radio has none.
std::string RadioPasswordOf(std::span<const std::uint8_t, kFrameDataLength> data);

/// Whether the radio's password equals `entered` (case-sensitive).
bool PasswordMatches(std::span<const std::uint8_t, kFrameDataLength> data,
                     std::string_view entered);

} // namespace rp70
