#include "texts/language_texts.h"

#include <optional>

#include "texts/ini_file.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

/// Language texts are read into a buffer of this many characters (at most 254 characters of text).
constexpr std::size_t kLanguageTextBufferSize = 255;

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

} // namespace

std::string_view LanguageFileName(Language language) {
    return language == Language::Chinese ? "chinese.ini" : "english.ini";
}

LanguageTexts LanguageTexts::Load(const std::filesystem::path& file, Language language) {
    LanguageTexts texts;
    texts.language_ = language;
    const std::optional<IniFile> ini = IniFile::Load(file);
    if (!ini) {
        return texts;
    }
    // The first occurrence of a key wins, as for every profile read.
    ini->ForEach([&texts](std::string_view section, std::string_view key, std::string_view value) {
        texts.sections_[UpperAscii(section)].emplace(UpperAscii(key), std::string(value));
    });
    return texts;
}

std::vector<std::string> LanguageTexts::GetTexts(std::span<const int> keys) const {
    std::vector<std::string> texts;
    texts.reserve(keys.size());
    for (const int key : keys) {
        texts.push_back(GetText(key));
    }
    return texts;
}

std::string LanguageTexts::GetText(int key) const {
    return Value("OTHER", FormatInteger(key));
}

std::string LanguageTexts::Msg(std::string_view key) const {
    return Value("MSG", key);
}

std::string LanguageTexts::Option(int key) const {
    return Value("OPTION", FormatInteger(key));
}

std::string LanguageTexts::Value(std::string_view section, std::string_view key) const {
    const auto keys = sections_.find(UpperAscii(section));
    if (keys == sections_.end()) {
        return {};
    }
    const auto value = keys->second.find(UpperAscii(TrimBlanks(key)));
    if (value == keys->second.end()) {
        return {};
    }
    return std::string(TrimBlanks(CutToBuffer(value->second, kLanguageTextBufferSize)));
}

} // namespace rp70
