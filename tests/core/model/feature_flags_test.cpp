#include "model/feature_flags.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace rp70 {
namespace {

constexpr FeatureFlags kAllOff{};

TEST(FeatureFlagsMerge, HighFourBitsSwitchTheFlagsOn) {
    const std::pair<std::uint8_t, FeatureFlags> cases[] = {
        {0x80, {true, false, false, false}},
        {0x40, {false, true, false, false}},
        {0x20, {false, false, true, false}},
        {0x10, {false, false, false, true}},
        {0x0F, kAllOff},
        {0xF0, {true, true, true, true}},
    };
    for (const auto& [featureByte, expected] : cases) {
        FeatureFlags flags;
        MergeFeatureByte(flags, featureByte);
        EXPECT_EQ(flags, expected) << "byte " << int{featureByte};
    }
}

TEST(FeatureFlagsMerge, FlagsOfAnotherRadioOnlySwitchFlagsOn) {
    FeatureFlags flags{true, false, false, true};
    MergeFeatureFlags(flags, {false, true, false, false});
    EXPECT_EQ(flags, (FeatureFlags{true, true, false, true}));
}

} // namespace
} // namespace rp70
