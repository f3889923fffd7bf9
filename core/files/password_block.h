#pragma once
// The file password and the 16-byte password block at the start of a data file: the password
// padded to ten characters, then the marker "MWTHBL", with the 128 bits transposed and
// inverted.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rp70 {

/// Size of the password block at the start of a data file.
inline constexpr std::size_t kPasswordBlockSize = 16;

/// The six letters behind the password that mark a block as a password block.
inline constexpr std::string_view kPasswordMarker = "MWTHBL";

/// Longest file password.
inline constexpr std::size_t kMaxFilePasswordLength = 10;

/// A password block as stored, byte 0 first.
using PasswordBlock = std::array<std::uint8_t, kPasswordBlockSize>;

/// The block for `password`: its TextOf, padded with spaces or cut to ten characters, followed
/// by the marker; bit j of byte k of that text becomes, inverted, bit 127 - 16j - k of the
/// block (bit 0 being the least significant bit of byte 0).
PasswordBlock EncodePasswordBlock(std::string_view password);

/// The sixteen bytes a block holds (password part and marker part), undoing the transposition
/// and inversion. Any 16 bytes give some text; only a block with the marker is a password block.
std::array<std::uint8_t, kPasswordBlockSize> DecodePasswordBlockBytes(const PasswordBlock& block);

/// The ten password characters of `block` (an empty password gives ten spaces), or the empty
/// text when the block does not end in the marker.
std::string DecodePasswordBlock(const PasswordBlock& block);

/// The password dialog's rule for one typed printable character: "a" … "z" become "A" … "Z",
/// "0" … "9" and "A" … "Z" are taken; anything else is rejected (nullopt).
std::optional<char> FilePasswordKey(char typed);

/// Whether `password` is a file password: 0 … 10 characters of "0" … "9" and "A" … "Z".
bool IsValidFilePassword(std::string_view password);

} // namespace rp70
