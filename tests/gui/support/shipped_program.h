#pragma once
// The program as the widget tests start it: the shipped language files and a program folder of
// the test's own.

#include <filesystem>
#include <memory>
#include <string>

#include "model/radio_image.h"
#include "shell/startup.h"
#include "support/recording_interaction.h"
#include "texts/language_texts.h"

namespace rp70::test {

/// The texts of a shipped language file.
inline LanguageTexts ShippedTexts(Language language = Language::English) {
    return LanguageTexts::Load(std::filesystem::path(RP70_LANG_DIR) / LanguageFileName(language),
                               language);
}

/// What the program holds when its main window opens: the image, the state and scripted answers.
struct StartedProgram {
    explicit StartedProgram(const std::filesystem::path& folder)
        : state(StartUp({folder, RP70_LANG_DIR, std::nullopt, nullptr, {}}, *image)) {}

    std::string Text(int key) const { return state.Texts.GetText(key); }

    std::unique_ptr<RadioImage> image = std::make_unique<RadioImage>();
    ProgramState state;
    RecordingInteraction ui;
};

} // namespace rp70::test
