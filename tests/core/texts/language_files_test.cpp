// The shipped language files: every text the program looks up exists in
// English and Chinese, both files hold the same keys, and the files are clean
// UTF-8 that the program's own loader reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/file_contents.h"
#include "texts/language_texts.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------
// The keys the program uses.

struct KeyRange {
    int First;
    int Last; // inclusive
};

// Section "OTHER".
constexpr KeyRange kOtherKeys[] = {
    // font name and size, OK and Cancel
    {20, 21},
    {101, 102},
    // main window menus
    {1000, 1009},
    {1010, 1019},
    {1020, 1028},
    {1030, 1033},
    {1040, 1048},
    {1050, 1053},
    {1060, 1061},
    {1070, 1074},
    {1804, 1804},
    {2401, 2401},
    {2601, 2601},
    {8001, 8001},
    // main window caption and tree
    {2012, 2012},
    {5021, 5021},
    {5023, 5025},
    {5028, 5028},
    {5804, 5804},
    {8000, 8000},
    // channel table and channel edit dialog
    {1101, 1114},
    {1116, 1116},
    {1140, 1140},
    {1202, 1207},
    {1210, 1212},
    {1214, 1221},
    {1300, 1301},
    {3006, 3006},
    // serial port dialog, language dialog
    {1401, 1402},
    {1501, 1503},
    // DTMF dialog
    {1601, 1612},
    {1650, 1651},
    {1653, 1653},
    {1780, 1780},
    {3001, 3003},
    // options dialog (1717 and 1740 ... 1746 belong to the channel and DTMF dialogs)
    {1700, 1725},
    {1727, 1756},
    {1761, 1762},
    {1765, 1770},
    {1782, 1782},
    {1784, 1788},
    {1790, 1792},
    {1794, 1799},
    {3010, 3011},
    // communication book
    {1800, 1803},
    {3007, 3007},
    // 5-tone standard and info code captions
    {3004, 3005},
    // frequency warning, serial port and transfer results
    {2001, 2002},
    {2004, 2008},
    {9905, 9905},
    // about box, model dialog
    {2100, 2101},
    {2200, 2200},
    {2300, 2302},
    // scan dialog
    {2400, 2400},
    {2402, 2413},
    {2430, 2439},
    // alert dialog
    {2600, 2600},
    {2602, 2615},
    {2630, 2636},
    // printing
    {3008, 3009},
    // radio password dialog
    {3100, 3101},
};

// Section "MSG" (9905 is also kept here, so that either lookup finds it).
constexpr std::string_view kMsgKeys[] = {"9001", "900C", "9905"};

// Section "OPTION".
constexpr KeyRange kOptionKeys[] = {
    {60024, 60025}, {60043, 60059}, {60061, 60064}, {60069, 60082}, {60084, 60088},
    {60093, 60093}, {60095, 60099}, {60300, 60315}, {60318, 60318},
};

// Menu entries: each caption carries exactly one keyboard accelerator.
constexpr KeyRange kMenuKeys[] = {
    {1000, 1008}, {1010, 1015}, {1020, 1028}, {1030, 1033}, {1040, 1048}, {1050, 1053},
    {1060, 1061}, {1070, 1074}, {1804, 1804}, {2401, 2401}, {2601, 2601}, {8001, 8001},
};

// Chinese texts that are rightly written without Chinese characters: the font
// name and technical abbreviations used as they stand in Chinese radio software.
constexpr int kLatinChineseOtherKeys[] = {20, 1740, 1743};

// A language text is read into a buffer of 255 characters.
constexpr std::size_t kMaxTextCharacters = 254;

std::vector<int> Expand(const KeyRange* first, const KeyRange* last) {
    std::vector<int> keys;
    for (const KeyRange* range = first; range != last; ++range) {
        for (int key = range->First; key <= range->Last; ++key) {
            keys.push_back(key);
        }
    }
    return keys;
}

std::vector<int> RequiredOtherKeys() {
    return Expand(std::begin(kOtherKeys), std::end(kOtherKeys));
}

std::vector<int> RequiredOptionKeys() {
    return Expand(std::begin(kOptionKeys), std::end(kOptionKeys));
}

std::vector<int> MenuKeys() {
    return Expand(std::begin(kMenuKeys), std::end(kMenuKeys));
}

// ---------------------------------------------------------------------------
// Files.

fs::path LanguageFile(Language language) {
    return fs::path(RP70_LANG_DIR) / std::string(LanguageFileName(language));
}

const char* Name(Language language) {
    return language == Language::Chinese ? "chinese.ini" : "english.ini";
}

constexpr Language kLanguages[] = {Language::English, Language::Chinese};

// ---------------------------------------------------------------------------
// A small ini reader that also reports what the program's reader would
// silently pass over: stray lines, keys outside a section, repeated keys.

struct ParsedIni {
    // section (upper case) -> key (upper case) -> value (trimmed)
    std::map<std::string, std::map<std::string, std::string>> Sections;
    std::vector<std::string> Problems;
};

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// Line ends and a byte order mark are checked by the format test; here they are tolerated.
ParsedIni ParseIni(std::string_view text) {
    ParsedIni ini;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::string section;
    bool inSection = false;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        line = Trim(line);
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') {
                ini.Problems.push_back(where + "unclosed section name");
                continue;
            }
            section = Upper(Trim(line.substr(1, line.size() - 2)));
            inSection = true;
            if (ini.Sections.count(section) != 0) {
                ini.Problems.push_back(where + "section [" + section + "] opened twice");
            }
            ini.Sections[section];
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            ini.Problems.push_back(where + "neither a section, a key nor a comment");
            continue;
        }
        if (!inSection) {
            ini.Problems.push_back(where + "key outside any section");
            continue;
        }
        const std::string key = Upper(Trim(line.substr(0, equals)));
        const std::string value(Trim(line.substr(equals + 1)));
        if (!ini.Sections[section].emplace(key, value).second) {
            ini.Problems.push_back(where + "key " + key + " repeated in [" + section + "]");
        }
    }
    return ini;
}

ParsedIni ParseFile(Language language) {
    return ParseIni(test::ReadFileText(LanguageFile(language)));
}

// ---------------------------------------------------------------------------
// UTF-8.

// Decodes strict UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF); nullopt for anything else.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view bytes) {
    std::vector<char32_t> code_points;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07;
            minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + length > bytes.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return std::nullopt;
        }
        code_points.push_back(value);
        i += length;
    }
    return code_points;
}

bool IsChineseCharacter(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF);
}

bool HasChineseCharacter(std::string_view text) {
    const auto code_points = DecodeUtf8(text);
    return code_points && std::any_of(code_points->begin(), code_points->end(), IsChineseCharacter);
}

bool HasNonAscii(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Numbers and units only ("120°", "ms"): nothing a translator would write in Chinese.
bool IsNumberOrUnit(std::string_view text) {
    static const std::set<std::string, std::less<>> kUnits = {"ms", "s", "Hz", "MHz", "kHz", "K"};
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::isalpha(c)) {
            std::size_t end = i;
            while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) {
                ++end;
            }
            if (kUnits.count(text.substr(i, end - i)) == 0) {
                return false;
            }
            i = end;
        } else if (text.substr(i, 2) == "\xC2\xB0") { // degree sign
            i += 2;
        } else if (c >= 0x80) {
            return false;
        } else {
            ++i;
        }
    }
    return true;
}

std::size_t CharacterCount(std::string_view text) {
    const auto code_points = DecodeUtf8(text);
    return code_points ? code_points->size() : text.size();
}

// ---------------------------------------------------------------------------
// Key uses in the program's sources.

struct KeyUse {
    std::string Section; // "OTHER", "MSG" or "OPTION"
    std::string Key;
    std::string Where;
};

bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
    return at;
}

// The literal argument of `name(` at `at` (just past the name): digits, or a
// quoted text when `quoted`; nullopt when the argument is anything else.
std::optional<std::string> LiteralArgument(std::string_view text, std::size_t at, bool quoted) {
    at = SkipBlanks(text, at);
    if (at >= text.size() || text[at] != '(') {
        return std::nullopt;
    }
    at = SkipBlanks(text, at + 1);
    std::string argument;
    if (quoted) {
        if (at >= text.size() || text[at] != '"') {
            return std::nullopt;
        }
        const std::size_t close = text.find('"', at + 1);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        argument = std::string(text.substr(at + 1, close - at - 1));
        at = close + 1;
    } else {
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0) {
            argument.push_back(text[at++]);
        }
        if (argument.empty()) {
            return std::nullopt;
        }
    }
    at = SkipBlanks(text, at);
    if (at >= text.size() || text[at] != ')') {
        return std::nullopt;
    }
    return argument;
}

int LineOf(std::string_view text, std::size_t at) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
}

void FindKeyUses(std::string_view text, const std::string& file, std::vector<KeyUse>& uses) {
    struct Call {
        std::string_view Name;
        bool Member; // must follow "." or "->"
        bool Quoted;
    };
    constexpr Call kCalls[] = {
        {"GetText", false, false},
        {"TextKey", false, false},
        {"Option", true, false},
        {"Msg", true, true},
    };
    for (const Call& call : kCalls) {
        for (std::size_t at = text.find(call.Name); at != std::string_view::npos;
             at = text.find(call.Name, at + 1)) {
            const std::size_t end = at + call.Name.size();
            if (end < text.size() && IsIdentifierChar(text[end])) {
                continue;
            }
            if (call.Member) {
                const bool dot = at >= 1 && text[at - 1] == '.';
                const bool arrow = at >= 2 && text.substr(at - 2, 2) == "->";
                if (!dot && !arrow) {
                    continue;
                }
            } else if (at > 0 && IsIdentifierChar(text[at - 1])) {
                continue;
            }
            const std::optional<std::string> argument = LiteralArgument(text, end, call.Quoted);
            if (!argument) {
                continue;
            }
            std::string section = "OTHER";
            if (call.Name == "Msg") {
                section = "MSG";
            } else if (call.Name == "Option" || (call.Name == "TextKey" && argument->size() >= 5)) {
                section = "OPTION";
            }
            uses.push_back({section, *argument,
                            file + ":" + std::to_string(LineOf(text, at)) + " " +
                                std::string(call.Name) + "(" + *argument + ")"});
        }
    }
}

std::vector<KeyUse> KeyUsesInSources() {
    std::vector<KeyUse> uses;
    const fs::path root(RP70_SOURCE_DIR);
    for (const char* folder : {"core", "gui", "apps", "port", "sim"}) {
        std::error_code error;
        if (!fs::is_directory(root / folder, error)) {
            continue;
        }
        for (auto entry = fs::recursive_directory_iterator(root / folder, error);
             !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
            const fs::path& path = entry->path();
            if (!entry->is_regular_file() ||
                (path.extension() != ".h" && path.extension() != ".cpp")) {
                continue;
            }
            FindKeyUses(test::ReadFileText(path), fs::relative(path, root).generic_string(), uses);
        }
    }
    return uses;
}

std::string Lookup(const LanguageTexts& texts, const std::string& section, const std::string& key) {
    if (section == "MSG") {
        return texts.Msg(key);
    }
    int number = 0;
    const auto result = std::from_chars(key.data(), key.data() + key.size(), number);
    if (result.ec != std::errc() || result.ptr != key.data() + key.size()) {
        return {};
    }
    return section == "OPTION" ? texts.Option(number) : texts.GetText(number);
}

// ---------------------------------------------------------------------------
// Tests: the form of the files.

TEST(LanguageFilesFormat, FilesAreUtf8WithoutByteOrderMarkAndWithLineFeedEnds) {
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        const fs::path file = LanguageFile(language);
        ASSERT_TRUE(fs::is_regular_file(file)) << file;
        const std::string bytes = test::ReadFileText(file);
        ASSERT_FALSE(bytes.empty());
        EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "byte order mark";
        EXPECT_EQ(bytes.find('\r'), std::string::npos) << "carriage return";
        EXPECT_EQ(bytes.find('\0'), std::string::npos) << "NUL byte";
        EXPECT_EQ(bytes.back(), '\n') << "last line without line feed";
        EXPECT_TRUE(DecodeUtf8(bytes).has_value()) << "not valid UTF-8";
    }
}

TEST(LanguageFilesFormat, EveryLineIsASectionAKeyOrAComment) {
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        const ParsedIni ini = ParseFile(language);
        for (const std::string& problem : ini.Problems) {
            ADD_FAILURE() << problem;
        }
        std::set<std::string> sections;
        for (const auto& [section, keys] : ini.Sections) {
            sections.insert(section);
        }
        EXPECT_EQ(sections, (std::set<std::string>{"MSG", "OPTION", "OTHER"}));
    }
}

// ---------------------------------------------------------------------------
// Tests: the keys.

TEST(LanguageFilesKeys, EveryKeyOfTheProgramHasATextInBothLanguages) {
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        const LanguageTexts texts = LanguageTexts::Load(LanguageFile(language), language);
        for (int key : RequiredOtherKeys()) {
            EXPECT_FALSE(texts.GetText(key).empty()) << "OTHER " << key;
        }
        for (std::string_view key : kMsgKeys) {
            EXPECT_FALSE(texts.Msg(key).empty()) << "MSG " << key;
        }
        for (int key : RequiredOptionKeys()) {
            EXPECT_FALSE(texts.Option(key).empty()) << "OPTION " << key;
        }
    }
}

TEST(LanguageFilesKeys, FilesHoldOnlyKeysTheProgramKnows) {
    std::map<std::string, std::set<std::string>> known;
    for (int key : RequiredOtherKeys()) {
        known["OTHER"].insert(std::to_string(key));
    }
    for (std::string_view key : kMsgKeys) {
        known["MSG"].insert(std::string(key));
    }
    for (int key : RequiredOptionKeys()) {
        known["OPTION"].insert(std::to_string(key));
    }
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        for (const auto& [section, keys] : ParseFile(language).Sections) {
            for (const auto& [key, value] : keys) {
                EXPECT_EQ(known[section].count(key), 1U) << "unknown key " << section << " " << key;
            }
        }
    }
}

TEST(LanguageFilesKeys, BothLanguagesHaveTheSameKeys) {
    const ParsedIni english = ParseFile(Language::English);
    const ParsedIni chinese = ParseFile(Language::Chinese);
    for (const char* section : {"OTHER", "MSG", "OPTION"}) {
        SCOPED_TRACE(section);
        std::set<std::string> englishKeys;
        std::set<std::string> chineseKeys;
        if (const auto found = english.Sections.find(section); found != english.Sections.end()) {
            for (const auto& [key, value] : found->second) {
                englishKeys.insert(key);
            }
        }
        if (const auto found = chinese.Sections.find(section); found != chinese.Sections.end()) {
            for (const auto& [key, value] : found->second) {
                chineseKeys.insert(key);
            }
        }
        for (const std::string& key : englishKeys) {
            EXPECT_EQ(chineseKeys.count(key), 1U) << key << " only in english.ini";
        }
        for (const std::string& key : chineseKeys) {
            EXPECT_EQ(englishKeys.count(key), 1U) << key << " only in chinese.ini";
        }
    }
}

TEST(LanguageFilesKeys, EveryKeyUsedInTheSourcesHasATextInBothLanguages) {
    ASSERT_TRUE(fs::is_directory(fs::path(RP70_SOURCE_DIR) / "core")) << RP70_SOURCE_DIR;
    const std::vector<KeyUse> uses = KeyUsesInSources();
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        const LanguageTexts texts = LanguageTexts::Load(LanguageFile(language), language);
        for (const KeyUse& use : uses) {
            EXPECT_FALSE(Lookup(texts, use.Section, use.Key).empty())
                << use.Where << ": no text in section " << use.Section;
        }
    }
}

TEST(LanguageFilesKeys, SourceScanFindsLiteralKeysAndSkipsNamedOnes) {
    std::vector<KeyUse> uses;
    FindKeyUses("texts.GetText(1101); ctx.Texts.GetText( 2001 ); texts.Option(60024);\n"
                "texts->Msg(\"900C\"); TextKey(60302); TextKey(1751);\n"
                "texts.GetText(kFrequencyWarningKey); MyGetText(5); Msg(\"9001\");",
                "sample.cpp", uses);
    std::vector<std::string> found;
    for (const KeyUse& use : uses) {
        found.push_back(use.Section + " " + use.Key);
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"MSG 900C", "OPTION 60024", "OPTION 60302",
                                               "OTHER 1101", "OTHER 1751", "OTHER 2001"}));
}

// ---------------------------------------------------------------------------
// Tests: the texts.

TEST(LanguageFilesTexts, FontNameAndSizeAreGiven) {
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        const LanguageTexts texts = LanguageTexts::Load(LanguageFile(language), language);
        EXPECT_FALSE(texts.GetText(20).empty());
        const std::string size = texts.GetText(21);
        int points = 0;
        const auto result = std::from_chars(size.data(), size.data() + size.size(), points);
        EXPECT_TRUE(result.ec == std::errc() && result.ptr == size.data() + size.size()) << size;
        EXPECT_GE(points, 6);
        EXPECT_LE(points, 20);
    }
}

TEST(LanguageFilesTexts, ChineseTextsAreWrittenInChinese) {
    const ParsedIni chinese = ParseFile(Language::Chinese);
    const std::set<int> latinAllowed(std::begin(kLatinChineseOtherKeys),
                                     std::end(kLatinChineseOtherKeys));
    for (const auto& [section, keys] : chinese.Sections) {
        for (const auto& [key, value] : keys) {
            int number = 0;
            std::from_chars(key.data(), key.data() + key.size(), number);
            if (section == "OTHER" && (number == 21 || latinAllowed.count(number) != 0)) {
                continue;
            }
            EXPECT_TRUE(HasChineseCharacter(value) || IsNumberOrUnit(value))
                << section << " " << key << "=" << value;
        }
    }
}

TEST(LanguageFilesTexts, EnglishTextsHoldNoChinese) {
    for (const auto& [section, keys] : ParseFile(Language::English).Sections) {
        for (const auto& [key, value] : keys) {
            EXPECT_FALSE(HasChineseCharacter(value)) << section << " " << key << "=" << value;
            if (HasNonAscii(value)) {
                EXPECT_TRUE(IsNumberOrUnit(value)) << section << " " << key << "=" << value;
            }
        }
    }
}

TEST(LanguageFilesTexts, MenuEntriesCarryExactlyOneAccelerator) {
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        const LanguageTexts texts = LanguageTexts::Load(LanguageFile(language), language);
        for (int key : MenuKeys()) {
            const std::string text = texts.GetText(key);
            const std::size_t amp = text.find('&');
            ASSERT_NE(amp, std::string::npos) << key << "=" << text;
            EXPECT_EQ(text.find('&', amp + 1), std::string::npos) << key << "=" << text;
            ASSERT_LT(amp + 1, text.size()) << key << "=" << text;
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(text[amp + 1])))
                << key << "=" << text;
        }
    }
}

TEST(LanguageFilesTexts, MenuAcceleratorsAreUniqueWithinEachMenu) {
    // Entries of one menu, and the menu bar itself.
    const std::vector<std::vector<int>> menus = {
        {1000, 1060, 1070, 1010, 1030, 1040, 1020, 1050},
        {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1014, 1015, 1046, 1047},
        {1061},
        {1071, 1072, 1073, 1074},
        {1011, 1012, 1013, 1021, 1022, 1023, 1024, 1025, 2401, 2601, 1804, 1028, 8001},
        {1031, 1032, 1033},
        {1041, 1042, 1043, 1044, 1045, 1048},
        {1026, 1027},
        {1051, 1052, 1053},
    };
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        const LanguageTexts texts = LanguageTexts::Load(LanguageFile(language), language);
        for (const std::vector<int>& menu : menus) {
            std::map<char, int> used;
            for (int key : menu) {
                const std::string text = texts.GetText(key);
                const std::size_t amp = text.find('&');
                if (amp == std::string::npos || amp + 1 >= text.size()) {
                    continue; // reported by MenuEntriesCarryExactlyOneAccelerator
                }
                const char letter =
                    static_cast<char>(std::toupper(static_cast<unsigned char>(text[amp + 1])));
                const auto [previous, inserted] = used.emplace(letter, key);
                EXPECT_TRUE(inserted) << key << " and " << previous->second << " share &" << letter;
            }
        }
    }
}

TEST(LanguageFilesTexts, TextsFitTheLanguageTextBufferAndNeedNoTrimming) {
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        for (const auto& [section, keys] : ParseFile(language).Sections) {
            for (const auto& [key, value] : keys) {
                EXPECT_FALSE(value.empty()) << section << " " << key;
                EXPECT_LE(CharacterCount(value), kMaxTextCharacters) << section << " " << key;
                EXPECT_EQ(value.find('"'), std::string::npos)
                    << section << " " << key << ": quotes would be shown as written";
            }
        }
    }
}

TEST(LanguageFilesTexts, OkCancelAndSharedCaptionsMatchAcrossSections) {
    // The signalling dialogs take OK and Cancel from OPTION, all other dialogs from OTHER.
    for (Language language : kLanguages) {
        SCOPED_TRACE(Name(language));
        const LanguageTexts texts = LanguageTexts::Load(LanguageFile(language), language);
        EXPECT_EQ(texts.Option(60024), texts.GetText(101));
        EXPECT_EQ(texts.Option(60025), texts.GetText(102));
        // The transfer failure note exists under both lookups with one wording.
        EXPECT_EQ(texts.Msg("9905"), texts.GetText(9905));
    }
}

} // namespace
} // namespace rp70
