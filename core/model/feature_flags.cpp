#include "model/feature_flags.h"

namespace rp70 {

void MergeFeatureByte(FeatureFlags& flags, std::uint8_t featureByte) {
    flags.HasFiveTone = flags.HasFiveTone || (featureByte & 0x80) != 0;
    flags.HasTwoTone = flags.HasTwoTone || (featureByte & 0x40) != 0;
    flags.HasDTMF = flags.HasDTMF || (featureByte & 0x20) != 0;
    flags.HasFeature4 = flags.HasFeature4 || (featureByte & 0x10) != 0;
}

} // namespace rp70
