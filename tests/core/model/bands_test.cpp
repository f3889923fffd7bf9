#include "model/bands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace rp70 {
namespace {

constexpr std::string_view kCaption3 = "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)";
constexpr std::string_view kCaption32 = "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)";
constexpr std::string_view kCaption48 = "Rx(400 - 469.99750 MHz) Tx(400 - 469.99750 MHz)";

std::vector<std::int16_t> TableCodes() {
    std::vector<std::int16_t> codes;
    for (int group = 0; group < 4; ++group) {
        for (int i = 0; i < 8; ++i) {
            codes.push_back(static_cast<std::int16_t>(group * 16 + i));
        }
    }
    return codes;
}

TEST(BandCaption, GivesTheCaptionsOfTheTable) {
    EXPECT_EQ(BandCaption(0), "Rx(26 - 45.9950 MHz) Tx(26 - 45.9950 MHz)");
    EXPECT_EQ(BandCaption(2), "Rx(136 - 173.99750 MHz) Tx(144 - 145.99750 MHz)");
    EXPECT_EQ(BandCaption(3), kCaption3);
    EXPECT_EQ(BandCaption(6), "Rx(144 - 147.99750 MHz) Tx(144 - 147.99750 MHz)");
    EXPECT_EQ(BandCaption(16), "Rx(245 - 245.9875 MHz) Tx(245 - 245.9875 MHz)");
    EXPECT_EQ(BandCaption(22), "Rx(216 - 279.9950 MHz) Tx(222 - 224.9950 MHz)");
    EXPECT_EQ(BandCaption(23), "Rx(216 - 279.9950 MHz) Tx(220 - 259.9950 MHz)");
    EXPECT_EQ(BandCaption(32), kCaption32);
    EXPECT_EQ(BandCaption(34), "Rx(350 - 389.9950 MHz) Tx(350 - 389.9950 MHz)");
    EXPECT_EQ(BandCaption(48), kCaption48);
    EXPECT_EQ(BandCaption(52), "Rx(350 - 511.99750 MHz) Tx(400 - 489.99750 MHz)");
    EXPECT_EQ(BandCaption(55), "Rx(400 - 429.99750 MHz) Tx(400 - 429.99750 MHz)");
}

TEST(BandCaption, DuplicateCodesShareTheirCaptions) {
    EXPECT_EQ(BandCaption(7), kCaption3);
    for (std::int16_t code = 35; code <= 39; ++code) {
        EXPECT_EQ(BandCaption(code), kCaption32) << code;
    }
}

TEST(BandCaption, CodesOutsideTheTableGiveTheCaptionOf48) {
    for (const int value : {8, 15, 24, 40, 47, 56, 100, -1, -32768, 32767}) {
        const auto code = static_cast<std::int16_t>(value);
        EXPECT_EQ(BandCaption(code), kCaption48) << code;
    }
}

TEST(BandCaption, TheTableHas26DistinctCaptions) {
    std::set<std::string_view> captions;
    for (const std::int16_t code : TableCodes()) {
        captions.insert(BandCaption(code));
    }
    EXPECT_EQ(captions.size(), 26u);
}

TEST(BandCode, EveryCaptionGivesItsFirstCode) {
    for (const std::int16_t code : TableCodes()) {
        const std::int16_t expected = code == 7 ? 3 : (code >= 35 && code <= 39) ? 32 : code;
        EXPECT_EQ(BandCode(BandCaption(code)), expected) << code;
    }
}

TEST(BandCode, SharedCaptionsNeverGiveTheDuplicateCodes) {
    EXPECT_EQ(BandCode("Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)"), 32);
    EXPECT_EQ(BandCode("Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)"), 3);
}

TEST(BandCode, AnyOtherTextGives48) {
    EXPECT_EQ(BandCode(""), 48);
    EXPECT_EQ(BandCode("KT-RP70"), 48);
    // The comparison is exact: no trimming, no case folding, no NUL cutting.
    EXPECT_EQ(BandCode(std::string(kCaption3) + " "), 48);
    EXPECT_EQ(BandCode(" " + std::string(kCaption3)), 48);
    EXPECT_EQ(BandCode("rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)"), 48);
    EXPECT_EQ(BandCode("Rx(136 - 173.9975 MHz) Tx(136 - 173.9975 MHz)"), 48);
}

TEST(BandCodeFromRadio, CodesWithBit3OrAbove55Become48) {
    EXPECT_EQ(BandCodeFromRadio(0x3A), 0x30);
    EXPECT_EQ(BandCodeFromRadio(0x48), 0x30);
    EXPECT_EQ(BandCodeFromRadio(0x38), 0x30);
    EXPECT_EQ(BandCodeFromRadio(8), 48);
    EXPECT_EQ(BandCodeFromRadio(56), 48);
    EXPECT_EQ(BandCodeFromRadio(255), 48);
    EXPECT_EQ(BandCodeFromRadio(-1), 48);
    EXPECT_EQ(BandCodeFromRadio(-16), 48);
}

TEST(BandCodeFromRadio, TableCodesStay) {
    for (const std::int16_t code : TableCodes()) {
        EXPECT_EQ(BandCodeFromRadio(code), code);
    }
    EXPECT_EQ(BandCodeFromRadio(0x17), 0x17);
}

TEST(BandCodeFromRadio, EveryByteGivesACodeOfTheTable) {
    const std::vector<std::int16_t> table = TableCodes();
    for (int value = 0; value <= 255; ++value) {
        const std::int16_t code = BandCodeFromRadio(static_cast<std::int16_t>(value));
        EXPECT_NE(std::find(table.begin(), table.end(), code), table.end()) << value;
    }
}

TEST(ModelDisplayName, InternalNameIsShownWithAHyphen) {
    EXPECT_EQ(ModelDisplayName("KTRP70", 3), "KT-RP70");
}

TEST(ModelDisplayName, StoredFormIsReadWithTextOfFirst) {
    EXPECT_EQ(ModelDisplayName(std::string("KTRP70\0   ", 10), 3), "KT-RP70");
    EXPECT_EQ(ModelDisplayName("KTRP70 ", 3), "KT-RP70");
    EXPECT_EQ(ModelDisplayName(std::string("KT\0RP70", 7), 3), "KT");
}

TEST(ModelDisplayName, OtherNamesAreShownAsTheyAre) {
    EXPECT_EQ(ModelDisplayName("KTRP7", 3), "KTRP7");
    EXPECT_EQ(ModelDisplayName("ktrp70", 3), "ktrp70");
    EXPECT_EQ(ModelDisplayName("KTRP700", 3), "KTRP700");
    EXPECT_EQ(ModelDisplayName(" KTRP70", 3), " KTRP70");
    EXPECT_EQ(ModelDisplayName("", 3), "");
}

TEST(ModelDisplayName, BandCodeDoesNotMatter) {
    for (const int value : {0, 3, 16, 48, 100, -1}) {
        const auto code = static_cast<std::int16_t>(value);
        EXPECT_EQ(ModelDisplayName("KTRP70", code), "KT-RP70");
        EXPECT_EQ(ModelDisplayName("OTHER", code), "OTHER");
    }
}

} // namespace
} // namespace rp70
