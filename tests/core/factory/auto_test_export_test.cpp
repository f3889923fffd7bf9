#include "factory/auto_test_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

ChannelRecord Channel(int number, const char* rx = "014512500") {
    ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(number));
    channel.InUse = 1;
    channel.RxFreq = MakeFixedText<9>(rx);
    return channel;
}

/// A new image whose channel table holds only `channels`.
RadioImage ImageWith(const std::vector<ChannelRecord>& channels) {
    RadioImage image;
    ResetImage(image, {}, nullptr);
    image.Record.ChannelCount = static_cast<std::int16_t>(channels.size());
    std::copy(channels.begin(), channels.end(), image.Channels.begin());
    return image;
}

std::set<std::size_t> Marked(const AutoTestExport& exported) {
    std::set<std::size_t> marked;
    for (std::size_t block = 0; block < exported.BlockMap.size(); ++block) {
        if (exported.BlockMap[block] != 0) {
            marked.insert(block);
        }
    }
    return marked;
}

class AutoTestExportTest : public ::testing::Test {
protected:
    test::UserContextFixture fixture;

    AutoTestExport Export(const RadioImage& image, ExportKinds kinds = InitialExportKinds()) {
        const auto exported = BuildAutoTestExport(image, kinds, fixture.ctx);
        EXPECT_TRUE(exported.has_value());
        return exported.value_or(AutoTestExport{});
    }
};

// The channel blocks and, with them, the in-use and scan bitmaps (0100 … 013F): a radio
// programmed from the map alone must know which channels it holds.
TEST_F(AutoTestExportTest, ChannelsAloneMarkTheirBlocksAndTheChannelBitmaps) {
    const RadioImage image = ImageWith({Channel(1), Channel(5)});
    const AutoTestExport exported = Export(image);
    EXPECT_EQ(Marked(exported), (std::set<std::size_t>{16, 17, 18, 19, 512, 513, 520, 521}));
    EXPECT_EQ(exported.ChannelList.size(), 18U);
    EXPECT_TRUE(ExportFileText(exported).starts_with("2,9\r\n\"显示信道ID|0\"\r\n"));
}

TEST_F(AutoTestExportTest, TickedKindsAddTheirAreas) {
    const RadioImage image = ImageWith({Channel(1)});
    ExportKinds kinds = InitialExportKinds();
    kinds[10] = true; // 通讯簿
    const std::set<std::size_t> marked = Marked(Export(image, kinds));
    for (std::size_t block = 0x1980 / 16; block <= 0x1FFF / 16; ++block) {
        EXPECT_TRUE(marked.contains(block)) << block;
    }
    EXPECT_FALSE(Marked(Export(image)).contains(0x1980 / 16));
    // The hidden boxes select nothing.
    EXPECT_FALSE(ExportsKind({false, true, true, true, false, true}, RecordKind::Options));
}

TEST_F(AutoTestExportTest, ChannelListTexts) {
    ChannelRecord minus = Channel(3, "014560000");
    minus.ShiftDirection = 1;
    minus.TxOffset = MakeFixedText<9>("000060000");
    minus.RxToneType = kToneDcs;
    minus.RxDcs = 0x13;
    minus.TxPower = 1;
    minus.Bandwidth = 2;
    minus.Signalling = kSignallingDtmf;
    minus.DtmfCode = 4;
    const auto texts = ChannelListTexts(minus, ImageWith({}).Limits, fixture.ctx);
    EXPECT_EQ(texts[0], "显示信道ID|2");
    EXPECT_EQ(texts[2], "接收频率|145.60000");
    EXPECT_EQ(texts[3], "发射频率|145.00000");
    EXPECT_EQ(texts[4], "解码|D023N");
    EXPECT_EQ(texts[5], "编码|Off");
    EXPECT_EQ(texts[6], "功率|中");
    EXPECT_EQ(texts[7], "宽窄带|窄带");
    EXPECT_EQ(texts[8], "可选信令|DTMF-5");

    minus.RxDcsInvert = 1;
    minus.ShiftDirection = 2;
    const auto inverted = ChannelListTexts(minus, ImageWith({}).Limits, fixture.ctx);
    EXPECT_EQ(inverted[4], "解码|D023I");
    EXPECT_EQ(inverted[3], "发射频率|146.20000");
}

TEST_F(AutoTestExportTest, FileHasItsFourPartsInTheChineseCodePage) {
    const AutoTestExport exported = Export(ImageWith({Channel(1)}));
    test::TempFolder folder;
    const auto path = folder.Path() / "out.EPM";
    ASSERT_TRUE(WriteExportFile(path, exported, fixture.ui));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};

    const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
    EXPECT_EQ(lines, 1 + 9 + 1024 + 16384);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), lines);
    // "信道" of "显示信道ID" in GB 18030 (the same bytes as in GBK).
    EXPECT_NE(bytes.find("\"\xCF\xD4\xCA\xBE\xD0\xC5\xB5\xC0ID|0\"\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("显示"), std::string::npos);
    EXPECT_TRUE(fixture.ui.shown.empty());
}

TEST_F(AutoTestExportTest, AFileThatCannotBeWrittenIsReported) {
    test::TempFolder folder;
    EXPECT_FALSE(
        WriteExportFile(folder.Path() / "missing" / "out.EPM", AutoTestExport{}, fixture.ui));
    ASSERT_EQ(fixture.ui.shown.size(), 1U);
    EXPECT_EQ(fixture.ui.shown[0].Text, kExportFileError);
}

} // namespace
} // namespace rp70
