#include "model/band_limits.h"

#include <gtest/gtest.h>

#include "model/bands.h"

namespace rp70 {
namespace {

BandLimits Of(std::int16_t code) {
    return DeriveBandLimits(BandCaption(code), code);
}

// The limits are read from the caption's decimal texts.
void ExpectRanges(const BandLimits& limits, double rxLow, double rxHigh, double txLow,
                  double txHigh) {
    EXPECT_DOUBLE_EQ(limits.RxLow, rxLow);
    EXPECT_DOUBLE_EQ(limits.RxHigh, rxHigh);
    EXPECT_DOUBLE_EQ(limits.TxLow, txLow);
    EXPECT_DOUBLE_EQ(limits.TxHigh, txHigh);
}

TEST(DeriveBandLimits, Band3ReceivesAndTransmitsFrom136To173_9975) {
    const BandLimits limits = Of(3);
    EXPECT_EQ(limits.RxRangeText, "136 - 173.99750 MHz");
    EXPECT_EQ(limits.TxRangeText, "136 - 173.99750 MHz");
    ExpectRanges(limits, 136.0, 173.9975, 136.0, 173.9975);
    EXPECT_EQ(limits.BandIndex, 3);
}

TEST(DeriveBandLimits, Band22HasDifferentReceiveAndTransmitRanges) {
    const BandLimits limits = Of(22);
    EXPECT_EQ(limits.RxRangeText, "216 - 279.9950 MHz");
    EXPECT_EQ(limits.TxRangeText, "222 - 224.9950 MHz");
    ExpectRanges(limits, 216.0, 279.995, 222.0, 224.995);
}

TEST(DeriveBandLimits, Band48) {
    const BandLimits limits = Of(48);
    ExpectRanges(limits, 400.0, 469.9975, 400.0, 469.9975);
    EXPECT_EQ(limits.BandIndex, 48);
}

TEST(DeriveBandLimits, EveryTableCaptionReadsAsItsOwnLimits) {
    for (int group = 0; group < 4; ++group) {
        for (int i = 0; i < 8; ++i) {
            const auto code = static_cast<std::int16_t>(group * 16 + i);
            const std::string_view caption = BandCaption(code);
            const BandLimits limits = Of(code);
            // The range texts come out of this very caption, not out of a fallback.
            EXPECT_EQ("Rx(" + limits.RxRangeText + ") Tx(" + limits.TxRangeText + ")", caption);
            EXPECT_LT(limits.RxLow, limits.RxHigh) << code;
            EXPECT_LT(limits.TxLow, limits.TxHigh) << code;
            EXPECT_GE(limits.RxLow, 26.0) << code;
            EXPECT_LE(limits.RxHigh, 512.0) << code;
        }
    }
}

TEST(DeriveBandLimits, ReadsACaptionThatIsNotInTheTable) {
    const BandLimits limits = DeriveBandLimits("Rx(1.5 - 2.25 MHz) Tx(3 - 4 MHz)", 3);
    EXPECT_EQ(limits.RxRangeText, "1.5 - 2.25 MHz");
    ExpectRanges(limits, 1.5, 2.25, 3.0, 4.0);
}

TEST(DeriveBandLimits, HighLimitRunsToTheEndWithoutAThirdSpace) {
    const BandLimits limits = DeriveBandLimits("Tx(144 - 146) Rx(136 - 174)", 5);
    ExpectRanges(limits, 136.0, 174.0, 144.0, 146.0);
}

TEST(DeriveBandLimits, MalformedCaptionsFallBackToTheTableCaptionOfTheCode) {
    const BandLimits band22 = Of(22);
    for (const std::string_view text : {
             "", "garbage",
             "Rx(216 - 279.9950 MHz)",                        // no transmit range
             "Rx(216 - 279.9950 MHz Tx(222 - 224.9950 MHz",   // no closing brackets
             "Rx(abc - 279.9950 MHz) Tx(222 - 224.9950 MHz)", // low not a number
             "Rx(216 - 27x MHz) Tx(222 - 224.9950 MHz)",      // high not a number
             "Rx(216-279.9950) Tx(222 - 224.9950 MHz)",       // no spaces
             "Rx(216 -) Tx(222 - 224.9950 MHz)",              // no high limit
             "Rx(300 - 200 MHz) Tx(222 - 224.9950 MHz)",      // low above high
             "Rx(-5 - 200 MHz) Tx(222 - 224.9950 MHz)",       // negative
             "Rx(1e2 - 2e2 MHz) Tx(222 - 224.9950 MHz)",      // not a plain decimal
         }) {
        EXPECT_EQ(DeriveBandLimits(text, 22), band22) << text;
    }
}

TEST(DeriveBandLimits, UnknownCodeWithMalformedCaptionUsesTheCaptionOf48) {
    const BandLimits limits = DeriveBandLimits("", 100);
    ExpectRanges(limits, 400.0, 469.9975, 400.0, 469.9975);
    EXPECT_EQ(limits.BandIndex, 100);
}

} // namespace
} // namespace rp70
