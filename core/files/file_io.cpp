#include "files/file_io.h"

#include <algorithm>
#include <array>
#include <exception>
#include <fstream>
#include <string>
#include <system_error>

#include "files/file_set.h"

namespace rp70 {

namespace fs = std::filesystem;

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& file, std::size_t maxBytes) {
    try {
        std::error_code error;
        if (!fs::is_regular_file(file, error)) {
            return std::nullopt;
        }
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes;
        std::array<char, 4096> chunk{};
        while (bytes.size() < maxBytes) {
            const std::size_t wanted = std::min(chunk.size(), maxBytes - bytes.size());
            in.read(chunk.data(), static_cast<std::streamsize>(wanted));
            const auto got = static_cast<std::size_t>(in.gcount());
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<long>(got));
            if (got < wanted) {
                break;
            }
        }
        if (in.bad()) {
            return std::nullopt;
        }
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return name.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), name.end() - static_cast<long>(ending.size()),
                      [&](char a, char b) { return lower(a) == lower(b); });
}

std::optional<std::size_t> StartOfLastCharacters(std::string_view name, int count) {
    const auto continuation = [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
    };
    std::size_t start = name.size();
    for (int characters = 0; characters < count; ++characters) {
        if (start == 0) {
            return std::nullopt;
        }
        --start;
        while (start > 0 && continuation(name[start])) {
            --start;
        }
    }
    return start;
}

bool ReplaceFileContents(const fs::path& file, std::string_view bytes) {
    return SaveFileSet({{file, std::string(bytes)}});
}

} // namespace rp70
