#pragma once
// Whole files as text or bytes, for tests that prepare or inspect files.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace rp70::test {

/// Replaces `file` with exactly `text`, creating its folder first.
inline void WriteFileText(const std::filesystem::path& file, std::string_view text) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) {
        ADD_FAILURE() << "cannot write " << file;
    }
}

/// Replaces `file` with exactly `bytes`, creating its folder first.
inline void WriteFileBytes(const std::filesystem::path& file,
                           const std::vector<std::uint8_t>& bytes) {
    WriteFileText(file, std::string(bytes.begin(), bytes.end()));
}

/// Every byte of `file` as text; empty when it cannot be read.
inline std::string ReadFileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Every byte of `file`; none when it cannot be read.
inline std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file) {
    const std::string text = ReadFileText(file);
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

/// The names of the entries in `folder`, sorted.
inline std::vector<std::filesystem::path> NamesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace rp70::test
