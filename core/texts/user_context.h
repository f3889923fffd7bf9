#pragma once
// What a core operation needs to talk to the person: the interaction and the texts.

#include "texts/interaction.h"
#include "texts/language_texts.h"

namespace rp70 {

struct UserContext {
    Interaction& Ui;
    const LanguageTexts& Texts;
};

} // namespace rp70
