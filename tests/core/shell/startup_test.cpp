// Start-up and exit: what a run reads, writes and leaves behind.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "factory/factory_mode.h"
#include "files/data_file.h"
#include "shell/ini_save.h"
#include "shell/program_folder.h"
#include "shell/startup.h"
#include "support/file_contents.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

class StartUpTest : public ::testing::Test {
protected:
    ProgramState Start(std::optional<std::vector<std::int16_t>> ports = std::nullopt) {
        return StartUp({folder.Path(), RP70_LANG_DIR, std::move(ports), nullptr, {}}, image);
    }
    std::string Setting(const char* key) {
        return ReadProfileString(SettingsFilePath(folder.Path()), "language", key, "<none>", 512);
    }

    test::TempFolder folder;
    RadioImage image;
};

TEST_F(StartUpTest, FreshFolderStartsInEnglishWithANewImage) {
    const ProgramState state = Start();
    EXPECT_EQ(state.LanguageIndex, Language::English);
    EXPECT_EQ(state.LanguageFile, std::filesystem::path(RP70_LANG_DIR) / "english.ini");
    EXPECT_FALSE(state.Texts.GetText(101).empty());
    EXPECT_EQ(state.Features, FeatureFlags{});
    EXPECT_EQ(image.ModelName, "KTRP70");
    EXPECT_EQ(image.BandIndex, 3);
    EXPECT_EQ(image.Record.ChannelCount, 2);
    EXPECT_EQ(image.Saved.Record, image.Record);
}

TEST_F(StartUpTest, RadioInformationStartsFromTheDayOfTheStart) {
    using namespace std::chrono;
    const year_month_day day{year{2026}, March, std::chrono::day{5}};
    const ProgramState state =
        StartUp({folder.Path(), RP70_LANG_DIR, std::nullopt, nullptr, day}, image);
    EXPECT_EQ(state.Info, NewRadioInfo(day));
    EXPECT_EQ(TextOf(state.Info.SerialNumber), "2026030500000001");
}

TEST_F(StartUpTest, RecordsTheFirstStartOnceAndThePortEveryTime) {
    Start();
    EXPECT_EQ(Setting("IsFirstRun"), "0");
    EXPECT_EQ(Setting("comPort"), "1");

    ASSERT_TRUE(WriteProfileString(SettingsFilePath(folder.Path()), "language", "comPort", "4"));
    const ProgramState second = Start(std::vector<std::int16_t>{3, 4});
    EXPECT_FALSE(second.Settings.IsFirstRun);
    EXPECT_EQ(second.Settings.ComPort, 4);
    EXPECT_EQ(Setting("comPort"), "4");
}

TEST_F(StartUpTest, AStartThatOnlyReadsTheSettingsNeverWritesThem) {
    const auto start = [&] {
        return StartUp(
            {folder.Path(), RP70_LANG_DIR, std::vector<std::int16_t>{}, nullptr, {}, false}, image);
    };
    start();
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath(folder.Path())));

    const std::string chosen = "[language]\nIsFirstRun=0\ncomPort=4\ncomDevice=/dev/ttyUSB1\n";
    test::WriteFileText(SettingsFilePath(folder.Path()), chosen);
    EXPECT_EQ(start().Settings.ComPort, 4);
    EXPECT_EQ(test::ReadFileText(SettingsFilePath(folder.Path())), chosen);
}

TEST_F(StartUpTest, MissingPortBecomesTheFirstListedPort) {
    ASSERT_TRUE(WriteProfileString(SettingsFilePath(folder.Path()), "language", "comPort", "9"));
    const ProgramState state = Start(std::vector<std::int16_t>{5, 2});
    EXPECT_EQ(state.Settings.ComPort, 5);
    EXPECT_EQ(Setting("comPort"), "5");
}

TEST_F(StartUpTest, MalformedSettingsNeverStopTheStart) {
    test::WriteFileText(SettingsFilePath(folder.Path()),
                        "[language]\nIsFirstRun=maybe\ncomPort=COM3\nHandshaking=99999\n");
    const ProgramState state = Start();
    EXPECT_TRUE(state.Settings.IsFirstRun);
    EXPECT_EQ(state.Settings.ComPort, 1);
    EXPECT_EQ(state.Settings.Handshaking, 0);
    EXPECT_EQ(Setting("IsFirstRun"), "0");
}

TEST_F(StartUpTest, FeatureFlagsSurviveTheRun) {
    ProgramState state = Start();
    MergeFeatureByte(state.Features, 0x40); // a radio with 2-tone was read
    ASSERT_TRUE(SaveSettingsAtExit(state, std::nullopt));
    EXPECT_EQ(test::ReadFileBytes(FeatureFilePath(folder.Path())),
              (std::vector<std::uint8_t>{0, 0, 1, 0, 0, 0, 0, 0}));

    ProgramState next = Start();
    EXPECT_TRUE(next.Features.HasTwoTone);
    MergeFeatureByte(next.Features, 0x00); // a radio without it leaves the flag on
    EXPECT_TRUE(next.Features.HasTwoTone);
}

TEST_F(StartUpTest, ExitStoresThePlacementUnlessMinimised) {
    const ProgramState state = Start();
    ASSERT_TRUE(SaveSettingsAtExit(state, std::nullopt));
    EXPECT_FALSE(std::filesystem::exists(WindowPlacementFilePath(folder.Path())));

    ASSERT_TRUE(SaveSettingsAtExit(state, WindowPlacement{10, 20, 800, 600}));
    const StoredWindowPlacement stored =
        ReadWindowPlacement(WindowPlacementFilePath(folder.Path()));
    EXPECT_EQ(stored.MainLeft, 10);
    EXPECT_EQ(stored.MainTop, 20);
    EXPECT_EQ(stored.MainWidth, 800);
    EXPECT_EQ(stored.MainHeight, 600);
}

TEST_F(StartUpTest, LanguageFilesOfTheProgramFolderComeFirst) {
    test::WriteFileText(LanguageFolder(folder.Path()) / "english.ini", "[OTHER]\n101=  Accept  \n");
    ProgramState state = Start();
    EXPECT_EQ(state.Texts.GetText(101), "Accept");

    SetLanguage(state, Language::Chinese);
    EXPECT_EQ(state.LanguageFile, std::filesystem::path(RP70_LANG_DIR) / "chinese.ini");
    EXPECT_EQ(state.Texts.Current(), Language::Chinese);
    EXPECT_EQ(state.Texts.Builtin(BuiltinText::FileError), "文件错误。");
    EXPECT_NE(state.Texts.GetText(101), "Accept");
}

TEST_F(StartUpTest, FactoryModeFollowsTheMarkerFile) {
    Start();
    EXPECT_FALSE(image.Factory.FactoryMode);
    test::WriteFileText(MarkerFilePath(folder.Path()), std::string(kFactoryMarker) + "   ");
    Start();
    EXPECT_TRUE(image.Factory.FactoryMode);
}

TEST_F(StartUpTest, NewImageComesFromTheInitTemplate) {
    test::RecordingInteraction ui;
    const auto start = [&] {
        return StartUp({folder.Path(), RP70_LANG_DIR, std::nullopt, &ui, {}}, image);
    };
    ProgramState state = start();
    UserContext ctx{ui, state.Texts};
    image.Record.DecodeTime = 6;
    image.CurrentFilePath = TemplatePath(folder.Path(), "KTRP70", 3).string();
    std::filesystem::create_directory(TemplatePath(folder.Path(), "KTRP70", 3).parent_path());
    ui.passwords.push_back("PIN");
    ASSERT_TRUE(SaveDataFile(ctx, image));

    // The template is protected: its password is asked for at start-up.
    ui.passwords.push_back("PIN");
    state = start();
    EXPECT_EQ(image.Record.DecodeTime, 6);
    EXPECT_FALSE(image.IsUntitled);
    EXPECT_EQ(image.CurrentFilePath, TemplatePath(folder.Path(), "KTRP70", 3).string());

    // Cancelled: the defaults of a new image.
    state = start();
    EXPECT_EQ(image.Record.DecodeTime, 2);
    EXPECT_TRUE(image.IsUntitled);

    // Damaged: the defaults again, without a message.
    test::WriteFileText(TemplatePath(folder.Path(), "KTRP70", 3), "not a data file");
    state = start();
    EXPECT_EQ(image.Record.DecodeTime, 2);
    EXPECT_EQ(image.CurrentFilePath, "new.dat");
    EXPECT_TRUE(ui.shown.empty());
}

} // namespace
} // namespace rp70
