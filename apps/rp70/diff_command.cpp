// rp70 diff: the differences between two data files, or a data file and the radio, by place.

#include <QFileInfo>
#include <cstdio>
#include <memory>

#include "cli_program.h"
#include "commands.h"
#include "files/data_file.h"
#include "link_options.h"
#include "print/image_diff.h"

namespace rp70::cli {

int RunDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Lists every difference between two data files, or between a data file and what the "
        "radio on --port holds (read, nothing kept), by place (channel, options, DTMF, 2-tone, "
        "5-tone, scan, alert, book) with the texts the editors show. Exit status 0 when they "
        "are the same, 1 when they differ, 2 on errors.");
    parser.addPositionalArgument("A.dat", "The first data file.");
    parser.addPositionalArgument("B.dat", "The second data file (not with --port).", "[B.dat]");
    const QCommandLineOption password = OpenPasswordOption();
    const LinkOptions link;
    parser.addOptions({password, link.Port, link.RadioPassword});
    if (!ParseCommand(parser, arguments, 1, 2)) {
        return kExitUsage;
    }
    const bool withRadio = parser.isSet(link.Port);
    if (withRadio == (parser.positionalArguments().size() == 2)) {
        return Fail("compare A.dat with either B.dat or --port DEV", kExitUsage);
    }
    CliProgram program;
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return kExitUsage;
    }
    const auto before = std::make_unique<RadioImage>(*program.Image);
    if (withRadio) {
        // The radio is read over the file's image, which then stands for the radio.
        if (ReadRadioOnly(program, parser, link) != 0) {
            return kExitUsage;
        }
    } else {
        const QString argument = parser.positionalArguments().at(1);
        const std::string second = argument.toStdString();
        if (!QFileInfo(argument).isFile()) {
            return Fail(second + ": no such file", kExitUsage);
        }
        program.Terminal.SetSubject(second);
        if (LoadDataFile(program.Ctx, *program.Image, gui::ToCorePath(argument)) !=
            LoadResult::Loaded) {
            return kExitUsage;
        }
    }
    const std::vector<ImageDifference> differences =
        DiffImages(*before, *program.Image, program.Ctx);
    std::vector<std::vector<std::string>> rows;
    for (const ImageDifference& difference : differences) {
        rows.push_back({Printable(difference.Place), Printable(difference.Field),
                        Printable(difference.Old) + " -> " + Printable(difference.New)});
    }
    PrintTable(rows);
    return differences.empty() ? 0 : 1;
}

} // namespace rp70::cli
