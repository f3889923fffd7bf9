#pragma once
// The program folder: the per-user folder that holds the settings file, the
// feature file, the window placement, the "Init" templates, the factory marker
// and an optional "language" folder overriding the shipped language files.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace rp70 {

/// The environment variables the program folder depends on. Passed in, so
/// that tests never touch the real process environment.
struct Environment {
    /// Value of the variable `name`; nullopt when it is not set. An empty
    /// function stands for an empty environment.
    std::function<std::optional<std::string>(std::string_view name)> Get;
};

/// The environment of the running process.
Environment SystemEnvironment();

/// The program folder, chosen by the first of these that applies:
/// 1. `$RP70_HOME` when set and not empty (used as given);
/// 2. `$XDG_DATA_HOME/rp70cps` when set to an absolute path (a relative value
///    is ignored, as the XDG rules ask);
/// 3. `$HOME/.local/share/rp70cps` when HOME is set and not empty;
/// 4. `$APPDATA/rp70cps` when APPDATA is set and not empty (Windows, where
///    HOME is normally unset);
/// 5. the relative folder "rp70cps" (below the current folder) when none of
///    them is set.
std::filesystem::path ProgramFolder(const Environment& environment);

/// The settings file "language/mysetup.ini" in the program folder.
std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder);

/// The feature file "Setting.ini" in the program folder.
std::filesystem::path FeatureFilePath(const std::filesystem::path& programFolder);

/// The template folder "Init" in the program folder.
std::filesystem::path InitFolder(const std::filesystem::path& programFolder);

/// The folder "language" in the program folder. It holds the settings file and
/// language files that override the shipped ones.
std::filesystem::path LanguageFolder(const std::filesystem::path& programFolder);

/// The language file `fileName` ("english.ini", "chinese.ini"): the copy in
/// the program folder's "language" folder when that is an existing file,
/// otherwise the one in `shippedFolder`. A file name that is not a plain name
/// (a folder part, "..", empty) gives an empty path, which reads as a missing
/// file.
std::filesystem::path LanguageFilePath(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& shippedFolder,
                                       std::string_view fileName);

} // namespace rp70
