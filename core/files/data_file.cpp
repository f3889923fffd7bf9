#include "files/data_file.h"

#include <algorithm>
#include <span>

#include "files/file_error.h"
#include "files/file_io.h"
#include "files/file_set.h"
#include "files/test_data_file.h"
#include "model/bands.h"
#include "texts/path_text.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kChannelFileEnding = "fre";

std::optional<ImageRecord> DecodeImageRecord(std::span<const std::uint8_t> bytes) {
    ImageRecord record;
    try {
        ByteReader reader(bytes);
        Read(reader, record);
    } catch (const TruncatedData&) {
        return std::nullopt;
    }
    // A count or band code no program writes means the file is damaged or not a data file.
    if (record.ChannelCount < 0 || record.ChannelCount > kChannelSlots ||
        BandCodeFromRadio(record.BandIndex) != record.BandIndex) {
        return std::nullopt;
    }
    return record;
}

PasswordBlock BlockOf(const std::vector<std::uint8_t>& bytes) {
    PasswordBlock block{};
    std::copy_n(bytes.begin(), block.size(), block.begin());
    return block;
}

/// The channel slots of a file read on top of `channels`: unchanged when the channel file
/// cannot be opened, nullopt when it is there but holds fewer records than the count.
std::optional<ChannelTable> ReadChannels(const fs::path& dataPath, int count,
                                         const ChannelTable& channels) {
    ChannelTable result = channels;
    const auto bytes = ReadFileBytes(ChannelFilePath(dataPath),
                                     kChannelRecordSize * static_cast<std::size_t>(count));
    if (bytes && !DecodeChannelFile(*bytes, count, result)) {
        return std::nullopt;
    }
    return result;
}

/// Asks for the password of a protected file until it is entered or the person cancels. The
/// dialog's OK sets the current file password, as it does everywhere.
bool AskForFilePassword(UserContext& ctx, RadioImage& image, const std::string& password) {
    if (password.empty() || password == image.FilePassword) {
        return true;
    }
    for (;;) {
        const std::optional<std::string> entered = ctx.Ui.AskFilePassword(image.FilePassword);
        if (!entered) {
            return false;
        }
        image.FilePassword = TextOf(*entered);
        if (image.FilePassword == password) {
            return true;
        }
        ctx.Ui.Show({std::string(ctx.Texts.Builtin(BuiltinText::FilePasswordError)), "",
                     MessageIcon::Exclamation, MessageButtons::Ok});
    }
}

} // namespace

fs::path ChannelFilePath(const fs::path& dataPath) {
    const std::string name = Utf8Of(dataPath.filename());
    const auto cut = StartOfLastCharacters(name, static_cast<int>(kChannelFileEnding.size()));
    fs::path result = dataPath;
    if (!cut || EndsWithIgnoringCase(name, kChannelFileEnding)) {
        result += PathFromUtf8("." + std::string(kChannelFileEnding));
    } else {
        result.replace_filename(
            PathFromUtf8(name.substr(0, *cut) + std::string(kChannelFileEnding)));
    }
    return result;
}

std::vector<std::uint8_t> EncodeDataFile(const PasswordBlock& block, const ImageRecord& record) {
    std::vector<std::uint8_t> bytes(block.begin(), block.end());
    bytes.reserve(kDataFileSize);
    ByteWriter writer(bytes);
    Write(writer, record);
    return bytes;
}

std::vector<std::uint8_t> EncodeChannelFile(const ChannelTable& channels, int count) {
    std::vector<std::uint8_t> bytes;
    const auto used = static_cast<std::size_t>(std::clamp(count, 0, kChannelSlots));
    bytes.reserve(used * kChannelRecordSize);
    ByteWriter writer(bytes);
    for (std::size_t slot = 0; slot < used; ++slot) {
        Write(writer, channels[slot]);
    }
    return bytes;
}

std::optional<DataFileContents> DecodeDataFile(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() >= kPasswordBlockSize) {
        const std::string decoded = DecodePasswordBlock(BlockOf(bytes));
        if (!decoded.empty()) {
            auto record = DecodeImageRecord(std::span(bytes).subspan(kPasswordBlockSize));
            if (!record) {
                return std::nullopt;
            }
            // Blanks before a NUL are no part of the password either: no password typed in
            // the dialog ends in a blank, so such a file could never be opened.
            return DataFileContents{TextOf(TextOf(decoded)), *record};
        }
    }
    auto record = DecodeImageRecord(bytes);
    if (!record) {
        return std::nullopt;
    }
    return DataFileContents{std::nullopt, *record};
}

bool DecodeChannelFile(const std::vector<std::uint8_t>& bytes, int count, ChannelTable& channels) {
    if (count < 0 || count > kChannelSlots) {
        return false;
    }
    ChannelTable result = channels;
    try {
        ByteReader reader(bytes);
        for (std::size_t slot = 0; slot < static_cast<std::size_t>(count); ++slot) {
            Read(reader, result[slot]);
        }
    } catch (const TruncatedData&) {
        return false;
    }
    channels = result;
    return true;
}

LoadResult LoadDataFile(UserContext& ctx, RadioImage& image, const fs::path& path,
                        FailureMessage failureMessage, const SaveStepHook& hook) {
    // A save cut short by a crash is finished (or undone) first, so the files read are one set;
    // while it cannot be, they may be a mix of two sets and are not read.
    const fs::path dataPath = LinkTarget(path);
    const bool whole = RecoverFileSet(dataPath, hook);
    const auto bytes = whole ? ReadFileBytes(dataPath, kDataFileSize) : std::nullopt;
    const auto contents = bytes ? DecodeDataFile(*bytes) : std::nullopt;
    const std::string passwordBefore = image.FilePassword;
    if (contents && contents->Password && !AskForFilePassword(ctx, image, *contents->Password)) {
        image.FilePassword = passwordBefore;
        return LoadResult::Cancelled;
    }
    const auto channels =
        contents ? ReadChannels(dataPath, contents->Record.ChannelCount, image.Saved.Channels)
                 : std::nullopt;
    if (!channels) {
        image.FilePassword = passwordBefore;
        if (failureMessage == FailureMessage::Show) {
            ShowFileError(ctx);
        }
        return LoadResult::Failed;
    }

    FactoryTest factory = image.Factory;
    if (factory.FactoryMode) {
        LoadTestDataFor(factory, dataPath);
    }
    image.Saved.Record = contents->Record;
    image.Saved.Channels = *channels;
    image.Factory = factory;
    RestoreSnapshot(image);
    image.CurrentFilePath = path;
    image.IsUntitled = false;
    return LoadResult::Loaded;
}

namespace {

/// The data file and the channel file of `image` at `dataPath`.
std::vector<FileWrite> DataFileWrites(const RadioImage& image, const fs::path& dataPath) {
    ImageRecord record = image.Record;
    record.BandIndex = image.BandIndex;
    record.ChannelCount = static_cast<std::int16_t>(image.UsedChannelCount());
    return {{dataPath,
             std::string(AsBytes(EncodeDataFile(EncodePasswordBlock(image.FilePassword), record)))},
            {ChannelFilePath(dataPath),
             std::string(AsBytes(EncodeChannelFile(image.Channels, record.ChannelCount)))}};
}

} // namespace

bool SaveImageCopy(const RadioImage& image, const fs::path& dataPath) {
    return SaveFileSet(DataFileWrites(image, dataPath));
}

bool SaveDataFile(UserContext& ctx, RadioImage& image, const SaveStepHook& hook) {
    if (const auto entered = ctx.Ui.AskFilePassword(image.FilePassword)) {
        // The block holds ten characters; the password kept is the one the file will hold.
        image.FilePassword = TextOf(TextOf(*entered).substr(0, kMaxFilePasswordLength));
    }
    // The files of a data file reached through a link go beside the file it names.
    const fs::path dataPath = LinkTarget(image.CurrentFilePath);
    std::vector<FileWrite> files = DataFileWrites(image, dataPath);
    const auto testDataPath = image.Factory.FactoryMode ? TestDataPathFor(dataPath) : std::nullopt;
    if (testDataPath) {
        files.push_back(
            {*testDataPath, std::string(AsBytes(EncodeTestData(image.Factory.TestValues)))});
    }
    if (!SaveFileSet(files, hook)) {
        ShowFileError(ctx);
        return false;
    }
    TakeSnapshot(image);
    if (testDataPath) {
        image.Factory.LastTestDataPath = *testDataPath;
    }
    image.IsUntitled = false;
    return true;
}

bool LoadLegacyFile(RadioImage& image, const fs::path& path) {
    const auto bytes = ReadFileBytes(path, kImageRecordSize);
    const auto record = bytes ? DecodeImageRecord(*bytes) : std::nullopt;
    const auto channels =
        record ? ReadChannels(path, record->ChannelCount, image.Saved.Channels) : std::nullopt;
    if (!channels) {
        return false;
    }
    image.Saved.Record = *record;
    image.Saved.Channels = *channels;
    return true;
}

bool DataFileReader::LoadDataFile(RadioImage& image, const fs::path& path) {
    return rp70::LoadDataFile(ctx_, image, path, FailureMessage::Silent) == LoadResult::Loaded;
}

bool DataFileReader::LoadLegacyFile(RadioImage& image, const fs::path& path) {
    return rp70::LoadLegacyFile(image, path);
}

} // namespace rp70
