#include "model/bands.h"

#include <array>

#include "model/fixed_text.h"

namespace rp70 {
namespace {

struct Band {
    std::int16_t Code;
    std::string_view Caption;
};

constexpr std::string_view kCaption3 = "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)";
constexpr std::string_view kCaption32 = "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)";
constexpr std::string_view kCaption48 = "Rx(400 - 469.99750 MHz) Tx(400 - 469.99750 MHz)";

// In the order BandCode searches; the first match wins.
constexpr std::array<Band, 32> kBands = {{
    {0, "Rx(26 - 45.9950 MHz) Tx(26 - 45.9950 MHz)"},
    {1, "Rx(66 - 87.9950 MHz) Tx(66 - 87.9950 MHz)"},
    {2, "Rx(136 - 173.99750 MHz) Tx(144 - 145.99750 MHz)"},
    {3, kCaption3},
    {4, "Rx(144 - 145.99750 MHz) Tx(144 - 145.99750 MHz)"},
    {5, "Rx(136 - 173.99750 MHz) Tx(144 - 147.99750 MHz)"},
    {6, "Rx(144 - 147.99750 MHz) Tx(144 - 147.99750 MHz)"},
    {7, kCaption3},
    {16, "Rx(245 - 245.9875 MHz) Tx(245 - 245.9875 MHz)"},
    {17, "Rx(243 - 247.9950 MHz) Tx(243 - 247.9950 MHz)"},
    {18, "Rx(200 - 229.9950 MHz) Tx(200 - 229.9950 MHz)"},
    {19, "Rx(230 - 249.9950 MHz) Tx(230 - 249.9950 MHz)"},
    {20, "Rx(200 - 299.9950 MHz) Tx(200 - 299.9950 MHz)"},
    {21, "Rx(220 - 279.9950 MHz) Tx(220 - 279.9950 MHz)"},
    {22, "Rx(216 - 279.9950 MHz) Tx(222 - 224.9950 MHz)"},
    {23, "Rx(216 - 279.9950 MHz) Tx(220 - 259.9950 MHz)"},
    {32, kCaption32},
    {33, "Rx(350 - 369.9950 MHz) Tx(350 - 369.9950 MHz)"},
    {34, "Rx(350 - 389.9950 MHz) Tx(350 - 389.9950 MHz)"},
    {35, kCaption32},
    {36, kCaption32},
    {37, kCaption32},
    {38, kCaption32},
    {39, kCaption32},
    {48, kCaption48},
    {49, "Rx(400 - 489.99750 MHz) Tx(400 - 489.99750 MHz)"},
    {50, "Rx(430 - 439.99750 MHz) Tx(430 - 439.99750 MHz)"},
    {51, "Rx(420 - 449.99750 MHz) Tx(420 - 449.99750 MHz)"},
    {52, "Rx(350 - 511.99750 MHz) Tx(400 - 489.99750 MHz)"},
    {53, "Rx(440 - 511.99750 MHz) Tx(440 - 511.99750 MHz)"},
    {54, "Rx(410 - 429.99750 MHz) Tx(410 - 429.99750 MHz)"},
    {55, "Rx(400 - 429.99750 MHz) Tx(400 - 429.99750 MHz)"},
}};

} // namespace

std::string_view BandCaption(std::int16_t code) {
    for (const Band& band : kBands) {
        if (band.Code == code) {
            return band.Caption;
        }
    }
    return kCaption48;
}

std::int16_t BandCode(std::string_view caption) {
    for (const Band& band : kBands) {
        if (band.Caption == caption) {
            return band.Code;
        }
    }
    return kFallbackBandCode;
}

std::int16_t BandCodeFromRadio(std::int16_t code) {
    if (code < 0 || code > 55 || (code & 0x08) != 0) {
        return kFallbackBandCode;
    }
    return code;
}

std::string ModelDisplayName(std::string_view modelName, std::int16_t /*bandCode*/) {
    std::string name = TextOf(modelName);
    if (name == kInternalModelName) {
        return std::string(kModelDisplayText);
    }
    return name;
}

} // namespace rp70
