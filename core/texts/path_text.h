#pragma once
// Paths and the UTF-8 texts that name them. Everything the core shows, stores or receives as
// text is UTF-8; a path made from such a text or shown as one goes through these, so that
// Windows, which would read narrow texts in its ANSI code page, names the same file as Linux.

#include <filesystem>
#include <string>
#include <string_view>

namespace rp70 {

/// The path the UTF-8 text `utf8` names. On Windows a text that is not UTF-8 names no file
/// (an empty path); elsewhere the bytes are taken as they are.
std::filesystem::path PathFromUtf8(std::string_view utf8);

/// `path` as UTF-8 text, for showing it or keeping it in a text.
std::string Utf8Of(const std::filesystem::path& path);

} // namespace rp70
