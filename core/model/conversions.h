#pragma once
// Channel frequencies between their stored digit form and the MHz texts the user sees and types,
// with the checks that keep a typed frequency inside the band and on the channel raster.
//
// Stored form: nine digits holding the frequency in units of 10 Hz (MHz × 100000), so 145.125 MHz
// is "014512500". The empty text and "FFFFFFFFF" mean "no frequency".

#include <cstdint>
#include <string>
#include <string_view>

#include "model/band_limits.h"
#include "texts/user_context.h"

namespace rp70 {

/// `ShiftDirection` of a channel: transmit = receive (off), receive − offset, receive + offset.
inline constexpr std::int16_t kShiftOff = 0;
inline constexpr std::int16_t kShiftMinus = 1;
inline constexpr std::int16_t kShiftPlus = 2;

/// Language text key of the warning shown when a typed frequency is outside the band or not a
/// number.
inline constexpr int kFrequencyWarningKey = 2001;

/// Text shown when stored frequency digits are not a number.
inline constexpr std::string_view kNotNumericText = "Not IsNumeric";

/// Stored digits of a frequency text in MHz: the value × 100000, rounded, as nine digits
/// ("145.125" → "014512500", "145" → "014500000"). The empty text stays empty. A text that is
/// not a number, or whose value cannot be stored in nine digits (below 0 or from 10000 MHz up),
/// also gives the empty text, that is "no frequency".
std::string TextToFreqDigits(std::string_view text);

/// Display text "000.00000" of stored receive or transmit digits: the first four digits are
/// whole MHz, the rest the fraction. Empty or "FFFFFFFFF" (after removing trailing spaces and
/// anything from a NUL on) gives the empty text. Digits that are not all "0" … "9" show
/// "Not IsNumeric" and give `RxLow` in its plain form ("136").
std::string FreqDigitsToText(std::string_view digits, const BandLimits& band, UserContext& ctx);

/// Display text "0.00000" of stored offset digits ("000060000" → "0.60000"). Empty or
/// "FFFFFFFFF" gives "0.00000"; digits that are not all "0" … "9" show "Not IsNumeric" and give
/// "0.00000".
std::string OffsetDigitsToText(std::string_view digits, UserContext& ctx);

/// Channel raster of a band in units of 10 Hz: 250 (2.5 kHz) for band codes 2 … 7 and 48 … 55,
/// otherwise 500 (5 kHz).
int RasterUnit(std::int16_t bandIndex);

/// Moves a frequency onto the channel raster counted from `lowLimit` (MHz). A frequency already
/// on the 2.5/5 kHz raster, the 6.25 kHz raster or a 25 kHz boundary stays; one on the 8.33 kHz
/// points of a 25 kHz block stays, except the third point (+24.99 kHz), which moves up 10 Hz onto
/// the next boundary; any other frequency moves down onto the 2.5/5 kHz raster. Below
/// `lowLimit` the raster continues downwards, so snapping never moves up by more than 10 Hz.
/// A value that is not finite or beyond 10^9 MHz is returned unchanged.
double SnapToRaster(double mhz, double lowLimit, std::int16_t bandIndex);

/// A receive frequency kept inside the band: below `RxLow` → warning and `RxLow`; above
/// `RxHigh` → warning and `RxHigh`; otherwise snapped to the raster from `RxLow`. The limits
/// are accepted and returned as they are.
double CheckRxFreq(double mhz, const BandLimits& band, UserContext& ctx);

/// The same as CheckRxFreq with `TxLow`, `TxHigh` and the raster from `TxLow`.
double CheckTxFreq(double mhz, const BandLimits& band, UserContext& ctx);

/// A typed receive frequency checked and formatted "000.00000". A text that is not a number
/// shows the warning and gives `RxLow`.
std::string ValidateRxText(std::string_view text, const BandLimits& band, UserContext& ctx);

/// A typed transmit frequency checked and formatted "000.00000"; `TxLow` for a text that is not
/// a number (with the warning).
std::string ValidateTxText(std::string_view text, const BandLimits& band, UserContext& ctx);

/// Outcome of TxAndOffset.
struct TxAndOffsetResult {
    /// The transmit frequency "000.00000"; empty when nothing was computed.
    std::string TxText;
    /// The offset to store, "000.00000": the distance between transmit and receive frequency.
    std::string OffsetText;
    /// The shift direction to store with the offset.
    std::int16_t Direction = kShiftOff;
};

/// The transmit frequency that results from a receive frequency, an offset and a shift
/// direction, and the offset that really separates the two after the transmit check.
///
/// Off and plus add the offset, any other direction subtracts it; the sum is checked with
/// CheckTxFreq (warning and clamping outside the transmit band, else snapped). The new offset is
/// the distance from receive to transmit frequency.
///
/// Clamping can put the transmit frequency on the other side of the receive frequency, which
/// would make the offset negative; the stored offset has no sign. The offset is then stored as
/// its magnitude, and a plus or minus shift is turned round so that receive ± offset is still
/// the transmit frequency. A shift that is off stays off: the radio then transmits on the
/// receive frequency and the offset is only kept.
///
/// An offset or receive text that is not a number (or a receive frequency that cannot be stored)
/// gives the offset "000.00000", an empty `TxText`, the given direction and no message.
TxAndOffsetResult TxAndOffset(std::string_view offsetText, std::string_view rxText,
                              std::int16_t direction, const BandLimits& band, UserContext& ctx);

} // namespace rp70
