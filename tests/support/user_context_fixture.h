#pragma once
// A UserContext for tests: the shipped English texts and a recording interaction.

#include <filesystem>

#include "shell/language_texts.h"
#include "shell/user_context.h"
#include "support/recording_interaction.h"

namespace rp70::test {

struct UserContextFixture {
    RecordingInteraction ui;
    LanguageTexts texts = LanguageTexts::Load(std::filesystem::path(RP70_LANG_DIR) / "english.ini",
                                              Language::English);
    UserContext ctx{ui, texts};
};

} // namespace rp70::test
