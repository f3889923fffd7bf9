#include "print/report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/channel_pages.h"
#include "support/rich_image.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

/// The block titles of a channel page ("Channel 0", "Channel VFO").
std::vector<std::string> BlockTitles(const ReportPage& page) {
    std::vector<std::string> titles;
    for (const ReportLine& line : page.Lines) {
        if (line.size() == 1 && line[0].X == 0.05) {
            titles.push_back(line[0].Text);
        }
    }
    return titles;
}

/// The value cell of the first row of a block whose label is `label`.
std::string ValueOf(const ReportPage& page, const std::string& label) {
    for (const ReportLine& line : page.Lines) {
        for (std::size_t k = 0; k + 1 < line.size(); ++k) {
            if (line[k].Text == label) {
                return line[k + 1].Text;
            }
        }
    }
    return "<missing " + label + ">";
}

class ReportTest : public ::testing::Test {
protected:
    void UseChannels(std::initializer_list<int> numbers) {
        image.Record.ChannelCount = 0;
        for (int number : numbers) {
            ChannelRecord& channel =
                image.Channels[static_cast<std::size_t>(image.Record.ChannelCount++)];
            channel = image.Channels[203];
            channel.ChannelNumber = static_cast<std::int16_t>(number);
        }
    }

    PrintSelection Only(std::initializer_list<PrintItem> items) {
        PrintSelection selection{};
        for (PrintItem item : items) {
            selection[static_cast<std::size_t>(item)] = true;
        }
        return selection;
    }

    Report Build(const PrintSelection& selection) {
        return BuildReport({image, info, "stamp"}, selection, user.ctx);
    }

    RadioImage image;
    RadioInfo info;
    test::UserContextFixture user;
};

TEST_F(ReportTest, ChannelsFillPagesOfFiveBlocks) {
    const struct {
        int Count;
        std::vector<std::size_t> Blocks;
    } cases[] = {{0, {0}}, {1, {1}}, {5, {5}}, {6, {5, 1}}, {12, {5, 5, 2}}};
    for (const auto& c : cases) {
        image.Record.ChannelCount = 0;
        for (int k = 1; k <= c.Count; ++k) {
            image.Channels[static_cast<std::size_t>(k - 1)].ChannelNumber =
                static_cast<std::int16_t>(k);
            image.Record.ChannelCount = static_cast<std::int16_t>(k);
        }
        std::vector<std::size_t> blocks;
        for (const ReportPage& page : ChannelPages(image, user.ctx)) {
            blocks.push_back(BlockTitles(page).size());
        }
        EXPECT_EQ(blocks, c.Blocks) << c.Count << " channels";
    }
}

TEST_F(ReportTest, ChannelsPrintSortedByNumberWithTheirTableLabels) {
    UseChannels({204, 12, 1, 201});
    EXPECT_EQ(BlockTitles(ChannelPages(image, user.ctx)[0]),
              (std::vector<std::string>{"Channel 0", "Channel 11", "Channel PA", "Channel VFO"}));
}

TEST_F(ReportTest, ToneAndSignallingTexts) {
    UseChannels({5});
    ChannelRecord& channel = image.Channels[0];
    channel.RxToneType = kToneDcs;
    channel.RxDcs = 19; // octal 023
    channel.RxDcsInvert = 1;
    channel.TxToneType = kToneCtcss;
    channel.TxCtcss = 51; // one past the list: shows the first tone
    channel.Signalling = kSignallingDtmf;
    channel.DtmfCode = 4;
    const ReportPage page = ChannelPages(image, user.ctx)[0];
    EXPECT_EQ(ValueOf(page, "CTCSS/DCS Decode"), "D023I");
    EXPECT_EQ(ValueOf(page, "CTCSS/DCS Encode"), "62.5");
    EXPECT_EQ(ValueOf(page, "Optional Signalling"), "DTMF M5");

    channel.Signalling = kSignallingTwoTone;
    channel.TwoToneNumber = 7;
    channel.RxDcsInvert = 0;
    const ReportPage twoTone = ChannelPages(image, user.ctx)[0];
    EXPECT_EQ(ValueOf(twoTone, "Optional Signalling"), "2tone 7");
    EXPECT_EQ(ValueOf(twoTone, "CTCSS/DCS Decode"), "D023N");
}

TEST_F(ReportTest, BookPrintsEveryEntryInThreeColumnGroups) {
    image.Record.Book[127].BookId = MakeFixedText<kBookIdWidth>("12345");
    const Report report = Build(Only({PrintItem::CommunicationBook}));
    ASSERT_EQ(report.Pages.size(), 1u);
    const std::vector<ReportLine>& lines = report.Pages[0].Lines;
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[1][6].Text, "100");
    EXPECT_EQ(lines[28][6].Text, "127");
    EXPECT_EQ(lines[28][7].Text, "12345");
    ASSERT_EQ(lines[50].size(), 6u);
    EXPECT_EQ(lines[50][0].Text, "49");
    EXPECT_EQ(lines[50][3].Text, "99");
}

TEST_F(ReportTest, TwoToneEntriesSitCloseBesideTheirNumbersTwoALine) {
    test::FillRichImage(image);
    const ReportPage page = Build(Only({PrintItem::TwoTone})).Pages.at(0);
    const auto entries = std::ranges::find_if(
        page.Lines, [](const ReportLine& line) { return !line.empty() && line[0].Text == "0"; });
    ASSERT_NE(entries, page.Lines.end());
    EXPECT_TRUE((entries - 1)->empty());
    ASSERT_EQ(entries->size(), 4u);
    const double columns[] = {0.10, 0.13, 0.55, 0.58};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ((*entries)[k].X, columns[k]);
    }
    EXPECT_EQ((*entries)[2].Text, "1");
}

TEST_F(ReportTest, SectionsFollowInTheirOrderWithoutTheHiddenBoxes) {
    UseChannels({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_TRUE(Build(Only({PrintItem::VhfChannels, PrintItem::RadioChannels})).Pages.empty());

    const Report report = Build(Only({PrintItem::Options, PrintItem::Channels}));
    ASSERT_EQ(report.Pages.size(), 4u);
    EXPECT_EQ(report.Pages[3].Heading, "Options");
    EXPECT_EQ(PageNumberText(4), "- 4 -");

    std::vector<std::string> headings;
    for (const ReportPage& page : Build(AllPrintItems()).Pages) {
        headings.push_back(page.Heading);
    }
    EXPECT_EQ(std::vector<std::string>(headings.begin() + 3, headings.end()),
              (std::vector<std::string>{"Options", "DTMF", "2-Tone", "5-Tone", "Communication Book",
                                        "Embedded Message", "Emergency Alarm"}));
}

TEST_F(ReportTest, ReportLeavesTheImageAsItWas) {
    test::FillRichImage(image);
    const RadioImage before = image;
    const Report report = Build(AllPrintItems());
    EXPECT_EQ(report.Header.Identity[2].Value, image.CurrentFilePath);
    EXPECT_EQ(image.Record, before.Record);
    EXPECT_EQ(image.Channels, before.Channels);
    EXPECT_TRUE(user.ui.shown.empty());
}

TEST(PrintSelectionNames, NamesTickTheirBoxes) {
    const auto selection = PrintSelectionOfNames("channels,2tone,emg");
    ASSERT_TRUE(selection.has_value());
    PrintSelection expected{};
    expected[static_cast<std::size_t>(PrintItem::Channels)] = true;
    expected[static_cast<std::size_t>(PrintItem::TwoTone)] = true;
    expected[static_cast<std::size_t>(PrintItem::EmbeddedMessage)] = true;
    EXPECT_EQ(*selection, expected);
    for (const char* bad : {"", "book,", "book,vhf", "Channels"}) {
        EXPECT_FALSE(PrintSelectionOfNames(bad).has_value()) << bad;
    }
}

} // namespace
} // namespace rp70
