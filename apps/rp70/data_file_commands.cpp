#include <algorithm>
#include <cstdio>
#include <vector>

#include "channels/channel_row.h"
#include "cli_program.h"
#include "commands.h"
#include "model/bands.h"

namespace rp70::cli {
namespace {

std::string OnOneLine(std::string text) {
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            line += ' ';
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

} // namespace

int RunNew(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Saves a new radio image (with the template of the program folder's Init folder for the "
        "model and band, when there is one) as a data file and its channel file.");
    const NewFileOptions options("Band code of the image (default 3).");
    options.AddTo(parser);
    if (!ParseCommand(parser, arguments, 0, 0)) {
        return kExitUsage;
    }
    const std::optional<NewFile> file = ParseNewFile(parser, options);
    if (!file) {
        return kExitUsage;
    }
    CliProgram program;
    UseBand(program, *file);
    return SaveNewFile(program, *file);
}

int RunShow(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Prints the channel table of a data file as the desktop program shows it: the 204 rows "
        "(memory channels 0-199, PA, PB, CALL, VFO) with their ten columns.");
    parser.addPositionalArgument("FILE.dat", "The data file to show.");
    const QCommandLineOption password = OpenPasswordOption();
    const QCommandLineOption used("used", "Leave out the rows of empty channels.");
    parser.addOptions({password, used});
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    CliProgram program;
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return status;
    }
    const RadioImage& image = *program.Image;

    std::printf("Model: %s\n", ModelDisplayName(image.ModelName, image.BandIndex).c_str());
    std::printf("Band:  %d %s\n", image.BandIndex, image.BandText.c_str());
    std::printf("File:  %s\n\n", Utf8Of(image.CurrentFilePath).c_str());

    std::vector<std::vector<std::string>> rows;
    const auto headers = ChannelTableHeaders(program.State.Texts);
    std::vector<std::string> header;
    for (const std::string& text : headers) {
        header.push_back(OnOneLine(text));
    }
    rows.push_back(header);
    const std::vector<ChannelRowTexts> table = RenderChannelTable(image, program.Ctx);
    for (std::size_t index = 0; index < table.size(); ++index) {
        const ChannelRowTexts& cells = table[index];
        const bool blank =
            std::all_of(cells.begin(), cells.end(), [](const std::string& t) { return t.empty(); });
        if (blank && parser.isSet(used)) {
            continue;
        }
        std::vector<std::string> row{RowLabel(static_cast<int>(index) + 1)};
        for (const std::string& cell : cells) {
            row.push_back(Printable(cell));
        }
        rows.push_back(row);
    }
    PrintTable(rows);
    return 0;
}

} // namespace rp70::cli
