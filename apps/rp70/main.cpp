// rp70: the command line tool of rp70cps.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string_view>

#include "cli_program.h"
#include "commands.h"

namespace {

struct Command {
    const char* Name;
    const char* Summary;
    int (*Run)(const QStringList& arguments);
};

constexpr std::array kCommands = {
    Command{"status", "start-up state and the new radio image", rp70::cli::RunStatus},
    Command{"new", "save a new image as a data file", rp70::cli::RunNew},
    Command{"show", "channel table of a data file as the desktop shows it", rp70::cli::RunShow},
    Command{"settings",
            "options, signalling, scan, alert and book settings as the editors show them",
            rp70::cli::RunSettings},
    Command{"print", "printed report of a data file as a PDF file", rp70::cli::RunPrint},
    Command{"memory", "radio memory a Write would send, as hex", rp70::cli::RunMemory},
    Command{"decode", "decode a raw radio memory into a data file", rp70::cli::RunDecode},
    Command{"ports", "list the serial ports", rp70::cli::RunPorts},
    Command{"read", "read the radio into a data file", rp70::cli::RunRead},
    Command{"write", "write a data file into the radio (or several radios at once)",
            rp70::cli::RunWrite},
    Command{"info", "radio information area", rp70::cli::RunInfo},
    Command{"export-csv", "channel list of a data file as CSV", rp70::cli::RunExportCsv},
    Command{"import-csv", "CSV channel list into a data file, with a report",
            rp70::cli::RunImportCsv},
    Command{"diff", "differences between data files, or a file and the radio", rp70::cli::RunDiff},
    Command{"backups", "backups of what was read and written", rp70::cli::RunBackups},
    Command{"export-epm", "auto-test export for production (factory test mode)",
            rp70::cli::RunExportEpm},
};

QString Description() {
    QString text = "Command line tool for KT-RP70 radios.\n\nCommands:\n";
    int width = 0;
    for (const Command& command : kCommands) {
        width = std::max(width, static_cast<int>(std::string_view(command.Name).size()));
    }
    for (const Command& command : kCommands) {
        text += QString("  %1  %2\n").arg(QString(command.Name), -width).arg(command.Summary);
    }
    text += "\nrp70 COMMAND --help shows the options of a command.";
    return text;
}

/// Qt's note that a headless session has no runtime folder (as under sudo or cron) is no
/// concern of the command's user; everything else Qt reports goes on as before.
QtMessageHandler qtHandler = nullptr;

void DropRuntimeFolderNote(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) {
        qtHandler(type, context, text);
    }
}

/// The print command draws text and needs the fonts of a QGuiApplication; it never opens a
/// window, so it runs on the offscreen platform unless the caller chose another.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    if (argc > 1 && std::string_view(argv[1]) == "print") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qtHandler = qInstallMessageHandler(DropRuntimeFolderNote);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = MakeApplication(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName("rp70");
    QCoreApplication::setApplicationVersion(RP70_VERSION);

    const QStringList arguments = QCoreApplication::arguments();
    for (const Command& command : kCommands) {
        if (arguments.size() > 1 && arguments.at(1) == command.Name) {
            return command.Run(arguments.mid(1));
        }
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("command", "The command to run.");
    parser.process(app);
    if (parser.positionalArguments().isEmpty()) {
        parser.showHelp(rp70::cli::kExitUsage);
    }
    return rp70::cli::Fail("unknown command \"" +
                               parser.positionalArguments().first().toStdString() +
                               "\" (see rp70 --help)",
                           rp70::cli::kExitUsage);
}
