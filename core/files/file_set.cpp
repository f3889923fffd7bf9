#include "files/file_set.h"

#include <array>
#include <cstdint>
#include <exception>
#include <fstream>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>

#include "files/file_io.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rp70 {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRecordMagic = "RP70SAVE";
constexpr std::string_view kNewEnding = ".new-";
constexpr std::string_view kOldEnding = ".old-";

/// What a commit record says of the save it belongs to.
enum class Stage : char {
    Staging = 'S', ///< new contents and copies being written; the targets are untouched
    Forward = 'F', ///< decided: every new content goes in place
    Back = 'B',    ///< being undone: every target gets its previous content back
};

/// One file of a recorded save. Names are file names in the target's folder.
struct Entry {
    fs::path Target;    ///< relative to the record's folder, or absolute
    fs::path Temporary; ///< the new content until it is renamed over the target
    fs::path Backup;    ///< a copy of the replaced file; empty when there was none
};

struct Record {
    Stage Now = Stage::Staging;
    std::vector<Entry> Entries;
};

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

bool RemovePath(const fs::path& path) {
    std::error_code error;
    fs::remove(path, error);
    return !error;
}

bool RenamePath(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
}

bool WriteBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

/// Flushes what was written to `path` onto the disk.
bool SyncFile(const fs::path& path) {
#ifdef _WIN32
    const int fd = _wopen(path.c_str(), _O_RDWR | _O_BINARY);
    if (fd < 0) {
        return false;
    }
    const bool synced = _commit(fd) == 0;
    _close(fd);
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
#endif
    return synced;
}

/// Flushes the names in `folder` (renames, new and removed files) onto the disk. Some file
/// systems cannot, and Windows has no such call; the renames are then as durable as they get.
void SyncFolder(const fs::path& folder) {
#ifndef _WIN32
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)folder;
#endif
}

/// The operations of a save that change the disk, counted, each of which the hook may fail.
class Steps {
public:
    explicit Steps(const SaveStepHook& hook) : hook_(hook) {}

    bool Write(const fs::path& file, std::string_view bytes) {
        return Allowed() && WriteBytes(file, bytes);
    }
    bool Sync(const fs::path& file) { return Allowed() && SyncFile(file); }
    bool Rename(const fs::path& from, const fs::path& to) {
        return Allowed() && RenamePath(from, to);
    }
    bool Remove(const fs::path& path) { return Allowed() && RemovePath(path); }

private:
    bool Allowed() {
        const int step = next_++;
        return !hook_ || hook_(step);
    }

    const SaveStepHook& hook_;
    int next_ = 0;
};

/// Writes `bytes` as the new file `file` and flushes it onto the disk; on failure the file is
/// gone again.
bool WriteSynced(const fs::path& file, std::string_view bytes, Steps& steps) {
    if (steps.Write(file, bytes) && steps.Sync(file)) {
        return true;
    }
    RemovePath(file);
    return false;
}

bool CopySynced(const fs::path& from, const fs::path& to, Steps& steps) {
    const auto bytes = ReadFileBytes(from, SIZE_MAX);
    return bytes && WriteSynced(to, AsBytes(*bytes), steps);
}

/// A name in the folder of `target` for a file belonging to it ("." name ending hex) that no
/// other file has yet.
fs::path CompanionPrefix(const fs::path& target, std::string_view ending) {
    fs::path name = ".";
    name += target.filename();
    name += ending;
    return name;
}

std::optional<fs::path> FreeName(const fs::path& target, std::string_view ending) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string hex;
        std::uint64_t value = random();
        for (int i = 0; i < 16; ++i) {
            hex += "0123456789abcdef"[value & 0xF];
            value >>= 4;
        }
        fs::path name = CompanionPrefix(target, ending);
        name += hex;
        if (!Exists(target.parent_path() / name)) {
            return name;
        }
    }
    return std::nullopt;
}

/// Whether a save may put a new file in the place of `target`: nothing is there, or a regular
/// file that its permissions let this user write.
bool MayReplace(const fs::path& target) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (status.type() == fs::file_type::not_found) {
        return true;
    }
    if (error || status.type() != fs::file_type::regular ||
        (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return false;
    }
#ifdef _WIN32
    return true;
#else
    return ::access(target.c_str(), W_OK) == 0;
#endif
}

bool FolderExists(const fs::path& file) {
    std::error_code error;
    return fs::is_directory(file.parent_path().empty() ? fs::path(".") : file.parent_path(), error);
}

fs::path RecordPath(const fs::path& first) {
    return first.parent_path() / CompanionPrefix(first, ".save");
}

fs::path StagedRecordPath(const fs::path& record) {
    fs::path staged = record;
    staged += "-new";
    return staged;
}

std::string EncodeRecord(const Record& record) {
    std::string bytes(kRecordMagic);
    bytes += static_cast<char>(record.Now);
    for (const Entry& entry : record.Entries) {
        for (const fs::path* field : {&entry.Target, &entry.Temporary, &entry.Backup}) {
            const std::u8string text = field->u8string();
            bytes.append(text.begin(), text.end());
            bytes += '\0';
        }
    }
    return bytes;
}

/// Whether `name` is one of the files a save of `target` makes beside it.
bool BelongsTo(const fs::path& name, const fs::path& target, std::string_view ending) {
    const std::u8string prefix = CompanionPrefix(target, ending).u8string();
    const std::u8string text = name.u8string();
    return text.size() == prefix.size() + 16 && text.starts_with(prefix);
}

/// A record as written by EncodeRecord; nullopt for anything else, so that a damaged or foreign
/// file never makes recovery rename or remove files that are not a save's own.
std::optional<Record> DecodeRecord(const std::vector<std::uint8_t>& raw) {
    const std::string_view bytes(reinterpret_cast<const char*>(raw.data()), raw.size());
    if (!bytes.starts_with(kRecordMagic) || bytes.size() <= kRecordMagic.size()) {
        return std::nullopt;
    }
    Record record;
    const char stage = bytes[kRecordMagic.size()];
    if (stage != 'S' && stage != 'F' && stage != 'B') {
        return std::nullopt;
    }
    record.Now = static_cast<Stage>(stage);
    std::vector<fs::path> fields;
    std::string_view rest = bytes.substr(kRecordMagic.size() + 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        fields.emplace_back(std::u8string(rest.begin(), rest.begin() + static_cast<long>(end)));
        rest.remove_prefix(end + 1);
    }
    if (fields.empty() || fields.size() % 3 != 0) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < fields.size(); i += 3) {
        Entry entry{fields[i], fields[i + 1], fields[i + 2]};
        if (entry.Target.filename().empty() ||
            !BelongsTo(entry.Temporary, entry.Target, kNewEnding) ||
            (!entry.Backup.empty() && !BelongsTo(entry.Backup, entry.Target, kOldEnding))) {
            return std::nullopt;
        }
        record.Entries.push_back(std::move(entry));
    }
    return record;
}

/// Writes the record whole (a new file renamed over the old one), flushed to the disk.
bool WriteRecord(const fs::path& path, const Record& record, Steps& steps) {
    const fs::path staged = StagedRecordPath(path);
    if (!WriteSynced(staged, EncodeRecord(record), steps) || !steps.Rename(staged, path)) {
        RemovePath(staged);
        return false;
    }
    SyncFolder(path.parent_path());
    return true;
}

/// Brings every file of a recorded save to where its stage leads: the new contents in place
/// (Forward) or the previous ones (Staging, Back); then the record goes.
bool Resolve(const fs::path& recordPath, const Record& record, Steps& steps) {
    const fs::path folder = recordPath.parent_path();
    for (const Entry& entry : record.Entries) {
        const fs::path target = folder / entry.Target;
        const fs::path temporary = target.parent_path() / entry.Temporary;
        const fs::path backup = target.parent_path() / entry.Backup;
        bool done = true;
        if (Exists(temporary)) {
            done = record.Now == Stage::Forward ? steps.Rename(temporary, target)
                                                : steps.Remove(temporary);
        } else if (record.Now == Stage::Back) {
            // The new content is in place already: the copy goes back, or a file that was not
            // there before goes away.
            if (entry.Backup.empty()) {
                done = steps.Remove(target);
            } else if (Exists(backup)) {
                done = steps.Rename(backup, target);
            }
        }
        if (!done) {
            return false;
        }
        SyncFolder(target.parent_path());
    }
    for (const Entry& entry : record.Entries) {
        const fs::path backup = (folder / entry.Target).parent_path() / entry.Backup;
        if (!entry.Backup.empty() && Exists(backup) && !steps.Remove(backup)) {
            return false;
        }
    }
    if (!steps.Remove(recordPath)) {
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool Recover(const fs::path& first, Steps& steps) {
    const fs::path recordPath = RecordPath(LinkTarget(first));
    RemovePath(StagedRecordPath(recordPath));
    if (!Exists(recordPath)) {
        return true;
    }
    const auto record =
        DecodeRecord(ReadFileBytes(recordPath, 64 * 1024).value_or(std::vector<std::uint8_t>{}));
    // A record that is not one of ours is left alone, and never acted on.
    return !record || Resolve(recordPath, *record, steps);
}

/// Gives the new content the permissions of the file it replaces, if there is one.
void KeepPermissions(const fs::path& target, const fs::path& temporary) {
    std::error_code error;
    const fs::file_status old = fs::status(target, error);
    if (!error && fs::is_regular_file(old)) {
        fs::permissions(temporary, old.permissions(), error);
    }
}

bool ReplaceOne(const fs::path& target, std::string_view bytes, Steps& steps) {
    const auto name = FreeName(target, kNewEnding);
    if (!name) {
        return false;
    }
    const fs::path temporary = target.parent_path() / *name;
    if (!WriteSynced(temporary, bytes, steps)) {
        return false;
    }
    KeepPermissions(target, temporary);
    if (!steps.Rename(temporary, target)) {
        RemovePath(temporary);
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

bool SaveSet(const std::vector<FileWrite>& files, Steps& steps) {
    std::vector<fs::path> targets;
    for (const FileWrite& file : files) {
        targets.push_back(fs::absolute(LinkTarget(file.Target)));
        if (targets.back().filename().empty() || !FolderExists(targets.back()) ||
            !MayReplace(targets.back())) {
            return false;
        }
    }
    if (!Recover(targets.front(), steps)) {
        return false;
    }
    if (files.size() == 1) {
        return ReplaceOne(targets.front(), files.front().Bytes, steps);
    }

    const fs::path recordPath = RecordPath(targets.front());
    Record record;
    for (const fs::path& target : targets) {
        const auto temporary = FreeName(target, kNewEnding);
        std::optional<fs::path> backup = fs::path();
        if (Exists(target)) {
            backup = FreeName(target, kOldEnding);
        }
        if (!temporary || !backup) {
            return false;
        }
        const bool besideRecord = target.parent_path() == recordPath.parent_path();
        record.Entries.push_back({besideRecord ? target.filename() : target, *temporary, *backup});
    }
    if (!WriteRecord(recordPath, record, steps)) {
        return false;
    }

    bool staged = true;
    for (std::size_t i = 0; staged && i < files.size(); ++i) {
        const fs::path temporary = targets[i].parent_path() / record.Entries[i].Temporary;
        staged = WriteSynced(temporary, files[i].Bytes, steps);
    }
    for (std::size_t i = 0; staged && i < files.size(); ++i) {
        const fs::path& backup = record.Entries[i].Backup;
        staged = backup.empty() || CopySynced(targets[i], targets[i].parent_path() / backup, steps);
    }
    if (staged) {
        record.Now = Stage::Forward;
        staged = WriteRecord(recordPath, record, steps);
    }
    if (!staged) {
        // Nothing has been replaced: only the files of the save itself are removed.
        const SaveStepHook none;
        Steps cleanUp(none);
        record.Now = Stage::Staging;
        Resolve(recordPath, record, cleanUp);
        return false;
    }

    for (std::size_t i = 0; i < files.size(); ++i) {
        const fs::path temporary = targets[i].parent_path() / record.Entries[i].Temporary;
        KeepPermissions(targets[i], temporary);
        if (!steps.Rename(temporary, targets[i])) {
            // The files already replaced get their previous contents back. Should that be cut
            // short, the record says so and the next open finishes it. A record that cannot say
            // so still leads the next open forward, so then the save is finished instead: an
            // undo cut short under it would leave a mixed set.
            record.Now = Stage::Back;
            if (!WriteRecord(recordPath, record, steps)) {
                record.Now = Stage::Forward;
            }
            Resolve(recordPath, record, steps);
            return false;
        }
    }
    // Every new content is in place: the save has succeeded even if the copies and the record
    // could not be removed now (the next open removes them).
    Resolve(recordPath, record, steps);
    return true;
}

} // namespace

bool SaveFileSet(const std::vector<FileWrite>& files, const SaveStepHook& hook) {
    if (files.empty()) {
        return true;
    }
    Steps steps(hook);
    try {
        return SaveSet(files, steps);
    } catch (const std::exception&) {
        // Path conversions or allocation may throw; a failed save is reported, never raised.
        return false;
    }
}

bool RecoverFileSet(const fs::path& first, const SaveStepHook& hook) {
    Steps steps(hook);
    try {
        return Recover(first, steps);
    } catch (const std::exception&) {
        return false;
    }
}

fs::path LinkTarget(const fs::path& file) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error))) {
        return file;
    }
    fs::path target = fs::weakly_canonical(fs::absolute(file, error), error);
    return error ? file : target;
}

} // namespace rp70
