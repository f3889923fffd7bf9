// The data file pair on disk: byte layout, opening with and without password, saving safely.

#include "files/data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#ifndef _WIN32
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "files/file_set.h"
#include "files/modified_check.h"
#include "support/file_contents.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"
#include "texts/path_text.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

ChannelRecord Channel(std::int16_t number, std::string_view rx, std::string_view name) {
    ChannelRecord channel = NewChannelRecord(number);
    channel.InUse = 1;
    channel.RxFreq = MakeFixedText<9>(rx);
    channel.TxOffset = MakeFixedText<9>("000060000");
    channel.Name = MakeFixedText<7>(name);
    channel.ShiftDirection = 1;
    channel.PttIdCode = MakeFixedText<5>("12345");
    return channel;
}

/// An image whose records all hold something other than their defaults.
std::unique_ptr<RadioImage> FilledImage() {
    auto image = std::make_unique<RadioImage>();
    SetBand(*image, "Rx(400 - 469.99750 MHz) Tx(400 - 469.99750 MHz)");
    ImageRecord& record = image->Record;
    WriteFixedText(record.Function.Dtmf.Codes[0].Digits, "123A");
    record.Function.Dtmf.Codes[0].Length = 4;
    record.Function.FiveTone.Codes[99].Length = 5;
    record.Function.Options.WelcomeText = MakeFixedText<7>("HELLO");
    record.Function.Scan.PriorityChannel2 = 17;
    record.Function.Alert.LoneWorkerTime = 9;
    record.Book[1].BookId = MakeFixedText<5>("12345");
    record.Book[1].BookName = MakeFixedText<7>("BOB");
    record.DecodeTime = 7;
    record.OptionExtra = {1, 2, 3};
    record.ChannelCount = 3;
    image->Channels[0] = Channel(1, "044012500", "ONE");
    image->Channels[1] = Channel(204, "045000000", "VFO");
    image->Channels[2] = Channel(17, "046512500", "");
    return image;
}

class DataFileTest : public ::testing::Test {
protected:
    fs::path PathOf(const char* name) const { return folder.Path() / name; }

    /// Saves `image` under `name` with `password` entered in the password dialog.
    void Save(RadioImage& image, const char* name, std::optional<std::string> password) {
        image.CurrentFilePath = PathOf(name);
        user.ui.passwords.push_back(std::move(password));
        ASSERT_TRUE(SaveDataFile(user.ctx, image));
    }

    test::TempFolder folder;
    test::UserContextFixture user;
};

TEST_F(DataFileTest, SavedFilesHoldEveryRecordAtItsOffset) {
    auto image = FilledImage();
    Save(*image, "radio.dat", "");
    const Bytes file = test::ReadFileBytes(folder.Path() / "radio.dat");
    ASSERT_EQ(file.size(), 8631U);

    const PasswordBlock empty = EncodePasswordBlock("");
    EXPECT_EQ(test::Slice(file, 0, 16), Bytes(empty.begin(), empty.end()));
    constexpr std::size_t r = 16; // the settings record follows the password block
    EXPECT_EQ(test::I16At(file, r + 0), 48);
    EXPECT_EQ(test::TextAt(file, r + 2, 4), "123A");
    EXPECT_EQ(test::I16At(file, r + 2 + 24), 4);
    EXPECT_EQ(file[r + 529], 12);                     // first byte of the 2-tone header
    EXPECT_EQ(file[r + 1097 + 307 + 53 * 99 + 4], 5); // Length of 5-tone code 100
    EXPECT_EQ(test::TextAt(file, r + 6704 + 72, 7), "HELLO  ");
    EXPECT_EQ(file[r + 6791 + 13], 17);
    EXPECT_EQ(file[r + 6805 + 11], 9);
    EXPECT_EQ(test::I16At(file, r + 6817), 3);
    EXPECT_EQ(test::I16At(file, r + 6819 + 14), 1);
    EXPECT_EQ(test::TextAt(file, r + 6819 + 14 + 2, 12), "12345BOB    ");
    EXPECT_EQ(file[r + 8611], 7);
    EXPECT_EQ(test::Slice(file, r + 8612, 3), (Bytes{1, 2, 3}));

    const Bytes channels = test::ReadFileBytes(folder.Path() / "radio.fre");
    ASSERT_EQ(channels.size(), 3 * 108U);
    EXPECT_EQ(test::I16At(channels, 0), 1);
    EXPECT_EQ(test::I16At(channels, 108), 204);
    EXPECT_EQ(test::TextAt(channels, 108 + 6, 9), "045000000");
    EXPECT_EQ(test::TextAt(channels, 108 + 24, 7), "VFO    ");
    EXPECT_EQ(test::TextAt(channels, 216 + 103, 5), "12345");
    EXPECT_EQ(test::I16At(channels, 216 + 47), 1);
}

TEST_F(DataFileTest, SaveTakesTheSnapshotAndReopensToTheSameImage) {
    auto image = FilledImage();
    Save(*image, "radio.dat", "");
    EXPECT_TRUE(IsUnchanged(*image));
    EXPECT_FALSE(image->IsUntitled);

    RadioImage reopened;
    ASSERT_EQ(LoadDataFile(user.ctx, reopened, PathOf("radio.dat")), LoadResult::Loaded);
    EXPECT_EQ(reopened.Record, image->Record);
    EXPECT_EQ(reopened.BandIndex, 48);
    EXPECT_EQ(reopened.BandText, image->BandText);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(reopened.Channels[slot], image->Channels[slot]) << slot;
    }
    EXPECT_EQ(reopened.CurrentFilePath, PathOf("radio.dat"));
    EXPECT_FALSE(reopened.IsUntitled);
    EXPECT_TRUE(IsUnchanged(reopened));
    EXPECT_TRUE(user.ui.passwordPrompts.size() == 1); // only the save asked
}

TEST_F(DataFileTest, ChannelFileHoldsExactlyTheUsedSlots) {
    auto image = FilledImage();
    test::WriteFileBytes(folder.Path() / "radio.fre", Bytes(108 * 10, 0xAA));
    Save(*image, "radio.dat", "");
    EXPECT_EQ(fs::file_size(folder.Path() / "radio.fre"), 3 * 108U);

    image->Record.ChannelCount = 0;
    user.ui.passwords.push_back(std::nullopt);
    ASSERT_TRUE(SaveDataFile(user.ctx, *image));
    EXPECT_EQ(fs::file_size(folder.Path() / "radio.fre"), 0U);
}

TEST(ChannelFilePath, ReplacesTheLastThreeCharactersOfTheName) {
    EXPECT_EQ(ChannelFilePath("/a/radio.dat"), fs::path("/a/radio.fre"));
    EXPECT_EQ(ChannelFilePath("/a/RADIO.DAT"), fs::path("/a/RADIO.fre"));
    EXPECT_EQ(ChannelFilePath("/a.dat/radio"), fs::path("/a.dat/rafre"));
    // Never the data file itself.
    EXPECT_EQ(ChannelFilePath("/a/radio.fre"), fs::path("/a/radio.fre.fre"));
    EXPECT_EQ(ChannelFilePath("/a/RADIO.FRE"), fs::path("/a/RADIO.FRE.fre")); // Windows, macOS
    EXPECT_EQ(ChannelFilePath("/a/ab"), fs::path("/a/ab.fre"));
    // Characters, not bytes.
    EXPECT_EQ(ChannelFilePath(PathFromUtf8("/a/Funkgerät")), PathFromUtf8("/a/Funkgefre"));
}

// Names beyond ASCII, in the file and its folder, and a data file named like a channel file in
// capitals: saved and reopened whole, with the names on disk exactly as given.
TEST_F(DataFileTest, UnicodeAndCapitalNamesSaveAndReopen) {
    const struct {
        const char* Data;
        std::vector<std::string> OnDisk;
    } cases[] = {
        {"Funkgerät.dat", {"Funkgerät.dat", "Funkgerät.fre"}},
        {"电台.dat", {"电台.dat", "电台.fre"}},
        {"Jürgen/radio.dat", {"Jürgen/radio.dat", "Jürgen/radio.fre"}},
        {"X.FRE", {"X.FRE", "X.FRE.fre"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].Data);
        const fs::path base = folder.Path() / std::to_string(i);
        const fs::path data = base / PathFromUtf8(cases[i].Data);
        fs::create_directories(data.parent_path());
        auto image = FilledImage();
        image->CurrentFilePath = data;
        user.ui.passwords.push_back("");
        ASSERT_TRUE(SaveDataFile(user.ctx, *image));

        std::vector<std::string> onDisk;
        for (const auto& entry : fs::recursive_directory_iterator(base)) {
            if (entry.is_regular_file()) {
                const std::u8string name = entry.path().lexically_relative(base).generic_u8string();
                onDisk.emplace_back(name.begin(), name.end());
            }
        }
        std::sort(onDisk.begin(), onDisk.end());
        EXPECT_EQ(onDisk, cases[i].OnDisk);

        RadioImage reopened;
        ASSERT_EQ(LoadDataFile(user.ctx, reopened, data), LoadResult::Loaded);
        EXPECT_EQ(reopened.Record, image->Record);
        EXPECT_EQ(reopened.Channels, image->Channels);
        EXPECT_EQ(reopened.CurrentFilePath, data);
    }
}

class PasswordTest : public DataFileTest {
protected:
    void SetUp() override {
        auto image = FilledImage();
        Save(*image, "locked.dat", "SECRET1");
        user.ui.passwordPrompts.clear();
    }
    RadioImage other;
};

TEST_F(PasswordTest, AskedUntilTheRightPasswordIsEntered) {
    user.ui.passwords = {"WRONG", "secret1x", "SECRET1"};
    ASSERT_EQ(LoadDataFile(user.ctx, other, PathOf("locked.dat")), LoadResult::Loaded);
    EXPECT_EQ(user.ui.passwordPrompts.size(), 3U);
    EXPECT_EQ(user.ui.Texts(),
              (std::vector<std::string>{"file password error.", "file password error."}));
    EXPECT_EQ(other.FilePassword, "SECRET1");
    EXPECT_EQ(other.Record.DecodeTime, 7);
}

TEST_F(PasswordTest, CancelLoadsNothingAndKeepsThePassword) {
    other.FilePassword = "MINE";
    const RadioImage before = other;
    user.ui.passwords = {"WRONG", std::nullopt};
    EXPECT_EQ(LoadDataFile(user.ctx, other, PathOf("locked.dat")), LoadResult::Cancelled);
    EXPECT_EQ(other.FilePassword, "MINE");
    EXPECT_EQ(other.Record, before.Record);
    EXPECT_EQ(other.Saved.Record, before.Saved.Record);
    EXPECT_EQ(other.CurrentFilePath, before.CurrentFilePath);
}

TEST_F(PasswordTest, TheCurrentPasswordOpensWithoutAsking) {
    other.FilePassword = "SECRET1";
    EXPECT_EQ(LoadDataFile(user.ctx, other, PathOf("locked.dat")), LoadResult::Loaded);
    EXPECT_TRUE(user.ui.passwordPrompts.empty());
}

TEST_F(PasswordTest, AnUnprotectedFileKeepsTheCurrentPassword) {
    auto image = FilledImage();
    Save(*image, "open.dat", "");
    other.FilePassword = "KEEPME";
    user.ui.passwordPrompts.clear();
    EXPECT_EQ(LoadDataFile(user.ctx, other, PathOf("open.dat")), LoadResult::Loaded);
    EXPECT_TRUE(user.ui.passwordPrompts.empty());
    EXPECT_EQ(other.FilePassword, "KEEPME");
}

TEST_F(PasswordTest, ALongerPasswordIsKeptAsTheFileHoldsIt) {
    other.CurrentFilePath = PathOf("long.dat");
    user.ui.passwords = {"ABCDEFGHI K12"};
    ASSERT_TRUE(SaveDataFile(user.ctx, other));
    EXPECT_EQ(other.FilePassword, "ABCDEFGHI");
    RadioImage again;
    again.FilePassword = "ABCDEFGHI";
    EXPECT_EQ(LoadDataFile(user.ctx, again, PathOf("long.dat")), LoadResult::Loaded);
    EXPECT_EQ(user.ui.passwordPrompts.size(), 1U); // the save's only
}

TEST_F(PasswordTest, CancelInTheSaveDialogKeepsThePreviousPassword) {
    other.FilePassword = "OLD";
    other.CurrentFilePath = PathOf("kept.dat");
    user.ui.passwords = {std::nullopt};
    ASSERT_TRUE(SaveDataFile(user.ctx, other));
    EXPECT_EQ(user.ui.passwordPrompts, (std::vector<std::string>{"OLD"}));
    const Bytes file = test::ReadFileBytes(folder.Path() / "kept.dat");
    PasswordBlock block{};
    std::copy_n(file.begin(), 16, block.begin());
    EXPECT_EQ(TextOf(DecodePasswordBlock(block)), "OLD");
}

TEST_F(DataFileTest, LegacyFileReadsLikeTheSameRecordBehindABlock) {
    auto image = FilledImage();
    Save(*image, "modern.dat", "");
    const Bytes modern = test::ReadFileBytes(folder.Path() / "modern.dat");
    test::WriteFileBytes(folder.Path() / "legacy.dat", test::Slice(modern, 16, 8615));
    fs::copy_file(folder.Path() / "modern.fre", folder.Path() / "legacy.fre");

    RadioImage fromModern;
    RadioImage fromLegacy;
    ASSERT_EQ(LoadDataFile(user.ctx, fromModern, PathOf("modern.dat")), LoadResult::Loaded);
    ASSERT_EQ(LoadDataFile(user.ctx, fromLegacy, PathOf("legacy.dat")), LoadResult::Loaded);
    EXPECT_EQ(fromLegacy.Record, fromModern.Record);
    EXPECT_EQ(fromLegacy.Channels, fromModern.Channels);
    EXPECT_EQ(user.ui.passwordPrompts.size(), 1U); // the save's only

    RadioImage snapshotOnly;
    ASSERT_TRUE(LoadLegacyFile(snapshotOnly, folder.Path() / "legacy.dat"));
    EXPECT_EQ(snapshotOnly.Saved.Record, fromModern.Record);
    EXPECT_NE(snapshotOnly.Record, fromModern.Record); // the working image is not touched
}

// The block holding `text` (ten characters and the marker) as the password block stores it.
PasswordBlock BlockHolding(std::string_view text) {
    const std::string plain = std::string(text) + std::string(kPasswordMarker);
    PasswordBlock block{};
    for (std::size_t k = 0; k < kPasswordBlockSize; ++k) {
        for (std::size_t j = 0; j < 8; ++j) {
            const std::size_t bit = 127 - 16 * j - k;
            if (((static_cast<unsigned char>(plain[k]) >> j) & 1U) == 0) {
                block[bit / 8] = static_cast<std::uint8_t>(block[bit / 8] | (1U << (bit % 8)));
            }
        }
    }
    return block;
}

// A password that could never be typed (blanks before a NUL) would lock the file for good.
TEST(DataFileDecode, ThePasswordEndsAtItsFirstNulWithoutBlanks) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {std::string("ABC123 \0  ", 10), "ABC123"},
        {std::string("ABC\0DEF   ", 10), "ABC"},
        {"ABC123    ", "ABC123"},
        {"0123456789", "0123456789"},
    };
    for (const auto& [stored, password] : cases) {
        const auto contents = DecodeDataFile(EncodeDataFile(BlockHolding(stored), ImageRecord{}));
        ASSERT_TRUE(contents.has_value());
        EXPECT_EQ(contents->Password, password);
    }
}

TEST_F(DataFileTest, FallbackTemplateGivesTheSettingsOfAnotherBand) {
    auto image = FilledImage(); // band 48, three channels
    Save(*image, "modern.dat", "");
    const Bytes modern = test::ReadFileBytes(folder.Path() / "modern.dat");
    test::WriteFileBytes(folder.Path() / "Init" / "KTRP70_3.dat", test::Slice(modern, 16, 8615));
    fs::copy_file(folder.Path() / "modern.fre", folder.Path() / "Init" / "KTRP70_3.fre");

    RadioImage fresh;
    SetBand(fresh, "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)");
    fresh.BandIndex = 7; // no template of its own
    DataFileReader reader(user.ctx);
    ResetImage(fresh, folder.Path(), &reader);
    EXPECT_EQ(fresh.Record.DecodeTime, 7);
    EXPECT_EQ(fresh.Record.Book, image->Record.Book);
    EXPECT_EQ(fresh.BandIndex, 7);
    EXPECT_EQ(fresh.Record.ChannelCount, 2);
    EXPECT_EQ(fresh.Channels[0], DefaultChannel(fresh.Limits));
    EXPECT_TRUE(fresh.IsUntitled);
    EXPECT_EQ(fresh.CurrentFilePath, "new.dat");
    EXPECT_TRUE(IsUnchanged(fresh));
    EXPECT_TRUE(user.ui.shown.empty());
}

class FailedOpenTest : public DataFileTest {
protected:
    void SetUp() override {
        image = FilledImage();
        Save(*image, "good.dat", "PW");
        image->Channels[0].Name = MakeFixedText<7>("EDITED");
        before = std::make_unique<RadioImage>(*image);
        user.ui.shown.clear();
    }

    void ExpectFailureLeavesImageAlone(const fs::path& file) {
        EXPECT_EQ(LoadDataFile(user.ctx, *image, file.string()), LoadResult::Failed);
        EXPECT_EQ(user.ui.Texts(), (std::vector<std::string>{"file error."}));
        EXPECT_EQ(image->Record, before->Record);
        EXPECT_EQ(image->Channels, before->Channels);
        EXPECT_EQ(image->Saved.Record, before->Saved.Record);
        EXPECT_EQ(image->Saved.Channels, before->Saved.Channels);
        EXPECT_EQ(image->CurrentFilePath, before->CurrentFilePath);
        EXPECT_EQ(image->FilePassword, before->FilePassword);
        EXPECT_EQ(image->BandText, before->BandText);
    }

    std::unique_ptr<RadioImage> image;
    std::unique_ptr<RadioImage> before;
};

TEST_F(FailedOpenTest, MissingFile) {
    ExpectFailureLeavesImageAlone(folder.Path() / "none.dat");
}

TEST_F(FailedOpenTest, TruncatedFile) {
    const Bytes good = test::ReadFileBytes(folder.Path() / "good.dat");
    for (const std::size_t size : {0UL, 10UL, 16UL, 8615UL, 8630UL}) {
        SCOPED_TRACE(size);
        test::WriteFileBytes(folder.Path() / "short.dat", test::Slice(good, 0, size));
        user.ui.shown.clear();
        ExpectFailureLeavesImageAlone(folder.Path() / "short.dat");
    }
}

TEST_F(FailedOpenTest, GarbageFile) {
    test::WriteFileBytes(folder.Path() / "noise.dat", test::Pattern(8631));
    ExpectFailureLeavesImageAlone(folder.Path() / "noise.dat");
}

TEST_F(FailedOpenTest, DamagedChannelCountOrBand) {
    Bytes good = test::ReadFileBytes(folder.Path() / "good.dat");
    Bytes count = good;
    count[16 + 6817] = 205;
    test::WriteFileBytes(folder.Path() / "count.dat", count);
    ExpectFailureLeavesImageAlone(folder.Path() / "count.dat");

    Bytes band = good;
    band[16] = 9; // band codes with bit 3 set do not exist
    test::WriteFileBytes(folder.Path() / "band.dat", band);
    user.ui.shown.clear();
    ExpectFailureLeavesImageAlone(folder.Path() / "band.dat");
}

TEST_F(FailedOpenTest, ChannelFileShorterThanTheCount) {
    fs::copy_file(folder.Path() / "good.dat", folder.Path() / "cut.dat");
    test::WriteFileBytes(folder.Path() / "cut.fre",
                         test::Slice(test::ReadFileBytes(folder.Path() / "good.fre"), 0, 250));
    ExpectFailureLeavesImageAlone(folder.Path() / "cut.dat");
}

TEST_F(DataFileTest, MissingChannelFileKeepsTheSlotsOfTheSnapshot) {
    auto image = FilledImage();
    Save(*image, "radio.dat", "");
    fs::remove(folder.Path() / "radio.fre");
    RadioImage other;
    other.Saved.Channels[2] = Channel(99, "044000000", "OLD");
    ASSERT_EQ(LoadDataFile(user.ctx, other, PathOf("radio.dat")), LoadResult::Loaded);
    EXPECT_EQ(other.Record.ChannelCount, 3);
    EXPECT_EQ(TextOf(other.Channels[2].Name), "OLD");
    EXPECT_TRUE(user.ui.shown.empty());
}

class FailedSaveTest : public DataFileTest {
protected:
    void SetUp() override {
        image = FilledImage();
        Save(*image, "radio.dat", "");
        oldData = test::ReadFileBytes(folder.Path() / "radio.dat");
        oldChannels = test::ReadFileBytes(folder.Path() / "radio.fre");
        image->Channels[0].Name = MakeFixedText<7>("EDITED");
        user.ui.shown.clear();
    }

    void ExpectFailedSaveLeavesEverythingAlone() {
        user.ui.passwords.push_back(std::nullopt);
        EXPECT_FALSE(SaveDataFile(user.ctx, *image));
        EXPECT_EQ(user.ui.Texts(), (std::vector<std::string>{"file error."}));
        EXPECT_FALSE(IsUnchanged(*image));
        EXPECT_EQ(test::ReadFileBytes(folder.Path() / "radio.fre"), oldChannels);
        for (const fs::path& name : test::NamesIn(folder.Path())) {
            EXPECT_FALSE(name.string().starts_with(".")) << "temporary file left behind";
        }
    }

    std::unique_ptr<RadioImage> image;
    Bytes oldData;
    Bytes oldChannels;
};

TEST_F(FailedSaveTest, ReadOnlyFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder does not stop making files in it on Windows";
#else
    fs::permissions(folder.Path(), fs::perms::owner_write, fs::perm_options::remove);
    if (::geteuid() != 0) {
        ExpectFailedSaveLeavesEverythingAlone();
    } else {
        // Folder permissions do not stop the super-user: save as an ordinary user in a child
        // process, which reports through its exit status whether the save failed as it must.
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            constexpr uid_t kNobody = 65534;
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
                ::_exit(2);
            }
            user.ui.passwords.push_back(std::nullopt);
            const bool failedAsItMust =
                !SaveDataFile(user.ctx, *image) &&
                user.ui.Texts() == std::vector<std::string>{"file error."} && !IsUnchanged(*image);
            ::_exit(failedAsItMust ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 2) {
            GTEST_SKIP() << "cannot switch to an ordinary user here";
        }
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail with \"file error.\"";
        EXPECT_EQ(test::ReadFileBytes(folder.Path() / "radio.fre"), oldChannels);
        EXPECT_EQ(test::NamesIn(folder.Path()), (std::vector<fs::path>{"radio.dat", "radio.fre"}));
    }
    fs::permissions(folder.Path(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(test::ReadFileBytes(folder.Path() / "radio.dat"), oldData);
#endif
}

TEST_F(FailedSaveTest, DataFileCannotBeReplaced) {
    // A folder in the data file's place cannot be replaced by a file: the channel file, written
    // beside it, must not be replaced either.
    fs::remove(folder.Path() / "radio.dat");
    fs::create_directories(folder.Path() / "radio.dat" / "inside");
    ExpectFailedSaveLeavesEverythingAlone();
}

TEST_F(FailedSaveTest, ChannelFileCannotBeReplaced) {
    // The data file could be written, but it must not be replaced alone.
    fs::remove(folder.Path() / "radio.fre");
    fs::create_directories(folder.Path() / "radio.fre" / "inside");
    user.ui.passwords.push_back(std::nullopt);
    EXPECT_FALSE(SaveDataFile(user.ctx, *image));
    EXPECT_EQ(user.ui.Texts(), (std::vector<std::string>{"file error."}));
    EXPECT_EQ(test::ReadFileBytes(folder.Path() / "radio.dat"), oldData);
    EXPECT_FALSE(IsUnchanged(*image));
}

TEST_F(FailedSaveTest, ReadOnlyFilesAreNotReplaced) {
    for (const char* name : {"radio.dat", "radio.fre"}) {
        const fs::path file = folder.Path() / name;
        fs::permissions(file,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        ExpectFailedSaveLeavesEverythingAlone();
        EXPECT_EQ(test::ReadFileBytes(folder.Path() / "radio.dat"), oldData);
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
        user.ui.shown.clear();
    }
}

TEST_F(FailedSaveTest, AFolderThatIsNotThereIsNotMade) {
    test::WriteFileText(folder.Path() / "plain", "x");
    for (const fs::path& missing : {folder.Path() / "plain", folder.Path() / "typo"}) {
        image->CurrentFilePath = missing / "radio.dat";
        ExpectFailedSaveLeavesEverythingAlone();
        EXPECT_FALSE(fs::is_directory(missing));
        user.ui.shown.clear();
    }
}

TEST_F(DataFileTest, ALinkedDataFileIsSavedWithItsChannelFileBesideTheFileItNames) {
    auto image = FilledImage();
    fs::create_directory(folder.Path() / "real");
    Save(*image, "real/radio.dat", "");
    std::error_code error;
    fs::create_symlink(folder.Path() / "real" / "radio.dat", folder.Path() / "link.dat", error);
    if (error) {
        GTEST_SKIP() << "no symbolic links here: " << error.message();
    }

    image->Channels[0].Name = MakeFixedText<7>("EDITED");
    Save(*image, "link.dat", "");
    EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.dat"));
    EXPECT_FALSE(fs::exists(folder.Path() / "link.fre"));
    RadioImage opened;
    ASSERT_EQ(LoadDataFile(user.ctx, opened, PathOf("real/radio.dat")), LoadResult::Loaded);
    EXPECT_EQ(TextOf(opened.Channels[0].Name), "EDITED");
}

/// The data file, channel file and test data file beside `dat`, as bytes.
std::vector<Bytes> SetOf(const fs::path& dat) {
    return {test::ReadFileBytes(dat), test::ReadFileBytes(ChannelFilePath(dat)),
            test::ReadFileBytes(fs::path(dat).replace_extension(".ted"))};
}

// Whatever step of a save fails (once, or again while the failure is handled) or is the last
// before the program dies, a save that returns has told the person whether it failed, and the
// files that open afterwards are one whole set, the old or the new, byte for byte, with nothing
// left beside.
TEST_F(DataFileTest, ASaveCutShortAtAnyStepLeavesOneWholeSet) {
    struct Died {};
    struct Faults {
        const char* what;
        std::vector<int> fails; ///< steps that fail, counted from the step under test
        std::optional<int> dies;
    };
    const std::array plans{Faults{"fails", {0}, std::nullopt}, Faults{"dies", {}, 0},
                           Faults{"fails twice, then dies", {0, 1}, 3}};
    auto image = FilledImage();
    image->Factory.FactoryMode = true;
    for (const char* sub : {"old", "new", "work"}) {
        fs::create_directory(folder.Path() / sub);
    }
    Save(*image, "old/radio.dat", "");
    image->Channels[3] = Channel(40, "044500000", "FOUR"); // a longer channel file
    image->Record.ChannelCount = 4;
    image->Factory.TestValues[7] = 77;
    const auto edited = std::make_unique<RadioImage>(*image);
    Save(*image, "new/radio.dat", "PW");
    const std::vector<Bytes> oldSet = SetOf(folder.Path() / "old" / "radio.dat");
    const std::vector<Bytes> newSet = SetOf(folder.Path() / "new" / "radio.dat");
    const fs::path work = folder.Path() / "work";

    for (const Faults& plan : plans) {
        for (int at = 0;; ++at) {
            SCOPED_TRACE(testing::Message() << plan.what << " at step " << at);
            fs::remove_all(work);
            fs::copy(folder.Path() / "old", work);
            auto attempt = std::make_unique<RadioImage>(*edited);
            attempt->CurrentFilePath = (work / "radio.dat").string();
            bool reached = false;
            const SaveStepHook hook = [&](int step) {
                reached = reached || step == at;
                if (plan.dies && step == at + *plan.dies) {
                    throw Died{};
                }
                return std::find(plan.fails.begin(), plan.fails.end(), step - at) ==
                       plan.fails.end();
            };
            user.ui.shown.clear();
            user.ui.passwords.assign(1, "PW");
            try {
                const bool saved = SaveDataFile(user.ctx, *attempt, hook);
                EXPECT_EQ(user.ui.Texts(), saved ? std::vector<std::string>{}
                                                 : std::vector<std::string>{"file error."});
                EXPECT_EQ(IsUnchanged(*attempt), saved);
                if (plan.fails.size() == 1) {
                    // Once every new content is in place the save has succeeded, whatever fails
                    // while the copies and the record are removed.
                    EXPECT_EQ(SetOf(work / "radio.dat"), saved ? newSet : oldSet);
                }
                if (!reached) {
                    EXPECT_TRUE(saved);
                    break;
                }
            } catch (const Died&) {
            }
            // An open that cannot finish a save cut short reads nothing; one that can, reads a
            // whole set.
            RadioImage opened;
            opened.Factory.FactoryMode = true;
            user.ui.passwords.assign(1, "PW");
            const SaveStepHook failing = [](int) { return false; };
            if (LoadDataFile(user.ctx, opened, (work / "radio.dat").string(), FailureMessage::Show,
                             failing) == LoadResult::Loaded) {
                const std::vector<Bytes> found = SetOf(work / "radio.dat");
                EXPECT_TRUE(found == oldSet || found == newSet);
            }
            user.ui.passwords.assign(1, "PW");
            ASSERT_EQ(LoadDataFile(user.ctx, opened, (work / "radio.dat").string()),
                      LoadResult::Loaded);
            const std::vector<Bytes> found = SetOf(work / "radio.dat");
            EXPECT_TRUE(found == oldSet || found == newSet);
            EXPECT_EQ(test::NamesIn(work),
                      (std::vector<fs::path>{"radio.dat", "radio.fre", "radio.ted"}));
        }
    }
}

// A disk that fills up during a save fails it like any other failure, at whatever step the
// space runs out: the person is told, the old files stay as they were and nothing is left
// beside them. A small file system is mounted for it, in a mount namespace of this process.
TEST_F(DataFileTest, ASaveOnAFullDiskFailsAndKeepsTheOldFiles) {
#ifdef _WIN32
    GTEST_SKIP() << "a small file system cannot be mounted by a test on Windows";
#else
    const fs::path disk = folder.Path() / "disk";
    fs::create_directory(disk);
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("rp70-test", disk.c_str(), "tmpfs", 0, "size=128k") != 0) {
        GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
    }
    auto image = FilledImage();
    image->Factory.FactoryMode = true;
    Save(*image, "radio.dat", "");
    const std::vector<Bytes> oldSet = SetOf(folder.Path() / "radio.dat");
    for (std::int16_t slot = 3; slot < 200; ++slot) {
        image->Channels[slot] = Channel(static_cast<std::int16_t>(slot + 1), "044500000", "MANY");
    }
    image->Record.ChannelCount = 200;
    const auto edited = std::make_unique<RadioImage>(*image);

    int failed = 0;
    int saved = 0;
    for (std::size_t filler = 0;; filler += 4096) {
        SCOPED_TRACE(testing::Message() << filler << " bytes taken");
        for (const fs::path& name : test::NamesIn(disk)) {
            fs::remove(disk / name);
        }
        for (const char* name : {"radio.dat", "radio.fre", "radio.ted"}) {
            fs::copy_file(folder.Path() / name, disk / name);
        }
        {
            std::ofstream out(disk / "filler", std::ios::binary);
            out << std::string(filler, 'x') << std::flush;
            if (!out) {
                break;
            }
        }
        auto attempt = std::make_unique<RadioImage>(*edited);
        attempt->CurrentFilePath = disk / "radio.dat";
        user.ui.shown.clear();
        user.ui.passwords.assign(1, std::nullopt);
        if (SaveDataFile(user.ctx, *attempt)) {
            ++saved;
            EXPECT_EQ(SetOf(disk / "radio.dat")[1].size(), 200 * 108U);
            continue;
        }
        ++failed;
        EXPECT_EQ(user.ui.Texts(), (std::vector<std::string>{"file error."}));
        EXPECT_EQ(SetOf(disk / "radio.dat"), oldSet);
        EXPECT_EQ(test::NamesIn(disk),
                  (std::vector<fs::path>{"filler", "radio.dat", "radio.fre", "radio.ted"}));
    }
    EXPECT_GT(saved, 0);
    EXPECT_GT(failed, 2);
    ::umount2(disk.c_str(), MNT_DETACH);
#endif
}

class FactoryFilesTest : public DataFileTest {
protected:
    void SetUp() override {
        image = FilledImage();
        image->Factory.FactoryMode = true;
        image->Factory.TestValues[0] = 1;
        image->Factory.TestValues[31] = -1;
    }
    std::unique_ptr<RadioImage> image;
};

TEST_F(FactoryFilesTest, SaveAndOpenCarryTheTestDataFile) {
    Save(*image, "radio.dat", "");
    const Bytes ted = test::ReadFileBytes(folder.Path() / "radio.ted");
    ASSERT_EQ(ted.size(), 64U);
    EXPECT_EQ(test::Slice(ted, 0, 2), (Bytes{0x01, 0x00}));
    EXPECT_EQ(test::Slice(ted, 62, 2), (Bytes{0xFF, 0xFF}));
    EXPECT_EQ(image->Factory.SavedTestValues, image->Factory.TestValues);
    EXPECT_EQ(image->Factory.LastTestDataPath, PathOf("radio.ted"));

    RadioImage other;
    other.Factory.FactoryMode = true;
    ASSERT_EQ(LoadDataFile(user.ctx, other, PathOf("radio.dat")), LoadResult::Loaded);
    EXPECT_EQ(other.Factory.TestValues, image->Factory.TestValues);
    EXPECT_EQ(other.Factory.SavedTestValues, image->Factory.TestValues);
}

TEST_F(FactoryFilesTest, MissingTestDataFileKeepsTheSavedValues) {
    Save(*image, "radio.dat", "");
    fs::remove(folder.Path() / "radio.ted");
    RadioImage other;
    other.Factory.FactoryMode = true;
    other.Factory.SavedTestValues[5] = 55;
    ASSERT_EQ(LoadDataFile(user.ctx, other, PathOf("radio.dat")), LoadResult::Loaded);
    EXPECT_EQ(other.Factory.TestValues[5], 55);
}

TEST_F(FactoryFilesTest, FailedTestDataWriteIsReported) {
    fs::create_directories(folder.Path() / "radio.ted" / "inside");
    image->CurrentFilePath = PathOf("radio.dat");
    user.ui.passwords.push_back(std::nullopt);
    EXPECT_FALSE(SaveDataFile(user.ctx, *image));
    EXPECT_EQ(user.ui.Texts(), (std::vector<std::string>{"file error."}));
    EXPECT_FALSE(fs::exists(folder.Path() / "radio.dat"));
    EXPECT_FALSE(IsUnchanged(*image));
}

} // namespace
} // namespace rp70
