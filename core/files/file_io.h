#pragma once
// Whole-file reads, and writes that never leave a half-written file behind.

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

/// Replaces the whole content of `file` with `bytes`: written beside it, flushed to the disk
/// and renamed over it, so the file is replaced whole or not at all. A symbolic link is
/// followed. The folder must exist, and a file whose permissions forbid writing it is not
/// replaced. Returns false on any failure; the old content is then untouched.
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes);

/// Whether the file name `name` ends in `ending`, letters compared without regard to case as
/// Windows and macOS compare file names ("X.FRE" ends in "fre").
bool EndsWithIgnoringCase(std::string_view name, std::string_view ending);

/// Where the last `count` characters of the UTF-8 text `name` start, a character being a lead
/// byte with its continuation bytes; nullopt when it has fewer characters.
std::optional<std::size_t> StartOfLastCharacters(std::string_view name, int count);

/// `bytes` as the byte string the file functions take.
inline std::string_view AsBytes(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace rp70
