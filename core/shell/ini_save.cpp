#include "shell/ini_save.h"

#include <optional>
#include <system_error>

#include "files/file_io.h"

namespace rp70 {

bool SaveIniFile(const IniFile& ini, const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    return ReplaceFileContents(file, ini.Text());
}

bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
    std::optional<IniFile> ini = IniFile::Load(file);
    if (!ini || !ini->SetString(section, key, value)) {
        return false;
    }
    return SaveIniFile(*ini, file);
}

} // namespace rp70
