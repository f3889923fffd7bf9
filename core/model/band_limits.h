#pragma once
// The receive and transmit limits of a band, read from its caption.

#include <cstdint>
#include <string>
#include <string_view>

namespace rp70 {

/// Limits of the current band in MHz, as every frequency check uses them.
struct BandLimits {
    /// The text inside "Rx(" … ")" of the caption, e.g. "136 - 173.99750 MHz".
    std::string RxRangeText;
    /// The text inside "Tx(" … ")".
    std::string TxRangeText;
    double RxLow = 0.0;
    double RxHigh = 0.0;
    double TxLow = 0.0;
    double TxHigh = 0.0;
    /// The band code the limits belong to (it fixes the channel raster).
    std::int16_t BandIndex = 0;

    bool operator==(const BandLimits&) const = default;
};

/// Reads the limits from a band caption such as "Rx(136 - 173.99750 MHz) Tx(144 - 145.99750 MHz)".
/// Each range text is what follows the first "Rx(" (or "Tx(") up to the next ")"; in it the word
/// before the first space is the low limit and the word between the second and third space is
/// the high limit.
///
/// A caption from which the four limits cannot be read (a range missing, a limit that is not a
/// number, a negative limit or a low limit above the high one) gives the limits of the band
/// table's caption for `bandIndex` instead, range texts included, so the checks always work on a
/// real band. `BandIndex` is always `bandIndex`.
BandLimits DeriveBandLimits(std::string_view bandText, std::int16_t bandIndex);

} // namespace rp70
