#include <cstdio>
#include <string>
#include <vector>

#include "cli_program.h"
#include "commands.h"
#include "editors/alert_edit.h"
#include "editors/book_edit.h"
#include "editors/dtmf_edit.h"
#include "editors/five_tone_edit.h"
#include "editors/options_edit.h"
#include "editors/scan_edit.h"
#include "editors/two_tone_edit.h"

namespace rp70::cli {
namespace {

/// One editor's settings under its window caption, the values lined up.
void PrintSection(const std::string& caption, const SettingLines& lines) {
    std::printf("[%s]\n", caption.c_str());
    std::vector<std::vector<std::string>> rows;
    for (const SettingLine& line : lines) {
        rows.push_back({Printable(line.Label), Printable(line.Value)});
    }
    PrintTable(rows);
    std::printf("\n");
}

} // namespace

int RunSettings(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Prints the options, DTMF, 2-tone, scan, alert and communication book settings of a data "
        "file with the labels and the texts the desktop program's editors show.");
    parser.addPositionalArgument("FILE.dat", "The data file to show.");
    const QCommandLineOption password = OpenPasswordOption();
    parser.addOption(password);
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    CliProgram program;
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return status;
    }
    const RadioImage& image = *program.Image;
    const LanguageTexts& texts = program.State.Texts;
    PrintSection(texts.GetText(1701), OptionsSettingLines(image, texts));
    PrintSection(texts.GetText(5023), DtmfSettingLines(image, texts));
    PrintSection(texts.GetText(5024), TwoToneSettingLines(image, texts));
    PrintSection(texts.GetText(5025), FiveToneSettingLines(image, texts));
    PrintSection(texts.GetText(2400), ScanSettingLines(image, texts));
    PrintSection(texts.GetText(2600), AlertSettingLines(image, texts));
    PrintSection(texts.GetText(1800), BookSettingLines(image, texts));
    return 0;
}

} // namespace rp70::cli
