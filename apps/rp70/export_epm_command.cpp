// rp70 export-epm: the factory test mode's auto-test export for production.

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "cli_program.h"
#include "commands.h"
#include "factory/auto_test_export.h"
#include "factory/factory_mode.h"

namespace rp70::cli {
namespace {

/// The --kinds names and the box of the export window each ticks.
constexpr std::array<std::pair<const char*, std::size_t>, 8> kKindNames = {{
    {"channels", 0},
    {"options", 4},
    {"dtmf", 6},
    {"2tone", 7},
    {"5tone", 8},
    {"alert", 9},
    {"book", 10},
    {"scan", 11},
}};

/// The boxes the comma-separated `names` tick; nullopt after one line for an unknown name.
std::optional<ExportKinds> ParseKinds(const QString& names) {
    ExportKinds kinds = InitialExportKinds();
    for (const QString& name : names.split(',', Qt::SkipEmptyParts)) {
        const auto* found = std::find_if(kKindNames.begin(), kKindNames.end(),
                                         [&](const auto& kind) { return name == kind.first; });
        if (found == kKindNames.end()) {
            Fail("--kinds: unknown kind " + name.toStdString() +
                     " (channels, options, dtmf, 2tone, 5tone, alert, book, scan)",
                 kExitUsage);
            return std::nullopt;
        }
        kinds[found->second] = true;
    }
    return kinds;
}

} // namespace

int RunExportEpm(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes the auto-test export for production (factory test mode only): the radio memory "
        "a Write would build, the map of the blocks of the chosen kinds and the list of the "
        "memory channels, its texts in GB 18030.");
    parser.addPositionalArgument("FILE.dat", "The data file to export.");
    const QCommandLineOption password = OpenPasswordOption();
    const QCommandLineOption output("o", "The export file to write.", "OUT.EPM");
    const QCommandLineOption kindsOption(
        "kinds",
        "The kinds of record whose blocks the map marks, comma-separated: channels, options, "
        "dtmf, 2tone, 5tone, alert, book, scan. The channels are always marked.",
        "KINDS");
    parser.addOptions({password, output, kindsOption});
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    if (!parser.isSet(output)) {
        return Fail("-o OUT.EPM is missing", kExitUsage);
    }
    const std::optional<ExportKinds> kinds = ParseKinds(parser.value(kindsOption));
    if (!kinds) {
        return kExitUsage;
    }
    CliProgram program;
    if (!program.Image->Factory.FactoryMode) {
        return Fail("export-epm needs the factory test mode (" +
                        Utf8Of(MarkerFilePath(program.State.Folder)) + ")",
                    kExitUsage);
    }
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return status;
    }
    const std::string out = parser.value(output).toStdString();
    const auto exported = BuildAutoTestExport(*program.Image, *kinds, program.Ctx);
    program.Terminal.SetSubject(out);
    if (!exported ||
        !WriteExportFile(gui::ToCorePath(parser.value(output)), *exported, program.Terminal)) {
        return kExitFailure;
    }
    return 0;
}

} // namespace rp70::cli
