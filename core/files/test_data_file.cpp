#include "files/test_data_file.h"

#include "files/file_io.h"
#include "model/byte_io.h"

namespace rp70 {
namespace {

constexpr bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

} // namespace

std::vector<std::uint8_t> EncodeTestData(const TestValues& values) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kTestDataFileSize);
    ByteWriter out(bytes);
    for (std::int16_t value : values) {
        out.I16(value);
    }
    return bytes;
}

bool DecodeTestData(std::span<const std::uint8_t> bytes, TestValues& values) {
    if (bytes.size() < kTestDataFileSize) {
        return false;
    }
    ByteReader in(bytes);
    for (std::int16_t& value : values) {
        value = in.I16();
    }
    return true;
}

bool LoadTestDataFile(const std::filesystem::path& file, TestValues& values,
                      std::string& lastTestDataPath) {
    const auto bytes = ReadFileBytes(file, kTestDataFileSize);
    if (!bytes || !DecodeTestData(*bytes, values)) {
        return false;
    }
    lastTestDataPath = file.string();
    return true;
}

bool SaveTestDataFile(const std::filesystem::path& file, const TestValues& values,
                      std::string& lastTestDataPath) {
    if (!ReplaceFileContents(file, AsBytes(EncodeTestData(values)))) {
        return false;
    }
    lastTestDataPath = file.string();
    return true;
}

std::optional<std::string> TestDataPathFor(std::string_view dataPath) {
    constexpr std::string_view kEnding = ".ted";
    // Walk back over the last four characters, a character being a UTF-8 lead byte with its
    // continuation bytes.
    std::size_t end = dataPath.size();
    int characters = 0;
    while (characters < 4 && end > 0) {
        --end;
        while (end > 0 && IsUtf8Continuation(dataPath[end])) {
            --end;
        }
        ++characters;
    }
    if (characters < 4) {
        return std::nullopt;
    }
    const std::size_t nameStart = dataPath.find_last_of('/') + 1; // 0 without a folder
    if (end <= nameStart || EndsWithIgnoringCase(dataPath, kEnding)) {
        return std::string(dataPath) + std::string(kEnding);
    }
    return std::string(dataPath.substr(0, end)) + std::string(kEnding);
}

bool LoadTestDataFor(FactoryTest& factory, std::string_view dataPath) {
    const auto path = TestDataPathFor(dataPath);
    return path && LoadTestDataFile(*path, factory.SavedTestValues, factory.LastTestDataPath);
}

bool SaveTestDataFor(FactoryTest& factory, std::string_view dataPath) {
    const auto path = TestDataPathFor(dataPath);
    return path && SaveTestDataFile(*path, factory.SavedTestValues, factory.LastTestDataPath);
}

} // namespace rp70
