#pragma once
// The feature file "Setting.ini" of the program folder, where the feature flags stay between
// runs. Despite its name it holds one binary record of 8 bytes: four 16-bit signed
// little-endian values, in this order
//   offset 0 HasFiveTone, 2 HasTwoTone, 4 HasDTMF, 6 HasFeature4,
// each 0 (off) or 1 (on).

#include <cstddef>
#include <filesystem>

#include "model/feature_flags.h"

namespace rp70 {

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

} // namespace rp70
