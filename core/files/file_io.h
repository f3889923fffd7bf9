#pragma once
// Whole-file reads and writes that never leave a half-written file behind: a new content is
// written to a temporary file in the target's folder and renamed over the target.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace rp70 {

/// The first `maxBytes` bytes of `file` (all of it when it is shorter); nullopt when the file
/// cannot be opened or read, or is not a regular file.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& file,
                                                       std::size_t maxBytes);

/// A new content for one file, written to a temporary file beside it and put in place only by
/// Commit, which renames it over the target: the target is replaced whole or not at all.
/// Several files can be staged first and committed one after the other, so that a failure
/// while writing any of them leaves every target as it was. A staged file that is not
/// committed is removed.
class StagedFile {
public:
    StagedFile() = default;
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    /// Writes `bytes` to a temporary file in the folder of `file` (created when needed). A
    /// symbolic link is followed, so the file it points to will be replaced. Returns false when
    /// the temporary file cannot be written or a folder is in the target's place; nothing is
    /// left behind then.
    bool Stage(const std::filesystem::path& file, std::string_view bytes);

    /// Renames the temporary file over the target, keeping the target's permissions. Returns
    /// false when nothing is staged or the rename fails; the target is then untouched.
    bool Commit();

    /// Removes the temporary file, if any.
    void Discard();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
};

/// Replaces the whole content of `file` with `bytes` through a staged file. Returns false on
/// any failure; the old content is then untouched and no temporary file is left behind.
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes);

/// `bytes` as the byte string the file functions take.
inline std::string_view AsBytes(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace rp70
