#pragma once
// The commands of the command line tool. Each takes its own arguments, the command name first,
// and returns the exit status.

#include <QStringList>

namespace rp70::cli {

/// `rp70 status`: the start-up state and the new radio image.
int RunStatus(const QStringList& arguments);

/// `rp70 new [--band CODE] [--password PW] -o FILE.dat`: saves a new image.
int RunNew(const QStringList& arguments);

/// `rp70 show FILE.dat [--password PW] [--used]`: the channel table of a data file.
int RunShow(const QStringList& arguments);

/// `rp70 settings FILE.dat [--password PW]`: the options, scan, alert and book settings of a
/// data file, as the editors show them.
int RunSettings(const QStringList& arguments);

/// `rp70 print FILE.dat --pdf OUT.pdf [--sections LIST] [--password PW]`: the printed report of
/// a data file as a PDF file. Needs a QGuiApplication.
int RunPrint(const QStringList& arguments);

/// `rp70 memory FILE.dat [--password PW] [--raw OUT.bin]`: the radio memory a Write sends.
int RunMemory(const QStringList& arguments);

/// `rp70 decode MEMORY.bin -o FILE.dat [--band CODE] [--password PW]`: a raw radio memory
/// decoded into a data file.
int RunDecode(const QStringList& arguments);

/// `rp70 ports`: the serial ports of the computer.
int RunPorts(const QStringList& arguments);

/// `rp70 read --port DEV [--radio-password PW] [--password PW] [--factory] -o FILE.dat`: reads
/// the radio into a data file, and a backup of it.
int RunRead(const QStringList& arguments);

/// `rp70 write --port DEV [--port DEV…] [--radio-password PW] [--password PW] [--factory]
/// [--no-verify] [--backup-radio] FILE.dat`: writes a data file into the radio (a backup of it
/// first) and reads the written blocks back; with several ports into every radio at once.
int RunWrite(const QStringList& arguments);

/// `rp70 diff A.dat (B.dat | --port DEV [--radio-password PW]) [--password PW]`: the
/// differences between two data files, or a data file and the radio, by place; exit status 0
/// when equal, 1 when different, 2 on errors.
int RunDiff(const QStringList& arguments);

/// `rp70 backups`: the backups kept in the program folder, newest first.
int RunBackups(const QStringList& arguments);

/// `rp70 info --port DEV [--radio-password PW]`: the radio information area.
int RunInfo(const QStringList& arguments);

/// `rp70 export-epm FILE.dat -o OUT.EPM [--kinds …] [--password PW]`: the auto-test export of a
/// data file (factory test mode only).
int RunExportEpm(const QStringList& arguments);

/// `rp70 export-csv FILE.dat -o OUT.csv [--password PW]`: the channel list as CSV.
int RunExportCsv(const QStringList& arguments);

/// `rp70 import-csv IN.csv -o FILE.dat [--band CODE] [--into OLD.dat] [--password PW]`: a CSV
/// channel list into a data file, with a report line per row.
int RunImportCsv(const QStringList& arguments);

} // namespace rp70::cli
