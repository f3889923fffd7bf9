#pragma once
// What the commands that talk to a radio share: their options and a Read that keeps nothing.

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "cli_program.h"
#include "files/backups.h"

namespace rp70::cli {

/// The options of the commands that talk to a radio.
struct LinkOptions {
    QCommandLineOption Port{"port",
                            "The serial port: a name (ttyUSB0, COM3) or a device path. rp70 "
                            "write takes it more than once to write several radios at once.",
                            "DEV"};
    QCommandLineOption RadioPassword{
        "radio-password", "The radio's programming password (at most 4 characters).", "PW"};
    QCommandLineOption Factory{"factory",
                               "Move the factory test values too (factory test mode only)."};
};

/// Reads the radio on --port (with --radio-password) into the program's image, without the
/// factory test values, and keeps nothing of it: no file, no backup (only the feature flags the
/// radio switched on are stored, as after every Read). Returns 0, or the exit status after one
/// line on stderr.
int ReadRadioOnly(CliProgram& program, const QCommandLineParser& parser,
                  const LinkOptions& options);

/// Keeps `image` as a backup in the program folder; a backup that cannot be saved is named on
/// stderr but stops nothing.
void KeepBackup(CliProgram& program, const RadioImage& image, BackupKind kind);

/// Stores the program's feature flags in the program folder when they differ from `before`; a
/// file that cannot be written is named on stderr but stops nothing.
void StoreFeaturesIfChanged(CliProgram& program, const FeatureFlags& before);

/// Writes the program's image into the radios on `ports` at once, each first read into a backup
/// when `backupFirst` and read back when `verify`, with one progress line per radio and a
/// summary. The entered radio password goes to every radio; none is asked for. Returns 0 when
/// every radio was written, else the exit status after one line on stderr.
int WriteToRadios(CliProgram& program, const QStringList& ports, bool backupFirst, bool verify);

} // namespace rp70::cli
