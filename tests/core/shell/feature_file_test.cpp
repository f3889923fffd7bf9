#include "shell/feature_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

// A fresh program folder with the feature file inside it.
struct FeatureFolder : test::TempFolder {
    fs::path File() const { return Path() / "Setting.ini"; }
};

using test::ReadFileBytes;
using test::WriteFileBytes;

constexpr FeatureFlags kAllOff{};

// ---------------------------------------------------------------- reading

TEST(FeatureFlagsRead, MissingEmptyOrShortFileGivesAllOff) {
    FeatureFolder folder;
    EXPECT_EQ(ReadFeatureFlags(folder.File()), kAllOff);
    WriteFileBytes(folder.File(), {});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), kAllOff);
    WriteFileBytes(folder.File(), {1, 0, 1, 0, 1, 0, 1});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), kAllOff);
    fs::remove(folder.File());
    fs::create_directory(folder.File());
    EXPECT_EQ(ReadFeatureFlags(folder.File()), kAllOff);
}

TEST(FeatureFlagsRead, FourLittleEndianValuesInOrder) {
    FeatureFolder folder;
    WriteFileBytes(folder.File(), {1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{true, false, false, false}));
    WriteFileBytes(folder.File(), {0, 0, 1, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, true, false, false}));
    WriteFileBytes(folder.File(), {0, 0, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, false, true, false}));
    WriteFileBytes(folder.File(), {0, 0, 0, 0, 0, 0, 1, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, false, false, true}));
}

TEST(FeatureFlagsRead, AnyNonZeroValueIsOn) {
    FeatureFolder folder;
    // -1, 256 (high byte only), 2, 0
    WriteFileBytes(folder.File(), {0xFF, 0xFF, 0x00, 0x01, 0x02, 0x00, 0x00, 0x00});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{true, true, true, false}));
}

TEST(FeatureFlagsRead, BytesAfterTheFirstRecordAreIgnored) {
    FeatureFolder folder;
    WriteFileBytes(folder.File(), {0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0});
    EXPECT_EQ(ReadFeatureFlags(folder.File()), (FeatureFlags{false, true, false, false}));
}

// ---------------------------------------------------------------- writing

TEST(FeatureFlagsWrite, WritesExactlyEightBytesOfZeroAndOne) {
    FeatureFolder folder;
    ASSERT_TRUE(WriteFeatureFlags(folder.File(), FeatureFlags{true, false, true, true}));
    EXPECT_EQ(ReadFileBytes(folder.File()),
              (std::vector<std::uint8_t>{0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00}));
    ASSERT_TRUE(WriteFeatureFlags(folder.File(), FeatureFlags{false, true, false, false}));
    EXPECT_EQ(ReadFileBytes(folder.File()),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST(FeatureFlagsWrite, ReplacesALongerOrOddFileWithTheRecord) {
    FeatureFolder folder;
    WriteFileBytes(folder.File(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xAA, 0xBB});
    ASSERT_TRUE(WriteFeatureFlags(folder.File(), kAllOff));
    EXPECT_EQ(ReadFileBytes(folder.File()), std::vector<std::uint8_t>(8, 0x00));
}

TEST(FeatureFlagsWrite, CreatesTheFileAndItsFolder) {
    FeatureFolder folder;
    const fs::path file = folder.Path() / "home" / "Setting.ini";
    ASSERT_TRUE(WriteFeatureFlags(file, FeatureFlags{false, false, false, true}));
    EXPECT_EQ(ReadFeatureFlags(file), (FeatureFlags{false, false, false, true}));
}

TEST(FeatureFlagsWrite, FailureIsReportedAndLeavesNoFile) {
    FeatureFolder folder;
    WriteFileBytes(folder.Path() / "plain", {1});
    EXPECT_FALSE(WriteFeatureFlags(folder.Path() / "plain" / "Setting.ini", kAllOff));
    EXPECT_EQ(ReadFileBytes(folder.Path() / "plain"), std::vector<std::uint8_t>{1});
}

// ---------------------------------------------------------------- merging

TEST(FeatureFlagsMerge, AFlagOnceOnStaysOnAcrossRadiosAndRuns) {
    FeatureFolder folder;
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
