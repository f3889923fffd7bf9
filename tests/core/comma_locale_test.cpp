// Numbers are read and written with "." whatever the user's locale: every
// case here runs under a German locale, whose decimal separator is ",".

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "editors/scan_edit.h"
#include "model/bands.h"
#include "model/conversions.h"
#include "model/radio_image.h"
#include "shell/settings_file.h"
#include "shell/window_placement.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

#ifdef _WIN32
constexpr const char* kCommaLocale = "German_Germany.1252";
#else
constexpr const char* kCommaLocale = "de_DE.UTF-8";
#endif

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const char* current = std::setlocale(LC_ALL, nullptr);
        savedC_ = current != nullptr ? current : "C";
        // scripts/setup.sh generates this locale; without it the proof is missing.
        ASSERT_NE(std::setlocale(LC_ALL, kCommaLocale), nullptr)
            << kCommaLocale << " is not installed; run scripts/setup.sh";
#ifdef _WIN32
        // MinGW's C++ library knows no locale but "C", and making it global sets the C library's
        // locale back to "C" as well; the C library's locale makes the proof.
        savedCpp_ = std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, kCommaLocale);
#else
        savedCpp_ = std::locale::global(std::locale(kCommaLocale));
#endif
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override {
        std::locale::global(savedCpp_);
        std::setlocale(LC_ALL, savedC_.c_str());
    }

    test::RecordingInteraction ui;
    LanguageTexts texts;
    UserContext context{ui, texts};

private:
    std::string savedC_;
    std::locale savedCpp_;
};

TEST_F(CommaLocale, NumberTexts) {
    EXPECT_EQ(ParseNumber("145.5"), 145.5);
    EXPECT_FALSE(ParseNumber("145,5").has_value());
    EXPECT_EQ(FormatFixed(145.5, 3, 5), "145.50000");
    EXPECT_EQ(FormatPlain(173.9975), "173.9975");
}

TEST_F(CommaLocale, BandLimitsAndFrequencies) {
    const BandLimits limits = DeriveBandLimits(BandCaption(3), 3);
    EXPECT_DOUBLE_EQ(limits.RxHigh, 173.9975);
    EXPECT_EQ(ValidateRxText("150.0043", limits, context), "150.00250");
    EXPECT_EQ(TextToFreqDigits("145.125"), "014512500");
    EXPECT_EQ(FreqDigitsToText("014512500", limits, context), "145.12500");
    EXPECT_EQ(OffsetDigitsToText("000060000", context), "0.60000");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(CommaLocale, NewImageAndSettings) {
    RadioImage image;
    ResetImage(image, {}, nullptr);
    EXPECT_EQ(TextOf(image.Channels[0].RxFreq), "015500000");

    test::TempFolder folder;
    const auto settings = folder.Path() / "mysetup.ini";
    ASSERT_TRUE(WriteLinkPort(settings, 12, ""));
    EXPECT_EQ(ReadSettingsFile(settings).ComPort, 12);
    const auto placement = folder.Path() / "placement.ini";
    ASSERT_TRUE(WriteWindowPlacement(placement, {-10, 20, 1024, 768}));
    EXPECT_EQ(ReadWindowPlacement(placement).MainLeft, -10);
    EXPECT_EQ(ReadWindowPlacement(placement).MainWidth, 1024);
}

TEST_F(CommaLocale, ScanTimes) {
    const ScanEditLists lists = BuildScanEditLists(RadioImage(), texts);
    EXPECT_EQ(lists.LookBackTimes[5], "1.0");
    EXPECT_EQ(lists.ResumeDelays.front(), "0.1");
}

} // namespace
} // namespace rp70
