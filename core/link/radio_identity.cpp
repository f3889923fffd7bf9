#include "link/radio_identity.h"

#include <cstddef>

#include "link/wire_protocol.h"
#include "model/bands.h"

namespace rp70 {
namespace {

constexpr std::size_t kModelOffset = 1;
constexpr std::size_t kModelLength = 7;
constexpr std::size_t kBandOffset = 8;
constexpr std::size_t kVersionOffset = 9;
constexpr std::size_t kVersionLength = 4;
constexpr std::size_t kFeatureOffset = 13;
constexpr std::size_t kStatusOffset = 14;

constexpr std::uint8_t kKilledBit = 0x01;
constexpr std::uint8_t kStunnedBit = 0x02;

bool EndsText(std::uint8_t byte) {
    return byte == 0x00 || byte == 0xFF;
}

/// Bands 3 and 7 are the same 136 … 174 MHz band under two codes.
bool IsSameBand(std::int16_t radioCode, std::int16_t imageCode) {
    if (radioCode == imageCode) {
        return true;
    }
    const auto isVhf = [](std::int16_t code) { return code == 3 || code == 7; };
    return isVhf(radioCode) && isVhf(imageCode);
}

} // namespace

std::optional<RadioIdentity> ParseIdentifyReply(std::span<const std::uint8_t> received,
                                                int echoLength) {
    const auto found = ReplyBehindEcho(received, echoLength, kIdentifyReplyLength);
    if (!found) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> reply = *found;
    if (reply[0] != kIdentifyReplyLetter || reply[reply.size() - 1] != kAcknowledge) {
        return std::nullopt;
    }

    RadioIdentity identity;
    for (std::uint8_t byte : reply.subspan(kModelOffset, kModelLength)) {
        if (EndsText(byte)) {
            break;
        }
        identity.ModelText.push_back(static_cast<char>(byte));
    }
    identity.BandCode = BandCodeFromRadio(reply[kBandOffset]);
    identity.BandText = std::string(BandCaption(identity.BandCode));
    for (std::uint8_t byte : reply.subspan(kVersionOffset, kVersionLength)) {
        if (!EndsText(byte)) {
            identity.VersionText.push_back(static_cast<char>(byte));
        }
    }
    identity.FeatureByte = reply[kFeatureOffset];
    identity.Killed = (reply[kStatusOffset] & kKilledBit) != 0;
    identity.Stunned = (reply[kStatusOffset] & kStunnedBit) != 0;
    return identity;
}

std::vector<BuiltinText> IdentityRefusals(const RadioIdentity& identity, TransferKind kind,
                                          std::int16_t imageBandCode) {
    std::vector<BuiltinText> refusals;
    if (identity.ModelText != kAcceptedModelText) {
        refusals.push_back(BuiltinText::WrongModel);
    } else if (identity.VersionText != kAcceptedVersionText) {
        refusals.push_back(BuiltinText::WrongVersion);
    }
    if (kind != TransferKind::Write) {
        return refusals;
    }
    if (!IsSameBand(identity.BandCode, imageBandCode)) {
        refusals.push_back(BuiltinText::WrongBand);
    }
    if (refusals.empty()) {
        if (identity.Killed) {
            refusals.push_back(BuiltinText::RadioKilled);
        } else if (identity.Stunned) {
            refusals.push_back(BuiltinText::RadioStunned);
        }
    }
    return refusals;
}

} // namespace rp70
