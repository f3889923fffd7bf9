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

/// The environment of the running process, its values as UTF-8.
Environment SystemEnvironment();

/// Which system's conventions choose the program folder.
enum class FolderRules { Unix, Windows };

#ifdef _WIN32
inline constexpr FolderRules kHostFolderRules = FolderRules::Windows;
#else
inline constexpr FolderRules kHostFolderRules = FolderRules::Unix;
#endif

/// The program folder. Under the Windows rules: `%RP70_HOME%` when set and not empty, else
/// `%APPDATA%\rp70cps` (a HOME set by a Unix-like shell does not count), else the relative
/// folder "rp70cps". Under the Unix rules, the first of these that applies:
/// 1. `$RP70_HOME` when set and not empty (used as given);
/// 2. `$XDG_DATA_HOME/rp70cps` when set to an absolute path (a relative value
///    is ignored, as the XDG rules ask);
/// 3. `$HOME/.local/share/rp70cps` when HOME is set and not empty;
/// 4. `$APPDATA/rp70cps` when APPDATA is set and not empty;
/// 5. the relative folder "rp70cps" (below the current folder) when none of
///    them is set.
std::filesystem::path ProgramFolder(const Environment& environment,
                                    FolderRules rules = kHostFolderRules);

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
