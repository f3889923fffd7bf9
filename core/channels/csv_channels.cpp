#include "channels/csv_channels.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include "channels/channel_list.h"
#include "channels/csv_reader.h"
#include "channels/step_list.h"
#include "files/file_io.h"
#include "model/channel_label.h"
#include "model/conversions.h"
#include "model/tones.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr std::size_t kNameWidth = 7;
constexpr double kUnitsPerMhz = 100000.0;
constexpr long long kMaxUnits = 999999999; // nine stored digits
constexpr std::array<std::string_view, 3> kPowerNames = {"High", "Mid", "Low"};

using Columns = std::map<std::string, std::string, std::less<>>;

/// The row of one channel, column name to text.
struct RowText {
    Columns Values;
    std::string Get(std::string_view column) const {
        const auto found = Values.find(column);
        return found == Values.end() ? std::string() : std::string(TrimBlanks(found->second));
    }
};

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

/// A frequency in MHz that nine stored digits can hold.
bool IsStorable(double mhz) {
    return mhz >= 0 && mhz <= static_cast<double>(kMaxUnits) / kUnitsPerMhz;
}

std::optional<long long> StoredUnits(const FixedText<9>& digits) {
    const std::string text = TextOf(digits);
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return ParseWholeNumber(text);
}

std::string MhzText(long long units) {
    return FormatFixed(static_cast<double>(units) / kUnitsPerMhz, 1, 6);
}

long long ToUnits(double mhz) {
    return std::llround(mhz * kUnitsPerMhz);
}

FixedText<9> UnitsDigits(long long units) {
    return MakeFixedText<9>(FormatInteger(units, 9));
}

std::string CtcssText(std::int16_t index) {
    const auto& list = CtcssList();
    return std::string(list[index >= 0 && static_cast<std::size_t>(index) < list.size()
                                ? static_cast<std::size_t>(index)
                                : 0]);
}

std::string DcsText(std::int16_t value) {
    return DcsCodeText(value >= 0 && value <= kMaxDcsCode ? value : 0);
}

/// The tone columns of a channel: the plain modes where one fits, "Cross" otherwise.
void PutTones(const ChannelRecord& channel, Columns& row) {
    const auto side = [](std::int16_t type) -> std::string {
        return type == kToneCtcss ? "Tone" : type == kToneDcs ? "DTCS" : "";
    };
    const std::int16_t tx = channel.TxToneType;
    const std::int16_t rx = channel.RxToneType;
    std::string tone = "Cross";
    if (tx != kToneCtcss && tx != kToneDcs && rx != kToneCtcss && rx != kToneDcs) {
        tone = "";
    } else if (tx == kToneCtcss && rx != kToneCtcss && rx != kToneDcs) {
        tone = "Tone";
    } else if (tx == kToneCtcss && rx == kToneCtcss && channel.TxCtcss == channel.RxCtcss) {
        tone = "TSQL";
    } else if (tx == kToneDcs && rx == kToneDcs && channel.TxDcs == channel.RxDcs) {
        tone = "DTCS";
    }
    row["Tone"] = tone;
    row["rToneFreq"] = CtcssText(channel.TxCtcss);
    row["cToneFreq"] = CtcssText(channel.RxCtcss);
    row["DtcsCode"] = DcsText(channel.TxDcs);
    row["RxDtcsCode"] = DcsText(channel.RxDcs);
    row["DtcsPolarity"] =
        std::string(channel.TxDcsInvert != 0 ? "R" : "N") + (channel.RxDcsInvert != 0 ? "R" : "N");
    row["CrossMode"] = tone == "Cross" ? side(tx) + "->" + side(rx) : "Tone->Tone";
}

Columns ChannelColumns(const ChannelRecord& channel, std::int16_t bandIndex) {
    Columns row;
    row["Location"] = RowLabel(channel.ChannelNumber);
    row["Name"] = TextOf(channel.Name);
    const auto rx = StoredUnits(channel.RxFreq);
    const long long offset = StoredUnits(channel.TxOffset).value_or(0);
    row["Frequency"] = rx ? MhzText(*rx) : "";
    row["Duplex"] = channel.TxInhibit != 0                  ? "off"
                    : channel.ShiftDirection == kShiftPlus  ? "+"
                    : channel.ShiftDirection == kShiftMinus ? "-"
                                                            : "";
    row["Offset"] = MhzText(offset);
    PutTones(channel, row);
    row["Mode"] = channel.Bandwidth == 2 ? "NFM" : "FM";
    const auto steps = StepList(bandIndex);
    if (channel.StepIndex >= 0 && static_cast<std::size_t>(channel.StepIndex) < steps.size()) {
        std::string_view step = steps[static_cast<std::size_t>(channel.StepIndex)];
        step.remove_suffix(1); // "K"
        row["TStep"] = FormatFixed(ParseNumber(step).value_or(0), 1, 2);
    }
    row["Skip"] = channel.ScanSkip != 0 ? "S" : "";
    const std::int16_t power = channel.TxPower >= 0 && channel.TxPower <= 2 ? channel.TxPower : 0;
    row["Power"] = std::string(kPowerNames[static_cast<std::size_t>(power)]);
    return row;
}

std::vector<std::string_view> SplitColumns() {
    std::vector<std::string_view> names;
    std::string_view rest = kCsvChannelColumns;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        names.push_back(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return names;
}

/// Channel number of a location: 0 … 199 → 1 … 200, "PA" … "VFO" → 201 … 204.
std::optional<int> LocationNumber(std::string_view text) {
    if (const auto value = ParseWholeNumber(text);
        value && *value >= 0 && *value < kMemoryChannelCount) {
        return static_cast<int>(*value) + 1;
    }
    for (int number = kMemoryChannelCount + 1; number <= kChannelSlots; ++number) {
        const std::string label = RowLabel(number);
        if (std::equal(label.begin(), label.end(), text.begin(), text.end(), [](char a, char b) {
                return a == std::toupper(static_cast<unsigned char>(b));
            })) {
            return number;
        }
    }
    return std::nullopt;
}

/// The name as the radio can show it: characters 32 … 125 except "\", others "?", seven at most.
std::string RadioName(std::string_view text, std::vector<std::string>& notes) {
    std::string name;
    bool replaced = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        if (c >= 32 && c <= 125 && c != '\\') {
            name += static_cast<char>(c);
        } else {
            name += '?';
            replaced = true;
        }
        i += length;
    }
    if (replaced) {
        notes.push_back("characters the radio cannot show in the name became \"?\"");
    }
    if (name.size() > kNameWidth) {
        notes.push_back("name \"" + name + "\" cut to \"" + name.substr(0, kNameWidth) + "\"");
        name.resize(kNameWidth);
    }
    return name;
}

std::optional<std::int16_t> CtcssIndex(std::string_view text) {
    const auto value = ParseNumber(text);
    const auto& list = CtcssList();
    for (std::size_t i = 0; value && i < list.size(); ++i) {
        if (std::abs(*ParseNumber(list[i]) - *value) < 0.05) {
            return static_cast<std::int16_t>(i);
        }
    }
    return std::nullopt;
}

std::optional<std::int16_t> DcsValue(std::string_view text) {
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        value = value * 8 + (c - '0');
    }
    return static_cast<std::int16_t>(value);
}

/// Reads one row into `channel`; returns the reason when the row is refused.
class RowReader {
public:
    RowReader(const RowText& row, const RadioImage& image, ChannelRecord& channel,
              std::vector<std::string>& notes)
        : row_(row), image_(image), channel_(channel), notes_(notes) {}

    std::optional<std::string> Read() {
        // A name that reads the same keeps its stored bytes (a radio may end it with a NUL).
        if (const std::string name = RadioName(row_.Get("Name"), notes_);
            name != TextOf(channel_.Name)) {
            WriteFixedText(channel_.Name, name);
        }
        if (auto refused = Frequencies()) {
            return refused;
        }
        if (auto refused = Tones()) {
            return refused;
        }
        if (auto refused = Mode()) {
            return refused;
        }
        Step();
        const std::string skip = row_.Get("Skip");
        if (skip != "S" && !skip.empty()) {
            notes_.push_back("Skip \"" + skip + "\" is not known; the channel is scanned");
        }
        channel_.ScanSkip = skip == "S" ? 1 : 0;
        Power();
        channel_.InUse = 1;
        return std::nullopt;
    }

private:
    std::optional<std::string> Frequencies() {
        const BandLimits& band = image_.Limits;
        const std::string rxText = row_.Get("Frequency");
        const auto rxMhz = ParseNumber(rxText);
        if (!rxMhz || !IsStorable(*rxMhz)) {
            return rxText.empty() ? "no receive frequency"
                                  : "receive frequency \"" + rxText + "\" is not a frequency";
        }
        long long rx = ToUnits(*rxMhz);
        if (rx < ToUnits(band.RxLow) || rx > ToUnits(band.RxHigh)) {
            return "receive frequency " + MhzText(rx) + " is outside the receive band " +
                   band.RxRangeText;
        }
        rx = Snapped(rx, band.RxLow, "receive");

        const std::string duplex = row_.Get("Duplex");
        const std::string offsetText = row_.Get("Offset");
        const auto offsetMhz =
            offsetText.empty() ? std::optional<double>(0.0) : ParseNumber(offsetText);
        if (!offsetMhz || !IsStorable(*offsetMhz)) {
            return "offset \"" + offsetText + "\" is not a frequency";
        }
        const long long offset = ToUnits(*offsetMhz);
        channel_.RxFreq = UnitsDigits(rx);
        channel_.TxInhibit = duplex == "off" ? 1 : 0;
        if (duplex.empty() || duplex == "off") {
            // A channel that never transmits keeps its shift; the offset is only stored.
            channel_.ShiftDirection = duplex.empty() ? kShiftOff : channel_.ShiftDirection;
            channel_.TxOffset = UnitsDigits(offset);
            return std::nullopt;
        }
        long long tx = 0;
        if (duplex == "+") {
            tx = rx + offset;
        } else if (duplex == "-") {
            tx = rx - offset;
        } else if (duplex == "split") {
            tx = offset;
        } else {
            return "Duplex \"" + duplex +
                   "\" is not known (\"\", \"+\", \"-\", \"split\" or \"off\")";
        }
        if (tx < ToUnits(band.TxLow) || tx > ToUnits(band.TxHigh)) {
            return "transmit frequency " + MhzText(tx) + " is outside the transmit band " +
                   band.TxRangeText;
        }
        tx = Snapped(tx, band.TxLow, "transmit");
        channel_.TxOffset = UnitsDigits(std::llabs(tx - rx));
        channel_.ShiftDirection = tx > rx         ? kShiftPlus
                                  : tx < rx       ? kShiftMinus
                                  : duplex == "+" ? kShiftPlus
                                  : duplex == "-" ? kShiftMinus
                                                  : kShiftOff;
        return std::nullopt;
    }

    long long Snapped(long long units, double low, const char* what) {
        const long long snapped =
            ToUnits(SnapToRaster(static_cast<double>(units) / kUnitsPerMhz, low, image_.BandIndex));
        if (snapped != units) {
            notes_.push_back(std::string(what) + " frequency " + MhzText(units) +
                             " moved onto the channel raster: " + MhzText(snapped));
        }
        return snapped;
    }

    std::optional<std::string> Tones() {
        const std::string tone = row_.Get("Tone");
        std::string tx;
        std::string rx;
        if (tone == "Tone") {
            tx = "Tone";
        } else if (tone == "TSQL") {
            tx = rx = "cTone";
        } else if (tone == "DTCS") {
            tx = rx = "DTCS";
        } else if (tone == "Cross") {
            const std::string cross = row_.Get("CrossMode");
            const std::size_t arrow = cross.find("->");
            tx = cross.substr(0, arrow);
            rx = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
            const auto known = [](const std::string& s) {
                return s.empty() || s == "Tone" || s == "DTCS";
            };
            if (!known(tx) || !known(rx)) {
                return "CrossMode \"" + cross + "\" is not supported";
            }
            rx = rx == "DTCS" ? "RxDTCS" : rx == "Tone" ? "cTone" : rx;
        } else if (!tone.empty()) {
            return "Tone \"" + tone + "\" is not supported";
        }
        const std::string polarity = row_.Get("DtcsPolarity");
        if ((tx == "DTCS" || rx == "DTCS" || rx == "RxDTCS") &&
            !(polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
              (polarity[1] == 'N' || polarity[1] == 'R'))) {
            return "DtcsPolarity \"" + polarity + "\" is not NN, NR, RN or RR";
        }
        if (auto refused = Side(tx, polarity.empty() ? 'N' : polarity[0], channel_.TxToneType,
                                channel_.TxCtcss, channel_.TxDcs, channel_.TxDcsInvert)) {
            return refused;
        }
        return Side(rx, polarity.size() < 2 ? 'N' : polarity[1], channel_.RxToneType,
                    channel_.RxCtcss, channel_.RxDcs, channel_.RxDcsInvert);
    }

    /// One direction's tone from the column `kind` names: "Tone" rToneFreq, "cTone" cToneFreq,
    /// "DTCS" DtcsCode, "RxDTCS" RxDtcsCode; "" for none.
    std::optional<std::string> Side(const std::string& kind, char polarity, std::int16_t& type,
                                    std::int16_t& ctcss, std::int16_t& dcs, std::int16_t& invert) {
        if (kind.empty()) {
            type = kToneNone;
            return std::nullopt;
        }
        if (kind == "Tone" || kind == "cTone") {
            const char* column = kind == "Tone" ? "rToneFreq" : "cToneFreq";
            const auto index = CtcssIndex(row_.Get(column));
            if (!index) {
                return std::string(column) + " \"" + row_.Get(column) +
                       "\" is not a CTCSS tone of the radio";
            }
            type = kToneCtcss;
            ctcss = *index;
            return std::nullopt;
        }
        const char* column = kind == "RxDTCS" ? "RxDtcsCode" : "DtcsCode";
        const auto value = DcsValue(row_.Get(column));
        if (!value) {
            return std::string(column) + " \"" + row_.Get(column) + "\" is not a DCS code";
        }
        type = kToneDcs;
        dcs = *value;
        invert = polarity == 'R' ? 1 : 0;
        return std::nullopt;
    }

    std::optional<std::string> Mode() {
        const std::string mode = row_.Get("Mode");
        if (mode == "NFM") {
            channel_.Bandwidth = 2;
        } else if (mode == "FM") {
            channel_.Bandwidth = channel_.Bandwidth == 1 ? 1 : 0;
        } else if (!mode.empty()) {
            return "Mode \"" + mode + "\" is not supported (FM or NFM)";
        }
        return std::nullopt;
    }

    void Step() {
        const std::string text = row_.Get("TStep");
        const auto khz = ParseNumber(text);
        if (!khz) {
            if (!text.empty()) {
                notes_.push_back("TStep \"" + text + "\" is not a number; the step is kept");
            }
            return;
        }
        const auto steps = StepList(image_.BandIndex);
        std::size_t best = 0;
        double distance = 1e9;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const double d = std::abs(*ParseNumber(steps[i].substr(0, steps[i].size() - 1)) - *khz);
            if (d < distance) {
                distance = d;
                best = i;
            }
        }
        if (distance > 0.005) {
            notes_.push_back("step " + text + " kHz is not offered by the band; " +
                             std::string(steps[best]) + " taken");
        }
        channel_.StepIndex = static_cast<std::int16_t>(best);
    }

    void Power() {
        const std::string text = row_.Get("Power");
        const std::string lower = LowerCase(text);
        if (lower == "high") {
            channel_.TxPower = 0;
        } else if (lower == "mid" || lower == "middle" || lower == "medium") {
            channel_.TxPower = 1;
        } else if (lower == "low") {
            channel_.TxPower = 2;
        } else if (!text.empty()) {
            channel_.TxPower = std::clamp<std::int16_t>(channel_.TxPower, 0, 2);
            notes_.push_back("Power \"" + text + "\" is not High, Mid or Low; " +
                             std::string(kPowerNames[static_cast<std::size_t>(channel_.TxPower)]) +
                             " kept");
        }
    }

    const RowText& row_;
    const RadioImage& image_;
    ChannelRecord& channel_;
    std::vector<std::string>& notes_;
};

} // namespace

std::string ExportChannelsCsv(const RadioImage& image) {
    const std::vector<std::string_view> names = SplitColumns();
    std::string out = std::string(kCsvChannelColumns) + "\r\n";
    // The first slot of a number is the channel, as every lookup finds it.
    for (int number = 1; number <= kChannelSlots; ++number) {
        const auto slot = FindChannel(image, number);
        if (!slot || image.Channels[static_cast<std::size_t>(*slot)].InUse != 1) {
            continue;
        }
        const Columns row =
            ChannelColumns(image.Channels[static_cast<std::size_t>(*slot)], image.BandIndex);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto found = row.find(names[i]);
            out += (i == 0 ? "" : ",") + CsvField(found == row.end() ? "" : found->second);
        }
        out += "\r\n";
    }
    return out;
}

std::variant<CsvImport, std::string> ReadChannelsCsv(std::string_view text,
                                                     const RadioImage& image) {
    auto parsed = ReadCsv(text, kMaxCsvRows + 1);
    if (const auto* error = std::get_if<CsvError>(&parsed)) {
        return error->TooManyRows ? "more than " + std::to_string(kMaxCsvRows) + " channel rows"
                                  : error->Message;
    }
    const auto& rows = std::get<std::vector<CsvRow>>(parsed);
    // Each known column's position in the header, matched without regard to case.
    std::map<std::string, std::size_t> positions;
    if (!rows.empty()) {
        for (std::string_view name : SplitColumns()) {
            const auto& header = rows.front().Fields;
            for (std::size_t i = 0; i < header.size(); ++i) {
                if (LowerCase(std::string(TrimBlanks(header[i]))) == LowerCase(std::string(name))) {
                    positions.emplace(name, i);
                    break;
                }
            }
        }
    }
    if (!positions.contains("Location") || !positions.contains("Frequency")) {
        return std::string("no header row naming the columns Location and Frequency");
    }

    CsvImport import;
    std::map<int, int> lineOfNumber;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        CsvRowOutcome outcome{row.Line, "", CsvRowOutcome::Kind::Imported, {}};
        const auto field = [&](const std::string& name) -> std::optional<std::string> {
            const auto at = positions.find(name);
            if (at == positions.end() || at->second >= row.Fields.size()) {
                return std::nullopt;
            }
            return row.Fields[at->second];
        };
        outcome.Location = std::string(TrimBlanks(field("Location").value_or("")));
        const auto refuse = [&](std::string why) {
            outcome.Result = CsvRowOutcome::Kind::Refused;
            outcome.Notes.push_back(std::move(why));
            import.Rows.push_back(std::move(outcome));
        };
        const auto number = LocationNumber(outcome.Location);
        if (!number) {
            refuse("location \"" + outcome.Location +
                   "\" is not a channel of the radio (0-199, PA, PB, CALL or VFO)");
            continue;
        }
        if (const auto earlier = lineOfNumber.find(*number); earlier != lineOfNumber.end()) {
            refuse("location already given on line " + std::to_string(earlier->second));
            continue;
        }
        ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(*number));
        if (const auto slot = FindChannel(image, *number);
            slot && image.Channels[static_cast<std::size_t>(*slot)].InUse == 1) {
            channel = image.Channels[static_cast<std::size_t>(*slot)];
        }
        // Columns the file lacks keep what the channel holds.
        RowText values{ChannelColumns(channel, image.BandIndex)};
        for (const auto& [name, position] : positions) {
            if (const auto value = field(name)) {
                values.Values[name] = *value;
            }
        }
        if (auto refused = RowReader(values, image, channel, outcome.Notes).Read()) {
            outcome.Notes.clear();
            refuse(*refused);
            continue;
        }
        lineOfNumber.emplace(*number, row.Line);
        if (!outcome.Notes.empty()) {
            outcome.Result = CsvRowOutcome::Kind::Corrected;
        }
        import.Channels.push_back(channel);
        import.Rows.push_back(std::move(outcome));
    }
    return import;
}

std::variant<CsvImport, std::string> ReadChannelsCsvFile(const std::filesystem::path& path,
                                                         const RadioImage& image) {
    const auto bytes = ReadFileBytes(path, kMaxCsvBytes + 1);
    if (!bytes) {
        return std::string("the file cannot be read");
    }
    if (bytes->size() > kMaxCsvBytes) {
        return "larger than " + std::to_string(kMaxCsvBytes / 1024) + " KiB";
    }
    return ReadChannelsCsv(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), image);
}

void ApplyCsvImport(RadioImage& image, const CsvImport& import) {
    for (const ChannelRecord& channel : import.Channels) {
        if (const auto slot = FindChannel(image, channel.ChannelNumber)) {
            image.Channels[static_cast<std::size_t>(*slot)] = channel;
            continue;
        }
        const int used = image.UsedChannelCount();
        if (used < kChannelSlots) {
            image.Channels[static_cast<std::size_t>(used)] = channel;
            image.Record.ChannelCount = static_cast<std::int16_t>(used + 1);
        }
    }
    FixChannelReferences(image);
}

std::vector<std::string> CsvImportReport(const CsvImport& import) {
    std::vector<std::string> lines;
    int corrected = 0;
    int refused = 0;
    for (const CsvRowOutcome& row : import.Rows) {
        std::string line = "line " + std::to_string(row.Line) + " (" + row.Location + "): ";
        switch (row.Result) {
        case CsvRowOutcome::Kind::Imported:
            line += "imported";
            break;
        case CsvRowOutcome::Kind::Corrected:
            line += "imported, corrected: ";
            ++corrected;
            break;
        case CsvRowOutcome::Kind::Refused:
            line += "refused: ";
            ++refused;
            break;
        }
        for (std::size_t i = 0; i < row.Notes.size(); ++i) {
            line += (i == 0 ? "" : "; ") + row.Notes[i];
        }
        lines.push_back(line);
    }
    const int total = static_cast<int>(import.Rows.size());
    lines.push_back(std::to_string(total) + " rows: " + std::to_string(total - refused) +
                    " imported (" + std::to_string(corrected) + " corrected), " +
                    std::to_string(refused) + " refused");
    return lines;
}

} // namespace rp70
