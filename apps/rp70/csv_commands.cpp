#include <QFileInfo>
#include <cstdio>
#include <variant>

#include "channels/csv_channels.h"
#include "cli_program.h"
#include "commands.h"
#include "files/data_file.h"
#include "files/file_io.h"

namespace rp70::cli {

int RunExportCsv(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes the channels of a data file as a CSV channel list with the columns " +
        QString::fromUtf8(kCsvChannelColumns.data(), static_cast<int>(kCsvChannelColumns.size())) +
        ".");
    parser.addPositionalArgument("FILE.dat", "The data file to export.");
    const QCommandLineOption password = OpenPasswordOption();
    const QCommandLineOption output({"o", "output"}, "The CSV file to write.", "OUT.csv");
    parser.addOptions({password, output});
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    if (!parser.isSet(output)) {
        return Fail("the CSV file to write is missing (-o OUT.csv)", kExitUsage);
    }
    CliProgram program;
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return status;
    }
    const std::string out = parser.value(output).toStdString();
    if (!ReplaceFileContents(gui::ToCorePath(parser.value(output)),
                             ExportChannelsCsv(*program.Image))) {
        return Fail(out + ": cannot be written");
    }
    return 0;
}

int RunImportCsv(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Reads a CSV channel list into a data file and prints what became of each row. The "
        "channels go into a new image of the band, or into a copy of an existing data file "
        "(--into), whose other channels stay. A file that is not a channel list writes nothing.");
    parser.addPositionalArgument("IN.csv", "The CSV channel list.");
    const NewFileOptions options("Band code of the new image (default 3).");
    options.AddTo(parser);
    const QCommandLineOption into("into", "Import into a copy of this data file.", "OLD.dat");
    parser.addOption(into);
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    const std::optional<NewFile> file = ParseNewFile(parser, options);
    if (!file) {
        return kExitUsage;
    }
    if (parser.isSet(into) && file->Band) {
        return Fail("--band and --into exclude each other (the data file has its band)",
                    kExitUsage);
    }
    CliProgram program;
    if (parser.isSet(into)) {
        const std::string old = parser.value(into).toStdString();
        if (!QFileInfo(parser.value(into)).isFile()) {
            return Fail(old + ": no such file");
        }
        program.Terminal.SetSubject(old);
        program.Terminal.SetFilePassword(file->Password);
        if (LoadDataFile(program.Ctx, *program.Image, gui::ToCorePath(parser.value(into))) !=
            LoadResult::Loaded) {
            return Fail(old + ": cannot be opened");
        }
    } else {
        UseBand(program, *file);
    }
    const std::string source = parser.positionalArguments().first().toStdString();
    const auto read =
        ReadChannelsCsvFile(gui::ToCorePath(parser.positionalArguments().first()), *program.Image);
    if (const auto* error = std::get_if<std::string>(&read)) {
        return Fail(source + ": cannot be imported: " + *error);
    }
    const CsvImport& import = std::get<CsvImport>(read);
    for (const std::string& line : CsvImportReport(import)) {
        std::printf("%s\n", line.c_str());
    }
    ApplyCsvImport(*program.Image, import);
    return SaveNewFile(program, *file);
}

} // namespace rp70::cli
