#include "files/backups.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "files/data_file.h"
#include "files/file_io.h"
#include "model/bands.h"
#include "texts/path_text.h"

namespace rp70 {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kReadWord = "read";
constexpr std::string_view kWrittenWord = "written";

/// The model as it may stand in a file name: letters, digits and "-" only.
std::string NamePart(std::string text) {
    for (char& c : text) {
        const bool plain =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        c = plain ? c : '-';
    }
    return text.empty() ? "radio" : text;
}

/// Parses "YYYY-MM-DD_hh-mm-ss_MODEL_bandN_KIND[-n].dat"; nullopt for any other name.
std::optional<BackupEntry> EntryOf(const fs::path& path) {
    if (path.extension() != ".dat") {
        return std::nullopt;
    }
    const std::string stem = Utf8Of(path.stem());
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = stem.find('_', start);
        parts.push_back(stem.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    if (parts.size() != 5 || parts[0].size() != 10 || parts[1].size() != 8 ||
        parts[3].rfind("band", 0) != 0) {
        return std::nullopt;
    }
    BackupEntry entry;
    entry.Path = path;
    std::string time = parts[1];
    std::replace(time.begin(), time.end(), '-', ':');
    entry.Time = parts[0] + ' ' + time;
    entry.Model = parts[2];
    try {
        entry.BandCode = std::stoi(parts[3].substr(4));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const std::string kind = parts[4].substr(0, parts[4].find('-'));
    if (kind != kReadWord && kind != kWrittenWord) {
        return std::nullopt;
    }
    entry.Kind = kind == kReadWord ? BackupKind::Read : BackupKind::Written;
    if (const auto bytes = ReadFileBytes(path, kDataFileSize)) {
        if (const auto contents = DecodeDataFile(*bytes)) {
            entry.Count = contents->Record.ChannelCount;
        }
    }
    return entry;
}

/// Removes the oldest backups beyond `limit`, each with its channel file.
void KeepNewest(const fs::path& programFolder, int limit) {
    const std::vector<BackupEntry> backups = ListBackups(programFolder);
    for (std::size_t i = static_cast<std::size_t>(limit); i < backups.size(); ++i) {
        std::error_code ignored;
        fs::remove(backups[i].Path, ignored);
        fs::remove(ChannelFilePath(backups[i].Path), ignored);
    }
}

} // namespace

fs::path BackupFolder(const fs::path& programFolder) {
    return programFolder / "backups";
}

std::string BackupFileName(const RadioImage& image, BackupKind kind,
                           std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    return std::string(stamp) + '_' + NamePart(ModelDisplayName(image.ModelName, image.BandIndex)) +
           "_band" + std::to_string(image.BandIndex) + '_' +
           std::string(kind == BackupKind::Read ? kReadWord : kWrittenWord) + ".dat";
}

std::optional<fs::path> SaveBackup(const fs::path& programFolder, const RadioImage& image,
                                   BackupKind kind, std::chrono::system_clock::time_point time,
                                   int limit) {
    const fs::path folder = BackupFolder(programFolder);
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path first = folder / BackupFileName(image, kind, time);
    fs::path path = first;
    for (int n = 2; fs::exists(path, error) || fs::exists(ChannelFilePath(path), error); ++n) {
        path = folder / (first.stem().string() + '-' + std::to_string(n) + ".dat");
    }
    if (!SaveImageCopy(image, path)) {
        return std::nullopt;
    }
    if (limit > 0) {
        KeepNewest(programFolder, limit);
    }
    return path;
}

std::vector<BackupEntry> ListBackups(const fs::path& programFolder) {
    std::vector<BackupEntry> backups;
    std::error_code error;
    for (const auto& file : fs::directory_iterator(BackupFolder(programFolder), error)) {
        if (auto entry = EntryOf(file.path())) {
            backups.push_back(std::move(*entry));
        }
    }
    // The name starts with the time, so it orders by age.
    std::sort(backups.begin(), backups.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return Utf8Of(a.Path.filename()) > Utf8Of(b.Path.filename());
    });
    return backups;
}

} // namespace rp70
