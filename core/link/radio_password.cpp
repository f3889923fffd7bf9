#include "link/radio_password.h"

#include "model/fixed_text.h"

namespace rp70 {
namespace {

/// Data bytes 12 … 15 of the block at 0040 (addresses 004C … 004F).
constexpr std::size_t kPasswordOffset = 0x004C - kPasswordAreaAddress;
static_assert(kPasswordOffset + kRadioPasswordLength == kFrameDataLength);

} // namespace

std::string RadioPasswordOf(std::span<const std::uint8_t, kFrameDataLength> data) {
    std::string stored;
    for (std::uint8_t byte : data.subspan<kPasswordOffset, kRadioPasswordLength>()) {
        if (byte == 0x00 || byte == 0xFF) {
            break;
        }
        stored.push_back(static_cast<char>(byte));
    }
    return TextOf(stored);
}

bool PasswordMatches(std::span<const std::uint8_t, kFrameDataLength> data,
                     std::string_view entered) {
    return RadioPasswordOf(data) == entered;
}

} // namespace rp70
