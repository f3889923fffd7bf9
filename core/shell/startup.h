#pragma once
// What the program sets up when it starts and stores when it ends.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "link/link_context.h"
#include "model/feature_flags.h"
#include "model/radio_image.h"
#include "model/records/radio_info.h"
#include "shell/settings_file.h"
#include "shell/window_placement.h"
#include "texts/interaction.h"
#include "texts/language_texts.h"

namespace rp70 {

/// The program-wide state of a run, apart from the radio image: the texts, feature flags, radio
/// information and entered radio password a transfer works with, and the rest below.
struct ProgramState : LinkContext {
    std::filesystem::path Folder; ///< the program folder
    std::filesystem::path ShippedLanguageFolder;
    Language LanguageIndex = Language::English;
    std::filesystem::path LanguageFile; ///< the language file in use
    SettingsFileValues Settings;        ///< ComPort after the port check
    bool IsVista = false;               ///< the fixed port list mode; never on our platforms
};

struct StartupInputs {
    std::filesystem::path ProgramFolder;
    std::filesystem::path ShippedLanguageFolder;
    /// The machine's serial port numbers in enumeration order; nullopt when
    /// the caller does not check the configured port.
    std::optional<std::vector<std::int16_t>> AvailablePorts;
    /// Answers the password prompt of a protected "Init" template and shows its file errors;
    /// nullptr starts from the built-in defaults without looking at templates.
    Interaction* Ui = nullptr;
    /// The date the radio information start values are made from; nullopt: today (local time).
    std::optional<std::chrono::year_month_day> Today;
    /// Whether the run records the first start and the checked port in the settings file. The
    /// command line tool only reads it, so the desktop program's choices stay as they were.
    bool RecordsSettings = true;
};

/// Starts the program: factory test mode, language, settings file, the new radio image for
/// "KTRP70" band 3 (template included), the feature flags and the radio information. Never fails:
/// missing or damaged settings give their defaults. Numbers are read and
/// written with "." whatever the user's locale, so no locale is changed.
ProgramState StartUp(const StartupInputs& inputs, RadioImage& image);

/// Switches the language: the texts of its file (the program folder's copy
/// first, then the shipped one). Not stored; every run starts in English.
void SetLanguage(ProgramState& state, Language language);

/// Stores what a run leaves behind when the main window closes: the window
/// placement (nullopt while the window is minimised) and the feature flags.
/// Returns false when something could not be written.
bool SaveSettingsAtExit(const ProgramState& state, const std::optional<WindowPlacement>& placement);

} // namespace rp70
