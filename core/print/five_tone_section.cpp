#include "print/five_tone_section.h"

namespace rp70 {

// The 5-tone editor's own setting lines take this place once that editor lists them; until
// then the section prints its heading alone.
SettingLines FiveToneSectionLines(const RadioImage& /*image*/, const LanguageTexts& /*texts*/) {
    return {};
}

} // namespace rp70
