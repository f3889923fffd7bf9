#include "editors/test_data_edit.h"

#include <gtest/gtest.h>

namespace rp70 {
namespace {

TEST(TestDataEditTest, ValuesShowAsHexadecimalAndReadBack) {
    const struct {
        std::int16_t Value;
        const char* Text;
    } cases[] = {{0, "0"}, {26, "1A"}, {0x123, "123"}, {-1, "FFFF"}, {-2, "FFFE"}};
    for (const auto& c : cases) {
        EXPECT_EQ(TestValueText(c.Value), c.Text);
        EXPECT_EQ(TestValueOfText(c.Text), c.Value) << c.Text;
    }
}

TEST(TestDataEditTest, TypedTextReadsAsItsValue) {
    EXPECT_EQ(TestValueOfText("1a"), 26);
    EXPECT_EQ(TestValueOfText(""), 0); // a cleared input stands for 0
}

TEST(TestDataEditTest, EveryValueRoundTripsThroughTheInputs) {
    TestValues values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<std::int16_t>(i * 37 - 200);
    }
    EXPECT_EQ(ReadTestValues(ShowTestValues(values)), values);
}

TEST(TestDataEditTest, CaptionsAndDigitsFollowTheTable) {
    EXPECT_EQ(TestValueCaption(2, Language::English), "Frequency Adjust");
    EXPECT_EQ(TestValueCaption(10, Language::Chinese), "麦克风灵敏度");
    EXPECT_EQ(TestValueCaption(20, Language::English), "SYS_MODN1");
    int captioned = 0;
    for (std::size_t i = 0; i < kTestValueCount; ++i) {
        captioned += TestValueCaption(i, Language::Chinese).empty() ? 0 : 1;
    }
    EXPECT_EQ(captioned, 18); // 2 … 14 and 16 … 20
    EXPECT_TRUE(TestValueCaption(15, Language::English).empty());
    EXPECT_EQ(TestValueInputs()[14].Digits, 3);
    EXPECT_EQ(TestValueInputs()[13].Digits, 2);
}

TEST(TestDataEditTest, ShowingANegativeValueIsNeverCutByTheInputLimit) {
    EXPECT_EQ(TestValueInputLimit(2, "1A"), 2);
    EXPECT_EQ(TestValueInputLimit(2, "FFFF"), 4);
    EXPECT_EQ(TestValueInputLimit(18, "7"), 3);
}

} // namespace
} // namespace rp70
