#pragma once
// The channel list as CSV in the column set radio users exchange between programming tools:
// Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
// RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment.
//
// How the columns map onto a channel:
// - Location 0 … 199 are the memory channels 1 … 200, as the channel table labels them; "PA",
//   "PB", "CALL" and "VFO" name the special channels. Any other location is refused.
// - Frequency and Offset are MHz. Duplex "" (simplex), "+", "-", "split" (Offset then holds
//   the transmit frequency) or "off" (transmit inhibited; the shift stays as it is).
//   Receive and transmit frequency must lie in the band; frequencies off the band's raster are
//   moved onto it.
// - Tone "" / "Tone" (transmit rToneFreq) / "TSQL" (cToneFreq both ways) / "DTCS" (DtcsCode both
//   ways) / "Cross" with CrossMode "A->B", A and B each "Tone", "DTCS" or empty: the transmit
//   side takes rToneFreq or DtcsCode, the receive side cToneFreq or RxDtcsCode. DtcsPolarity
//   gives transmit then receive polarity, N normal and R inverted.
// - Mode "FM" is the wide bandwidth: 25K, or 20K when the channel imported into already has
//   20K; "NFM" is 12.5K. Export writes 25K and 20K as "FM".
// - TStep in kHz, taken from the band's step list (the nearest step when the band lacks it).
// - Skip "S" leaves the channel out of the scan. Power "High", "Mid" or "Low".
// - Names take at most seven characters the radio can show; others become "?".
// Columns are matched by name in any order; unknown columns are ignored and missing ones take
// the value of the channel imported into (or of an empty channel).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/radio_image.h"
#include "model/records/channel_record.h"

namespace rp70 {

/// The columns export writes, in this order.
inline constexpr std::string_view kCsvChannelColumns =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment";

/// More data rows than this, or more bytes, make a file no channel list of this radio.
inline constexpr std::size_t kMaxCsvRows = 1000;
inline constexpr std::size_t kMaxCsvBytes = 1 << 20;

/// The channels of `image` that hold data, ascending by channel number, as CSV with a header
/// row and CR LF line ends.
std::string ExportChannelsCsv(const RadioImage& image);

/// What became of one data row of an import.
struct CsvRowOutcome {
    enum class Kind { Imported, Corrected, Refused };
    int Line = 0;         ///< the line the row starts on
    std::string Location; ///< as the file gives it
    Kind Result = Kind::Imported;
    std::vector<std::string> Notes; ///< how it was corrected, or why it was refused
};

/// An import read and checked, not yet applied.
struct CsvImport {
    std::vector<ChannelRecord> Channels; ///< the channels to store, one per accepted row
    std::vector<CsvRowOutcome> Rows;     ///< one per data row, in file order
};

/// Reads a CSV channel list against `image` (its band, and the channels rows replace). Returns
/// the import, or the one sentence why the whole file is refused (not CSV, no header row with
/// Location and Frequency, too many rows); the image is never changed.
std::variant<CsvImport, std::string> ReadChannelsCsv(std::string_view text,
                                                     const RadioImage& image);

/// ReadChannelsCsv of the file `path`; a file that cannot be read or is larger than
/// kMaxCsvBytes is refused as well.
std::variant<CsvImport, std::string> ReadChannelsCsvFile(const std::filesystem::path& path,
                                                         const RadioImage& image);

/// Stores the channels of an import: each replaces the channel of its number or takes a new
/// slot; the other channels stay. The references into the channel list are repaired as after a
/// channel edit.
void ApplyCsvImport(RadioImage& image, const CsvImport& import);

/// The report of an import, one line per row: "line 3 (12): imported", "… corrected: …",
/// "… refused: …", then a count line.
std::vector<std::string> CsvImportReport(const CsvImport& import);

} // namespace rp70
