#include "shell/program_folder.h"

#include <cstdlib>
#include <system_error>

#include "texts/path_text.h"

namespace rp70 {
namespace {

namespace fs = std::filesystem;

// The value of `name` when it is set and not empty.
std::optional<std::string> NonEmpty(const Environment& environment, std::string_view name) {
    if (!environment.Get) {
        return std::nullopt;
    }
    std::optional<std::string> value = environment.Get(name);
    if (!value || value->empty()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

Environment SystemEnvironment() {
    return Environment{[](std::string_view name) -> std::optional<std::string> {
#ifdef _WIN32
        // The wide environment: the narrow one holds only what the ANSI code page can.
        const wchar_t* value = _wgetenv(std::wstring(name.begin(), name.end()).c_str());
        if (value == nullptr) {
            return std::nullopt;
        }
        return Utf8Of(fs::path(value));
#else
        const char* value = std::getenv(std::string(name).c_str());
        if (value == nullptr) {
            return std::nullopt;
        }
        return std::string(value);
#endif
    }};
}

fs::path ProgramFolder(const Environment& environment, FolderRules rules) {
    if (const auto home = NonEmpty(environment, "RP70_HOME")) {
        return PathFromUtf8(*home);
    }
    if (rules == FolderRules::Unix) {
        // A relative XDG_DATA_HOME is to be ignored; absolute here means absolute on Unix.
        if (const auto data = NonEmpty(environment, "XDG_DATA_HOME");
            data && data->starts_with('/')) {
            return PathFromUtf8(*data) / "rp70cps";
        }
        if (const auto home = NonEmpty(environment, "HOME")) {
            return PathFromUtf8(*home) / ".local" / "share" / "rp70cps";
        }
    }
    if (const auto appData = NonEmpty(environment, "APPDATA")) {
        return PathFromUtf8(*appData) / "rp70cps";
    }
    return fs::path("rp70cps");
}

fs::path SettingsFilePath(const fs::path& programFolder) {
    return LanguageFolder(programFolder) / "mysetup.ini";
}

fs::path FeatureFilePath(const fs::path& programFolder) {
    return programFolder / "Setting.ini";
}

fs::path InitFolder(const fs::path& programFolder) {
    return programFolder / "Init";
}

fs::path LanguageFolder(const fs::path& programFolder) {
    return programFolder / "language";
}

fs::path LanguageFilePath(const fs::path& programFolder, const fs::path& shippedFolder,
                          std::string_view fileName) {
    const fs::path name(fileName);
    if (fileName.empty() || name != name.filename() || name == "." || name == "..") {
        return {};
    }
    const fs::path own = LanguageFolder(programFolder) / name;
    std::error_code error;
    if (fs::is_regular_file(own, error)) {
        return own;
    }
    return shippedFolder / name;
}

} // namespace rp70
