#include "model/tones.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "texts/number_text.h"

namespace rp70 {
namespace {

TEST(CtcssList, Holds51TonesFrom62_5To254_1) {
    const auto& tones = CtcssList();
    ASSERT_EQ(tones.size(), 51u);
    EXPECT_EQ(tones[0], "62.5");
    EXPECT_EQ(tones[1], "67.0");
    EXPECT_EQ(tones[9], "88.5");
    EXPECT_EQ(tones[13], "100.0");
    EXPECT_EQ(tones[19], "123.0");
    EXPECT_EQ(tones[20], "127.3");
    EXPECT_EQ(tones[26], "156.7");
    EXPECT_EQ(tones[39], "196.6");
    EXPECT_EQ(tones[44], "218.1");
    EXPECT_EQ(tones[50], "254.1");
}

TEST(CtcssList, TonesRiseAndHaveOneDecimal) {
    const auto& tones = CtcssList();
    double previous = 0.0;
    for (std::size_t i = 0; i < tones.size(); ++i) {
        const auto value = ParseNumber(tones[i]);
        ASSERT_TRUE(value.has_value()) << i;
        EXPECT_GT(*value, previous) << i;
        previous = *value;
        EXPECT_EQ(tones[i].find('.'), tones[i].size() - 2) << tones[i];
    }
}

TEST(DcsCodeText, ValueInOctalWithThreeDigits) {
    EXPECT_EQ(DcsCodeText(0), "000");
    EXPECT_EQ(DcsCodeText(8), "010");
    EXPECT_EQ(DcsCodeText(19), "023");
    EXPECT_EQ(DcsCodeText(64), "100");
    EXPECT_EQ(DcsCodeText(83), "123");
    EXPECT_EQ(DcsCodeText(511), "777");
}

TEST(DcsCodeText, EveryValueReadsBackAsItself) {
    std::set<std::string> seen;
    for (int value = 0; value <= 511; ++value) {
        const std::string text = DcsCodeText(value);
        ASSERT_EQ(text.size(), 3u) << value;
        EXPECT_EQ(std::stoi(text, nullptr, 8), value);
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 512u);
}

TEST(DcsCodeText, ValuesOutsideTheCodesGiveTheEmptyText) {
    for (const int value : {-1, -512, 512, 1000, 0x7FFF}) {
        EXPECT_EQ(DcsCodeText(value), "") << value;
        EXPECT_EQ(DcsListEntry(value), "") << value;
        EXPECT_EQ(DcsCellText(value, false), "") << value;
        EXPECT_EQ(DcsCellText(value, true), "") << value;
    }
}

TEST(DcsTableForms, ListEntryAndCell) {
    EXPECT_EQ(DcsListEntry(19), "023N");
    EXPECT_EQ(DcsListEntry(511), "777N");
    EXPECT_EQ(DcsCellText(19, false), "D023N");
    EXPECT_EQ(DcsCellText(19, true), "D023I");
    EXPECT_EQ(DcsCellText(0, false), "D000N");
}

} // namespace
} // namespace rp70
