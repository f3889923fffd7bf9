#include "files/test_data_file.h"

#include "files/file_io.h"
#include "model/byte_io.h"
#include "texts/path_text.h"

namespace rp70 {

namespace fs = std::filesystem;

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
                      fs::path& lastTestDataPath) {
    const auto bytes = ReadFileBytes(file, kTestDataFileSize);
    if (!bytes || !DecodeTestData(*bytes, values)) {
        return false;
    }
    lastTestDataPath = file;
    return true;
}

bool SaveTestDataFile(const std::filesystem::path& file, const TestValues& values,
                      fs::path& lastTestDataPath) {
    if (!ReplaceFileContents(file, AsBytes(EncodeTestData(values)))) {
        return false;
    }
    lastTestDataPath = file;
    return true;
}

std::optional<fs::path> TestDataPathFor(const fs::path& dataPath) {
    constexpr std::string_view kEnding = ".ted";
    constexpr int kReplaced = static_cast<int>(kEnding.size());
    if (!StartOfLastCharacters(Utf8Of(dataPath), kReplaced)) {
        return std::nullopt;
    }
    const std::string name = Utf8Of(dataPath.filename());
    const auto cut = StartOfLastCharacters(name, kReplaced);
    fs::path result = dataPath;
    if (!cut || *cut == 0 || EndsWithIgnoringCase(name, kEnding)) {
        result += PathFromUtf8(kEnding);
    } else {
        result.replace_filename(PathFromUtf8(name.substr(0, *cut) + std::string(kEnding)));
    }
    return result;
}

bool LoadTestDataFor(FactoryTest& factory, const fs::path& dataPath) {
    const auto path = TestDataPathFor(dataPath);
    return path && LoadTestDataFile(*path, factory.SavedTestValues, factory.LastTestDataPath);
}

bool SaveTestDataFor(FactoryTest& factory, const fs::path& dataPath) {
    const auto path = TestDataPathFor(dataPath);
    return path && SaveTestDataFile(*path, factory.SavedTestValues, factory.LastTestDataPath);
}

} // namespace rp70
