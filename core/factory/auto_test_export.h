#pragma once
// The auto-test export for production: the whole radio memory as a Write would build it, a map
// of the 16-byte blocks that belong to the chosen kinds of record, and a readable list of the
// memory channels, written as one text file (".EPM").

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memory/marking.h"
#include "memory/radio_memory.h"
#include "model/band_limits.h"
#include "model/radio_image.h"
#include "texts/user_context.h"

namespace rp70 {

/// Number of check boxes of the export window.
inline constexpr std::size_t kExportBoxCount = 12;

/// One check box of the export window.
struct ExportBox {
    std::string_view Caption;
    bool Shown = false;
    std::optional<RecordKind> Kind; ///< the record kind it selects; none for the hidden boxes
};

/// The boxes in order; box 0 (the channels) is always ticked.
const std::array<ExportBox, kExportBoxCount>& ExportBoxes();

/// Which boxes are ticked.
using ExportKinds = std::array<bool, kExportBoxCount>;

/// The boxes as the window opens: only the channels ticked.
ExportKinds InitialExportKinds();

/// Whether the ticked boxes select `kind`. The channels are always selected.
bool ExportsKind(const ExportKinds& kinds, RecordKind kind);

/// Texts of the export window and its file.
inline constexpr std::string_view kExportTitle = "电调生产频设置";
inline constexpr std::string_view kExportFileFilter = "电调生产频 (*.EPM)";
inline constexpr std::string_view kExportButton = "导出";
inline constexpr std::string_view kExportCancelButton = "取消";
inline constexpr std::string_view kExportFileError = "错误！文件无法操作！";

/// Texts a memory channel adds to the channel list.
inline constexpr std::size_t kChannelListTexts = 9;

/// The channel list texts of `channel`, each "label|value": its IDs, receive and transmit
/// frequency, decode and encode tone, power, bandwidth and signalling.
std::array<std::string, kChannelListTexts>
ChannelListTexts(const ChannelRecord& channel, const BandLimits& band, UserContext& ctx);

/// What the export holds.
struct AutoTestExport {
    RadioMemory Memory{};
    std::array<std::uint8_t, kBlockCount> BlockMap{}; ///< 1 for a block of a chosen kind
    std::vector<std::string> ChannelList;             ///< 9 texts per memory channel
};

/// Encodes `image` (a copy of it: the export changes nothing of the image) as a Write would,
/// into a cleared memory, marking the blocks of the kinds `kinds` selects. nullopt when an
/// encoder failed; it has then shown its message.
std::optional<AutoTestExport> BuildAutoTestExport(const RadioImage& image, const ExportKinds& kinds,
                                                  UserContext& ctx);

/// The export file's text (UTF-8), lines ended by CR LF: the channel count and 9; the channel
/// list texts, quoted; the 1,024 map entries; the 16,384 memory bytes.
std::string ExportFileText(const AutoTestExport& exported);

/// Writes the export file to `path` with its texts in GB 18030, replacing the file whole.
/// On failure shows kExportFileError and returns false.
bool WriteExportFile(const std::filesystem::path& path, const AutoTestExport& exported,
                     Interaction& ui);

} // namespace rp70
