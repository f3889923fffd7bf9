#include "cli_program.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "files/data_file.h"
#include "files/password_block.h"
#include "model/bands.h"
#include "shell/program_folder.h"
#include "shipped_files.h"
#include "texts/number_text.h"

namespace rp70::cli {

CliProgram::CliProgram()
    : Image(std::make_unique<RadioImage>()), State(StartUp({ProgramFolder(SystemEnvironment()),
                                                            ShippedLanguageFolder(),
                                                            std::nullopt,
                                                            &Terminal,
                                                            {},
                                                            false},
                                                           *Image)),
      Ctx{Terminal, State.Texts} {}

std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Printable(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return text;
}

void PrintTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], DisplayWidth(row[column]));
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            line += row[column];
            if (column + 1 < row.size()) {
                line.append(widths[column] - DisplayWidth(row[column]) + 2, ' ');
            }
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        std::printf("%s\n", line.c_str());
    }
}

int Fail(const std::string& line, int status) {
    std::fprintf(stderr, "rp70: %s\n", line.c_str());
    return status;
}

bool ParseCommand(QCommandLineParser& parser, const QStringList& arguments, int minPositional,
                  int maxPositional) {
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments)) {
        Fail(parser.errorText().toStdString() + " (see rp70 " + arguments.value(0).toStdString() +
                 " --help)",
             kExitUsage);
        return false;
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    const auto count = parser.positionalArguments().size();
    if (count < minPositional || count > maxPositional) {
        Fail("wrong number of arguments (see rp70 " + arguments.value(0).toStdString() + " --help)",
             kExitUsage);
        return false;
    }
    return true;
}

std::optional<std::string> FilePasswordOption(const QCommandLineParser& parser,
                                              const QCommandLineOption& option) {
    const std::string password = parser.value(option).toUpper().toStdString();
    if (!IsValidFilePassword(password)) {
        Fail("a file password is at most 10 letters A-Z and digits", kExitUsage);
        return std::nullopt;
    }
    return password;
}

NewFileOptions::NewFileOptions(const QString& bandHelp)
    : Output({"o", "output"}, "The data file to write.", "FILE.dat"),
      Band("band", bandHelp, "CODE"),
      Password("password", "File password (0-10 of A-Z, 0-9).", "PW") {}

void NewFileOptions::AddTo(QCommandLineParser& parser) const {
    parser.addOptions({Output, Band, Password});
}

std::optional<NewFile> ParseNewFile(const QCommandLineParser& parser,
                                    const NewFileOptions& options) {
    if (!parser.isSet(options.Output)) {
        Fail("the data file to write is missing (-o FILE.dat)", kExitUsage);
        return std::nullopt;
    }
    NewFile file{gui::ToCorePath(parser.value(options.Output)), std::nullopt, std::nullopt};
    if (parser.isSet(options.Band)) {
        const std::string text = parser.value(options.Band).toStdString();
        file.Band = ParseWholeNumberAs<std::int16_t>(text);
        if (!file.Band || BandCodeFromRadio(*file.Band) != *file.Band) {
            Fail("unknown band code \"" + text + "\"", kExitUsage);
            return std::nullopt;
        }
    }
    if (parser.isSet(options.Password) &&
        !(file.Password = FilePasswordOption(parser, options.Password))) {
        return std::nullopt;
    }
    return file;
}

void UseBand(CliProgram& program, const NewFile& file) {
    RadioImage& image = *program.Image;
    if (file.Band && *file.Band != image.BandIndex) {
        SetBandCode(image, *file.Band);
        DataFileReader reader(program.Ctx);
        ResetImage(image, program.State.Folder, &reader);
    }
}

int SaveNewFile(CliProgram& program, const NewFile& file) {
    program.Terminal.SetSubject(Utf8Of(file.Path));
    program.Terminal.SetFilePassword(file.Password);
    program.Terminal.AllowPasswordPrompt(false);
    program.Image->CurrentFilePath = file.Path;
    return SaveDataFile(program.Ctx, *program.Image) ? 0 : kExitFailure;
}

QCommandLineOption OpenPasswordOption() {
    return {"password", "File password of a protected file (asked at a terminal otherwise).", "PW"};
}

int OpenDataFileArgument(CliProgram& program, const QCommandLineParser& parser,
                         const QCommandLineOption& password) {
    std::optional<std::string> filePassword;
    if (parser.isSet(password) && !(filePassword = FilePasswordOption(parser, password))) {
        return kExitUsage;
    }
    const QString argument = parser.positionalArguments().first();
    const std::string path = argument.toStdString();
    if (!QFileInfo(argument).isFile()) {
        return Fail(path + ": no such file");
    }
    program.Terminal.SetSubject(path);
    program.Terminal.SetFilePassword(filePassword);
    const int messagesBefore = program.Terminal.MessageCount();
    switch (LoadDataFile(program.Ctx, *program.Image, gui::ToCorePath(argument))) {
    case LoadResult::Loaded:
        return 0;
    case LoadResult::Cancelled:
        if (program.Terminal.MessageCount() == messagesBefore) {
            return Fail(path + ": the file is protected by a password (use --password)");
        }
        return kExitFailure;
    case LoadResult::Failed:
        break;
    }
    return kExitFailure;
}

} // namespace rp70::cli
