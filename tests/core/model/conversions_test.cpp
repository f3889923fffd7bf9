#include "model/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>

#include "model/bands.h"
#include "support/file_contents.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr std::string_view kWarningText = "Frequency out of range!";

LanguageTexts WarningTexts() {
    const test::TempFolder folder;
    const std::filesystem::path file = folder.Path() / "english.ini";
    test::WriteFileText(file, "[OTHER]\n2000=wrong key\n2001=" + std::string(kWarningText) +
                                  "\n2002=wrong key\n");
    return LanguageTexts::Load(file, Language::English);
}

BandLimits Band(std::int16_t code) {
    return DeriveBandLimits(BandCaption(code), code);
}

// Transmit text, offset text and direction of a TxAndOffset result.
using Shift = std::tuple<std::string, std::string, std::int16_t>;

Shift Parts(const TxAndOffsetResult& result) {
    return {result.TxText, result.OffsetText, result.Direction};
}

// Stored digits as a whole number of 10 Hz units.
std::int64_t Units(std::string_view mhzText) {
    return std::stoll(TextToFreqDigits(mhzText));
}

class Conversions : public ::testing::Test {
protected:
    void ExpectNoMessage() { EXPECT_TRUE(ui.shown.empty()); }

    void ExpectOneWarning() {
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].Text, kWarningText);
        EXPECT_EQ(ui.shown[0].Icon, MessageIcon::Exclamation);
        EXPECT_EQ(ui.shown[0].Buttons, MessageButtons::Ok);
        ui.shown.clear();
    }

    void ExpectNotNumeric() {
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].Text, "Not IsNumeric");
        EXPECT_EQ(ui.shown[0].Buttons, MessageButtons::Ok);
        ui.shown.clear();
    }

    test::RecordingInteraction ui;
    LanguageTexts texts = WarningTexts();
    UserContext ctx{ui, texts};
};

// --- stored digits and display texts ---------------------------------------------------------

TEST(TextToFreqDigits, FrequencyTextsBecomeNineDigitsOf10Hz) {
    EXPECT_EQ(TextToFreqDigits("145.125"), "014512500");
    EXPECT_EQ(TextToFreqDigits("145.12500"), "014512500");
    EXPECT_EQ(TextToFreqDigits("026.00000"), "002600000");
    EXPECT_EQ(TextToFreqDigits("155.0000"), "015500000");
    EXPECT_EQ(TextToFreqDigits("000.60000"), "000060000");
    EXPECT_EQ(TextToFreqDigits("010.00000"), "001000000");
    EXPECT_EQ(TextToFreqDigits("511.99750"), "051199750");
    EXPECT_EQ(TextToFreqDigits("9999.99999"), "999999999");
}

TEST(TextToFreqDigits, WholeMegahertzWithoutPoint) {
    EXPECT_EQ(TextToFreqDigits("145"), "014500000");
    EXPECT_EQ(TextToFreqDigits("26"), "002600000");
    EXPECT_EQ(TextToFreqDigits("0"), "000000000");
}

TEST(TextToFreqDigits, RoundsToWhole10Hz) {
    EXPECT_EQ(TextToFreqDigits("145.124999"), "014512500");
    EXPECT_EQ(TextToFreqDigits("145.1263"), "014512630");
    EXPECT_EQ(TextToFreqDigits("173.9975"), "017399750");
}

TEST(TextToFreqDigits, EmptyAndUnstorableTextsGiveNoFrequency) {
    EXPECT_EQ(TextToFreqDigits(""), "");
    EXPECT_EQ(TextToFreqDigits("abc"), "");
    EXPECT_EQ(TextToFreqDigits("1.2.3"), "");
    EXPECT_EQ(TextToFreqDigits("-1"), "");
    EXPECT_EQ(TextToFreqDigits("10000"), "");
    EXPECT_EQ(TextToFreqDigits(std::string(400, '9')), "");
}

TEST_F(Conversions, FreqDigitsToTextShowsMegahertzWithFiveDecimals) {
    const BandLimits band = Band(3);
    EXPECT_EQ(FreqDigitsToText("014512500", band, ctx), "145.12500");
    EXPECT_EQ(FreqDigitsToText("002600000", band, ctx), "026.00000");
    EXPECT_EQ(FreqDigitsToText("051199750", band, ctx), "511.99750");
    EXPECT_EQ(FreqDigitsToText("014512500  ", band, ctx), "145.12500");
    ExpectNoMessage();
}

TEST_F(Conversions, FreqDigitsToTextOfNoFrequencyIsEmpty) {
    const BandLimits band = Band(3);
    EXPECT_EQ(FreqDigitsToText("FFFFFFFFF", band, ctx), "");
    EXPECT_EQ(FreqDigitsToText("", band, ctx), "");
    EXPECT_EQ(FreqDigitsToText("         ", band, ctx), "");
    EXPECT_EQ(FreqDigitsToText(std::string("\0        ", 9), band, ctx), "");
    ExpectNoMessage();
}

TEST_F(Conversions, FreqDigitsToTextOfNonDigitsWarnsAndShowsRxLow) {
    EXPECT_EQ(FreqDigitsToText("0145 2500", Band(3), ctx), "136");
    ExpectNotNumeric();
    EXPECT_EQ(FreqDigitsToText("-14512500", Band(22), ctx), "216");
    ExpectNotNumeric();
    EXPECT_EQ(FreqDigitsToText("FFFFFFFF", Band(3), ctx), "136");
    ExpectNotNumeric();
    EXPECT_EQ(FreqDigitsToText("145.12500", Band(3), ctx), "136");
    ExpectNotNumeric();
}

TEST_F(Conversions, FreqDigitsToTextOfShortDigitsReadsTheFirstFourAsMegahertz) {
    EXPECT_EQ(FreqDigitsToText("0145", Band(3), ctx), "145.00000");
    EXPECT_EQ(FreqDigitsToText("7", Band(3), ctx), "007.00000");
    ExpectNoMessage();
}

TEST_F(Conversions, OffsetDigitsToText) {
    EXPECT_EQ(OffsetDigitsToText("000060000", ctx), "0.60000");
    EXPECT_EQ(OffsetDigitsToText("001000000", ctx), "10.00000");
    EXPECT_EQ(OffsetDigitsToText("000000000", ctx), "0.00000");
    EXPECT_EQ(OffsetDigitsToText("000400250", ctx), "4.00250");
    EXPECT_EQ(OffsetDigitsToText("FFFFFFFFF", ctx), "0.00000");
    EXPECT_EQ(OffsetDigitsToText("", ctx), "0.00000");
    EXPECT_EQ(OffsetDigitsToText(std::string("\0        ", 9), ctx), "0.00000");
    ExpectNoMessage();
    EXPECT_EQ(OffsetDigitsToText("00006000X", ctx), "0.00000");
    ExpectNotNumeric();
}

TEST_F(Conversions, StoredDigitsAndTextsRoundTrip) {
    const BandLimits band = Band(48);
    for (const std::string_view text : {"400.00000", "446.00625", "469.99750", "026.00000",
                                        "145.00833", "999.99999", "000.00010"}) {
        EXPECT_EQ(FreqDigitsToText(TextToFreqDigits(text), band, ctx), text);
    }
    ExpectNoMessage();
}

// --- raster -----------------------------------------------------------------------------------

TEST(RasterUnit, FineRasterForTheBandsEndingIn99750) {
    for (const int value : {2, 3, 4, 5, 6, 7, 48, 49, 50, 51, 52, 53, 54, 55}) {
        const auto code = static_cast<std::int16_t>(value);
        EXPECT_EQ(RasterUnit(code), 250) << code;
    }
    for (const int value : {0, 1, 8, 16, 18, 22, 32, 39, 47, 56, 100, -1}) {
        const auto code = static_cast<std::int16_t>(value);
        EXPECT_EQ(RasterUnit(code), 500) << code;
    }
}

TEST(SnapToRaster, Band136With2_5kHzRaster) {
    EXPECT_EQ(FormatFixed(SnapToRaster(145.125, 136.0, 3), 3, 5), "145.12500");
    EXPECT_EQ(FormatFixed(SnapToRaster(145.1263, 136.0, 3), 3, 5), "145.12500");
    EXPECT_EQ(FormatFixed(SnapToRaster(145.00833, 136.0, 3), 3, 5), "145.00833");
    EXPECT_EQ(FormatFixed(SnapToRaster(145.01666, 136.0, 3), 3, 5), "145.01666");
    EXPECT_EQ(FormatFixed(SnapToRaster(145.02499, 136.0, 3), 3, 5), "145.02500");
    EXPECT_EQ(FormatFixed(SnapToRaster(145.00625, 136.0, 3), 3, 5), "145.00625");
    EXPECT_EQ(FormatFixed(SnapToRaster(150.0043, 136.0, 3), 3, 5), "150.00250");
}

TEST(SnapToRaster, Band48) {
    EXPECT_EQ(FormatFixed(SnapToRaster(446.00625, 400.0, 48), 3, 5), "446.00625");
    EXPECT_EQ(FormatFixed(SnapToRaster(446.007, 400.0, 48), 3, 5), "446.00500");
}

TEST(SnapToRaster, Band18With5kHzRasterCountedFrom200) {
    EXPECT_EQ(FormatFixed(SnapToRaster(200.0075, 200.0, 18), 3, 5), "200.00500");
    EXPECT_EQ(FormatFixed(SnapToRaster(200.0125, 200.0, 18), 3, 5), "200.01250");
    // 2.5 kHz is off the 5 kHz raster and moves down.
    EXPECT_EQ(FormatFixed(SnapToRaster(200.0025, 200.0, 18), 3, 5), "200.00000");
}

TEST(SnapToRaster, RasterIsCountedFromTheGivenOrigin) {
    // 100.006 is 5 kHz above 100.001 but 1 kHz off the 5 kHz raster from 100.
    EXPECT_EQ(FormatFixed(SnapToRaster(100.006, 100.001, 18), 3, 5), "100.00600");
    EXPECT_EQ(FormatFixed(SnapToRaster(100.006, 100.0, 18), 3, 5), "100.00500");
}

TEST(SnapToRaster, SnappingTwiceChangesNothingAndMovesLittle) {
    for (const std::int16_t code : {std::int16_t{3}, std::int16_t{18}}) {
        for (std::int64_t step = -3000; step <= 6000; ++step) {
            const double mhz = 145.0 + static_cast<double>(step) / 100000.0;
            const double once = SnapToRaster(mhz, 136.0, code);
            EXPECT_EQ(SnapToRaster(once, 136.0, code), once) << mhz;
            const auto moved = Units(FormatFixed(once, 3, 5)) - Units(FormatFixed(mhz, 3, 5));
            EXPECT_GE(moved, -(RasterUnit(code) - 1)) << mhz;
            EXPECT_LE(moved, 1) << mhz;
        }
    }
}

TEST(SnapToRaster, ValuesItCannotCountAreReturnedUnchanged) {
    EXPECT_TRUE(std::isnan(SnapToRaster(std::nan(""), 136.0, 3)));
    EXPECT_EQ(SnapToRaster(1e300, 136.0, 3), 1e300);
    EXPECT_EQ(SnapToRaster(145.1263, std::nan(""), 3), 145.1263);
}

// --- range checks -----------------------------------------------------------------------------

TEST_F(Conversions, CheckRxFreqClampsWithAWarning) {
    const BandLimits band = Band(3);
    EXPECT_EQ(CheckRxFreq(135.99, band, ctx), 136.0);
    ExpectOneWarning();
    EXPECT_EQ(CheckRxFreq(174.0, band, ctx), 173.9975);
    ExpectOneWarning();
    EXPECT_EQ(CheckRxFreq(std::nan(""), band, ctx), 136.0);
    ExpectOneWarning();
}

TEST_F(Conversions, CheckRxFreqAcceptsTheLimitsAndSnapsInside) {
    const BandLimits band = Band(3);
    EXPECT_EQ(CheckRxFreq(136.0, band, ctx), 136.0);
    EXPECT_EQ(CheckRxFreq(173.9975, band, ctx), 173.9975);
    EXPECT_EQ(FormatFixed(CheckRxFreq(145.1263, band, ctx), 3, 5), "145.12500");
    ExpectNoMessage();
}

TEST_F(Conversions, CheckRxFreqNeverSnapsAboveTheHighLimit) {
    // A limit that sits on the last 8.33 kHz point of a 25 kHz block would snap up past itself.
    const BandLimits band{"", "", 100.0, 100.02499, 100.0, 100.02499, 3};
    EXPECT_EQ(CheckRxFreq(100.02499, band, ctx), 100.02499);
    ExpectNoMessage();
}

TEST_F(Conversions, CheckTxFreqUsesTheTransmitRange) {
    const BandLimits band = Band(2); // receive 136 … 173.9975, transmit 144 … 145.9975
    EXPECT_EQ(CheckTxFreq(150.0, band, ctx), 145.9975);
    ExpectOneWarning();
    EXPECT_EQ(CheckTxFreq(140.0, band, ctx), 144.0);
    ExpectOneWarning();
    EXPECT_EQ(FormatFixed(CheckTxFreq(145.1263, band, ctx), 3, 5), "145.12500");
    ExpectNoMessage();
}

TEST_F(Conversions, CheckTxFreqSnapsFromTheTransmitLowLimit) {
    const BandLimits band{"", "", 100.0, 200.0, 100.001, 200.0, 18};
    EXPECT_EQ(FormatFixed(CheckTxFreq(100.006, band, ctx), 3, 5), "100.00600");
    EXPECT_EQ(FormatFixed(CheckRxFreq(100.006, band, ctx), 3, 5), "100.00500");
    ExpectNoMessage();
}

// --- validating typed texts -------------------------------------------------------------------

TEST_F(Conversions, ValidateRxTextInBand3) {
    const BandLimits band = Band(3);
    EXPECT_EQ(ValidateRxText("150.0043", band, ctx), "150.00250");
    ExpectNoMessage();
    EXPECT_EQ(ValidateRxText("173.9975", band, ctx), "173.99750");
    ExpectNoMessage();
    EXPECT_EQ(ValidateRxText("145", band, ctx), "145.00000");
    ExpectNoMessage();
    EXPECT_EQ(ValidateRxText("180", band, ctx), "173.99750");
    ExpectOneWarning();
    EXPECT_EQ(ValidateRxText("abc", band, ctx), "136.00000");
    ExpectOneWarning();
    EXPECT_EQ(ValidateRxText("", band, ctx), "136.00000");
    ExpectOneWarning();
}

TEST_F(Conversions, ValidateRxTextKeepsThe6_25kHzPointsOfBand48) {
    const BandLimits band = Band(48);
    EXPECT_EQ(ValidateRxText("446.00625", band, ctx), "446.00625");
    EXPECT_EQ(ValidateRxText("446.00700", band, ctx), "446.00500");
    ExpectNoMessage();
}

TEST_F(Conversions, ValidateRxTextOnThe5kHzRasterOfBand18) {
    const BandLimits band = Band(18);
    EXPECT_EQ(ValidateRxText("200.0075", band, ctx), "200.00500");
    EXPECT_EQ(ValidateRxText("200.0125", band, ctx), "200.01250");
    EXPECT_EQ(ValidateRxText("26", band, ctx), "200.00000");
    ExpectOneWarning();
}

TEST_F(Conversions, ValidateTxTextUsesTheTransmitRange) {
    const BandLimits band = Band(2);
    EXPECT_EQ(ValidateTxText("145.1263", band, ctx), "145.12500");
    ExpectNoMessage();
    EXPECT_EQ(ValidateTxText("150", band, ctx), "145.99750");
    ExpectOneWarning();
    EXPECT_EQ(ValidateTxText("x", band, ctx), "144.00000");
    ExpectOneWarning();
}

// --- transmit frequency and offset ------------------------------------------------------------

TEST_F(Conversions, TxAndOffsetMinusInsideTheBand) {
    const BandLimits band = Band(2);
    const TxAndOffsetResult result = TxAndOffset("0.60000", "145.50000", kShiftMinus, band, ctx);
    EXPECT_EQ(Parts(result), (Shift{"144.90000", "000.60000", kShiftMinus}));
    EXPECT_EQ(TextToFreqDigits(result.OffsetText), "000060000");
    ExpectNoMessage();
}

TEST_F(Conversions, TxAndOffsetPlusOverTheHighLimitWarnsAndShortensTheOffset) {
    const BandLimits band = Band(2);
    const TxAndOffsetResult result = TxAndOffset("1.00000", "145.50000", kShiftPlus, band, ctx);
    EXPECT_EQ(Parts(result), (Shift{"145.99750", "000.49750", kShiftPlus}));
    ExpectOneWarning();
}

TEST_F(Conversions, TxAndOffsetOffsetFollowsTheSnappedTransmitFrequency) {
    const BandLimits band = Band(3);
    const TxAndOffsetResult result = TxAndOffset("10.0013", "145.50000", kShiftPlus, band, ctx);
    EXPECT_EQ(Parts(result), (Shift{"155.50000", "010.00000", kShiftPlus}));
    ExpectNoMessage();
}

TEST_F(Conversions, TxAndOffsetOffWithoutOffsetTransmitsOnReceive) {
    const TxAndOffsetResult result = TxAndOffset("0.00000", "145.50000", kShiftOff, Band(3), ctx);
    EXPECT_EQ(Parts(result), (Shift{"145.50000", "000.00000", kShiftOff}));
    ExpectNoMessage();
}

TEST_F(Conversions, TxAndOffsetAnyOtherDirectionSubtracts) {
    const TxAndOffsetResult result = TxAndOffset("0.6", "145.5", 7, Band(3), ctx);
    EXPECT_EQ(Parts(result), (Shift{"144.90000", "000.60000", 7})); // direction kept as given
}

TEST_F(Conversions, TxAndOffsetNonNumericTextsComputeNothing) {
    for (const std::string_view offset : {"", "abc", "."}) {
        const TxAndOffsetResult result = TxAndOffset(offset, "145.50000", kShiftPlus, Band(3), ctx);
        EXPECT_EQ(Parts(result), (Shift{"", "000.00000", kShiftPlus}));
    }
    const TxAndOffsetResult result = TxAndOffset("0.6", "", kShiftMinus, Band(3), ctx);
    EXPECT_EQ(Parts(result), (Shift{"", "000.00000", kShiftMinus}));
    ExpectNoMessage();
}

// Clamping can put the transmit frequency on the other side of the receive frequency. The
// offset is stored without sign, so a plus or minus shift has to turn round.
TEST_F(Conversions, TxAndOffsetReceiveOnlyChannelAboveTheTransmitBandKeepsTheShiftOff) {
    const BandLimits band = Band(2); // transmit 144 … 145.9975
    const TxAndOffsetResult result = TxAndOffset("0.00000", "150.00000", kShiftOff, band, ctx);
    ExpectOneWarning();
    EXPECT_EQ(Parts(result), (Shift{"145.99750", "004.00250", kShiftOff}));
    EXPECT_EQ(TextToFreqDigits(result.OffsetText), "000400250");
}

TEST_F(Conversions, TxAndOffsetPlusClampedBelowTheReceiveFrequencyBecomesMinus) {
    const TxAndOffsetResult result = TxAndOffset("1", "150.00000", kShiftPlus, Band(2), ctx);
    ExpectOneWarning();
    EXPECT_EQ(Parts(result), (Shift{"145.99750", "004.00250", kShiftMinus}));
}

TEST_F(Conversions, TxAndOffsetMinusClampedAboveTheReceiveFrequencyBecomesPlus) {
    const TxAndOffsetResult result = TxAndOffset("1", "136.00000", kShiftMinus, Band(2), ctx);
    ExpectOneWarning();
    EXPECT_EQ(Parts(result), (Shift{"144.00000", "008.00000", kShiftPlus}));
}

TEST_F(Conversions, TxAndOffsetOffClampedAboveTheReceiveFrequencyStaysOff) {
    const TxAndOffsetResult result = TxAndOffset("0", "136.00000", kShiftOff, Band(2), ctx);
    ExpectOneWarning();
    EXPECT_EQ(Parts(result), (Shift{"144.00000", "008.00000", kShiftOff}));
}

TEST_F(Conversions, TxAndOffsetReceivePlusOrMinusOffsetIsAlwaysTheTransmitFrequency) {
    const BandLimits band = Band(2);
    for (const std::string_view rx :
         {"136.00000", "144.50000", "145.99750", "150.00000", "173.99750"}) {
        for (const std::string_view offset : {"0", "0.6", "1.5", "5", "40"}) {
            for (const std::int16_t direction : {kShiftOff, kShiftMinus, kShiftPlus}) {
                const TxAndOffsetResult result = TxAndOffset(offset, rx, direction, band, ctx);
                const std::int64_t stored = std::stoll(TextToFreqDigits(result.OffsetText));
                std::int64_t tx = Units(rx);
                if (result.Direction == kShiftPlus) {
                    tx += stored;
                } else if (result.Direction == kShiftMinus) {
                    tx -= stored;
                } else {
                    EXPECT_EQ(direction, kShiftOff);
                    continue; // transmits on the receive frequency; the offset is only kept
                }
                EXPECT_EQ(tx, Units(result.TxText)) << rx << " " << offset << " " << direction;
                EXPECT_GE(tx, Units("144")) << rx << " " << offset << " " << direction;
                EXPECT_LE(tx, Units("145.9975")) << rx << " " << offset << " " << direction;
            }
        }
    }
}

} // namespace
} // namespace rp70
