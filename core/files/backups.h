#pragma once
// The copies of radio programming kept in the "backups" folder of the program folder: one data
// file (with its channel file) for every successful Read and for every Write about to start,
// named by date, time, model, band and kind:
// "2026-12-09_14-03-22_KT-RP70_band3_read.dat". Backups are only ever removed beyond a limit
// the person set, oldest first.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/radio_image.h"

namespace rp70 {

enum class BackupKind { Read, Written };

/// One backup as the list shows it.
struct BackupEntry {
    std::filesystem::path Path; ///< the data file
    std::string Time;           ///< "2026-12-09 14:03:22", local time
    BackupKind Kind = BackupKind::Read;
    std::string Model;        ///< "KT-RP70"
    int BandCode = 0;         ///< the band code of the name
    std::optional<int> Count; ///< memory channels in use; nullopt when the file is unreadable
};

/// The folder the backups of `programFolder` live in.
std::filesystem::path BackupFolder(const std::filesystem::path& programFolder);

/// The file name of a backup of `image` taken at `time` (local time): date, time, model, band
/// and kind, e.g. "2026-12-09_14-03-22_KT-RP70_band3_written.dat".
std::string BackupFileName(const RadioImage& image, BackupKind kind,
                           std::chrono::system_clock::time_point time);

/// Saves `image` as a backup (the folder is made when missing; a name already taken gets
/// "-2", "-3" … so no backup is replaced), then removes the oldest backups beyond `limit`
/// (0 keeps all). The path of the new backup; nullopt when it could not be saved.
std::optional<std::filesystem::path> SaveBackup(const std::filesystem::path& programFolder,
                                                const RadioImage& image, BackupKind kind,
                                                std::chrono::system_clock::time_point time,
                                                int limit);

/// The backups of `programFolder`, newest first; files that are not named as backups are left
/// out.
std::vector<BackupEntry> ListBackups(const std::filesystem::path& programFolder);

} // namespace rp70
