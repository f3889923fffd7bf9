#include "channels/step_list.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace rp70 {
namespace {

using Steps = std::vector<std::string_view>;

const Steps kCoarse = {"5K", "6.25K", "8.33K", "10K", "12.5K", "20K", "25K", "30K", "50K"};

Steps Fine() {
    Steps steps = {"2.5K"};
    steps.insert(steps.end(), kCoarse.begin(), kCoarse.end());
    return steps;
}

TEST(StepList, FineStepOnlyForTheBandsOnTheFineRaster) {
    const std::int16_t fine[] = {2, 3, 4, 5, 6, 7, 48, 49, 55};
    for (std::int16_t band : fine) {
        EXPECT_EQ(StepList(band), Fine()) << band;
    }
    const std::int16_t coarse[] = {-1, 0, 1, 8, 16, 23, 32, 39, 47, 56, 32767};
    for (std::int16_t band : coarse) {
        EXPECT_EQ(StepList(band), kCoarse) << band;
    }
}

TEST(StepList, TheSameIndexNamesDifferentSteps) {
    EXPECT_EQ(StepList(3)[5], "12.5K");
    EXPECT_EQ(StepList(0)[5], "20K");
}

} // namespace
} // namespace rp70
