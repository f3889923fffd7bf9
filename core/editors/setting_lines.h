#pragma once
// What an editor shows, as label and text pairs: the printed report and `rp70 settings` list an
// editor's settings with the labels and the texts its inputs show, without opening its window.

#include <string>
#include <vector>

#include "texts/language_texts.h"

namespace rp70 {

/// One input of an editor: its label and the text it shows (a list's chosen entry, CheckText of
/// a check box, a text box's text).
struct SettingLine {
    std::string Label;
    std::string Value;

    bool operator==(const SettingLine&) const = default;
};

using SettingLines = std::vector<SettingLine>;

/// The text a check box stands for in a setting line: "On" or "Off" (keys 1756, 1755).
inline std::string CheckText(bool on, const LanguageTexts& texts) {
    return texts.GetText(on ? 1756 : 1755);
}

} // namespace rp70
