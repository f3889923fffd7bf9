#include "shell/settings_file.h"

#include <algorithm>
#include <string>

#include "shell/ini_save.h"
#include "texts/ini_file.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr std::string_view kSection = "language";

bool SameAsciiText(std::string_view text, std::string_view lowerCase) {
    return std::equal(text.begin(), text.end(), lowerCase.begin(), lowerCase.end(),
                      [](char a, char b) {
                          return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
                      });
}

} // namespace

std::optional<std::int16_t> ParseInt16(std::string_view text) {
    return ParseWholeNumberAs<std::int16_t>(text);
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
    return SettingsFromIni(IniFile::Load(settingsFile).value_or(IniFile{}));
}

SettingsFileValues SettingsFromIni(const IniFile& ini) {
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
    values.ComDevice = read("comDevice");
    values.VerifyAfterWrite =
        ParseBooleanText(read("verifyAfterWrite")).value_or(defaults.VerifyAfterWrite);
    values.BackupBeforeWrite =
        ParseBooleanText(read("backupBeforeWrite")).value_or(defaults.BackupBeforeWrite);
    const auto limit = ParseInt16(read("backupLimit"));
    values.BackupLimit = limit && *limit >= 0 ? *limit : defaults.BackupLimit;
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
    if (!ini->SetString(kSection, "comPort", FormatInteger(values.ComPort))) {
        return false;
    }
    return SaveIniFile(*ini, settingsFile);
}

bool WriteSafetySettings(const std::filesystem::path& settingsFile,
                         const SettingsFileValues& values) {
    std::optional<IniFile> ini = IniFile::Load(settingsFile);
    if (!ini ||
        !ini->SetString(kSection, "verifyAfterWrite", values.VerifyAfterWrite ? "1" : "0") ||
        !ini->SetString(kSection, "backupBeforeWrite", values.BackupBeforeWrite ? "1" : "0") ||
        !ini->SetString(kSection, "backupLimit", FormatInteger(values.BackupLimit))) {
        return false;
    }
    return SaveIniFile(*ini, settingsFile);
}

bool WriteLinkPort(const std::filesystem::path& settingsFile, std::int16_t comPort,
                   std::string_view comDevice) {
    std::optional<IniFile> ini = IniFile::Load(settingsFile);
    if (!ini || !ini->SetString(kSection, "comPort", FormatInteger(comPort)) ||
        !ini->SetString(kSection, "comDevice", comDevice)) {
        return false;
    }
    return SaveIniFile(*ini, settingsFile);
}

std::string LinkPortName(const SettingsFileValues& values) {
    if (!values.ComDevice.empty()) {
        return values.ComDevice;
    }
    return values.ComPort > 0 ? "COM" + FormatInteger(values.ComPort) : std::string();
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
