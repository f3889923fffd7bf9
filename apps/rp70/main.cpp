// rp70: the command line tool of rp70cps.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <string>

#include "model/bands.h"
#include "model/conversions.h"
#include "model/number_text.h"
#include "shell/program_folder.h"
#include "shell/startup.h"
#include "shell/user_context.h"
#include "terminal_interaction.h"

namespace {

using namespace rp70;

/// The shipped language files: installed beside the program, else the source tree's.
std::filesystem::path ShippedLanguageFolder() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath("../share/rp70cps/lang");
    if (QFileInfo(installed).isDir()) {
        return QDir::cleanPath(installed).toStdString();
    }
    return RP70_SOURCE_LANG_DIR;
}

const char* OnOff(bool on) {
    return on ? "on" : "off";
}

std::string ChannelLabel(int number) {
    switch (number) {
    case 201:
        return "PA";
    case 202:
        return "PB";
    case 203:
        return "CALL";
    case 204:
        return "VFO";
    default:
        return std::to_string(number - 1);
    }
}

/// `rp70 status`: starts the program as the desktop program does and prints
/// its state and the new image.
int Status() {
    auto image = std::make_unique<RadioImage>();
    const ProgramState state = StartUp(
        {ProgramFolder(SystemEnvironment()), ShippedLanguageFolder(), std::nullopt, nullptr},
        *image);
    cli::TerminalInteraction terminal;
    UserContext context{terminal, state.Texts};
    const BandLimits& limits = image->Limits;

    std::printf("Program folder:  %s\n", state.Folder.string().c_str());
    std::printf("Language file:   %s\n", state.LanguageFile.string().c_str());
    std::printf("Serial port:     COM%d\n", state.Settings.ComPort);
    std::printf("Feature flags:   5-tone %s, 2-tone %s, DTMF %s\n",
                OnOff(state.Features.HasFiveTone), OnOff(state.Features.HasTwoTone),
                OnOff(state.Features.HasDTMF));
    std::printf("Model:           %s (version %s)\n",
                ModelDisplayName(image->ModelName, image->BandIndex).c_str(),
                image->Version.c_str());
    std::printf("Band %-3d         %s\n", image->BandIndex, image->BandText.c_str());
    std::printf("Receive:         %s ... %s MHz\n", FormatFixed(limits.RxLow, 3, 5).c_str(),
                FormatFixed(limits.RxHigh, 3, 5).c_str());
    std::printf("Transmit:        %s ... %s MHz\n", FormatFixed(limits.TxLow, 3, 5).c_str(),
                FormatFixed(limits.TxHigh, 3, 5).c_str());
    std::printf("Raster:          %s kHz\n",
                FormatFixed(RasterUnit(image->BandIndex) / 100.0, 1, 1).c_str());
    std::printf("Data file:       %s%s\n", image->CurrentFilePath.c_str(),
                image->IsUntitled ? " (untitled)" : "");
    std::printf("Channels:        %d\n", image->UsedChannelCount());
    for (int slot = 0; slot < image->UsedChannelCount(); ++slot) {
        const ChannelRecord& channel = image->Channels[static_cast<std::size_t>(slot)];
        std::printf("  %-5s %s MHz\n", ChannelLabel(channel.ChannelNumber).c_str(),
                    FreqDigitsToText(TextOf(channel.RxFreq), limits, context).c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("rp70");
    QCoreApplication::setApplicationVersion(RP70_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription("Command line tool for KT-RP70 radios.\n\n"
                                     "Commands:\n"
                                     "  status   start-up state and the new radio image");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("command", "The command to run.");
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        parser.showHelp(2);
    }
    if (args.first() == "status") {
        return Status();
    }
    std::fprintf(stderr, "rp70: unknown command \"%s\" (see rp70 --help)\n",
                 qPrintable(args.first()));
    return 2;
}
