#pragma once
// The settings file "language/mysetup.ini" of the program folder, section
// "language": whether the first start has been recorded and the link
// settings. Start-up reads it, checks the serial port and writes back
// "IsFirstRun" and "comPort"; the serial port dialog writes "comPort".
//
// The program does not ship this file, and a person may edit it, so nothing
// in it can stop the start-up. Each value is read into a 512-character buffer
// (at most 511 characters) and trimmed; then:
// - "IsFirstRun" is boolean text: "True"/"False" in any letter case, or a
//   whole number (0 is false, any other number true, as -1 and 1 are written
//   for true). Missing or anything else: true. That is the safe reading: the
//   only effect of true is that "0" gets written, which repairs the file, and
//   nothing else depends on the flag.
// - "comPort", "Handshaking" and "StopBit" are whole numbers: an optional '+'
//   or '-' sign and decimal digits, nothing else, within the 16-bit signed
//   range -32768 … 32767. Missing, empty, text, a fraction or a number outside
//   that range gives the default:
//   - "comPort": 1 (COM1, the classic first port). A negative number is not a
//     port and also gives 1. The port check that follows replaces a port the
//     machine does not offer by its first port anyway.
//   - "Handshaking": 0 (none), what every transfer uses.
//   - "StopBit": 1, what every transfer uses.
// - "comDevice" is the serial device chosen or typed in the serial port dialog
//   when it has no COMn number (a Linux device such as "/dev/ttyUSB0" or a
//   pseudo-terminal); empty when the port is a numbered COMn port.
// - "verifyAfterWrite" and "backupBeforeWrite" are boolean text as above;
//   missing or malformed: verify on, no extra backup read. "backupLimit" is a
//   whole number as above: how many backups are kept; 0, missing or malformed
//   keeps them all.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace rp70 {

class IniFile;

/// Buffer size for values of the settings file (values up to 511 characters).
inline constexpr std::size_t kSettingsBufferSize = 512;

/// The values kept in the settings file.
struct SettingsFileValues {
    bool IsFirstRun = true;         ///< true until the first start has been recorded
    std::int16_t ComPort = 1;       ///< n of port COMn; 0 means none
    std::int16_t Handshaking = 0;   ///< kept for the settings file only
    std::int16_t StopBit = 1;       ///< kept for the settings file only
    std::string ComDevice;          ///< a device without a COMn number; empty for COMn
    bool VerifyAfterWrite = true;   ///< a Write reads back and compares what it wrote
    bool BackupBeforeWrite = false; ///< a Write first reads the radio into a backup
    std::int16_t BackupLimit = 0;   ///< backups kept at most; 0 keeps them all
};

/// Boolean text as written in settings: "True"/"False" (any case) or a whole
/// number within 16 bits (0 false, otherwise true); nullopt for anything else.
std::optional<bool> ParseBooleanText(std::string_view text);

/// A whole number within 16 bits: optional sign and decimal digits only;
/// nullopt for anything else.
std::optional<std::int16_t> ParseInt16(std::string_view text);

/// The values of section "language" of `ini`, read as ReadSettingsFile does.
SettingsFileValues SettingsFromIni(const IniFile& ini);

/// Reads the four keys of section "language". Never fails: a missing file,
/// section or key, or a malformed value gives the default named above.
SettingsFileValues ReadSettingsFile(const std::filesystem::path& settingsFile);

/// The port to use after the start-up check: unless `isVista` (the fixed port
/// list mode), a port that is not in `availablePorts` (the machine's ports in
/// enumeration order) is replaced by the first listed port, or by 0 when the
/// machine has none.
std::int16_t CheckedComPort(std::int16_t comPort, const std::vector<std::int16_t>& availablePorts,
                            bool isVista);

/// Writes what a start-up records: "IsFirstRun" = "0" when `values.IsFirstRun`
/// is true, and always "comPort" = `values.ComPort` in decimal. Other lines of
/// the file are kept. One write for both keys; false when it failed.
bool WriteStartupSettings(const std::filesystem::path& settingsFile,
                          const SettingsFileValues& values);

/// Writes the serial port dialog's choice: "comPort" in decimal and "comDevice" (empty for a
/// COMn port), in one write; false when it failed.
bool WriteLinkPort(const std::filesystem::path& settingsFile, std::int16_t comPort,
                   std::string_view comDevice);

/// Writes the safe-programming choices: "verifyAfterWrite", "backupBeforeWrite" and
/// "backupLimit", in one write; false when it failed.
bool WriteSafetySettings(const std::filesystem::path& settingsFile,
                         const SettingsFileValues& values);

/// The port every transfer opens: `ComDevice` when set, otherwise "COM" followed by `ComPort`;
/// empty when neither names a port (port 0).
std::string LinkPortName(const SettingsFileValues& values);

/// What the start-up's settings steps leave behind.
struct StartupSettings {
    SettingsFileValues Values; ///< as read, with ComPort after the port check
    bool Written = false;      ///< whether the file could be written; start-up goes on either way
};

/// The start-up's settings steps in order: read the settings file, check the
/// port against `availablePorts` (see CheckedComPort), then write
/// "IsFirstRun" (when it was true) and "comPort". `Values.IsFirstRun` stays
/// as read, so the caller can still tell a first start.
StartupSettings ApplyStartupSettings(const std::filesystem::path& settingsFile,
                                     const std::vector<std::int16_t>& availablePorts, bool isVista);

} // namespace rp70
