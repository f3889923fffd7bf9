#pragma once
// The one in-memory copy of everything that can be programmed into a radio,
// with the copy it was last loaded, saved, read or reset as.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "model/band_limits.h"
#include "model/image_record.h"
#include "model/records/channel_record.h"

namespace rp70 {

/// Number of channel slots: 200 memory channels, PA, PB, CALL and VFO.
inline constexpr int kChannelSlots = 204;

/// A compact list: the first `ChannelCount` slots are in use, each carrying its own number.
using ChannelTable = std::array<ChannelRecord, kChannelSlots>;

/// The image as it was last loaded, saved, read from the radio or reset.
struct Snapshot {
    ImageRecord Record;
    ChannelTable Channels{};
};

/// The channel clipboard of the main window's tables (index 0 is the channel table).
struct ChannelClipboard {
    ChannelRecord Record{};
    std::array<std::int16_t, 3> ClipboardValid{};
};

/// Number of factory test values.
inline constexpr std::size_t kTestValueCount = 32;

/// The factory alignment values of a radio, index 0 … 31.
using TestValues = std::array<std::int16_t, kTestValueCount>;

/// The factory test mode and its values. Only in that mode do the test values travel with the
/// snapshot, the data files and the radio link.
struct FactoryTest {
    bool FactoryMode = false; ///< decided once at start-up by the marker file
    rp70::TestValues TestValues{};
    rp70::TestValues SavedTestValues{};     ///< as last loaded, saved or read from a radio
    std::filesystem::path LastTestDataPath; ///< the test data file last read or written
};

class RadioImage {
public:
    /// A new image for "KTRP70", band 3, with the default records and
    /// channels, not yet snapshotted. Callers normally follow with ResetImage.
    RadioImage();

    // Identity. BandIndex of the identity is copied into Record.BandIndex by
    // TakeSnapshot and back by RestoreSnapshot.
    std::string ModelName;
    std::string BandText;
    std::int16_t BandIndex = 3;
    BandLimits Limits;   ///< derived from BandText by SetBand
    std::string Version; ///< the radio's version text, "V100" until a radio is read

    ImageRecord Record;
    ChannelTable Channels{};
    Snapshot Saved;

    std::filesystem::path CurrentFilePath;
    std::filesystem::path CurrentBookPath;
    bool IsUntitled = true;
    /// The file password used for every save: 0 … 10 of "0" … "9" and "A" … "Z".
    std::string FilePassword;

    FactoryTest Factory;

    ChannelClipboard Clipboard;

    /// `Record.ChannelCount` bounded to 0 … 204, for loops over the used slots.
    int UsedChannelCount() const;
};

/// Stores `bandText`, takes its band code from the band table and derives the limits.
void SetBand(RadioImage& image, std::string_view bandText);

/// Takes band code `code` with the band table's caption for it and derives the limits; unlike
/// SetBand it keeps codes that share a caption with another code (7 stays 7).
void SetBandCode(RadioImage& image, std::int16_t code);

/// Copies the working record (with the identity's band code) and the used
/// channel slots into the snapshot; in the factory test mode also the test values.
void TakeSnapshot(RadioImage& image);

/// Copies the snapshot back: record, band code and its caption, limits and the
/// used channel slots; in the factory test mode also the test values.
void RestoreSnapshot(RadioImage& image);

/// The channel a new image starts with (in both of its slots): the VFO,
/// receiving in the middle of the band.
ChannelRecord DefaultChannel(const BandLimits& limits);

/// Reads data files for ResetImage, which looks for a template in the
/// program folder's "Init" folder. The data file layer implements it.
class DataFileLoader {
public:
    virtual ~DataFileLoader() = default;
    /// Opens `path` as a data file the person chose (password prompt included),
    /// making it the current file. Returns false, without a message, when nothing
    /// was loaded.
    virtual bool LoadDataFile(RadioImage& image, const std::filesystem::path& path) = 0;
    /// Reads a data file without password block, with its channel file, into
    /// the snapshot. Returns false when it could not be read; the snapshot may
    /// then hold parts of it.
    virtual bool LoadLegacyFile(RadioImage& image, const std::filesystem::path& path) = 0;
};

/// Path of the template for a model and band: <folder>/Init/<model>_<band>.dat.
std::filesystem::path TemplatePath(const std::filesystem::path& programFolder,
                                   std::string_view modelName, std::int16_t bandIndex);

/// Builds a new image for the current model and band: default records, two
/// default channels, then the template of the "Init" folder when `loader` can
/// read one. Without a loader the defaults are snapshotted as they are.
void ResetImage(RadioImage& image, const std::filesystem::path& programFolder,
                DataFileLoader* loader);

} // namespace rp70
