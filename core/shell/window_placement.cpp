#include "shell/window_placement.h"

#include <string>

#include "shell/ini_save.h"
#include "texts/ini_file.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr std::string_view kSection = "Settings";
// Values are read into a buffer of this many characters, as the settings file is.
constexpr std::size_t kPlacementBufferSize = 512;

std::optional<int> Positive(std::optional<int> value) {
    return value && *value > 0 ? value : std::nullopt;
}

} // namespace

std::filesystem::path WindowPlacementFilePath(const std::filesystem::path& programFolder) {
    return programFolder / (std::string(kApplicationTitle) + ".ini");
}

StoredWindowPlacement ReadWindowPlacement(const std::filesystem::path& placementFile) {
    const IniFile ini = IniFile::Load(placementFile).value_or(IniFile{});
    const auto read = [&ini](std::string_view key) {
        return ParseWholeNumberAs<int>(
            TrimBlanks(ini.GetString(kSection, key, "", kPlacementBufferSize)));
    };
    StoredWindowPlacement stored;
    stored.MainLeft = read("MainLeft");
    stored.MainTop = read("MainTop");
    stored.MainWidth = Positive(read("MainWidth"));
    stored.MainHeight = Positive(read("MainHeight"));
    return stored;
}

bool WriteWindowPlacement(const std::filesystem::path& placementFile,
                          const WindowPlacement& placement) {
    std::optional<IniFile> ini = IniFile::Load(placementFile);
    if (!ini) {
        return false;
    }
    const bool set = ini->SetString(kSection, "MainLeft", FormatInteger(placement.MainLeft)) &&
                     ini->SetString(kSection, "MainTop", FormatInteger(placement.MainTop)) &&
                     ini->SetString(kSection, "MainWidth", FormatInteger(placement.MainWidth)) &&
                     ini->SetString(kSection, "MainHeight", FormatInteger(placement.MainHeight));
    return set && SaveIniFile(*ini, placementFile);
}

} // namespace rp70
