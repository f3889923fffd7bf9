#include "texts/ini_file.h"

#include <array>
#include <cstdint>
#include <exception>
#include <fstream>
#include <system_error>

#include "texts/number_text.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

std::string_view CutToBuffer(std::string_view value, std::size_t bufferSize) {
    const std::size_t maxCharacters = bufferSize == 0 ? 0 : bufferSize - 1;
    std::size_t characters = 0;
    std::size_t continuationAllowed = 0; // continuation bytes the current character may still take
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        if ((byte & 0xC0) == 0x80 && continuationAllowed > 0) {
            --continuationAllowed;
            continue;
        }
        // A new character starts here.
        if (characters == maxCharacters) {
            return value.substr(0, i);
        }
        ++characters;
        if ((byte & 0xE0) == 0xC0) {
            continuationAllowed = 1;
        } else if ((byte & 0xF0) == 0xE0) {
            continuationAllowed = 2;
        } else if ((byte & 0xF8) == 0xF0) {
            continuationAllowed = 3;
        } else {
            continuationAllowed = 0;
        }
    }
    return value;
}

IniFile::Line IniFile::ParseLine(std::string raw) {
    Line line;
    line.Raw = std::move(raw);
    const std::string_view text = TrimBlanks(line.Raw);
    if (text.empty() || text.front() == ';') {
        return line;
    }
    if (text.front() == '[') {
        const auto close = text.find(']');
        const std::string_view name =
            close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1);
        line.Kind = LineKind::Section;
        line.Name = std::string(TrimBlanks(name));
        return line;
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    const std::string_view key = TrimBlanks(text.substr(0, equals));
    if (key.empty()) {
        return line;
    }
    line.Kind = LineKind::Key;
    line.Name = std::string(key);
    line.Value = std::string(TrimBlanks(text.substr(equals + 1)));
    return line;
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    if (text.starts_with(kByteOrderMark)) {
        file.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    const auto firstBreak = text.find('\n');
    if (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r') {
        file.lineEnd_ = "\r\n";
    }
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        // Every CR at the end belongs to the line ending: a file converted to CR LF twice
        // ends its lines in CR CR LF.
        while (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        file.lines_.push_back(ParseLine(std::string(raw)));
    }
    return file;
}

std::optional<IniFile> IniFile::Load(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        return IniFile{};
    }
    if (error || status.type() != fs::file_type::regular) {
        return std::nullopt;
    }
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > kMaxIniFileSize) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return Parse(text);
}

std::size_t IniFile::FindLine(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.Kind == LineKind::Section) {
            inSection = SameName(line.Name, section);
        } else if (inSection && line.Kind == LineKind::Key && SameName(line.Name, key)) {
            return i;
        }
    }
    return std::string::npos;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
    const std::size_t index = FindLine(section, key);
    if (index == std::string::npos) {
        return std::nullopt;
    }
    return lines_[index].Value;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::size_t bufferSize) const {
    const std::size_t index = FindLine(section, key);
    const std::string_view value = index == std::string::npos ? defaultValue : lines_[index].Value;
    return std::string(CutToBuffer(value, bufferSize));
}

bool IniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (key.empty() || HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        HasLineBreakOrNul(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[') {
        return false;
    }

    const std::size_t existing = FindLine(section, key);
    if (existing != std::string::npos) {
        // Keep the key as spelled in the file and the blanks after '='.
        Line& line = lines_[existing];
        const auto equals = line.Raw.find('=');
        const auto valueStart = line.Raw.find_first_not_of(" \t", equals + 1);
        const std::size_t keep = valueStart == std::string::npos ? line.Raw.size() : valueStart;
        line.Raw = line.Raw.substr(0, keep) + std::string(value);
        line.Value = std::string(TrimBlanks(value));
        return true;
    }

    const std::string raw = std::string(key) + "=" + std::string(value);
    // Add the key behind the last key (or the header) of the first section of that name.
    std::size_t insertAfter = std::string::npos;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.Kind == LineKind::Section) {
            if (insertAfter != std::string::npos) {
                break;
            }
            if (SameName(line.Name, section)) {
                insertAfter = i;
            }
        } else if (insertAfter != std::string::npos && line.Kind == LineKind::Key) {
            insertAfter = i;
        }
    }
    if (insertAfter != std::string::npos) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAfter + 1),
                      ParseLine(raw));
        return true;
    }
    lines_.push_back(ParseLine("[" + std::string(section) + "]"));
    lines_.push_back(ParseLine(raw));
    return true;
}

void IniFile::ForEach(
    const std::function<void(std::string_view, std::string_view, std::string_view)>& visit) const {
    const Line* section = nullptr;
    for (const Line& line : lines_) {
        if (line.Kind == LineKind::Section) {
            section = &line;
        } else if (line.Kind == LineKind::Key && section != nullptr) {
            visit(section->Name, line.Name, line.Value);
        }
    }
}

std::string IniFile::Text() const {
    std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (const Line& line : lines_) {
        text += line.Raw;
        text += lineEnd_;
    }
    return text;
}

std::string ReadProfileString(const fs::path& file, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize) {
    return IniFile::Load(file).value_or(IniFile{}).GetString(section, key, defaultValue,
                                                             bufferSize);
}

} // namespace rp70
