// The ini reading behind the language files and the settings files. The input holds a section
// name, a key and a value (each preceded by its length) and then the file's text. The text
// written back must read as the same text again; a value that was set must be found, also
// after the file was written and read back; the settings built from the file and its texts as
// a language file must come out without failing.

#include "fuzz_support.h"
#include "shell/settings_file.h"
#include "texts/ini_file.h"
#include "texts/number_text.h"

using namespace rp70;

namespace {

std::string TextOf(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    // SetString trims the names, the files hold them trimmed, and the callers look them up so.
    const std::string section(TrimBlanks(TextOf(input.Take(input.Byte() % 16))));
    const std::string key(TrimBlanks(TextOf(input.Take(input.Byte() % 16))));
    const std::string value = TextOf(input.Take(input.Byte() % 32));
    IniFile ini = IniFile::Parse(TextOf(input.Rest()));

    fuzz::Require(IniFile::Parse(ini.Text()).Text() == ini.Text());

    (void)SettingsFromIni(ini);
    // The language texts: every key of every section, cut as a text is shown.
    ini.ForEach([](std::string_view, std::string_view, std::string_view text) {
        (void)CutToBuffer(text, 255);
    });

    if (ini.SetString(section, key, value)) {
        const std::string expected(TrimBlanks(value));
        fuzz::Require(ini.Find(section, key) == expected);
        const IniFile reread = IniFile::Parse(ini.Text());
        fuzz::Require(reread.Find(section, key) == expected);
        fuzz::Require(reread.Text() == ini.Text());
    }
    return 0;
}
