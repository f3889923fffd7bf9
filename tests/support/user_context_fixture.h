#pragma once
// A UserContext for tests: the shipped English texts and a recording interaction.

#include <filesystem>

#include "support/recording_interaction.h"
#include "texts/language_texts.h"
#include "texts/user_context.h"

namespace rp70::test {

struct UserContextFixture {
    RecordingInteraction ui;
    LanguageTexts texts = LanguageTexts::Load(std::filesystem::path(RP70_LANG_DIR) / "english.ini",
                                              Language::English);
    UserContext ctx{ui, texts};
};

} // namespace rp70::test
