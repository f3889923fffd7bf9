#include "texts/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace rp70 {
namespace {

constexpr int kMaxIntegerDigits = 40;
constexpr int kMaxDecimals = 20;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Shortest decimal form of a finite value in fixed notation, e.g. "-145.125" or "136".
std::string ShortestFixed(double value) {
    // The longest fixed form of a double (the smallest subnormal) has about 330 characters.
    std::array<char, 512> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    if (result.ec != std::errc{}) {
        return "0";
    }
    return std::string(buffer.data(), result.ptr);
}

} // namespace

int NumberOr(std::string_view text, int fallback) {
    return ParseWholeNumberAs<int>(text).value_or(fallback);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int digits = 0;
    int dots = 0;
    for (char c : text) {
        if (IsDigit(c)) {
            ++digits;
        } else if (c == '.') {
            ++dots;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || dots > 1) {
        return std::nullopt;
    }

    // Give from_chars the plain form "d.d" whatever the user left out.
    std::string plain;
    plain.reserve(text.size() + 3);
    if (negative) {
        plain += '-';
    }
    if (text.front() == '.') {
        plain += '0';
    }
    plain += text;
    if (text.back() == '.') {
        plain += '0';
    }

    double value = 0.0;
    const char* end = plain.data() + plain.size();
    const auto result = std::from_chars(plain.data(), end, value, std::chars_format::fixed);
    if (result.ec != std::errc{} || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    std::string plain;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        if (text.front() == '-') {
            plain += '-';
        }
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    plain += text;
    long long value = 0;
    const char* end = plain.data() + plain.size();
    const auto result = std::from_chars(plain.data(), end, value);
    if (result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

bool IsNumeric(std::string_view text) {
    return ParseNumber(text).has_value();
}

std::string FormatFixed(double value, int minIntegerDigits, int decimals) {
    minIntegerDigits = std::clamp(minIntegerDigits, 0, kMaxIntegerDigits);
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (!std::isfinite(value)) {
        value = 0.0;
    }

    const std::string shortest = ShortestFixed(value);
    std::string_view digits = shortest;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) {
        digits.remove_prefix(1);
    }
    const auto dot = digits.find('.');
    std::string integer(digits.substr(0, dot));
    std::string fraction(dot == std::string_view::npos ? std::string_view{}
                                                       : digits.substr(dot + 1));

    const auto wanted = static_cast<std::size_t>(decimals);
    const bool roundUp = fraction.size() > wanted && fraction[wanted] >= '5';
    fraction.resize(wanted, '0');
    if (roundUp) {
        // Add one unit in the last kept place, carrying into the integer part.
        std::string all = integer + fraction;
        std::size_t i = all.size();
        bool carry = true;
        while (carry && i > 0) {
            --i;
            if (all[i] == '9') {
                all[i] = '0';
            } else {
                ++all[i];
                carry = false;
            }
        }
        if (carry) {
            all.insert(all.begin(), '1');
        }
        integer = all.substr(0, all.size() - wanted);
        fraction = all.substr(all.size() - wanted);
    }

    const auto firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? std::string{} : integer.substr(firstNonZero);
    const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (integer.size() < static_cast<std::size_t>(minIntegerDigits)) {
        integer.insert(0, static_cast<std::size_t>(minIntegerDigits) - integer.size(), '0');
    }

    std::string text;
    if (negative && !isZero) {
        text += '-';
    }
    text += integer;
    if (decimals > 0) {
        text += '.';
        text += fraction;
    }
    return text;
}

std::string FormatPlain(double value) {
    if (!std::isfinite(value) || value == 0.0) {
        return "0";
    }
    return ShortestFixed(value);
}

std::string FormatInteger(long long value, int minDigits) {
    minDigits = std::clamp(minDigits, 1, kMaxIntegerDigits);
    std::array<char, 32> buffer{};
    // Digits of the magnitude; the unsigned form also covers the smallest long long.
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
    std::string digits(buffer.data(), result.ptr);
    if (digits.size() < static_cast<std::size_t>(minDigits)) {
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    }
    return value < 0 ? "-" + digits : digits;
}

} // namespace rp70
