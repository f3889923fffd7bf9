#include "shell/window_placement.h"

#include <array>
#include <charconv>
#include <string>

#include "model/number_text.h"
#include "shell/ini_file.h"

namespace rp70 {
namespace {

constexpr std::string_view kSection = "Settings";
// Values are read into a buffer of this many characters, as the settings file is.
constexpr std::size_t kPlacementBufferSize = 512;

std::optional<int> ParseInt(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string Decimal(int value) {
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::string(digits.data(), result.ptr);
}

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
        return ParseInt(TrimBlanks(ini.GetString(kSection, key, "", kPlacementBufferSize)));
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
    const bool set = ini->SetString(kSection, "MainLeft", Decimal(placement.MainLeft)) &&
                     ini->SetString(kSection, "MainTop", Decimal(placement.MainTop)) &&
                     ini->SetString(kSection, "MainWidth", Decimal(placement.MainWidth)) &&
                     ini->SetString(kSection, "MainHeight", Decimal(placement.MainHeight));
    return set && ini->Save(placementFile);
}

} // namespace rp70
