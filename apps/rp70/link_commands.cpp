// The commands that talk to a radio: ports, read, write and info.

#include <QEventLoop>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli_program.h"
#include "commands.h"
#include "console.h"
#include "device_access.h"
#include "editors/radio_info_view.h"
#include "factory/factory_mode.h"
#include "files/backups.h"
#include "files/data_file.h"
#include "files/test_data_file.h"
#include "interrupt_watch.h"
#include "link/port_help.h"
#include "link/radio_password.h"
#include "link_options.h"
#include "link_session.h"
#include "model/fixed_text.h"
#include "serial_ports.h"
#include "shell/feature_file.h"
#include "shell/program_folder.h"

namespace rp70::cli {
namespace {

// ---------------------------------------------------------------------------------------------
// The progress line

/// "Read data from radio [##########----------]  50%" on stderr, redrawn in place; only when
/// stderr is a terminal.
class ProgressLine {
public:
    explicit ProgressLine(const LanguageTexts& texts)
        : texts_(texts), enabled_(ErrorIsTerminal()) {}

    void Show(TransferKind kind) {
        Show(kind == TransferKind::Write ? BuiltinText::ProgressTitleWrite
                                         : BuiltinText::ProgressTitleRead);
    }

    /// A new pass under its own caption, on a line of its own.
    void Show(BuiltinText caption) {
        Break();
        caption_ = std::string(texts_.Builtin(caption));
        visible_ = true;
        Draw(0);
    }

    void Set(int percent) {
        if (visible_) {
            Draw(percent);
        }
    }

    /// Ends the line the bar stands on; it is drawn on a new line at its next value.
    void Break() {
        if (open_) {
            std::fputc('\n', stderr);
            std::fflush(stderr);
            open_ = false;
        }
    }

    void Close() {
        Break();
        visible_ = false;
    }

private:
    void Draw(int percent) {
        if (!enabled_) {
            return;
        }
        percent = std::clamp(percent, 0, 100);
        constexpr int kWidth = 20;
        const int filled = percent * kWidth / 100;
        const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                                std::string(static_cast<std::size_t>(kWidth - filled), '-');
        std::fprintf(stderr, "\r%s [%s] %3d%%", caption_.c_str(), bar.c_str(), percent);
        std::fflush(stderr);
        open_ = true;
    }

    const LanguageTexts& texts_;
    const bool enabled_;
    std::string caption_;
    bool visible_ = false;
    bool open_ = false;
};

// ---------------------------------------------------------------------------------------------
// One transfer

enum class TransferResult { Succeeded, Failed, Cancelled };

/// Runs one transfer of `kind` on `port` through the program's image and state, on the
/// application's event loop, and stores the feature flags when the radio switched one on.
TransferResult RunTransfer(CliProgram& program, const QString& port, TransferKind kind,
                           bool verify = false) {
    program.Terminal.SetSubject(port.toStdString());
    const FeatureFlags featuresBefore = program.State.Features;

    LinkSession session(port, *program.Image, program.State, program.Terminal);
    session.transfer().ConfirmBeforeTransfer = false;
    session.transfer().VerifyAfterWrite = verify;

    ProgressLine progress(program.State.Texts);
    program.Terminal.SetBeforeOutput([&progress] { progress.Break(); });
    program.Terminal.HoldMessages();
    QObject::connect(&session, &LinkSession::progressShown, [&](TransferKind shown) {
        if (shown == TransferKind::Write) {
            KeepBackup(program, *program.Image, BackupKind::Written);
        }
        progress.Show(shown);
    });
    QObject::connect(&session, &LinkSession::progressValue,
                     [&progress](int percent) { progress.Set(percent); });
    QObject::connect(&session, &LinkSession::verifyPassShown,
                     [&progress] { progress.Show(BuiltinText::ProgressTitleVerify); });
    QObject::connect(&session, &LinkSession::progressClosed, [&progress] { progress.Close(); });

    QEventLoop loop;
    std::optional<TransferOutcome> outcome;
    QObject::connect(&session, &LinkSession::finished, [&](TransferKind, TransferOutcome result) {
        outcome = result;
        loop.quit();
    });

    bool cancelling = false;
    InterruptWatch interrupt([&] {
        if (!cancelling && session.isRunning()) {
            cancelling = true;
            session.cancel();
        } else {
            // A second Ctrl+C does not wait for the radio's goodbye.
            outcome = TransferOutcome::Cancelled;
            loop.quit();
        }
    });

    if (!session.start(kind)) {
        outcome = TransferOutcome::Failed;
    } else if (!outcome) {
        loop.exec();
    }
    session.port().Close();
    progress.Close();
    program.Terminal.ReleaseMessages();
    program.Terminal.SetBeforeOutput({});
    program.Terminal.SetSubject({});

    StoreFeaturesIfChanged(program, featuresBefore);
    if (outcome == TransferOutcome::Succeeded) {
        return TransferResult::Succeeded;
    }
    if (outcome == TransferOutcome::Cancelled || interrupt.Interrupted()) {
        Fail("transfer cancelled");
        return TransferResult::Cancelled;
    }
    return TransferResult::Failed;
}

// ---------------------------------------------------------------------------------------------
// Options shared by the link commands

/// --factory needs the factory test mode; without it the transfer leaves the test values out.
bool ApplyFactoryOption(const QCommandLineParser& parser, const LinkOptions& options,
                        CliProgram& program) {
    RadioImage& image = *program.Image;
    if (!parser.isSet(options.Factory)) {
        image.Factory.FactoryMode = false;
        return true;
    }
    if (!image.Factory.FactoryMode) {
        Fail("--factory needs the factory test mode (" +
                 Utf8Of(MarkerFilePath(program.State.Folder)) + ")",
             kExitUsage);
        return false;
    }
    return true;
}

/// The ports, and the radio password entered into the program state. nullopt after one line
/// when an option is missing or wrong, or a port is given twice.
std::optional<QStringList> ParsePorts(const QCommandLineParser& parser, const LinkOptions& options,
                                      CliProgram& program) {
    QStringList ports = parser.values(options.Port);
    if (ports.isEmpty() || ports.contains(QString())) {
        Fail("the serial port is missing (--port DEV; see rp70 ports)", kExitUsage);
        return std::nullopt;
    }
    if (ports.removeDuplicates() > 0) {
        Fail("a port is given twice", kExitUsage);
        return std::nullopt;
    }
    if (parser.isSet(options.RadioPassword)) {
        const std::string password = parser.value(options.RadioPassword).toStdString();
        if (password.size() > kRadioPasswordLength) {
            Fail("a radio password is at most 4 characters", kExitUsage);
            return std::nullopt;
        }
        program.State.EnteredPassword = TextOf(password);
    }
    return ports;
}

/// The one port of a command that talks to one radio, as ParsePorts.
std::optional<QString> ParseLinkOptions(const QCommandLineParser& parser,
                                        const LinkOptions& options, CliProgram& program) {
    const std::optional<QStringList> ports = ParsePorts(parser, options, program);
    if (ports && ports->size() > 1) {
        Fail("one --port only (rp70 write takes several)", kExitUsage);
        return std::nullopt;
    }
    return ports ? std::optional<QString>(ports->first()) : std::nullopt;
}

int ExitStatus(TransferResult result) {
    return result == TransferResult::Succeeded ? 0 : kExitFailure;
}

/// `text` on one line, control characters shown as "?".
std::string OneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') {
                line += ' ';
            }
        } else {
            line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
        }
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

/// "1a86:7523" for a USB port, "-" for any other.
std::string UsbIds(const PortCheck& port) {
    if (!port.VendorId || !port.ProductId) {
        return "-";
    }
    char ids[10];
    std::snprintf(ids, sizeof ids, "%04x:%04x", *port.VendorId, *port.ProductId);
    return ids;
}

/// Whether this user may open the port, as `rp70 ports` shows it.
std::string AccessText(const PortCheck& port) {
    switch (port.Access) {
    case PortAccess::Allowed:
        return "may open";
    case PortAccess::Denied:
        return "no permission (group " + (port.Group.empty() ? "?" : port.Group) + ")";
    case PortAccess::Unknown:
        break;
    }
    return "access unknown";
}

} // namespace

void KeepBackup(CliProgram& program, const RadioImage& image, BackupKind kind) {
    const auto saved =
        SaveBackup(program.State.Folder, image, kind, std::chrono::system_clock::now(),
                   program.State.Settings.BackupLimit);
    if (!saved) {
        Fail(Utf8Of(BackupFolder(program.State.Folder)) + ": the backup cannot be saved");
    }
}

void StoreFeaturesIfChanged(CliProgram& program, const FeatureFlags& before) {
    if (program.State.Features != before &&
        !WriteFeatureFlags(FeatureFilePath(program.State.Folder), program.State.Features)) {
        Fail(Utf8Of(FeatureFilePath(program.State.Folder)) + ": cannot be written");
    }
}

int ReadRadioOnly(CliProgram& program, const QCommandLineParser& parser,
                  const LinkOptions& options) {
    const std::optional<QString> port = ParseLinkOptions(parser, options, program);
    if (!port) {
        return kExitUsage;
    }
    program.Image->Factory.FactoryMode = false;
    return ExitStatus(RunTransfer(program, *port, TransferKind::Read));
}

int RunPorts(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Lists the serial ports of the computer: name, device path, description, USB vendor and "
        "product ids, and whether this user may open the port; then what to do about a port "
        "that cannot be opened.");
    if (!ParseCommand(parser, arguments, 0, 0)) {
        return kExitUsage;
    }
    const QList<SerialPortEntry> ports = ListSerialPorts();
    if (ports.isEmpty()) {
        std::printf("No serial ports found.\n");
    }
    std::vector<std::vector<std::string>> rows;
    std::vector<PortCheck> checks;
    for (const SerialPortEntry& port : ports) {
        PortCheck check = CheckOf(port);
        if (!port.Manufacturer.isEmpty()) {
            check.Description +=
                (check.Description.empty() ? "(" : " (") + port.Manufacturer.toStdString() + ")";
        }
        rows.push_back({check.Name, check.Device, Printable(check.Description), UsbIds(check),
                        AccessText(check)});
        checks.push_back(std::move(check));
    }
    PrintTable(rows);
    const CliProgram program;
    for (const std::string& line : PortHelpLines(checks, SystemBrlttySeen(), program.State.Texts)) {
        std::printf("%s\n", line.c_str());
    }
    std::printf("A pseudo-terminal (such as the one rp70-sim prints) is not listed; give its "
                "device path: --port /dev/pts/N\n");
    return 0;
}

int RunRead(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Reads the radio's programmed data and saves it as a data file and its channel file. "
        "Nothing is written when the read fails.");
    const LinkOptions link;
    const QCommandLineOption output({"o", "output"}, "The data file to write.", "FILE.dat");
    const QCommandLineOption password("password", "File password (0-10 of A-Z, 0-9).", "PW");
    parser.addOptions({link.Port, link.RadioPassword, password, link.Factory, output});
    if (!ParseCommand(parser, arguments, 0, 0)) {
        return kExitUsage;
    }
    if (!parser.isSet(output) || parser.value(output).isEmpty()) {
        return Fail("the data file to write is missing (-o FILE.dat)", kExitUsage);
    }
    NewFile file{gui::ToCorePath(parser.value(output)), std::nullopt, std::nullopt};
    if (parser.isSet(password) && !(file.Password = FilePasswordOption(parser, password))) {
        return kExitUsage;
    }
    if (!QFileInfo(QFileInfo(parser.value(output)).absolutePath()).isDir()) {
        return Fail(Utf8Of(file.Path) + ": no such folder");
    }

    CliProgram program;
    const std::optional<QString> port = ParseLinkOptions(parser, link, program);
    if (!port || !ApplyFactoryOption(parser, link, program)) {
        return kExitUsage;
    }
    const TransferResult result = RunTransfer(program, *port, TransferKind::Read);
    if (result != TransferResult::Succeeded) {
        return ExitStatus(result);
    }
    KeepBackup(program, *program.Image, BackupKind::Read);
    return SaveNewFile(program, file);
}

int RunWrite(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes a data file into the radio, then reads back every block written and fails when "
        "one differs.");
    parser.addPositionalArgument("FILE.dat", "The data file to write.");
    const LinkOptions link;
    const QCommandLineOption password = OpenPasswordOption();
    const QCommandLineOption noVerify("no-verify", "Do not read the written blocks back.");
    const QCommandLineOption backupRadio(
        "backup-radio", "First read the radio into a backup; nothing is written if that fails.");
    parser.addOptions(
        {link.Port, link.RadioPassword, password, link.Factory, noVerify, backupRadio});
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    CliProgram program;
    const std::optional<QStringList> ports = ParsePorts(parser, link, program);
    if (!ports || !ApplyFactoryOption(parser, link, program)) {
        return kExitUsage;
    }
    const QString& port = ports->first();
    if (program.Image->Factory.FactoryMode) {
        // The test values travel with the data file; a Write without them would send zeros.
        const QString path = parser.positionalArguments().first();
        const auto testData = TestDataPathFor(gui::ToCorePath(path));
        if (testData && QFileInfo::exists(path) && !QFileInfo(gui::PathToQt(*testData)).isFile()) {
            return Fail(Utf8Of(*testData) + ": no test values file beside the data file");
        }
    }
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return status;
    }
    const bool backupFirst = parser.isSet(backupRadio) || program.State.Settings.BackupBeforeWrite;
    if (ports->size() > 1) {
        return WriteToRadios(program, *ports, backupFirst, !parser.isSet(noVerify));
    }
    if (backupFirst) {
        // The Read replaces the image: the file to write is kept aside meanwhile.
        const auto toWrite = std::make_unique<RadioImage>(*program.Image);
        const TransferResult read = RunTransfer(program, port, TransferKind::Read);
        if (read != TransferResult::Succeeded) {
            return ExitStatus(read);
        }
        KeepBackup(program, *program.Image, BackupKind::Read);
        *program.Image = *toWrite;
    }
    return ExitStatus(RunTransfer(program, port, TransferKind::Write, !parser.isSet(noVerify)));
}

int RunInfo(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Reads the radio and dealer information the radio carries and prints it.");
    const LinkOptions link;
    parser.addOptions({link.Port, link.RadioPassword});
    if (!ParseCommand(parser, arguments, 0, 0)) {
        return kExitUsage;
    }
    CliProgram program;
    const std::optional<QString> port = ParseLinkOptions(parser, link, program);
    if (!port) {
        return kExitUsage;
    }
    const TransferResult result = RunTransfer(program, *port, TransferKind::RadioInfo);
    if (result != TransferResult::Succeeded) {
        return ExitStatus(result);
    }

    const SettingLines fields = RadioInfoSettingLines(program.State.Info, program.State.Texts);
    std::size_t width = 0;
    for (const SettingLine& field : fields) {
        width = std::max(width, DisplayWidth(field.Label));
    }
    for (const SettingLine& field : fields) {
        std::string line = field.Label + ':';
        const std::string text = OneLine(field.Value);
        if (!text.empty()) {
            line.append(width + 2 - DisplayWidth(line), ' ');
            line += text;
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

} // namespace rp70::cli
