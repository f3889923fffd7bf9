#pragma once
// The feature flags: which signalling features radios read by this
// installation have reported. They live in the feature file "Setting.ini" of
// the program folder, which despite its name holds one binary record of
// 8 bytes: four 16-bit signed little-endian values, in this order
//   offset 0 HasFiveTone, 2 HasTwoTone, 4 HasDTMF, 6 HasFeature4,
// each 0 (off) or 1 (on). A flag is only ever switched on, never off.

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace rp70 {

struct FeatureFlags {
    bool HasFiveTone = false; ///< shows the 5-tone entries of the main window
    bool HasTwoTone = false;  ///< shows the 2-tone entries of the main window
    bool HasDTMF = false;     ///< shows the DTMF entries of the main window
    bool HasFeature4 = false; ///< only stored

    friend bool operator==(const FeatureFlags&, const FeatureFlags&) = default;
};

/// Size of the feature record in bytes.
inline constexpr std::size_t kFeatureRecordSize = 8;

/// Reads the first record of the feature file. A missing, unreadable or short
/// (under 8 bytes) file gives all flags off. Any non-zero value counts as on:
/// 1 is what is written, and -1 is how a true flag may have been stored, so a
/// value other than 0 is taken as the flag having been switched on. Bytes
/// after the first record are ignored.
FeatureFlags ReadFeatureFlags(const std::filesystem::path& featureFile);

/// Writes the four flags as the file's only record: exactly 8 bytes of 0/1
/// values, creating the file (and its folder) if needed, through a temporary
/// file that is renamed into place. False when it failed; the old file is
/// then untouched.
bool WriteFeatureFlags(const std::filesystem::path& featureFile, const FeatureFlags& flags);

/// Switches on the flags whose bits are set in the radio's feature byte:
/// bit 7 HasFiveTone, bit 6 HasTwoTone, bit 5 HasDTMF, bit 4 HasFeature4.
/// Flags already on stay on; bits 3 … 0 mean nothing.
void MergeFeatureByte(FeatureFlags& flags, std::uint8_t featureByte);

} // namespace rp70
