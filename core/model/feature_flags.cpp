#include "model/feature_flags.h"

namespace rp70 {

void MergeFeatureByte(FeatureFlags& flags, std::uint8_t featureByte) {
    flags.HasFiveTone = flags.HasFiveTone || (featureByte & 0x80) != 0;
    flags.HasTwoTone = flags.HasTwoTone || (featureByte & 0x40) != 0;
    flags.HasDTMF = flags.HasDTMF || (featureByte & 0x20) != 0;
    flags.HasFeature4 = flags.HasFeature4 || (featureByte & 0x10) != 0;
}

void MergeFeatureFlags(FeatureFlags& flags, const FeatureFlags& other) {
    flags.HasFiveTone = flags.HasFiveTone || other.HasFiveTone;
    flags.HasTwoTone = flags.HasTwoTone || other.HasTwoTone;
    flags.HasDTMF = flags.HasDTMF || other.HasDTMF;
    flags.HasFeature4 = flags.HasFeature4 || other.HasFeature4;
}

} // namespace rp70
