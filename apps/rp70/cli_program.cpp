#include "cli_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "files/password_block.h"
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
    : Image(std::make_unique<RadioImage>()),
      State(StartUp(
          {ProgramFolder(SystemEnvironment()), ShippedLanguageFolder(), std::nullopt, &Terminal},
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

} // namespace rp70::cli
