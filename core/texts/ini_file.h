#pragma once
// Private-profile (ini) files: the settings file, the language files and the
// window placement store, read and edited in memory (ini_save.h in shell/
// writes them back). Reading and editing follow the classic profile rules the
// program's files were written for:
//
// - "[section]" lines open a section, "key=value" lines hold values; lines
//   whose first non-blank character is ';' are comments; other lines are kept
//   but carry no value.
// - Section and key names compare case-insensitively (ASCII letters); names
//   and values are trimmed of spaces and tabs. Quotes around a value are kept
//   as written.
// - When a key occurs more than once, the first occurrence in the file counts
//   (also across repeated sections of the same name); writing changes that
//   same occurrence.
// - A value is handed out cut to the caller's buffer: a buffer of N
//   characters holds at most N - 1 characters of text. Characters are counted
//   as UTF-8 characters, so a cut never splits a multi-byte character (the
//   Chinese language file is UTF-8); bytes that are not UTF-8 count one each.
// - A UTF-8 byte order mark at the start is skipped (and kept when the file is
//   written back); lines may end in CR LF or LF. A file that is written back
//   keeps the line ending it had; a new file gets LF.
// - Writing replaces a key's value in place and keeps every other line,
//   comment and the order; a missing key is added at the end of its section,
//   a missing section at the end of the file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rp70 {

/// Largest ini file that is read (bytes). A bigger file is treated as
/// unreadable: reads give the defaults and writes refuse to replace it.
inline constexpr std::uintmax_t kMaxIniFileSize = 4 * 1024 * 1024;

/// An ini file held in memory, line by line, so that it can be written back
/// with only the changed lines differing.
class IniFile {
public:
    /// An empty file (no sections).
    IniFile() = default;

    /// Parses the text of an ini file. Never fails: lines that mean nothing are kept as they are.
    static IniFile Parse(std::string_view text);

    /// Reads a file. A file that does not exist gives an empty IniFile; a file
    /// that exists but cannot be read (a folder, no permission, larger than
    /// kMaxIniFileSize) gives nullopt.
    static std::optional<IniFile> Load(const std::filesystem::path& file);

    /// The whole value of `key` in `section`, trimmed; nullopt when the section or key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    /// The value of `key` in `section` as a buffer of `bufferSize` characters
    /// receives it: at most bufferSize - 1 characters. `defaultValue` (cut the
    /// same way) when the section or key is missing.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferSize) const;

    /// Sets `key` in `section` to `value` in memory. Returns false, changing
    /// nothing, when a name or the value cannot be stored in an ini file: an
    /// empty key, a line break or NUL anywhere, ']' in the section name, '='
    /// in the key, or a key starting with ';' or '['.
    bool SetString(std::string_view section, std::string_view key, std::string_view value);

    /// Calls `visit(section, key, value)` for every key line inside a section,
    /// in file order (names and values trimmed as Find gives them).
    void ForEach(const std::function<void(std::string_view section, std::string_view key,
                                          std::string_view value)>& visit) const;

    /// The file's text as it is written back.
    std::string Text() const;

private:
    enum class LineKind { Other, Section, Key };

    struct Line {
        std::string Raw; // the line as in the file, without its line ending
        LineKind Kind = LineKind::Other;
        std::string Name;  // section or key name, trimmed
        std::string Value; // key value, trimmed
    };

    static Line ParseLine(std::string raw);
    // Index of the line holding `key` in `section`, or npos.
    std::size_t FindLine(std::string_view section, std::string_view key) const;

    std::vector<Line> lines_;
    bool byteOrderMark_ = false;
    std::string lineEnd_ = "\n";
};

/// Reads one value of an ini file like GetString; a missing or unreadable file gives the default.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize);

/// `value` cut to what a buffer of `bufferSize` characters holds (at most
/// bufferSize - 1 UTF-8 characters, never splitting one).
std::string_view CutToBuffer(std::string_view value, std::size_t bufferSize);

} // namespace rp70
