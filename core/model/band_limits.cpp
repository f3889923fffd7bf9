#include "model/band_limits.h"

#include <optional>

#include "model/bands.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

struct Range {
    double Low;
    double High;
};

// The text after the first `opening` up to the next ")", or nothing when either is missing.
std::optional<std::string_view> RangeText(std::string_view caption, std::string_view opening) {
    const auto start = caption.find(opening);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const auto from = start + opening.size();
    const auto close = caption.find(')', from);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return caption.substr(from, close - from);
}

// "136 - 173.99750 MHz": low before the first space, high between the second and third space
// (or up to the end when there is no third space).
std::optional<Range> ReadRange(std::string_view text) {
    const auto first = text.find(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto second = text.find(' ', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto third = text.find(' ', second + 1);
    const auto highText = text.substr(
        second + 1, third == std::string_view::npos ? std::string_view::npos : third - second - 1);
    const auto low = ParseNumber(text.substr(0, first));
    const auto high = ParseNumber(highText);
    if (!low || !high || *low < 0.0 || *low > *high) {
        return std::nullopt;
    }
    return Range{*low, *high};
}

std::optional<BandLimits> ReadLimits(std::string_view caption, std::int16_t bandIndex) {
    const auto rxText = RangeText(caption, "Rx(");
    const auto txText = RangeText(caption, "Tx(");
    if (!rxText || !txText) {
        return std::nullopt;
    }
    const auto rx = ReadRange(*rxText);
    const auto tx = ReadRange(*txText);
    if (!rx || !tx) {
        return std::nullopt;
    }
    return BandLimits{std::string(*rxText),
                      std::string(*txText),
                      rx->Low,
                      rx->High,
                      tx->Low,
                      tx->High,
                      bandIndex};
}

} // namespace

BandLimits DeriveBandLimits(std::string_view bandText, std::int16_t bandIndex) {
    if (auto limits = ReadLimits(bandText, bandIndex)) {
        return *limits;
    }
    // Every caption of the band table reads, so this always succeeds.
    if (auto limits = ReadLimits(BandCaption(bandIndex), bandIndex)) {
        return *limits;
    }
    return BandLimits{"", "", 0.0, 0.0, 0.0, 0.0, bandIndex};
}

} // namespace rp70
