#include "model/image_content.h"

#include <gtest/gtest.h>

#include "files/modified_check.h"
#include "support/rich_image.h"

namespace rp70 {
namespace {

TEST(ImageContent, RestoringBringsBackTheDataButNotTheFileOrSnapshot) {
    RadioImage image;
    test::FillRichImage(image);
    TakeSnapshot(image);
    const ImageContent saved = ContentOf(image);

    // Changes of data, band and test values, and of what belongs to the file and the session.
    image.Channels[3].Name = MakeFixedText<7>("CHANGED");
    image.Record.ChannelCount = 2;
    SetBandCode(image, 48);
    image.Factory.TestValues[5] = 77;
    image.CurrentFilePath = "other.dat";
    image.FilePassword = "SECRET";
    image.Clipboard.ClipboardValid[0] = 1;
    ASSERT_FALSE(IsUnchanged(image));

    RestoreContent(image, saved);
    EXPECT_EQ(ContentOf(image), saved);
    EXPECT_TRUE(IsUnchanged(image));
    EXPECT_EQ(image.CurrentFilePath, "other.dat");
    EXPECT_EQ(image.FilePassword, "SECRET");
    EXPECT_EQ(image.Clipboard.ClipboardValid[0], 1);
}

} // namespace
} // namespace rp70
