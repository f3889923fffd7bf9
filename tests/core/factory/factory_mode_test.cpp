// The factory test mode switch: the marker file in the program folder.

#include <gtest/gtest.h>

#include <string>

#include "factory/factory_mode.h"
#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

using namespace std::string_literals;

const std::string kMarker = "QZMV74_8132_Service_UnitCheckSet";

class FactoryModeTest : public ::testing::Test {
protected:
    // Starts from a factory test with the mode on and values everywhere, so that every part
    // InitFactoryMode must set shows when it is left alone.
    FactoryTest Init() {
        FactoryTest factory;
        factory.FactoryMode = true;
        factory.TestValues.fill(7);
        factory.SavedTestValues.fill(-7);
        InitFactoryMode(folder.Path(), factory);
        return factory;
    }

    bool ModeWith(const std::string& content) {
        test::WriteFileText(MarkerFilePath(folder.Path()), content);
        return Init().FactoryMode;
    }

    test::TempFolder folder;
};

TEST_F(FactoryModeTest, MarkerFileIsTestDataIniInTheProgramFolder) {
    EXPECT_EQ(MarkerFilePath("/opt/rp70"), std::filesystem::path("/opt/rp70/TestData.ini"));
}

TEST_F(FactoryModeTest, MissingMarkerFileLeavesTheModeOff) {
    EXPECT_FALSE(Init().FactoryMode);
}

TEST_F(FactoryModeTest, ExactMarkerSwitchesTheModeOn) {
    EXPECT_TRUE(ModeWith(kMarker));
}

TEST_F(FactoryModeTest, TrailingSpacesOrNulsStillSwitchItOn) {
    EXPECT_TRUE(ModeWith(kMarker + "     "));
    EXPECT_TRUE(ModeWith(kMarker + "\0\0\0"s));
    EXPECT_TRUE(ModeWith(kMarker + "\0  \0 "s));
    EXPECT_TRUE(ModeWith(kMarker + "\0anything after a NUL"s));
}

TEST_F(FactoryModeTest, OtherTextLeavesItOff) {
    EXPECT_FALSE(ModeWith("qzmv74_8132_service_unitcheckset"));
    EXPECT_FALSE(ModeWith("QZMV74_8132_SERVICE_UNITCHECKSET"));
    EXPECT_FALSE(ModeWith(kMarker + "\n"));
    EXPECT_FALSE(ModeWith(kMarker + "\r\n"));
    EXPECT_FALSE(ModeWith(" " + kMarker));
    EXPECT_FALSE(ModeWith(kMarker.substr(0, kMarker.size() - 1)));
    EXPECT_FALSE(ModeWith(kMarker + "X"));
    EXPECT_FALSE(ModeWith(""));
}

TEST_F(FactoryModeTest, OnlyTheFirst128BytesCount) {
    const std::string pad(128 - kMarker.size(), ' ');
    EXPECT_TRUE(ModeWith(kMarker + pad + "beyond the first 128 bytes"));
    EXPECT_FALSE(ModeWith(kMarker + std::string(127 - kMarker.size(), ' ') + "X"));
    EXPECT_FALSE(ModeWith(std::string(100, '\0') + kMarker)); // cut at the first NUL
}

TEST_F(FactoryModeTest, MarkerFolderInsteadOfFileLeavesItOff) {
    std::filesystem::create_directories(MarkerFilePath(folder.Path()));
    EXPECT_FALSE(Init().FactoryMode);
}

TEST_F(FactoryModeTest, ClearsBothValueArrays) {
    test::WriteFileText(MarkerFilePath(folder.Path()), kMarker);
    const FactoryTest on = Init();
    EXPECT_EQ(on.TestValues, TestValues{});
    EXPECT_EQ(on.SavedTestValues, TestValues{});

    std::filesystem::remove(MarkerFilePath(folder.Path()));
    const FactoryTest off = Init();
    EXPECT_EQ(off.TestValues, TestValues{});
    EXPECT_EQ(off.SavedTestValues, TestValues{});
}

} // namespace
} // namespace rp70
