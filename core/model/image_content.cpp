#include "model/image_content.h"

namespace rp70 {

ImageContent ContentOf(const RadioImage& image) {
    return {image.ModelName, image.BandText, image.BandIndex, image.Limits,
            image.Version,   image.Record,   image.Channels,  image.Factory.TestValues};
}

void RestoreContent(RadioImage& image, const ImageContent& content) {
    image.ModelName = content.ModelName;
    image.BandText = content.BandText;
    image.BandIndex = content.BandIndex;
    image.Limits = content.Limits;
    image.Version = content.Version;
    image.Record = content.Record;
    image.Channels = content.Channels;
    image.Factory.TestValues = content.TestValues;
}

} // namespace rp70
