// The radio image: new image, band change, snapshot copies and templates.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/bands.h"
#include "model/radio_image.h"
#include "support/file_contents.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

RadioImage NewImageForBand(std::int16_t band) {
    RadioImage image;
    SetBand(image, BandCaption(band));
    ResetImage(image, {}, nullptr);
    return image;
}

TEST(NewImage, HoldsTwoVfoChannelsInTheMiddleOfTheBand) {
    const RadioImage image = NewImageForBand(3);
    ASSERT_EQ(image.Record.ChannelCount, 2);
    for (int slot = 0; slot < 2; ++slot) {
        EXPECT_EQ(image.Channels[slot].ChannelNumber, 204);
        EXPECT_EQ(TextOf(image.Channels[slot].RxFreq), "015500000");
    }
    EXPECT_EQ(image.CurrentFilePath, "new.dat");
    EXPECT_EQ(image.CurrentBookPath, "new.cb");
    EXPECT_TRUE(image.IsUntitled);
    EXPECT_EQ(image.Version, "V100");
    EXPECT_EQ(image.ModelName, "KTRP70");
}

TEST(NewImage, DefaultChannelBytes) {
    EXPECT_EQ(test::BytesOf(NewImageForBand(3).Channels[0]),
              test::Concat({{204, 0, 1, 0, 1, 0}, // ChannelNumber, InUse, ScanSkip
                            test::Padded("015500000000000000", 18),
                            {0, ' ', ' ', ' ', ' ', ' ', ' '}, // Name empty
                            {5, 0},                            // StepIndex
                            test::Bytes(65 - 33, 0),
                            {20, 0, 20, 0}, // TxCtcss, RxCtcss
                            test::Bytes(103 - 69, 0),
                            test::Padded("00000", 5)}));
}

TEST(NewImage, DefaultFrequencyFollowsTheBand) {
    // (upper limit rounded to whole MHz + lower limit) / 2
    EXPECT_EQ(TextOf(NewImageForBand(48).Channels[0].RxFreq), "043500000");
    EXPECT_EQ(TextOf(NewImageForBand(16).Channels[0].RxFreq), "024550000");
    EXPECT_EQ(TextOf(NewImageForBand(0).Channels[0].RxFreq), "003600000");
    EXPECT_EQ(TextOf(NewImageForBand(22).Channels[1].RxFreq), "024800000");
}

TEST(NewImage, KeepsWhatANewImageLeavesAlone) {
    RadioImage image;
    image.Record.Function.TwoTone.Entries[4].EntryName = MakeFixedText<7>("FIRE");
    image.Record.Function.Options.Reserved = 77;
    image.Record.Function.FiveTone.Codes[9].Name = MakeFixedText<7>("TEAM");
    image.Channels[5].ChannelNumber = 6;
    image.Clipboard.ClipboardValid = {1, 1, 1};
    ResetImage(image, {}, nullptr);
    EXPECT_EQ(TextOf(image.Record.Function.TwoTone.Entries[4].EntryName), "FIRE");
    EXPECT_EQ(image.Record.Function.Options.Reserved, 77);
    EXPECT_EQ(TextOf(image.Record.Function.FiveTone.Codes[9].Name), "TEAM");
    EXPECT_EQ(image.Clipboard.ClipboardValid, (std::array<std::int16_t, 3>{0, 0, 0}));
    EXPECT_EQ(image.Record.Function.Options.KeyFunctions[5], 12);
}

TEST(SetBandTest, DerivesCodeAndLimits) {
    RadioImage image;
    SetBand(image, "Rx(400 - 469.99750 MHz) Tx(400 - 469.99750 MHz)");
    EXPECT_EQ(image.BandIndex, 48);
    EXPECT_DOUBLE_EQ(image.Limits.RxLow, 400);
    EXPECT_DOUBLE_EQ(image.Limits.RxHigh, 469.9975);
    EXPECT_DOUBLE_EQ(image.Limits.TxLow, 400);
    EXPECT_DOUBLE_EQ(image.Limits.TxHigh, 469.9975);

    SetBand(image, "Rx(216 - 279.9950 MHz) Tx(222 - 224.9950 MHz)");
    EXPECT_EQ(image.BandIndex, 22);
    EXPECT_DOUBLE_EQ(image.Limits.TxLow, 222);
    EXPECT_DOUBLE_EQ(image.Limits.TxHigh, 224.995);
}

TEST(Snapshot, TakeThenRestoreUndoesEdits) {
    RadioImage image = NewImageForBand(3);
    EXPECT_EQ(image.Saved.Record, image.Record);
    image.Record.Function.Options.WelcomeText = MakeFixedText<7>("CHANGED");
    image.Channels[0].Name = MakeFixedText<7>("EDIT");
    image.Record.ChannelCount = 3;
    image.Channels[2] = NewChannelRecord(7);
    RestoreSnapshot(image);
    EXPECT_EQ(TextOf(image.Record.Function.Options.WelcomeText), "Welcome");
    EXPECT_EQ(TextOf(image.Channels[0].Name), "");
    EXPECT_EQ(image.Record.ChannelCount, 2);
}

TEST(Snapshot, TakeCopiesTheIdentityBandAndOnlyUsedSlots) {
    RadioImage image = NewImageForBand(3);
    image.Channels[2] = NewChannelRecord(9);
    SetBand(image, BandCaption(48));
    TakeSnapshot(image);
    EXPECT_EQ(image.Saved.Record.BandIndex, 48);
    EXPECT_EQ(image.Record.BandIndex, 48);
    EXPECT_NE(image.Saved.Channels[2].ChannelNumber, 9);
}

TEST(Snapshot, RestoreTakesTheBandCaptionOfTheStoredCode) {
    RadioImage image;
    image.Saved.Record.BandIndex = 7; // shares its caption with band 3
    RestoreSnapshot(image);
    EXPECT_EQ(image.BandIndex, 7);
    EXPECT_EQ(image.BandText, BandCaption(3));
    EXPECT_DOUBLE_EQ(image.Limits.RxHigh, 173.9975);

    image.Saved.Record.BandIndex = 100; // unknown codes read as band 48's caption
    RestoreSnapshot(image);
    EXPECT_EQ(image.BandText, BandCaption(48));
    EXPECT_DOUBLE_EQ(image.Limits.RxLow, 400);
}

TEST(Snapshot, RestoreKeepsTheChannelCountWithinTheTable) {
    RadioImage image;
    image.Saved.Record.ChannelCount = 300;
    RestoreSnapshot(image);
    EXPECT_EQ(image.Record.ChannelCount, kChannelSlots);
    image.Saved.Record.ChannelCount = -5;
    RestoreSnapshot(image);
    EXPECT_EQ(image.Record.ChannelCount, 0);
    EXPECT_EQ(image.UsedChannelCount(), 0);
}

// Reads templates the way the data file layer will: records what was asked.
class ScriptedLoader : public DataFileLoader {
public:
    bool LoadDataFile(RadioImage& image, const std::filesystem::path& path) override {
        dataFiles.push_back(path);
        if (!dataFileLoads) {
            return false;
        }
        image.Record.Function.Options.WelcomeText = MakeFixedText<7>("OWN");
        image.Record.ChannelCount = 3;
        image.Channels[2] = NewChannelRecord(12);
        image.CurrentFilePath = path.string();
        image.IsUntitled = false;
        TakeSnapshot(image);
        return true;
    }
    bool LoadLegacyFile(RadioImage& image, const std::filesystem::path& path) override {
        legacyFiles.push_back(path);
        if (!legacyLoads) {
            image.Saved.Record.Function.Options.WelcomeText = MakeFixedText<7>("PARTIAL");
            return false;
        }
        image.Saved.Record.Function.Options.WelcomeText = MakeFixedText<7>("LEGACY");
        image.Saved.Record.BandIndex = 3;
        image.Saved.Record.ChannelCount = 4;
        image.Saved.Channels[3] = NewChannelRecord(4);
        return true;
    }

    bool dataFileLoads = true;
    bool legacyLoads = true;
    std::vector<std::filesystem::path> dataFiles;
    std::vector<std::filesystem::path> legacyFiles;
};

class Templates : public ::testing::Test {
protected:
    void Touch(const std::string& name) { test::WriteFileText(folder.Path() / "Init" / name, "x"); }
    test::TempFolder folder;
    ScriptedLoader loader;
};

TEST_F(Templates, PathNamesModelAndBand) {
    EXPECT_EQ(TemplatePath("/p", "KTRP70", 3), std::filesystem::path("/p/Init/KTRP70_3.dat"));
    EXPECT_EQ(TemplatePath("/p", "KTRP70", 48), std::filesystem::path("/p/Init/KTRP70_48.dat"));
}

TEST_F(Templates, OwnTemplateIsOpenedAsADataFile) {
    Touch("KTRP70_3.dat");
    RadioImage image;
    ResetImage(image, folder.Path(), &loader);
    ASSERT_EQ(loader.dataFiles.size(), 1u);
    EXPECT_EQ(loader.dataFiles[0], folder.Path() / "Init" / "KTRP70_3.dat");
    EXPECT_TRUE(loader.legacyFiles.empty());
    EXPECT_EQ(TextOf(image.Record.Function.Options.WelcomeText), "OWN");
    EXPECT_EQ(image.Record.ChannelCount, 3);
    EXPECT_FALSE(image.IsUntitled);
    EXPECT_EQ(image.CurrentFilePath, (folder.Path() / "Init" / "KTRP70_3.dat").string());
}

TEST_F(Templates, OwnTemplateThatFailsLeavesTheDefaults) {
    Touch("KTRP70_3.dat");
    loader.dataFileLoads = false;
    RadioImage image;
    ResetImage(image, folder.Path(), &loader);
    EXPECT_EQ(TextOf(image.Record.Function.Options.WelcomeText), "Welcome");
    EXPECT_EQ(image.CurrentFilePath, "new.dat");
    EXPECT_TRUE(image.IsUntitled);
    EXPECT_EQ(image.Saved.Record, image.Record);
}

TEST_F(Templates, OtherBandsTakeSettingsOnlyFromTheFallback) {
    Touch("KTRP70_3.dat");
    RadioImage image;
    SetBand(image, BandCaption(48));
    ResetImage(image, folder.Path(), &loader);
    EXPECT_TRUE(loader.dataFiles.empty());
    ASSERT_EQ(loader.legacyFiles.size(), 1u);
    EXPECT_EQ(loader.legacyFiles[0], folder.Path() / "Init" / "KTRP70_3.dat");
    EXPECT_EQ(TextOf(image.Record.Function.Options.WelcomeText), "LEGACY");
    EXPECT_EQ(image.BandIndex, 48);
    EXPECT_EQ(image.Record.BandIndex, 48);
    EXPECT_EQ(image.Record.ChannelCount, 2);
    EXPECT_EQ(TextOf(image.Channels[0].RxFreq), "043500000");
    EXPECT_TRUE(image.IsUntitled);
    EXPECT_EQ(image.CurrentFilePath, "new.dat");
    EXPECT_EQ(image.Saved.Record, image.Record);
}

TEST_F(Templates, UnreadableFallbackLeavesTheDefaultsSnapshotted) {
    loader.legacyLoads = false;
    RadioImage image;
    SetBand(image, BandCaption(48));
    ResetImage(image, folder.Path(), &loader);
    EXPECT_EQ(TextOf(image.Record.Function.Options.WelcomeText), "Welcome");
    EXPECT_EQ(image.Saved.Record, image.Record);
}

} // namespace
} // namespace rp70
