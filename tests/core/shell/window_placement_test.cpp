#include "shell/window_placement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

// A fresh program folder with the placement file inside it.
struct PlacementFolder : test::TempFolder {
    fs::path File() const { return WindowPlacementFilePath(Path()); }
    void Write(const std::string& text) const { test::WriteFileText(File(), text); }
    std::string Read() const { return test::ReadFileText(File()); }
};

TEST(WindowPlacementStore, IsNamedAfterTheApplicationTitle) {
    EXPECT_EQ(WindowPlacementFilePath("/p"), fs::path("/p") / "rp70cps.ini");
}

TEST(WindowPlacementStore, MissingFileGivesNoValues) {
    PlacementFolder folder;
    const StoredWindowPlacement stored = ReadWindowPlacement(folder.File());
    EXPECT_FALSE(stored.MainLeft.has_value());
    EXPECT_FALSE(stored.MainTop.has_value());
    EXPECT_FALSE(stored.MainWidth.has_value());
    EXPECT_FALSE(stored.MainHeight.has_value());
}

TEST(WindowPlacementStore, StoresDecimalTextInSectionSettings) {
    PlacementFolder folder;
    ASSERT_TRUE(WriteWindowPlacement(folder.File(), {-8, 20, 1024, 768}));
    EXPECT_EQ(folder.Read(),
              "[Settings]\nMainLeft=-8\nMainTop=20\nMainWidth=1024\nMainHeight=768\n");
}

TEST(WindowPlacementStore, RoundTripAndUpdateInPlace) {
    PlacementFolder folder;
    folder.Write("; window\n[settings]\nmainwidth=1\n[Other]\nx=1\n");
    ASSERT_TRUE(WriteWindowPlacement(folder.File(), {100, -1200, 57600, 40000}));
    EXPECT_EQ(folder.Read(), "; window\n[settings]\nmainwidth=57600\nMainLeft=100\n"
                             "MainTop=-1200\nMainHeight=40000\n[Other]\nx=1\n");
    const StoredWindowPlacement stored = ReadWindowPlacement(folder.File());
    EXPECT_EQ(stored.MainLeft, 100);
    EXPECT_EQ(stored.MainTop, -1200);
    EXPECT_EQ(stored.MainWidth, 57600);
    EXPECT_EQ(stored.MainHeight, 40000);
}

TEST(WindowPlacementStore, UnusableValuesAreLeftToTheDefaults) {
    PlacementFolder folder;
    folder.Write("[Settings]\nMainLeft=abc\nMainTop=99999999999\nMainWidth=0\nMainHeight=-5\n");
    StoredWindowPlacement stored = ReadWindowPlacement(folder.File());
    EXPECT_FALSE(stored.MainLeft.has_value());
    EXPECT_FALSE(stored.MainTop.has_value());
    EXPECT_FALSE(stored.MainWidth.has_value());
    EXPECT_FALSE(stored.MainHeight.has_value());

    folder.Write("[Settings]\nMainLeft=\nMainTop= +7 \nMainWidth=12.5\nMainHeight=+-3\n");
    stored = ReadWindowPlacement(folder.File());
    EXPECT_FALSE(stored.MainLeft.has_value());
    EXPECT_EQ(stored.MainTop, 7);
    EXPECT_FALSE(stored.MainWidth.has_value());
    EXPECT_FALSE(stored.MainHeight.has_value());
}

TEST(WindowPlacementStore, WriteFailureIsReported) {
    PlacementFolder folder;
    fs::create_directory(folder.File());
    EXPECT_FALSE(WriteWindowPlacement(folder.File(), {0, 0, 800, 600}));
}

} // namespace
} // namespace rp70
