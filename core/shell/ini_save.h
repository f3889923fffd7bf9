#pragma once
// Writing ini files back to disk: the settings file and the window placement store live in the
// program folder, made on first use. The file and its folder are created when needed; the new
// content goes to a temporary file in the same folder that is then renamed over the old one, so
// a failed write leaves the old file as it was.

#include <filesystem>
#include <string_view>

#include "texts/ini_file.h"

namespace rp70 {

/// Writes ini.Text() to `file`, making its folder first. False on failure.
bool SaveIniFile(const IniFile& ini, const std::filesystem::path& file);

/// Writes one value into an ini file, creating the file and its folder when
/// needed. Returns false (leaving the file untouched) when the file cannot be
/// read or written or the names or value cannot be stored.
bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

} // namespace rp70
