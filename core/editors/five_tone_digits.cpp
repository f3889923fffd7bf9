#include "editors/five_tone_digits.h"

#include <cstddef>

#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr std::array<FiveToneStandard, kFiveToneStandardCount> kStandards = {{
    {"ZVEI1",
     {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "2800", "810",
      "970", "885", "2600", "680"},
     70},
    {"ZVEI2",
     {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "885", "810",
      "740", "680", "970", "2600"},
     70},
    {"ZVEI3",
     {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "885", "", "",
      "", "2400", ""},
     70},
    {"PZVEI",
     {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200", "970", "810",
      "2800", "885", "2600", "680"},
     70},
    {"DZVEI",
     {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "825/885",
      "740", "2600", "885", "2400", "680"},
     70},
    {"PDZVEI",
     {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "825", "886",
      "2600", "856", "2400", ""},
     70},
    {"CCIR1",
     {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "2400", "930",
      "2247", "991", "2110", "1055"},
     100},
    {"CCIR2",
     {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "2400", "930",
      "2247", "991", "2110", "1055"},
     70},
    {"PCCIR",
     {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "1050", "930",
      "2400", "991", "2110", ""},
     100},
    {"EEA",
     {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860", "1055", "930",
      "2400", "991", "2110", "2247"},
     40},
    {"EURO SIGNAL",
     {"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0", "510.7", "470.8", "",
      "", "", "", "1062.9", ""},
     100},
    {"NATEL",
     {"1633", "631", "697", "770", "852", "941", "1040", "1209", "1336", "1477", "1995", "571",
      "2205", "2437", "1805", "2694"},
     70},
    {"MODAT",
     {"637.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5", "1837.5",
      "1987.5", "", "", "", "", "487.5", ""},
     40},
    {"CCITT",
     {"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0", "1663.0", "1800.0",
      "1900.0", "2000.0", "2100.0", "2200.0", "2300.0", "0.0"},
     70},
}};

constexpr std::string_view kDigitNames = "0123456789ABCDEF";
constexpr std::string_view kSelfId = "SelfID";
constexpr std::size_t kIdLength = 5;
// In a data message ("E1", target, "E", message) the message digits after the eighth character
// are sent as they are.
constexpr std::string_view kMessagePrefix = "E1";
constexpr std::size_t kMessageHead = 8;
constexpr std::string_view kLineEnd = "\r\n";

bool IsSeparator(char c) {
    return c >= 'A' && c <= 'F';
}

// A heading text of the standard table: the language text without blanks around it and without
// its last character (the colon the language files end these texts with).
std::string Heading(const LanguageTexts& texts, int key) {
    std::string text = texts.Option(key);
    if (text.empty()) {
        return text;
    }
    std::size_t last = text.size() - 1;
    while (last > 0 && (static_cast<unsigned char>(text[last]) & 0xC0) == 0x80) {
        --last; // the start of a character of several UTF-8 bytes
    }
    text.erase(last);
    return text;
}

// The repeat rule over `text`, keeping the characters at the 1-based positions `keepFrom` …
// `keepTo` as they are.
std::string Encode(std::string_view text, std::size_t keepFrom, std::size_t keepTo) {
    std::string out;
    if (text.empty()) {
        return out;
    }
    out += text[0];
    const bool message = text.starts_with(kMessagePrefix);
    for (std::size_t i = 2; i <= text.size(); ++i) {
        const char c = text[i - 1];
        const bool keep = (message && i > kMessageHead) || (i >= keepFrom && i <= keepTo);
        out += !keep && out[i - 2] == c ? 'E' : c;
    }
    return out;
}

} // namespace

const std::array<FiveToneStandard, kFiveToneStandardCount>& FiveToneStandards() {
    return kStandards;
}

std::vector<std::string> FiveToneStandardNames() {
    std::vector<std::string> names;
    for (const FiveToneStandard& standard : kStandards) {
        names.emplace_back(standard.Name);
    }
    return names;
}

int DefaultToneLength(int standard) {
    if (standard < 0 || standard >= kFiveToneStandardCount) {
        return 7;
    }
    return kStandards[static_cast<std::size_t>(standard)].DurationMs / 10;
}

std::string StandardTableText(int standard, const LanguageTexts& texts) {
    if (standard < 0 || standard >= kFiveToneStandardCount) {
        return {};
    }
    const FiveToneStandard& row = kStandards[static_cast<std::size_t>(standard)];
    std::string out = std::string(row.Name) + std::string(kLineEnd);
    out += Heading(texts, 60085) + "(Hz)" + std::string(kLineEnd);
    for (std::size_t d = 0; d < row.Tones.size(); ++d) {
        out += kDigitNames[d];
        out += ' ';
        out += row.Tones[d];
        out += kLineEnd;
    }
    out += Heading(texts, 60086) + "(ms) " + FormatInteger(row.DurationMs) + std::string(kLineEnd);
    out += Heading(texts, 60087) + " A" + std::string(kLineEnd);
    out += Heading(texts, 60088) + " E" + std::string(kLineEnd);
    return out;
}

std::string StoredDigits(std::string_view field) {
    field = field.substr(0, field.find('\0'));
    const std::size_t end = field.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view{}
                                                     : field.substr(0, end + 1));
}

std::string EncodeRepeats(std::string_view digits, char preceding) {
    std::string text = StoredDigits(digits);
    if (text.empty()) {
        return text;
    }
    const bool withPreceding = preceding != 'X';
    if (withPreceding) {
        text.insert(text.begin(), preceding);
    }
    std::string out = Encode(text, 0, 0);
    if (withPreceding) {
        out.erase(0, 1);
    }
    return out;
}

bool IsAniCode(std::string_view code, std::string_view ownId) {
    const std::size_t size = code.size();
    if (size <= 9) {
        return false;
    }
    if (code.ends_with(kSelfId)) {
        return size == kIdLength + kSelfId.size() ||
               (size == kIdLength + 1 + kSelfId.size() && IsSeparator(code[kIdLength]));
    }
    if (ownId.size() != kIdLength) {
        return false;
    }
    const std::string_view tail = code.substr(size - kIdLength);
    const bool ownTail = tail == ownId || tail == EncodeRepeats(ownId) ||
                         tail == EncodeRepeats(ownId, code[size - kIdLength - 1]);
    return ownTail &&
           (size == 2 * kIdLength || (size == 2 * kIdLength + 1 && IsSeparator(code[kIdLength])));
}

std::string EncodeCode(std::string_view code, std::string_view ownId) {
    const std::string text = StoredDigits(code);
    if (!IsAniCode(text, ownId)) {
        return EncodeRepeats(text);
    }
    // An 11-character ANI code keeps its separator and the own ID's first digit as they are.
    return text.size() == 2 * kIdLength + 1 ? Encode(text, kIdLength + 1, kIdLength + 2)
                                            : Encode(text, 0, 0);
}

std::string Mid5ToneNoE(std::string_view text, int start, int length) {
    std::string out;
    for (int i = start; i < start + length; ++i) {
        if (i < 1 || i > static_cast<int>(text.size())) {
            continue;
        }
        const std::size_t at = static_cast<std::size_t>(i - 1);
        out += text[at] == 'E' && at > 0 ? text[at - 1] : text[at];
    }
    return out;
}

std::string CodeToLength(std::string_view digits, int length) {
    std::string out(digits);
    if (length < 0) {
        return out;
    }
    out.resize(static_cast<std::size_t>(length), 'E');
    return out;
}

} // namespace rp70
