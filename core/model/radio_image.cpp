#include "model/radio_image.h"

#include <algorithm>
#include <cmath>

#include "model/bands.h"
#include "model/conversions.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

constexpr std::int16_t kStartBand = 3;
constexpr const char* kStartVersion = "V100";
// The settings fallback when no template exists for the model and band.
constexpr const char* kFallbackTemplate = "KTRP70_3.dat";

int BoundedCount(std::int16_t count) {
    return std::clamp<int>(count, 0, kChannelSlots);
}

} // namespace

RadioImage::RadioImage()
    : ModelName(kInternalModelName), BandText(BandCaption(kStartBand)), BandIndex(kStartBand),
      Limits(DeriveBandLimits(BandText, kStartBand)), Version(kStartVersion),
      CurrentFilePath("new.dat"), CurrentBookPath("new.cb") {
    SetDefaults(Record);
    Record.BandIndex = BandIndex;
    Record.ChannelCount = 2;
    Channels[0] = Channels[1] = DefaultChannel(Limits);
}

int RadioImage::UsedChannelCount() const {
    return BoundedCount(Record.ChannelCount);
}

void SetBand(RadioImage& image, std::string_view bandText) {
    image.BandText = std::string(bandText);
    image.BandIndex = BandCode(bandText);
    image.Limits = DeriveBandLimits(image.BandText, image.BandIndex);
}

void SetBandCode(RadioImage& image, std::int16_t code) {
    image.BandIndex = code;
    image.BandText = std::string(BandCaption(code));
    image.Limits = DeriveBandLimits(image.BandText, code);
}

void TakeSnapshot(RadioImage& image) {
    image.Record.BandIndex = image.BandIndex;
    image.Saved.Record = image.Record;
    const int used = image.UsedChannelCount();
    std::copy_n(image.Channels.begin(), used, image.Saved.Channels.begin());
    if (image.Factory.FactoryMode) {
        image.Factory.SavedTestValues = image.Factory.TestValues;
    }
}

void RestoreSnapshot(RadioImage& image) {
    image.Record = image.Saved.Record;
    // A damaged file may carry any count; the table never holds more than its slots.
    image.Record.ChannelCount = static_cast<std::int16_t>(BoundedCount(image.Record.ChannelCount));
    SetBandCode(image, image.Record.BandIndex);
    std::copy_n(image.Saved.Channels.begin(), image.UsedChannelCount(), image.Channels.begin());
    if (image.Factory.FactoryMode) {
        image.Factory.TestValues = image.Factory.SavedTestValues;
    }
}

ChannelRecord DefaultChannel(const BandLimits& limits) {
    ChannelRecord channel = NewChannelRecord(204);
    channel.InUse = 1;
    channel.ScanSkip = 1;
    const double middle = (std::round(limits.RxHigh) + limits.RxLow) / 2;
    channel.RxFreq = MakeFixedText<9>(TextToFreqDigits(FormatFixed(middle, 3, 4)));
    channel.TxOffset = MakeFixedText<9>(TextToFreqDigits("000.0000"));
    channel.Name = EmptyFixedText<7>();
    channel.StepIndex = 5;
    channel.TxCtcss = 20;
    channel.RxCtcss = 20;
    channel.PttIdCode = MakeFixedText<5>("00000");
    return channel;
}

std::filesystem::path TemplatePath(const std::filesystem::path& programFolder,
                                   std::string_view modelName, std::int16_t bandIndex) {
    const int band = bandIndex < 0 ? -bandIndex : bandIndex;
    std::string name(modelName);
    name += '_';
    name += std::to_string(band);
    name += ".dat";
    return programFolder / "Init" / name;
}

void ResetImage(RadioImage& image, const std::filesystem::path& programFolder,
                DataFileLoader* loader) {
    image.CurrentFilePath = "new.dat";
    image.CurrentBookPath = "new.cb";
    image.IsUntitled = true;
    image.Clipboard.ClipboardValid = {0, 0, 0};

    SetDefaults(image.Record);
    image.Record.ChannelCount = 2;
    image.Channels[0] = image.Channels[1] = DefaultChannel(image.Limits);

    if (loader != nullptr) {
        const auto own = TemplatePath(programFolder, TextOf(image.ModelName), image.BandIndex);
        std::error_code error;
        if (std::filesystem::is_regular_file(own, error)) {
            if (loader->LoadDataFile(image, own)) {
                return;
            }
            // The template could not be opened: keep the defaults of a new image.
        } else if (loader->LoadLegacyFile(image, programFolder / "Init" / kFallbackTemplate)) {
            // The fallback template gives settings only; the channels stay the new image's.
            image.Saved.Record.BandIndex = image.BandIndex;
            RestoreSnapshot(image);
            image.Record.ChannelCount = 2;
            image.Channels[0] = image.Channels[1] = DefaultChannel(image.Limits);
        }
    }
    TakeSnapshot(image);
}

} // namespace rp70
