#include <cstdio>

#include "channels/channel_row.h"
#include "cli_program.h"
#include "commands.h"
#include "model/bands.h"
#include "model/conversions.h"
#include "texts/number_text.h"

namespace rp70::cli {
namespace {

const char* OnOff(bool on) {
    return on ? "on" : "off";
}

} // namespace

int RunStatus(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Shows the start-up state and the new radio image.");
    if (!ParseCommand(parser, arguments, 0, 0)) {
        return kExitUsage;
    }
    CliProgram program;
    const RadioImage& image = *program.Image;
    const ProgramState& state = program.State;
    const BandLimits& limits = image.Limits;

    std::printf("Program folder:  %s\n", Utf8Of(state.Folder).c_str());
    std::printf("Language file:   %s\n", Utf8Of(state.LanguageFile).c_str());
    std::printf("Serial port:     COM%d\n", state.Settings.ComPort);
    std::printf("Feature flags:   5-tone %s, 2-tone %s, DTMF %s\n",
                OnOff(state.Features.HasFiveTone), OnOff(state.Features.HasTwoTone),
                OnOff(state.Features.HasDTMF));
    std::printf("Factory mode:    %s\n", OnOff(image.Factory.FactoryMode));
    std::printf("Model:           %s (version %s)\n",
                ModelDisplayName(image.ModelName, image.BandIndex).c_str(), image.Version.c_str());
    std::printf("Band %-3d         %s\n", image.BandIndex, image.BandText.c_str());
    std::printf("Receive:         %s ... %s MHz\n", FormatFixed(limits.RxLow, 3, 5).c_str(),
                FormatFixed(limits.RxHigh, 3, 5).c_str());
    std::printf("Transmit:        %s ... %s MHz\n", FormatFixed(limits.TxLow, 3, 5).c_str(),
                FormatFixed(limits.TxHigh, 3, 5).c_str());
    std::printf("Raster:          %s kHz\n",
                FormatFixed(RasterUnit(image.BandIndex) / 100.0, 1, 1).c_str());
    std::printf("Data file:       %s%s\n", Utf8Of(image.CurrentFilePath).c_str(),
                image.IsUntitled ? " (untitled)" : "");
    std::printf("Channels:        %d\n", image.UsedChannelCount());
    for (int slot = 0; slot < image.UsedChannelCount(); ++slot) {
        const ChannelRecord& channel = image.Channels[static_cast<std::size_t>(slot)];
        std::printf("  %-5s %s MHz\n", RowLabel(channel.ChannelNumber).c_str(),
                    FreqDigitsToText(TextOf(channel.RxFreq), limits, program.Ctx).c_str());
    }
    return 0;
}

} // namespace rp70::cli
