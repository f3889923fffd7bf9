#pragma once
// The part of a radio image that one step of undo and redo brings back: the programmed data and
// the model and band it belongs to. The file it came from, the snapshot the modified check
// compares with, the file password, the factory mode and the channel clipboard are no part of
// it, so undoing back to the saved data counts as unchanged again.

#include <string>

#include "model/radio_image.h"

namespace rp70 {

struct ImageContent {
    std::string ModelName;
    std::string BandText;
    std::int16_t BandIndex = 0;
    BandLimits Limits;
    std::string Version;
    ImageRecord Record;
    ChannelTable Channels{};
    rp70::TestValues TestValues{};

    bool operator==(const ImageContent&) const = default;
};

/// The content of `image` as it is now.
ImageContent ContentOf(const RadioImage& image);

/// Puts `content` back into `image`; everything else of the image stays.
void RestoreContent(RadioImage& image, const ImageContent& content);

} // namespace rp70
