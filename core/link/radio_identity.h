#pragma once
// Who is at the other end of the cable: the radio's identification reply and the checks a
// transfer makes before it goes on.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "memory/block_passes.h"
#include "texts/builtin_texts.h"

namespace rp70 {

/// The radio the program accepts.
inline constexpr std::string_view kAcceptedModelText = "KTRP70";
inline constexpr std::string_view kAcceptedVersionText = "V100";

/// What the identification reply says about the radio.
struct RadioIdentity {
    std::string ModelText;        ///< up to 7 characters
    std::int16_t BandCode = 0;    ///< after the replacement of unknown codes by 0x30
    std::string BandText;         ///< the band's caption
    std::string VersionText;      ///< up to 4 characters
    std::uint8_t FeatureByte = 0; ///< bit 7 5-tone, bit 6 2-tone, bit 5 DTMF, bit 4 feature 4
    bool Killed = false;
    bool Stunned = false;
};

/// The identification reply behind `echoLength` echo bytes: exactly E + 16 bytes, byte E "I",
/// the last byte 06. The model text ends at the first 00 or FF; the version text skips 00 and
/// FF bytes; a band code whose low nibble is above 7 or that is above 0x37 becomes 0x30.
std::optional<RadioIdentity> ParseIdentifyReply(std::span<const std::uint8_t> received,
                                                int echoLength);

/// Why the radio must not be used for a transfer of `kind`, in the order the messages are
/// shown; empty when it may. `imageBandCode` is the band code of the radio image (a Write
/// refuses another band, except 3 and 7, which are the same band).
std::vector<BuiltinText> IdentityRefusals(const RadioIdentity& identity, TransferKind kind,
                                          std::int16_t imageBandCode);

} // namespace rp70
