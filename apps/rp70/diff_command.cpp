// rp70 diff: the differences between two data files, by place.

#include <QFileInfo>
#include <cstdio>
#include <memory>

#include "cli_program.h"
#include "commands.h"
#include "files/data_file.h"
#include "print/image_diff.h"

namespace rp70::cli {

int RunDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Lists every difference between two data files by place (channel, options, DTMF, "
        "2-tone, 5-tone, scan, alert, book) with the texts the editors show. Exit status 0 "
        "when they are the same, 1 when they differ, 2 on errors.");
    parser.addPositionalArgument("A.dat", "The first data file.");
    parser.addPositionalArgument("B.dat", "The second data file.");
    const QCommandLineOption password = OpenPasswordOption();
    parser.addOption(password);
    if (!ParseCommand(parser, arguments, 2, 2)) {
        return kExitUsage;
    }
    CliProgram program;
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return kExitUsage;
    }
    const auto before = std::make_unique<RadioImage>(*program.Image);
    const std::string second = parser.positionalArguments().at(1).toStdString();
    if (!QFileInfo(QString::fromStdString(second)).isFile()) {
        return Fail(second + ": no such file", kExitUsage);
    }
    program.Terminal.SetSubject(second);
    if (LoadDataFile(program.Ctx, *program.Image, second) != LoadResult::Loaded) {
        return kExitUsage;
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
