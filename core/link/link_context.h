#pragma once
// What a transfer reads and changes of the program's state beside the radio image: the texts it
// shows, the feature flags radios report, the radio information block and the radio password the
// person entered. The program's state of a run is built on it.

#include <string>

#include "model/feature_flags.h"
#include "model/records/radio_info.h"
#include "texts/language_texts.h"

namespace rp70 {

struct LinkContext {
    LanguageTexts Texts;
    FeatureFlags Features;
    RadioInfo Info; ///< the radio information block, start values until a radio is asked
    /// The radio password last confirmed in the radio password dialog; never saved.
    std::string EnteredPassword;
};

} // namespace rp70
