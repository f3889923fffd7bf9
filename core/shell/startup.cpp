#include "shell/startup.h"

#include <ctime>

#include "factory/factory_mode.h"
#include "files/data_file.h"
#include "shell/feature_file.h"
#include "shell/program_folder.h"

namespace rp70 {
namespace {

std::chrono::year_month_day LocalToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

} // namespace

ProgramState StartUp(const StartupInputs& inputs, RadioImage& image) {
    ProgramState state;
    state.Folder = inputs.ProgramFolder;
    state.ShippedLanguageFolder = inputs.ShippedLanguageFolder;
    SetLanguage(state, Language::English);

    image = RadioImage();
    InitFactoryMode(state.Folder, image.Factory);

    const std::filesystem::path settingsFile = SettingsFilePath(state.Folder);
    if (inputs.AvailablePorts && inputs.RecordsSettings) {
        state.Settings =
            ApplyStartupSettings(settingsFile, *inputs.AvailablePorts, state.IsVista).Values;
    } else {
        state.Settings = ReadSettingsFile(settingsFile);
        if (inputs.RecordsSettings) {
            WriteStartupSettings(settingsFile, state.Settings);
        }
    }

    if (inputs.Ui != nullptr) {
        UserContext ctx{*inputs.Ui, state.Texts};
        DataFileReader reader(ctx);
        ResetImage(image, state.Folder, &reader);
    } else {
        ResetImage(image, state.Folder, nullptr);
    }
    state.Features = ReadFeatureFlags(FeatureFilePath(state.Folder));
    state.Info = NewRadioInfo(inputs.Today ? *inputs.Today : LocalToday());
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
