#include "files/password_block.h"

#include "model/fixed_text.h"

namespace rp70 {
namespace {

static_assert(kMaxFilePasswordLength + kPasswordMarker.size() == kPasswordBlockSize);

// Where bit `bit` of text byte `byte` lives in the block: bit 127 - 16 * bit - byte of the
// 128-bit block, bit 0 being the least significant bit of block byte 0.
constexpr std::size_t BlockBitOf(std::size_t bit, std::size_t byte) {
    return 127 - 16 * bit - byte;
}

constexpr bool IsUpperLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

} // namespace

PasswordBlock EncodePasswordBlock(std::string_view password) {
    std::string text = TextOf(password);
    text.resize(kMaxFilePasswordLength, ' ');
    text += kPasswordMarker;

    PasswordBlock block{};
    for (std::size_t bit = 0; bit < 8; ++bit) {
        for (std::size_t byte = 0; byte < kPasswordBlockSize; ++byte) {
            const auto value = static_cast<unsigned char>(text[byte]);
            if (((value >> bit) & 1U) == 0) {
                const std::size_t n = BlockBitOf(bit, byte);
                block[n / 8] = static_cast<std::uint8_t>(block[n / 8] | (1U << (n % 8)));
            }
        }
    }
    return block;
}

std::array<std::uint8_t, kPasswordBlockSize> DecodePasswordBlockBytes(const PasswordBlock& block) {
    std::array<std::uint8_t, kPasswordBlockSize> text{};
    for (std::size_t bit = 0; bit < 8; ++bit) {
        for (std::size_t byte = 0; byte < kPasswordBlockSize; ++byte) {
            const std::size_t n = BlockBitOf(bit, byte);
            if (((block[n / 8] >> (n % 8)) & 1U) == 0) {
                text[byte] = static_cast<std::uint8_t>(text[byte] | (1U << bit));
            }
        }
    }
    return text;
}

std::string DecodePasswordBlock(const PasswordBlock& block) {
    const auto bytes = DecodePasswordBlockBytes(block);
    const std::string text(bytes.begin(), bytes.end());
    if (text.substr(kMaxFilePasswordLength) != kPasswordMarker) {
        return {};
    }
    return text.substr(0, kMaxFilePasswordLength);
}

std::optional<char> FilePasswordKey(char typed) {
    if (typed >= 'a' && typed <= 'z') {
        return static_cast<char>(typed - 'a' + 'A');
    }
    if (IsUpperLetterOrDigit(typed)) {
        return typed;
    }
    return std::nullopt;
}

bool IsValidFilePassword(std::string_view password) {
    if (password.size() > kMaxFilePasswordLength) {
        return false;
    }
    for (char c : password) {
        if (!IsUpperLetterOrDigit(c)) {
            return false;
        }
    }
    return true;
}

} // namespace rp70
