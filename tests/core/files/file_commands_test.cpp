// The file commands New, Open, Save and Save As: their questions, dialogs and outcomes.

#include "files/file_commands.h"

#include <gtest/gtest.h>

#include <memory>

#include "files/data_file.h"
#include "files/modified_check.h"
#include "support/file_contents.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest() { ResetImage(*image, folder.Path(), nullptr); }

    std::string PathOf(const char* name) const { return (folder.Path() / name).string(); }

    void Modify() { image->Record.DecodeTime = 9; }

    /// Saves the current image as `name`, then forgets what was shown.
    void SaveAs(const char* name) {
        user.ui.saveFiles.push_back(PathOf(name));
        ASSERT_TRUE(CmdSaveAs(session));
        Forget();
    }

    void Forget() {
        user.ui.shown.clear();
        user.ui.fileChoices.clear();
        user.ui.passwordPrompts.clear();
    }

    test::TempFolder folder;
    test::UserContextFixture user;
    std::unique_ptr<RadioImage> image = std::make_unique<RadioImage>();
    FileSession session{user.ctx, *image, folder.Path()};
};

TEST_F(FileCommandsTest, SaveOfAnUntitledImageAsksForAName) {
    EXPECT_FALSE(CmdSave(session)); // the save dialog is cancelled
    ASSERT_EQ(user.ui.fileChoices.size(), 1U);
    EXPECT_EQ(user.ui.fileChoices[0].Filter, "Data File (*.dat)");
    EXPECT_EQ(user.ui.fileChoices[0].ProposedPath, "new.dat");
    EXPECT_TRUE(user.ui.shown.empty());
    EXPECT_TRUE(fs::is_empty(folder.Path()));

    user.ui.saveFiles.push_back(PathOf("a.dat"));
    EXPECT_TRUE(CmdSave(session));
    EXPECT_EQ(image->CurrentFilePath, PathOf("a.dat"));
    EXPECT_FALSE(image->IsUntitled);
    EXPECT_TRUE(fs::exists(folder.Path() / "a.fre"));
}

TEST_F(FileCommandsTest, SaveOverAFileAsksFirst) {
    SaveAs("a.dat");
    Modify();
    user.ui.answers = {Answer::Cancel};
    EXPECT_FALSE(CmdSave(session));
    ASSERT_EQ(user.ui.shown.size(), 1U);
    EXPECT_EQ(user.ui.shown[0].Text, "file will be Overwrite,Continue?\"a.dat\"");
    EXPECT_EQ(user.ui.shown[0].Icon, MessageIcon::Question);
    EXPECT_EQ(user.ui.shown[0].Buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(IsUnchanged(*image));
    EXPECT_TRUE(user.ui.passwordPrompts.empty());

    EXPECT_TRUE(CmdSave(session));
    EXPECT_TRUE(IsUnchanged(*image));
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsTheFileName) {
    SaveAs("a.dat");
    Modify();
    test::WriteFileText(folder.Path() / "plain", "x");
    user.ui.saveFiles.push_back((folder.Path() / "plain" / "b.dat").string());
    EXPECT_FALSE(CmdSaveAs(session));
    EXPECT_EQ(user.ui.Texts(), (std::vector<std::string>{"file error."}));
    EXPECT_EQ(image->CurrentFilePath, PathOf("a.dat"));
    EXPECT_FALSE(IsUnchanged(*image));
}

TEST_F(FileCommandsTest, OpenOfAModifiedImageOffersToSave) {
    SaveAs("a.dat");
    Modify();

    user.ui.answers = {Answer::Cancel};
    EXPECT_FALSE(CmdOpen(session));
    EXPECT_EQ(user.ui.Texts(), (std::vector<std::string>{"File has been modify,save it now?"}));
    EXPECT_EQ(user.ui.shown[0].Buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(user.ui.shown[0].Icon, MessageIcon::Warning);
    EXPECT_TRUE(user.ui.fileChoices.empty());

    Forget();
    user.ui.answers = {Answer::No};
    user.ui.openFiles.push_back(PathOf("a.dat"));
    EXPECT_TRUE(CmdOpen(session));
    EXPECT_EQ(image->Record.DecodeTime, 2); // the unsaved change is gone
    EXPECT_TRUE(user.ui.passwordPrompts.empty());

    Modify();
    Forget();
    user.ui.answers = {Answer::Yes, Answer::Ok};
    user.ui.openFiles.push_back(PathOf("a.dat"));
    EXPECT_TRUE(CmdOpen(session));
    EXPECT_EQ(image->Record.DecodeTime, 9); // saved first, then opened again
}

TEST_F(FileCommandsTest, OpenCancelledInTheFileDialogChangesNothing) {
    EXPECT_FALSE(CmdOpen(session));
    EXPECT_TRUE(user.ui.shown.empty());
    EXPECT_EQ(image->CurrentFilePath, "new.dat");
}

TEST_F(FileCommandsTest, NewAsksBeforeClearing) {
    SaveAs("a.dat");
    Modify();
    user.ui.answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(CmdNew(session));
    ASSERT_EQ(user.ui.shown.size(), 2U);
    EXPECT_EQ(user.ui.shown[0].Text, user.texts.Msg("9001"));
    EXPECT_EQ(user.ui.shown[0].Buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(user.ui.shown[1].Text, "All data will be cleared.");
    EXPECT_EQ(user.ui.shown[1].Buttons, MessageButtons::OkCancel);
    EXPECT_EQ(user.ui.shown[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(user.ui.shown[1].Icon, MessageIcon::Warning);
    EXPECT_EQ(image->Record.DecodeTime, 9);

    Forget();
    user.ui.answers = {Answer::No};
    EXPECT_TRUE(CmdNew(session));
    EXPECT_EQ(image->CurrentFilePath, "new.dat");
    EXPECT_TRUE(image->IsUntitled);
    EXPECT_EQ(image->Record.DecodeTime, 2);
    EXPECT_TRUE(IsUnchanged(*image));
}

TEST_F(FileCommandsTest, NewWithoutConfirmationOfAnUnchangedImageAsksNothing) {
    EXPECT_TRUE(CmdNew(session, false));
    EXPECT_TRUE(user.ui.shown.empty());
}

TEST_F(FileCommandsTest, NewTakesTheTemplateOfTheBand) {
    image->Record.DecodeTime = 4;
    SaveAs("a.dat");
    fs::create_directories(folder.Path() / "Init");
    fs::copy_file(folder.Path() / "a.dat", TemplatePath(folder.Path(), "KTRP70", 3));
    fs::copy_file(folder.Path() / "a.fre", folder.Path() / "Init" / "KTRP70_3.fre");
    image->Record.DecodeTime = 5;
    SaveAs("b.dat");
    ASSERT_TRUE(CmdNew(session, false));
    EXPECT_EQ(image->CurrentFilePath, TemplatePath(folder.Path(), "KTRP70", 3).string());
    EXPECT_FALSE(image->IsUntitled);
    EXPECT_EQ(image->Record.DecodeTime, 4);
}

} // namespace
} // namespace rp70
