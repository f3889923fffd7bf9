#include "print/image_diff.h"

#include <gtest/gtest.h>

#include "model/channel_label.h"
#include "model/fixed_text.h"
#include "support/rich_image.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

TEST(ImageDiff, ListsExactlyTheChangedToneOptionAndBookName) {
    test::UserContextFixture user;
    auto before = std::make_unique<RadioImage>();
    ResetImage(*before, {}, nullptr);
    test::FillRichImage(*before);
    auto after = std::make_unique<RadioImage>(*before);
    EXPECT_TRUE(DiffImages(*before, *after, user.ctx).empty());

    ChannelRecord& channel = after->Channels[0];
    channel.TxToneType = kToneCtcss;
    channel.TxCtcss = static_cast<std::int16_t>(before->Channels[0].TxCtcss == 5 ? 6 : 5);
    OptionsRecord& options = after->Record.Function.Options;
    options.BacklightColour = static_cast<std::int16_t>(options.BacklightColour == 1 ? 2 : 1);
    WriteFixedText(after->Record.Book[0].BookName, "CHANGED");

    const std::vector<ImageDifference> differences = DiffImages(*before, *after, user.ctx);
    ASSERT_EQ(differences.size(), 3u);
    // The channel is named as the table labels its row.
    EXPECT_TRUE(differences[0].Place.ends_with(' ' + RowLabel(1))) << differences[0].Place;
    EXPECT_EQ(differences[1].Place, user.texts.GetText(1701));
    EXPECT_EQ(differences[2].Place, user.texts.GetText(1800));
    EXPECT_TRUE(differences[2].New.ends_with("CHANGED")) << differences[2].New;
    for (const ImageDifference& difference : differences) {
        EXPECT_NE(difference.Old, difference.New) << difference.Field;
    }
}

TEST(ImageDiff, MatchesSettingLinesByLabelWhenOneSideListsMore) {
    test::UserContextFixture user;
    auto before = std::make_unique<RadioImage>();
    ResetImage(*before, {}, nullptr);
    test::FillRichImage(*before);
    FiveToneRecord& codes = before->Record.Function.FiveTone;
    codes.Codes[0].InUseFlag = 1; // code 0 unused before, so the list starts at code 1
    auto after = std::make_unique<RadioImage>(*before);
    after->Record.Function.FiveTone.Codes[0].InUseFlag = 0;

    const std::vector<ImageDifference> differences = DiffImages(*before, *after, user.ctx);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].Field, "0");
    EXPECT_EQ(differences[0].Old, "");
    EXPECT_NE(differences[0].New, "");
}

} // namespace
} // namespace rp70
