#pragma once
// The data file pair on disk: the data file (password block and settings record) and beside it
// the channel file with one fixed record per used channel slot.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_set.h"
#include "files/password_block.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

namespace rp70 {

/// Size of a data file: the password block, then the settings record.
inline constexpr std::size_t kDataFileSize = kPasswordBlockSize + kImageRecordSize;

/// The channel file of a data file: the path with the last three characters of the file name
/// replaced by "fre" ("radio.dat" → "radio.fre"; characters, not bytes). A name shorter than three
/// characters, or one that already ends in "fre", gets ".fre" appended instead, so the channel file
/// can never be the data file itself.
std::filesystem::path ChannelFilePath(const std::filesystem::path& dataPath);

/// The 8631 bytes of a data file.
std::vector<std::uint8_t> EncodeDataFile(const PasswordBlock& block, const ImageRecord& record);

/// The channel file of the first `count` slots: `count` records of 108 bytes.
std::vector<std::uint8_t> EncodeChannelFile(const ChannelTable& channels, int count);

/// What the bytes of a data file hold.
struct DataFileContents {
    /// The password of the file's password block after TextOf; nullopt for the legacy form
    /// without a block.
    std::optional<std::string> Password;
    ImageRecord Record;
};

/// Decodes the bytes of a data file, in its current form or in the legacy form (the settings
/// record from the first byte on). nullopt when the file is too short for its form or holds a
/// channel count outside 0 … 204 or a band code the program does not know.
std::optional<DataFileContents> DecodeDataFile(const std::vector<std::uint8_t>& bytes);

/// Reads `count` channel records of a channel file into `channels` (slots 0 … count − 1).
/// Returns false, leaving `channels` as it was, when the bytes hold fewer records.
bool DecodeChannelFile(const std::vector<std::uint8_t>& bytes, int count, ChannelTable& channels);

enum class LoadResult {
    Loaded,    ///< the image holds the file now
    Cancelled, ///< the password prompt was cancelled; nothing changed
    Failed,    ///< "file error." was shown; nothing changed
};

/// Whether a failed open shows "file error.": a file the person chose does, a template does not.
enum class FailureMessage { Show, Silent };

/// Opens a data file with its channel file (and in the factory test mode its test data file)
/// into the snapshot and the working image, after finishing a save of them that was cut short
/// (`hook` is RecoverFileSet's; a set whose save cannot be finished is not opened), asking for the
/// file's password when it has one that differs from the current file password. Any failure
/// shows "file error." (unless silenced) and leaves the image, its snapshot, file name and file
/// password as they were.
LoadResult LoadDataFile(UserContext& ctx, RadioImage& image, const std::filesystem::path& path,
                        FailureMessage failureMessage = FailureMessage::Show,
                        const SaveStepHook& hook = {});

/// Saves the image to `CurrentFilePath` after offering the file password dialog. The data file,
/// the channel file (exactly `ChannelCount` records) and in the factory test mode the test data
/// file are replaced together or not at all, also across a crash (see SaveFileSet); a data
/// file reached through a symbolic link is saved where the link points, its other files beside
/// it. The folder must exist and read-only files are not replaced. The snapshot is taken only
/// when every file is in place. Returns false after showing "file error."; the image then
/// still counts as modified, and the old files are untouched. `hook` is SaveFileSet's.
bool SaveDataFile(UserContext& ctx, RadioImage& image, const SaveStepHook& hook = {});

/// Writes the image's data file and channel file to `dataPath`, under the image's file password,
/// as SaveDataFile does but without asking anything or changing the image (no test data file).
/// False when they could not be written; then nothing changed on disk.
bool SaveImageCopy(const RadioImage& image, const std::filesystem::path& dataPath);

/// Reads a data file in the legacy form (no password block) and its channel file into the
/// snapshot. Returns false, leaving the snapshot as it was, when it cannot be read. A missing
/// channel file leaves the snapshot's channel slots as they were.
bool LoadLegacyFile(RadioImage& image, const std::filesystem::path& path);

/// The data files as the radio image's templates see them: a template is opened like a chosen
/// file, password prompt included, but one that cannot be read quietly leaves the defaults.
class DataFileReader : public DataFileLoader {
public:
    explicit DataFileReader(UserContext& ctx) : ctx_(ctx) {}
    bool LoadDataFile(RadioImage& image, const std::filesystem::path& path) override;
    bool LoadLegacyFile(RadioImage& image, const std::filesystem::path& path) override;

private:
    UserContext& ctx_;
};

} // namespace rp70
