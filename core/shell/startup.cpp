#include "shell/startup.h"

#include "factory/factory_mode.h"
#include "files/data_file.h"
#include "shell/program_folder.h"

namespace rp70 {

ProgramState StartUp(const StartupInputs& inputs, RadioImage& image) {
    ProgramState state;
    state.Folder = inputs.ProgramFolder;
    state.ShippedLanguageFolder = inputs.ShippedLanguageFolder;
    SetLanguage(state, Language::English);

    image = RadioImage();
    InitFactoryMode(state.Folder, image.Factory);

    const std::filesystem::path settingsFile = SettingsFilePath(state.Folder);
    if (inputs.AvailablePorts) {
        state.Settings =
            ApplyStartupSettings(settingsFile, *inputs.AvailablePorts, state.IsVista).Values;
    } else {
        state.Settings = ReadSettingsFile(settingsFile);
        WriteStartupSettings(settingsFile, state.Settings);
    }

    if (inputs.Ui != nullptr) {
        UserContext ctx{*inputs.Ui, state.Texts};
        DataFileReader reader(ctx);
        ResetImage(image, state.Folder, &reader);
    } else {
        ResetImage(image, state.Folder, nullptr);
    }
    state.Features = ReadFeatureFlags(FeatureFilePath(state.Folder));
    return state;
}

void SetLanguage(ProgramState& state, Language language) {
    state.LanguageIndex = language;
    state.LanguageFile =
        LanguageFilePath(state.Folder, state.ShippedLanguageFolder, LanguageFileName(language));
    state.Texts = LanguageTexts::Load(state.LanguageFile, language);
}

bool SaveSettingsAtExit(const ProgramState& state,
                        const std::optional<WindowPlacement>& placement) {
    bool saved = true;
    if (placement) {
        saved = WriteWindowPlacement(WindowPlacementFilePath(state.Folder), *placement);
    }
    return WriteFeatureFlags(FeatureFilePath(state.Folder), state.Features) && saved;
}

} // namespace rp70
