// Fixed-width text fields: how stored bytes read as display text and how text is stored.

#include <gtest/gtest.h>

#include <string>

#include "model/fixed_text.h"

namespace rp70 {
namespace {

using namespace std::string_literals;

TEST(TextOfTest, DropsTrailingSpacesThenCutsAtTheFirstNul) {
    EXPECT_EQ(TextOf("\0      "s), "");
    EXPECT_EQ(TextOf("AB     "s), "AB");
    EXPECT_EQ(TextOf("  AB  "s), "  AB"); // leading spaces are part of the text
    EXPECT_EQ(TextOf("AB\0CD  "s), "AB");
    EXPECT_EQ(TextOf("AB \0   "s), "AB "); // spaces before the NUL stay
    EXPECT_EQ(TextOf(""s), "");
    EXPECT_EQ(TextOf("       "s), "");
    EXPECT_EQ(TextOf(MakeFixedText<7>("KTRP70")), "KTRP70");
}

TEST(WriteFixedTextTest, LeftAlignsPadsAndCuts) {
    EXPECT_EQ(MakeFixedText<7>("AB"), (FixedText<7>{'A', 'B', ' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(MakeFixedText<3>("ABCDE"), (FixedText<3>{'A', 'B', 'C'}));
    EXPECT_EQ(MakeFixedText<3>(""), (FixedText<3>{' ', ' ', ' '}));
    EXPECT_EQ(EmptyFixedText<4>(), (FixedText<4>{'\0', ' ', ' ', ' '}));
    EXPECT_EQ(TextOf(EmptyFixedText<4>()), "");
}

} // namespace
} // namespace rp70
