#pragma once
// Fixed-width text fields as the radio's records store them: N single-byte
// characters, left-aligned and padded with spaces.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rp70 {

/// A text field of exactly N bytes, held as stored.
template <std::size_t N> using FixedText = std::array<char, N>;

/// Display text of a stored field: trailing spaces removed, then cut at the
/// first NUL if there is one.
std::string TextOf(std::string_view stored);

template <std::size_t N> std::string TextOf(const FixedText<N>& field) {
    return TextOf(std::string_view(field.data(), N));
}

/// Writes `text` into `field`: left-aligned, filled with spaces, cut when too
/// long. Bytes are copied as they are; narrowing to single-byte characters is
/// the caller's business.
void WriteFixedText(char* field, std::size_t width, std::string_view text);

template <std::size_t N> void WriteFixedText(FixedText<N>& field, std::string_view text) {
    WriteFixedText(field.data(), N, text);
}

template <std::size_t N> FixedText<N> MakeFixedText(std::string_view text) {
    FixedText<N> field{};
    WriteFixedText(field, text);
    return field;
}

/// The empty field of a new image: a NUL followed by spaces.
template <std::size_t N> FixedText<N> EmptyFixedText() {
    FixedText<N> field{};
    field.fill(' ');
    field[0] = '\0';
    return field;
}

} // namespace rp70
