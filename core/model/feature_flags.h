#pragma once
// The feature flags: which signalling features radios read by this installation have reported.
// A flag is only ever switched on, never off. The feature file in the program folder keeps them
// between runs.

#include <cstdint>

namespace rp70 {

struct FeatureFlags {
    bool HasFiveTone = false; ///< shows the 5-tone entries of the main window
    bool HasTwoTone = false;  ///< shows the 2-tone entries of the main window
    bool HasDTMF = false;     ///< shows the DTMF entries of the main window
    bool HasFeature4 = false; ///< only stored

    friend bool operator==(const FeatureFlags&, const FeatureFlags&) = default;
};

/// Switches on the flags whose bits are set in the radio's feature byte:
/// bit 7 HasFiveTone, bit 6 HasTwoTone, bit 5 HasDTMF, bit 4 HasFeature4.
/// Flags already on stay on; bits 3 … 0 mean nothing.
void MergeFeatureByte(FeatureFlags& flags, std::uint8_t featureByte);

/// Switches on in `flags` every flag that is on in `other`.
void MergeFeatureFlags(FeatureFlags& flags, const FeatureFlags& other);

} // namespace rp70
