#pragma once
// What every command of the command line tool starts from: the program started as the desktop
// program starts (program folder, language texts, the new radio image), with the terminal as
// the person's side.

#include <QCommandLineParser>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/radio_image.h"
#include "shell/qt_text.h"
#include "shell/startup.h"
#include "terminal_interaction.h"
#include "texts/path_text.h"
#include "texts/user_context.h"

namespace rp70::cli {

/// Exit status of a command that failed; 2 is for wrong usage.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

class CliProgram {
public:
    /// Starts the program; templates of the program folder apply to the new image.
    CliProgram();

    TerminalInteraction Terminal;
    std::unique_ptr<RadioImage> Image; ///< large: kept off the stack
    ProgramState State;
    UserContext Ctx;
};

/// Characters a text takes on the terminal (UTF-8 continuation bytes take none).
std::size_t DisplayWidth(const std::string& text);

/// `text` with control characters (possible in damaged files) shown as "?".
std::string Printable(std::string text);

/// Prints `rows` on stdout, the columns lined up two spaces apart, without trailing blanks.
void PrintTable(const std::vector<std::vector<std::string>>& rows);

/// Prints "rp70: <line>" on stderr and returns `status`.
int Fail(const std::string& line, int status = kExitFailure);

/// Parses the arguments of one command (its name first). On a wrong option or argument count
/// it prints one line and returns false; --help prints the command's help and exits.
bool ParseCommand(QCommandLineParser& parser, const QStringList& arguments, int minPositional,
                  int maxPositional);

/// The --password option's value as the file password dialog would store it (upper case);
/// nullopt and an error line when it is not 0 … 10 of the letters A … Z and digits.
std::optional<std::string> FilePasswordOption(const QCommandLineParser& parser,
                                              const QCommandLineOption& option);

/// The options of a command that writes a new data file: -o FILE.dat, --band CODE and
/// --password PW.
struct NewFileOptions {
    explicit NewFileOptions(const QString& bandHelp);
    void AddTo(QCommandLineParser& parser) const;

    QCommandLineOption Output;
    QCommandLineOption Band;
    QCommandLineOption Password;
};

/// What the new file options asked for.
struct NewFile {
    std::filesystem::path Path;
    std::optional<std::int16_t> Band;
    std::optional<std::string> Password;
};

/// The values of the new file options; nullopt after one error line when -o is missing or a
/// value is not valid.
std::optional<NewFile> ParseNewFile(const QCommandLineParser& parser,
                                    const NewFileOptions& options);

/// Makes the program's image a new image of the band asked for (when one was), with the
/// template of the program folder for it when there is one.
void UseBand(CliProgram& program, const NewFile& file);

/// Saves the program's image as the new file, with the password given (never asked). Returns
/// the exit status.
int SaveNewFile(CliProgram& program, const NewFile& file);

/// The --password option of a command that opens a data file.
QCommandLineOption OpenPasswordOption();

/// Opens the data file named by the command's argument into the program's image, its password
/// from `password` or asked at a terminal. Returns 0, or the exit status after one line on
/// stderr.
int OpenDataFileArgument(CliProgram& program, const QCommandLineParser& parser,
                         const QCommandLineOption& password);

} // namespace rp70::cli
