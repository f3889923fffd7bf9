#include "channels/channel_row.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "channels/channel_list.h"
#include "model/bands.h"
#include "support/recording_interaction.h"

namespace rp70 {
namespace {

LanguageTexts EnglishTexts() {
    return LanguageTexts::Load(std::filesystem::path(RP70_LANG_DIR) / "english.ini",
                               Language::English);
}

// A channel on 145.50000 MHz holding data, every other field as a new record has it.
ChannelRecord Channel(int number) {
    ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(number));
    channel.InUse = 1;
    channel.RxFreq = MakeFixedText<9>("014550000");
    return channel;
}

class ChannelRow : public ::testing::Test {
protected:
    void SetUp() override {
        // The texts the table shows must come from the shipped file, one per key.
        for (int key : {1202, 1203, 1204, 1205, 1206, 1221}) {
            ASSERT_FALSE(texts.GetText(key).empty()) << key;
        }
        ASSERT_NE(texts.GetText(1204), texts.GetText(1221));
        ASSERT_NE(texts.GetText(1204), texts.GetText(1205));
        ASSERT_NE(texts.GetText(1202), texts.GetText(1203));
    }

    ChannelRowTexts Render(const ChannelRecord& channel) {
        return RenderChannelRow(channel, image, ctx);
    }

    std::string Text(int key) const { return texts.GetText(key); }

    LanguageTexts texts = EnglishTexts();
    test::RecordingInteraction ui;
    UserContext ctx{ui, texts};
    RadioImage image; // band 3: 136 … 173.9975 MHz, with the 2.5K step
};

TEST_F(ChannelRow, ANewImageShowsOnlyTheVfoRow) {
    const auto rows = RenderChannelTable(image, ctx);
    ASSERT_EQ(rows.size(), 204u);
    for (int row = 1; row <= 203; ++row) {
        EXPECT_EQ(rows[static_cast<std::size_t>(row - 1)], ChannelRowTexts{}) << row;
    }
    const ChannelRowTexts vfo = {"155.00000", "155.00000", "",         "12.5K",    "25K",
                                 Text(1202),  Text(1204),  Text(1206), Text(1206), Text(1206)};
    EXPECT_EQ(rows[203], vfo);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ChannelRow, TheTableSkipsSlotsWhoseNumberHasNoRow) {
    image.Record.ChannelCount = 5;
    image.Channels[0] = Channel(0);
    image.Channels[1] = Channel(-7);
    image.Channels[2] = Channel(205);
    image.Channels[3] = Channel(1);
    image.Channels[4] = Channel(200);
    const auto rows = RenderChannelTable(image, ctx);
    ASSERT_EQ(rows.size(), 204u);
    EXPECT_EQ(rows[0][0], "145.50000");
    EXPECT_EQ(rows[199][0], "145.50000");
    EXPECT_EQ(rows[203], ChannelRowTexts{});

    image.Record.ChannelCount = -1;
    EXPECT_EQ(RenderChannelTable(image, ctx)[0], ChannelRowTexts{});
}

TEST_F(ChannelRow, RedrawingANumberWithoutASlotEmptiesTheRow) {
    EXPECT_EQ(RenderChannelNumber(image, 5, ctx), ChannelRowTexts{});
    EXPECT_EQ(RenderChannelNumber(image, 0, ctx), ChannelRowTexts{});
    EXPECT_EQ(RenderChannelNumber(image, 99999, ctx), ChannelRowTexts{});
    EXPECT_EQ(RenderChannelNumber(image, 204, ctx), Render(image.Channels[0]));
}

TEST_F(ChannelRow, TransmitFrequencyFollowsTheShift) {
    ChannelRecord channel = Channel(1);
    channel.TxOffset = MakeFixedText<9>("000060000");

    channel.ShiftDirection = 1;
    EXPECT_EQ(Render(channel)[1], "144.90000");
    channel.ShiftDirection = 2;
    EXPECT_EQ(Render(channel)[1], "146.10000");
    const std::int16_t others[] = {0, 3, -1};
    for (std::int16_t other : others) {
        channel.ShiftDirection = other;
        EXPECT_EQ(Render(channel)[1], "145.50000") << other;
    }
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ChannelRow, TransmitFrequencyHasNoLeadingZeros) {
    ChannelRecord channel = Channel(1);
    channel.RxFreq = MakeFixedText<9>("004550000"); // 45.5 MHz
    channel.TxOffset = MakeFixedText<9>("000050000");
    channel.ShiftDirection = 2;
    const auto row = Render(channel);
    EXPECT_EQ(row[0], "045.50000");
    EXPECT_EQ(row[1], "46.00000");
}

TEST_F(ChannelRow, WithoutReceiveFrequencyBothFrequenciesAreEmpty) {
    for (const char* none : {"FFFFFFFFF", "         "}) {
        ChannelRecord channel = Channel(1);
        channel.RxFreq = MakeFixedText<9>(none);
        channel.TxOffset = MakeFixedText<9>("000060000");
        const std::int16_t shifts[] = {0, 1, 2};
        for (std::int16_t shift : shifts) {
            channel.ShiftDirection = shift;
            const auto row = Render(channel);
            EXPECT_EQ(row[0], "") << none << shift;
            EXPECT_EQ(row[1], "") << none << shift;
        }
    }
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ChannelRow, DigitsThatAreNotANumberShowTheMessage) {
    ChannelRecord channel = Channel(1);
    channel.RxFreq = MakeFixedText<9>("01455X000");
    channel.ShiftDirection = 1;
    channel.TxOffset = MakeFixedText<9>("000060000");
    const auto row = Render(channel);
    EXPECT_EQ(row[0], "136"); // the lower receive limit of the band
    EXPECT_EQ(row[1], "135.40000");
    ASSERT_EQ(ui.Texts(), (std::vector<std::string>{"Not IsNumeric"}));
    ui.shown.clear();

    channel = Channel(1);
    channel.TxOffset = MakeFixedText<9>("0000?0000");
    channel.ShiftDirection = 2;
    EXPECT_EQ(Render(channel)[1], "145.50000"); // offset 0
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Not IsNumeric"}));
    ui.shown.clear();

    // An offset the shift does not use is not looked at.
    channel.ShiftDirection = 0;
    EXPECT_EQ(Render(channel)[1], "145.50000");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ChannelRow, NameStepAndBandwidth) {
    ChannelRecord channel = Channel(1);
    channel.Name = MakeFixedText<7>("REPEAT");
    const struct {
        std::int16_t step;
        const char* text;
    } steps[] = {{0, "2.5K"}, {5, "12.5K"}, {9, "50K"}, {10, ""}, {-1, ""}, {32767, ""}};
    for (const auto& step : steps) {
        channel.StepIndex = step.step;
        EXPECT_EQ(Render(channel)[3], step.text) << step.step;
    }
    EXPECT_EQ(Render(channel)[2], "REPEAT");

    SetBand(image, BandCaption(0)); // no 2.5K step
    channel.StepIndex = 5;
    EXPECT_EQ(Render(channel)[3], "20K");
    channel.StepIndex = 9;
    EXPECT_EQ(Render(channel)[3], "");

    const struct {
        std::int16_t value;
        const char* text;
    } bandwidths[] = {{0, "25K"}, {1, "20K"},  {2, "12.5K"},
                      {3, "20K"}, {-1, "20K"}, {-32768, "20K"}};
    for (const auto& bandwidth : bandwidths) {
        channel.Bandwidth = bandwidth.value;
        EXPECT_EQ(Render(channel)[4], bandwidth.text) << bandwidth.value;
    }
}

TEST_F(ChannelRow, AuxAndPowerTextsRepairOutOfRangeValues) {
    ChannelRecord channel = Channel(1);
    const std::pair<std::int16_t, int> aux[] = {{0, 1202}, {1, 1203}, {2, 1202}, {-1, 1202}};
    for (const auto& [value, key] : aux) {
        channel.AuxFlag = value;
        EXPECT_EQ(Render(channel)[5], Text(key)) << value;
    }
    const std::pair<std::int16_t, int> power[] = {{0, 1204}, {1, 1221},  {2, 1205},
                                                  {3, 1204}, {-1, 1204}, {32767, 1204}};
    for (const auto& [value, key] : power) {
        channel.TxPower = value;
        EXPECT_EQ(Render(channel)[6], Text(key)) << value;
    }
}

// Level 0 transmits at the highest power: the shipped texts must say so in both languages.
TEST(ChannelPowerTexts, ShippedTextsNameTheLevelTheRecordHolds) {
    const struct {
        Language Lang;
        const char* File;
        const char* Levels[3];
    } cases[] = {{Language::English, "english.ini", {"High", "Middle", "Low"}},
                 {Language::Chinese, "chinese.ini", {"\u9ad8", "\u4e2d", "\u4f4e"}}};
    for (const auto& language : cases) {
        LanguageTexts texts = LanguageTexts::Load(
            std::filesystem::path(RP70_LANG_DIR) / language.File, language.Lang);
        test::RecordingInteraction ui;
        UserContext ctx{ui, texts};
        RadioImage image;
        ChannelRecord channel = Channel(1);
        for (std::int16_t level = 0; level < 3; ++level) {
            channel.TxPower = level;
            EXPECT_EQ(RenderChannelRow(channel, image, ctx)[6], language.Levels[level])
                << language.File << " level " << level;
        }
    }
}

TEST_F(ChannelRow, DecodeAndEncodeTones) {
    ChannelRecord channel = Channel(1);
    channel.RxToneType = 2;
    channel.RxDcs = 19;
    EXPECT_EQ(Render(channel)[7], "D023N");
    channel.RxDcsInvert = 1;
    EXPECT_EQ(Render(channel)[7], "D023I");
    channel.RxDcsInvert = 7;
    EXPECT_EQ(Render(channel)[7], "D023I");
    channel.RxDcsInvert = -1;
    EXPECT_EQ(Render(channel)[7], "D023N");
    channel.RxDcs = 511;
    EXPECT_EQ(Render(channel)[7], "D777N");
    channel.RxDcs = 512;
    EXPECT_EQ(Render(channel)[7], "D000N");
    channel.RxDcs = -19;
    EXPECT_EQ(Render(channel)[7], "D000N");
    EXPECT_EQ(Render(channel)[8], Text(1206)); // encode is still none

    channel.TxToneType = 1;
    channel.TxCtcss = 9;
    EXPECT_EQ(Render(channel)[8], "88.5");
    channel.TxCtcss = 50;
    EXPECT_EQ(Render(channel)[8], "254.1");
    channel.TxCtcss = 51;
    EXPECT_EQ(Render(channel)[8], "62.5");
    channel.TxCtcss = -1;
    EXPECT_EQ(Render(channel)[8], "62.5");

    channel.TxToneType = 2; // the encode column uses the transmit DCS fields
    channel.TxDcs = 8;
    channel.TxDcsInvert = 1;
    EXPECT_EQ(Render(channel)[8], "D010I");
    channel.TxToneType = 3;
    EXPECT_EQ(Render(channel)[8], Text(1206));
}

TEST_F(ChannelRow, OptionalSignalling) {
    ChannelRecord channel = Channel(1);
    channel.DtmfCode = 0;
    channel.TwoToneNumber = 0;
    channel.FiveToneNumber = 99;
    const std::pair<std::int16_t, std::string> cases[] = {
        {1, "DTMF M1"}, {2, "2tone 0"}, {3, "5tone 99"}, {0, Text(1206)}, {4, Text(1206)}};
    for (const auto& [value, text] : cases) {
        channel.Signalling = value;
        EXPECT_EQ(Render(channel)[9], text) << value;
    }
    channel.Signalling = 1;
    channel.DtmfCode = 15;
    EXPECT_EQ(Render(channel)[9], "DTMF M16");
    channel.DtmfCode = 32767; // shown as stored, without overflow
    EXPECT_EQ(Render(channel)[9], "DTMF M32768");
}

TEST(ChannelTableLabels, MemoryRowsCountFromZeroThenTheSpecialChannels) {
    EXPECT_EQ(RowLabel(1), "0");
    EXPECT_EQ(RowLabel(2), "1");
    EXPECT_EQ(RowLabel(200), "199");
    EXPECT_EQ(RowLabel(201), "PA");
    EXPECT_EQ(RowLabel(202), "PB");
    EXPECT_EQ(RowLabel(203), "CALL");
    EXPECT_EQ(RowLabel(204), "VFO");
    EXPECT_EQ(RowLabel(0), "");
    EXPECT_EQ(RowLabel(205), "");
    EXPECT_EQ(RowLabel(-1), "");
    EXPECT_EQ(kChannelRows, 204);
}

TEST(ChannelTableLabels, HeadersComeFromTheLanguageFile) {
    const LanguageTexts texts = EnglishTexts();
    const auto headers = ChannelTableHeaders(texts);
    const int keys[] = {3006, 1101, 1140, 1103, 1104, 1106, 1108, 1109};
    for (std::size_t column = 0; column < std::size(keys); ++column) {
        EXPECT_EQ(headers[column], texts.GetText(keys[column])) << column;
        EXPECT_FALSE(headers[column].empty()) << column;
    }
    EXPECT_EQ(headers[8], texts.GetText(1107) + "\r\n" + texts.GetText(1112));
    EXPECT_EQ(headers[9], texts.GetText(1107) + "\r\n" + texts.GetText(1113));
    EXPECT_EQ(headers[10], texts.GetText(1110));
    EXPECT_NE(headers[8], headers[9]);
}

} // namespace
} // namespace rp70
