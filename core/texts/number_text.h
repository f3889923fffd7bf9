#pragma once
// Decimal numbers as the user types them and as the program shows them. Always "." as the
// decimal separator, whatever the user's locale: everything here is built on std::from_chars and
// std::to_chars.

#include <concepts>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace rp70 {

/// The value of a typed decimal number, or nothing when the text is not one.
///
/// Accepted: optional spaces or tabs before and after, an optional "+" or "-", then digits with
/// at most one "." and at least one digit ("12", "-3.5", "5.", ".25", " 145.5 "). Not accepted:
/// the empty text, a lone sign or ".", a second ".", inner spaces, exponents, hexadecimal,
/// "inf"/"nan", thousands separators, "," as separator, and values beyond the range of double.
std::optional<double> ParseNumber(std::string_view text);

/// A whole number written as an optional "+" or "-" and decimal digits, nothing else (no
/// blanks); nullopt for anything else or a number beyond 64 bits.
std::optional<long long> ParseWholeNumber(std::string_view text);

/// ParseWholeNumber, and nullopt as well when the number does not fit into T.
template <std::integral T> std::optional<T> ParseWholeNumberAs(std::string_view text) {
    const auto value = ParseWholeNumber(text);
    if (!value || *value < std::numeric_limits<T>::min() ||
        *value > std::numeric_limits<T>::max()) {
        return std::nullopt;
    }
    return static_cast<T>(*value);
}

/// The whole number `text` holds (as ParseWholeNumber reads it), or `fallback` when the text is
/// empty, not a whole number or beyond int: what a list entry such as "17" stands for.
int NumberOr(std::string_view text, int fallback);

/// `text` without spaces and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

/// True when ParseNumber accepts the text.
bool IsNumeric(std::string_view text);

/// `value` with at least `minIntegerDigits` integer digits (zero-padded) and exactly `decimals`
/// decimals. The value is rounded from its shortest exact decimal form, half away from zero, so
/// 2.675 with two decimals gives "2.68" although the double is a little below 2.675.
///
/// The patterns of the program map to: "000.00000" (3, 5), "0.00000" (1, 5), "#.00000" (0, 5),
/// "000.0000" (3, 4), "0000" (4, 0), "000000000" (9, 0). With 0 integer digits a value below 1
/// has no leading zero (".50000") and zero with no decimals is the empty text, as the "#"
/// pattern means. A negative value gets a "-" before the digits unless it rounds to zero.
/// Non-finite values are formatted as 0. Arguments are clamped to 0 … 40 integer digits and
/// 0 … 20 decimals.
std::string FormatFixed(double value, int minIntegerDigits, int decimals);

/// `value` in its shortest form that reads back exactly, without exponent and without trailing
/// zeros: 136 gives "136", 173.9975 gives "173.9975". Non-finite values give "0".
std::string FormatPlain(double value);

/// `value` in decimal with at least `minDigits` digits (zero-padded after the sign): (7, 3) gives
/// "007", (-7, 3) gives "-007". `minDigits` is clamped to 1 … 40.
std::string FormatInteger(long long value, int minDigits = 1);

} // namespace rp70
