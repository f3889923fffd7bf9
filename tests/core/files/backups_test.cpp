#include "files/backups.h"

#include <gtest/gtest.h>

#include <fstream>

#include "files/data_file.h"
#include "support/rich_image.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

using namespace std::chrono;

/// 2026-12-09 14:03:22 in the local time zone.
system_clock::time_point LocalTime(int second = 22) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 9;
    local.tm_hour = 14;
    local.tm_min = 3;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return system_clock::from_time_t(std::mktime(&local));
}

class BackupsTest : public ::testing::Test {
protected:
    BackupsTest() {
        ResetImage(image, {}, nullptr);
        test::FillRichImage(image);
    }

    test::TempFolder folder;
    RadioImage image;
};

TEST_F(BackupsTest, BackupIsNamedByTimeModelBandAndKindAndReopensEqual) {
    const auto path = SaveBackup(folder.Path(), image, BackupKind::Read, LocalTime(), 0);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->filename(), "2026-12-09_14-03-22_KT-RP70_band3_read.dat");
    EXPECT_TRUE(std::filesystem::exists(ChannelFilePath(*path)));

    test::UserContextFixture user;
    RadioImage reopened;
    ResetImage(reopened, {}, nullptr);
    ASSERT_EQ(LoadDataFile(user.ctx, reopened, path->string()), LoadResult::Loaded);
    EXPECT_EQ(reopened.Record, image.Record);
    EXPECT_EQ(reopened.Channels, image.Channels);

    const std::vector<BackupEntry> list = ListBackups(folder.Path());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Time, "2026-12-09 14:03:22");
    EXPECT_EQ(list[0].Kind, BackupKind::Read);
    EXPECT_EQ(list[0].Model, "KT-RP70");
    EXPECT_EQ(list[0].BandCode, 3);
    EXPECT_EQ(list[0].Count, image.UsedChannelCount());
}

TEST_F(BackupsTest, BackupsOfTheSameSecondAreAllKept) {
    ASSERT_TRUE(SaveBackup(folder.Path(), image, BackupKind::Read, LocalTime(), 0));
    const auto second = SaveBackup(folder.Path(), image, BackupKind::Read, LocalTime(), 0);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->filename(), "2026-12-09_14-03-22_KT-RP70_band3_read-2.dat");
    EXPECT_EQ(ListBackups(folder.Path()).size(), 2u);
}

TEST_F(BackupsTest, LimitRemovesOnlyTheOldestBeyondIt) {
    for (int second = 1; second <= 4; ++second) {
        ASSERT_TRUE(SaveBackup(folder.Path(), image,
                               second % 2 ? BackupKind::Read : BackupKind::Written,
                               LocalTime(second), second == 4 ? 3 : 0));
    }
    const std::vector<BackupEntry> list = ListBackups(folder.Path());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Time, "2026-12-09 14:03:04");
    EXPECT_EQ(list[0].Kind, BackupKind::Written);
    EXPECT_EQ(list[2].Time, "2026-12-09 14:03:02");
    EXPECT_FALSE(std::filesystem::exists(BackupFolder(folder.Path()) /
                                         "2026-12-09_14-03-01_KT-RP70_band3_read.fre"));
}

TEST_F(BackupsTest, OtherFilesInTheFolderAreNotListed) {
    std::filesystem::create_directories(BackupFolder(folder.Path()));
    for (const char* name : {"notes.dat", "2026-12-09_14-03-22_KT-RP70_band3_other.dat",
                             "2026-12-09_14-03-22_KT-RP70_bandX_read.dat"}) {
        std::ofstream(BackupFolder(folder.Path()) / name) << "x";
    }
    EXPECT_TRUE(ListBackups(folder.Path()).empty());
}

} // namespace
} // namespace rp70
