#pragma once
// The test data file (".ted"): the 32 factory test values, each 16-bit signed little-endian, in
// index order, 64 bytes in all. In the factory test mode it travels beside every data file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_image.h"

namespace rp70 {

/// Size of a test data file.
inline constexpr std::size_t kTestDataFileSize = 2 * kTestValueCount;

/// The 64 bytes of the test data file for `values`.
std::vector<std::uint8_t> EncodeTestData(const TestValues& values);

/// Reads the first 64 bytes of `bytes` into `values`; fewer bytes return false and leave
/// `values` as it was.
bool DecodeTestData(std::span<const std::uint8_t> bytes, TestValues& values);

/// Reads the first 64 bytes of `file` into `values` and sets `lastTestDataPath` to `file`. A
/// file that is missing, unreadable or shorter than 64 bytes returns false and leaves both as
/// they were.
bool LoadTestDataFile(const std::filesystem::path& file, TestValues& values,
                      std::filesystem::path& lastTestDataPath);

/// Replaces `file` with exactly the 64 bytes of `values` and sets `lastTestDataPath` to `file`.
/// Returns false when the file cannot be written; the old file and `lastTestDataPath` are then
/// untouched.
bool SaveTestDataFile(const std::filesystem::path& file, const TestValues& values,
                      std::filesystem::path& lastTestDataPath);

/// The test data file that belongs to the data file `dataPath`: its last four characters
/// replaced by ".ted" ("radio.dat" gives "radio.ted"); nullopt when it has 3 characters or
/// fewer. Characters are counted as Unicode characters. A file name of four characters or
/// fewer, or one that already ends in ".ted", gets ".ted" appended instead, so the test data
/// file is never the data file itself nor a file of another folder.
std::optional<std::filesystem::path> TestDataPathFor(const std::filesystem::path& dataPath);

/// Loads the test data file of `dataPath` into SavedTestValues (and LastTestDataPath). Returns
/// false, changing nothing, when there is no such path or it cannot be read.
bool LoadTestDataFor(FactoryTest& factory, const std::filesystem::path& dataPath);

/// Saves SavedTestValues to the test data file of `dataPath` (and sets LastTestDataPath).
/// Returns false when there is no such path or it cannot be written.
bool SaveTestDataFor(FactoryTest& factory, const std::filesystem::path& dataPath);

} // namespace rp70
