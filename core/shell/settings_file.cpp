#include "shell/settings_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string>

#include "model/number_text.h"
#include "shell/ini_file.h"

namespace rp70 {
namespace {

constexpr std::string_view kSection = "language";

bool SameAsciiText(std::string_view text, std::string_view lowerCase) {
    return std::equal(text.begin(), text.end(), lowerCase.begin(), lowerCase.end(),
                      [](char a, char b) {
                          return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
                      });
}

std::string Decimal(std::int16_t value) {
    std::array<char, 8> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::string(digits.data(), result.ptr);
}

} // namespace

std::optional<std::int16_t> ParseInt16(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int magnitude = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) {
        return std::nullopt; // too many digits for int
    }
    const int value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::optional<bool> ParseBooleanText(std::string_view text) {
    if (SameAsciiText(text, "true")) {
        return true;
    }
    if (SameAsciiText(text, "false")) {
        return false;
    }
    if (const auto number = ParseInt16(text)) {
        return *number != 0;
    }
    return std::nullopt;
}

SettingsFileValues ReadSettingsFile(const std::filesystem::path& settingsFile) {
    const IniFile ini = IniFile::Load(settingsFile).value_or(IniFile{});
    const auto read = [&ini](std::string_view key) {
        return std::string(TrimBlanks(ini.GetString(kSection, key, "", kSettingsBufferSize)));
    };
    const SettingsFileValues defaults;
    SettingsFileValues values;
    values.IsFirstRun = ParseBooleanText(read("IsFirstRun")).value_or(defaults.IsFirstRun);
    const auto port = ParseInt16(read("comPort"));
    values.ComPort = port && *port >= 0 ? *port : defaults.ComPort;
    values.Handshaking = ParseInt16(read("Handshaking")).value_or(defaults.Handshaking);
    values.StopBit = ParseInt16(read("StopBit")).value_or(defaults.StopBit);
    return values;
}

std::int16_t CheckedComPort(std::int16_t comPort, const std::vector<std::int16_t>& availablePorts,
                            bool isVista) {
    if (isVista ||
        std::find(availablePorts.begin(), availablePorts.end(), comPort) != availablePorts.end()) {
        return comPort;
    }
    return availablePorts.empty() ? std::int16_t{0} : availablePorts.front();
}

bool WriteStartupSettings(const std::filesystem::path& settingsFile,
                          const SettingsFileValues& values) {
    std::optional<IniFile> ini = IniFile::Load(settingsFile);
    if (!ini) {
        return false;
    }
    if (values.IsFirstRun && !ini->SetString(kSection, "IsFirstRun", "0")) {
        return false;
    }
    if (!ini->SetString(kSection, "comPort", Decimal(values.ComPort))) {
        return false;
    }
    return ini->Save(settingsFile);
}

bool WriteComPort(const std::filesystem::path& settingsFile, std::int16_t comPort) {
    return WriteProfileString(settingsFile, kSection, "comPort", Decimal(comPort));
}

StartupSettings ApplyStartupSettings(const std::filesystem::path& settingsFile,
                                     const std::vector<std::int16_t>& availablePorts,
                                     bool isVista) {
    StartupSettings result;
    result.Values = ReadSettingsFile(settingsFile);
    result.Values.ComPort = CheckedComPort(result.Values.ComPort, availablePorts, isVista);
    result.Written = WriteStartupSettings(settingsFile, result.Values);
    return result;
}

} // namespace rp70
