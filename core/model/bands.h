#pragma once
// The radio model and the band table. A band code names one of the radio's frequency bands; its
// caption ("Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)") names the receive and transmit
// limits and is the text the image keeps as its band.

#include <cstdint>
#include <string>
#include <string_view>

namespace rp70 {

/// The model name the radio reports and the program keeps as `ModelName`.
inline constexpr std::string_view kInternalModelName = "KTRP70";

/// How the program shows the model "KTRP70".
inline constexpr std::string_view kModelDisplayText = "KT-RP70";

/// The band every unknown band code or caption falls back to (400 … 469.9975 MHz).
inline constexpr std::int16_t kFallbackBandCode = 48;

/// Caption of a band code. Codes 7 and 35 … 39 share the captions of codes 3 and 32; every code
/// that is not in the table gives the caption of code 48.
std::string_view BandCaption(std::int16_t code);

/// Band code of a caption: the first code, in the order 0 … 7, 16 … 23, 32 … 39, 48 … 55, whose
/// caption equals `caption` exactly (so 7 and 35 … 39 are never returned). Any other text,
/// including the empty one, gives 48.
std::int16_t BandCode(std::string_view caption);

/// The band code the program adopts for a code the radio reports: a code with bit 3 set, above
/// 55 or below 0 (a radio sends one byte, so a negative code is a damaged reply) becomes 48.
/// Every code this returns is in the band table.
std::int16_t BandCodeFromRadio(std::int16_t code);

/// Display name of a model: `TextOf(modelName)`, with "KTRP70" shown as "KT-RP70". The band code
/// does not change the result.
std::string ModelDisplayName(std::string_view modelName, std::int16_t bandCode);

} // namespace rp70
