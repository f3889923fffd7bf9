#include "model/conversions.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/fixed_text.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr double kUnitsPerMHz = 100000.0;          // stored frequencies count 10 Hz
constexpr double kLargestMHz = 1e9;                // keeps every unit count exact in a double
constexpr std::int64_t kLargestDigits = 999999999; // nine stored digits
constexpr std::string_view kNoFrequency = "FFFFFFFFF";

// MHz in whole units of 10 Hz, a half going to the even neighbour.
std::optional<std::int64_t> ToTenHertz(double mhz) {
    if (!std::isfinite(mhz) || std::fabs(mhz) > kLargestMHz) {
        return std::nullopt;
    }
    const double scaled = mhz * kUnitsPerMHz;
    double rounded = std::round(scaled); // a half away from zero
    if (std::fabs(scaled - rounded) == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
        rounded -= std::copysign(1.0, scaled);
    }
    return static_cast<std::int64_t>(rounded);
}

double ToMHz(std::int64_t units) {
    return static_cast<double>(units) / kUnitsPerMHz;
}

// Remainder that is never negative, so the raster continues below the origin.
std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
    const std::int64_t rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Stored digits as a decimal text: the first four are whole MHz, the rest the fraction.
double DigitsValue(std::string_view digits) {
    const std::size_t whole = std::min<std::size_t>(4, digits.size());
    std::string text(digits.substr(0, whole));
    text += '.';
    text += digits.substr(whole);
    return ParseNumber(text).value_or(0.0);
}

void ShowFrequencyWarning(UserContext& ctx) {
    ctx.Ui.Show(Message{ctx.Texts.GetText(kFrequencyWarningKey), "", MessageIcon::Exclamation,
                        MessageButtons::Ok});
}

void ShowNotNumeric(UserContext& ctx) {
    ctx.Ui.Show(Message{std::string(kNotNumericText), "", MessageIcon::None, MessageButtons::Ok});
}

double CheckFreq(double mhz, double low, double high, std::int16_t bandIndex, UserContext& ctx) {
    if (!(mhz >= low)) { // below the band, or not a number at all
        ShowFrequencyWarning(ctx);
        return low;
    }
    if (mhz <= high) {
        // Snapping moves up by at most 10 Hz; never past the upper limit.
        return std::min(SnapToRaster(mhz, low, bandIndex), high);
    }
    ShowFrequencyWarning(ctx);
    return high;
}

} // namespace

std::string TextToFreqDigits(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const auto value = ParseNumber(text);
    if (!value) {
        return {};
    }
    const auto units = ToTenHertz(*value);
    if (!units || *units < 0 || *units > kLargestDigits) {
        return {};
    }
    return FormatInteger(*units, 9);
}

std::string FreqDigitsToText(std::string_view digits, const BandLimits& band, UserContext& ctx) {
    const std::string stored = TextOf(digits);
    if (stored.empty() || stored == kNoFrequency) {
        return {};
    }
    if (!AllDigits(stored)) {
        ShowNotNumeric(ctx);
        return FormatPlain(band.RxLow);
    }
    return FormatFixed(DigitsValue(stored), 3, 5);
}

std::string OffsetDigitsToText(std::string_view digits, UserContext& ctx) {
    const std::string stored = TextOf(digits);
    if (stored.empty() || stored == kNoFrequency) {
        return FormatFixed(0.0, 1, 5);
    }
    if (!AllDigits(stored)) {
        ShowNotNumeric(ctx);
        return FormatFixed(0.0, 1, 5);
    }
    return FormatFixed(DigitsValue(stored), 1, 5);
}

int RasterUnit(std::int16_t bandIndex) {
    const bool fineRaster =
        (bandIndex >= 2 && bandIndex <= 7) || (bandIndex >= 48 && bandIndex <= 55);
    return fineRaster ? 250 : 500;
}

double SnapToRaster(double mhz, double lowLimit, std::int16_t bandIndex) {
    const auto frequency = ToTenHertz(mhz);
    const auto origin = ToTenHertz(lowLimit);
    if (!frequency || !origin) {
        return mhz;
    }
    const std::int64_t f = *frequency;
    const std::int64_t distance = f - *origin;
    const std::int64_t offRaster = FloorMod(distance, RasterUnit(bandIndex));
    const std::int64_t off6k25 = FloorMod(distance, 625);
    const std::int64_t in25k = FloorMod(distance, 2500);

    if (offRaster == 0 || off6k25 == 0 || in25k == 0) {
        return ToMHz(f);
    }
    if (in25k % 833 != 0) {
        return ToMHz(f - offRaster);
    }
    // 833, 1666 or 2499: the 8.33 kHz points of the 25 kHz block; the last one belongs to the
    // next boundary.
    return in25k / 833 == 3 ? ToMHz(f + 1) : ToMHz(f);
}

double CheckRxFreq(double mhz, const BandLimits& band, UserContext& ctx) {
    return CheckFreq(mhz, band.RxLow, band.RxHigh, band.BandIndex, ctx);
}

double CheckTxFreq(double mhz, const BandLimits& band, UserContext& ctx) {
    return CheckFreq(mhz, band.TxLow, band.TxHigh, band.BandIndex, ctx);
}

std::string ValidateRxText(std::string_view text, const BandLimits& band, UserContext& ctx) {
    if (const auto value = ParseNumber(text)) {
        return FormatFixed(CheckRxFreq(*value, band, ctx), 3, 5);
    }
    ShowFrequencyWarning(ctx);
    return FormatFixed(band.RxLow, 3, 5);
}

std::string ValidateTxText(std::string_view text, const BandLimits& band, UserContext& ctx) {
    if (const auto value = ParseNumber(text)) {
        return FormatFixed(CheckTxFreq(*value, band, ctx), 3, 5);
    }
    ShowFrequencyWarning(ctx);
    return FormatFixed(band.TxLow, 3, 5);
}

TxAndOffsetResult TxAndOffset(std::string_view offsetText, std::string_view rxText,
                              std::int16_t direction, const BandLimits& band, UserContext& ctx) {
    TxAndOffsetResult result{{}, FormatFixed(0.0, 3, 5), direction};
    const auto offset = ParseNumber(offsetText);
    const auto rx = ParseNumber(rxText);
    const auto rxUnits = rx ? ToTenHertz(*rx) : std::nullopt;
    if (!offset || !rxUnits) {
        return result;
    }

    const bool adds = direction == kShiftOff || direction == kShiftPlus;
    const double tx = CheckTxFreq(adds ? *rx + *offset : *rx - *offset, band, ctx);
    result.TxText = FormatFixed(tx, 3, 5);

    // CheckTxFreq returns a band limit or a snapped value, both well inside ToTenHertz's range.
    const std::int64_t txUnits = ToTenHertz(tx).value_or(*rxUnits);
    const std::int64_t shift = adds ? txUnits - *rxUnits : *rxUnits - txUnits;
    result.OffsetText = FormatFixed(ToMHz(shift < 0 ? -shift : shift), 3, 5);
    if (shift < 0 && direction != kShiftOff) {
        result.Direction = adds ? kShiftMinus : kShiftPlus;
    }
    return result;
}

} // namespace rp70
