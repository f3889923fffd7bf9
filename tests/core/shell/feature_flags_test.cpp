#include "shell/feature_flags.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace rp70 {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() /
                ("rp70_feature_test_" + std::to_string(random()) + "_" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    fs::path File() const { return path_ / "Setting.ini"; }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

constexpr FeatureFlags kAllOff{};

// ---------------------------------------------------------------- reading

TEST(FeatureFlagsRead, MissingEmptyOrShortFileGivesAllOff) {
    TempFolder folder;
    EXPECT_EQ(ReadFeatureFlags(folder.File()), kAllOff);
    WriteBytes(folder.File(), {});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), kAllOff);
    WriteBytes(folder.File(), {1, 0, 1, 0, 1, 0, 1});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), kAllOff);
    fs::remove(folder.File());
    fs::create_directory(folder.File());
    EXPECT_EQ(ReadFeatureFlags(folder.File()), kAllOff);
}

TEST(FeatureFlagsRead, FourLittleEndianValuesInOrder) {
    TempFolder folder;
    WriteBytes(folder.File(), {1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{true, false, false, false}));
    WriteBytes(folder.File(), {0, 0, 1, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, true, false, false}));
    WriteBytes(folder.File(), {0, 0, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, false, true, false}));
    WriteBytes(folder.File(), {0, 0, 0, 0, 0, 0, 1, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, false, false, true}));
}

TEST(FeatureFlagsRead, AnyNonZeroValueIsOn) {
    TempFolder folder;
    // -1, 256 (high byte only), 2, 0
    WriteBytes(folder.File(), {0xFF, 0xFF, 0x00, 0x01, 0x02, 0x00, 0x00, 0x00});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{true, true, true, false}));
}

TEST(FeatureFlagsRead, BytesAfterTheFirstRecordAreIgnored) {
    TempFolder folder;
    WriteBytes(folder.File(), {0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, true, false, false}));
}

// ---------------------------------------------------------------- writing

TEST(FeatureFlagsWrite, WritesExactlyEightBytesOfZeroAndOne) {
    TempFolder folder;
    ASSERT_TRUE(WriteFeatureFlags(folder.File(), FeatureFlags{true, false, true, true}));
    EXPECT_EQ(ReadBytes(folder.File()),
              (std::vector<std::uint8_t>{0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00}));
    ASSERT_TRUE(WriteFeatureFlags(folder.File(), FeatureFlags{false, true, false, false}));
    EXPECT_EQ(ReadBytes(folder.File()),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST(FeatureFlagsWrite, ReplacesALongerOrOddFileWithTheRecord) {
    TempFolder folder;
    WriteBytes(folder.File(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xAA, 0xBB});
    ASSERT_TRUE(WriteFeatureFlags(folder.File(), kAllOff));
    EXPECT_EQ(ReadBytes(folder.File()), std::vector<std::uint8_t>(8, 0x00));
}

TEST(FeatureFlagsWrite, CreatesTheFileAndItsFolder) {
    TempFolder folder;
    const fs::path file = folder.Path() / "home" / "Setting.ini";
    ASSERT_TRUE(WriteFeatureFlags(file, FeatureFlags{false, false, false, true}));
    EXPECT_EQ(ReadFeatureFlags(file), (FeatureFlags{false, false, false, true}));
}

TEST(FeatureFlagsWrite, FailureIsReportedAndLeavesNoFile) {
    TempFolder folder;
    WriteBytes(folder.Path() / "plain", {1});
    EXPECT_FALSE(WriteFeatureFlags(folder.Path() / "plain" / "Setting.ini", kAllOff));
    EXPECT_EQ(ReadBytes(folder.Path() / "plain"), std::vector<std::uint8_t>{1});
}

// ---------------------------------------------------------------- merging

TEST(FeatureFlagsMerge, HighFourBitsSwitchTheFlagsOn) {
    FeatureFlags flags;
    MergeFeatureByte(flags, 0x80);
    EXPECT_EQ(flags, (FeatureFlags{true, false, false, false}));
    flags = {};
    MergeFeatureByte(flags, 0x40);
    EXPECT_EQ(flags, (FeatureFlags{false, true, false, false}));
    flags = {};
    MergeFeatureByte(flags, 0x20);
    EXPECT_EQ(flags, (FeatureFlags{false, false, true, false}));
    flags = {};
    MergeFeatureByte(flags, 0x10);
    EXPECT_EQ(flags, (FeatureFlags{false, false, false, true}));
    flags = {};
    MergeFeatureByte(flags, 0x0F);
    EXPECT_EQ(flags, kAllOff);
    MergeFeatureByte(flags, 0xF0);
    EXPECT_EQ(flags, (FeatureFlags{true, true, true, true}));
}

TEST(FeatureFlagsMerge, AFlagOnceOnStaysOnAcrossRadiosAndRuns) {
    TempFolder folder;
    // A radio with the 2-tone bit is read.
    FeatureFlags flags = ReadFeatureFlags(folder.File());
    MergeFeatureByte(flags, 0x40);
    ASSERT_TRUE(WriteFeatureFlags(folder.File(), flags));

    // Next run: a radio without that bit (DTMF only) is read.
    FeatureFlags later = ReadFeatureFlags(folder.File());
    EXPECT_TRUE(later.HasTwoTone);
    MergeFeatureByte(later, 0x20);
    MergeFeatureByte(later, 0x00);
    EXPECT_EQ(later, (FeatureFlags{false, true, true, false}));
    ASSERT_TRUE(WriteFeatureFlags(folder.File(), later));
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, true, true, false}));
}

} // namespace
} // namespace rp70
