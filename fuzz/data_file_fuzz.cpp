// A data file followed by its channel file, in the current form (with a password block) or the
// legacy one. What decodes is written again and must decode to the same: the same password,
// record and channels, and the same bytes when written a second time.

#include <algorithm>

#include "files/data_file.h"
#include "fuzz_support.h"
#include "model/fixed_text.h"

using namespace rp70;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto contents = DecodeDataFile(bytes);
    if (!contents) {
        return 0;
    }
    const std::size_t dataSize = contents->Password ? kDataFileSize : kImageRecordSize;
    const std::vector<std::uint8_t> channelBytes(
        bytes.begin() + static_cast<std::ptrdiff_t>(std::min(dataSize, size)), bytes.end());
    const int count = contents->Record.ChannelCount;
    ChannelTable channels{};
    if (!DecodeChannelFile(channelBytes, count, channels)) {
        return 0;
    }

    const std::string password = contents->Password.value_or("");
    const auto dataFile = EncodeDataFile(EncodePasswordBlock(password), contents->Record);
    const auto channelFile = EncodeChannelFile(channels, count);
    fuzz::Require(dataFile.size() == kDataFileSize &&
                  channelFile.size() == static_cast<std::size_t>(count) * kChannelRecordSize);

    const auto again = DecodeDataFile(dataFile);
    fuzz::Require(again && again->Password == password && again->Record == contents->Record);
    ChannelTable channelsAgain{};
    fuzz::Require(DecodeChannelFile(channelFile, count, channelsAgain));
    fuzz::Require(std::equal(channels.begin(), channels.begin() + count, channelsAgain.begin()));
    fuzz::Require(EncodeDataFile(EncodePasswordBlock(*again->Password), again->Record) == dataFile);
    fuzz::Require(EncodeChannelFile(channelsAgain, count) == channelFile);
    return 0;
}
