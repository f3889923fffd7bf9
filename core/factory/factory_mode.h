#pragma once
// The factory test mode, switched on at start-up by a marker file in the program folder.

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "model/radio_image.h"

namespace rp70 {

/// The text the marker file must hold to switch the factory test mode on.
inline constexpr std::string_view kFactoryMarker = "QZMV74_8132_Service_UnitCheckSet";

/// How many bytes of the marker file are read.
inline constexpr std::size_t kFactoryMarkerReadSize = 128;

/// The marker file: "TestData.ini" in the program folder.
std::filesystem::path MarkerFilePath(const std::filesystem::path& programFolder);

/// Start-up of the factory test: both value arrays become 0; the mode is on exactly when the
/// marker file exists and TextOf its first 128 bytes equals the marker (case-sensitive). A
/// missing or unreadable file leaves the mode off, without a message.
void InitFactoryMode(const std::filesystem::path& programFolder, FactoryTest& factory);

} // namespace rp70
