#pragma once
// The language texts of the running program: the numeric keys of the chosen
// language file and the built-in English/Chinese pairs.

#include <filesystem>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/builtin_texts.h"

namespace rp70 {

/// File name of a language inside the language folder ("english.ini", "chinese.ini").
std::string_view LanguageFileName(Language language);

class LanguageTexts {
public:
    /// No file: every key gives the empty text.
    LanguageTexts() = default;

    /// Reads the language file once. A missing or unreadable file gives empty texts.
    static LanguageTexts Load(const std::filesystem::path& file, Language language);

    Language Current() const { return language_; }

    /// Value of `key` in section "OTHER", trimmed; empty when missing.
    std::string GetText(int key) const;
    /// GetText of each key, in order: the entries of a list of fixed choices.
    std::vector<std::string> GetTexts(std::span<const int> keys) const;
    std::vector<std::string> GetTexts(std::initializer_list<int> keys) const {
        return GetTexts(std::span<const int>(keys.begin(), keys.size()));
    }
    /// Value of `key` in section "MSG" (for example "9001"), trimmed; empty when missing.
    std::string Msg(std::string_view key) const;
    /// Value of `key` in section "OPTION", trimmed; empty when missing.
    std::string Option(int key) const;

    /// The built-in text of the current language.
    std::string_view Builtin(BuiltinText text) const { return BuiltinTextFor(text, language_); }

private:
    std::string Value(std::string_view section, std::string_view key) const;

    Language language_ = Language::English;
    // section (upper case) -> key (upper case) -> value as read (trimmed, not yet cut)
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

} // namespace rp70
