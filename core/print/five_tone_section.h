#pragma once
// The settings of the 5-tone editor as the printed report lists them.

#include "editors/setting_lines.h"
#include "model/radio_image.h"
#include "texts/language_texts.h"

namespace rp70 {

/// The labels and shown texts of the 5-tone editor, two pairs a printed line.
SettingLines FiveToneSectionLines(const RadioImage& image, const LanguageTexts& texts);

} // namespace rp70
