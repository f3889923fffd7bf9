#include "cli_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "files/data_file.h"
#include "files/password_block.h"
#include "model/bands.h"
#include "model/number_text.h"
#include "shell/program_folder.h"

namespace rp70::cli {
namespace {

/// The shipped language files: installed beside the program, else the source tree's.
std::filesystem::path ShippedLanguageFolder() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath("../share/rp70cps/lang");
    if (QFileInfo(installed).isDir()) {
        return QDir::cleanPath(installed).toStdString();
    }
    return RP70_SOURCE_LANG_DIR;
}

} // namespace

CliProgram::CliProgram()
    : Image(std::make_unique<RadioImage>()), State(StartUp({ProgramFolder(SystemEnvironment()),
                                                            ShippedLanguageFolder(),
                                                            std::nullopt,
                                                            &Terminal,
                                                            {}},
                                                           *Image)),
      Ctx{Terminal, State.Texts} {}

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

std::optional<std::int16_t> BandOption(const QCommandLineParser& parser,
                                       const QCommandLineOption& option) {
    const std::string text = parser.value(option).toStdString();
    const auto code = ParseWholeNumberAs<std::int16_t>(text);
    if (!code || BandCodeFromRadio(*code) != *code) {
        Fail("unknown band code \"" + text + "\"", kExitUsage);
        return std::nullopt;
    }
    return code;
}

void UseBand(CliProgram& program, std::int16_t code) {
    RadioImage& image = *program.Image;
    if (code != image.BandIndex) {
        SetBandCode(image, code);
        DataFileReader reader(program.Ctx);
        ResetImage(image, program.State.Folder, &reader);
    }
}

int OpenDataFile(CliProgram& program, const std::string& path,
                 const std::optional<std::string>& filePassword) {
    if (!QFileInfo(QString::fromStdString(path)).isFile()) {
        return Fail(path + ": no such file");
    }
    program.Terminal.SetSubject(path);
    program.Terminal.SetFilePassword(filePassword);
    const int messagesBefore = program.Terminal.MessageCount();
    switch (LoadDataFile(program.Ctx, *program.Image, path)) {
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
