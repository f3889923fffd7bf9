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

TEST(TestDataEditTest, ShowingANegativeValueIsNeverCutByTheInputLimit) {
    EXPECT_EQ(TestValueInputLimit(2, "1A"), 2);
    EXPECT_EQ(TestValueInputLimit(2, "FFFF"), 4);
    EXPECT_EQ(TestValueInputLimit(18, "7"), 3);
}

} // namespace
} // namespace rp70
