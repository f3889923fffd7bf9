// rp70 backups: the backups kept in the program folder.

#include <cstdio>

#include "cli_program.h"
#include "commands.h"
#include "files/backups.h"

namespace rp70::cli {

int RunBackups(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Lists the backups kept in the program folder, newest first: time, kind (read from the "
        "radio or written to it), model, band code, channels in use and the data file.");
    if (!ParseCommand(parser, arguments, 0, 0)) {
        return kExitUsage;
    }
    const CliProgram program;
    const std::vector<BackupEntry> backups = ListBackups(program.State.Folder);
    if (backups.empty()) {
        std::printf("No backups in %s\n", Utf8Of(BackupFolder(program.State.Folder)).c_str());
        return 0;
    }
    std::vector<std::vector<std::string>> rows;
    for (const BackupEntry& backup : backups) {
        rows.push_back({backup.Time, backup.Kind == BackupKind::Read ? "read" : "written",
                        backup.Model, std::to_string(backup.BandCode),
                        backup.Count ? std::to_string(*backup.Count) : "?", Utf8Of(backup.Path)});
    }
    PrintTable(rows);
    return 0;
}

} // namespace rp70::cli
