// A radio memory as a Read brings it: the first byte picks the radio's band code, the rest
// overlays the blank pattern from address 0000 on. What decodes must encode without failing
// (a radio that was read can be written back); the radio then holds the blocks the Write sent
// over its old memory. Reading that radio and writing it again must leave the same memory, with
// the same channels. (The image itself may differ in how a text is padded: a short 2-tone name
// comes back space-filled where it was NUL-terminated, as the radio stores it.)

#include <algorithm>
#include <bitset>

#include "fuzz_support.h"
#include "memory/memory_codec.h"
#include "model/bands.h"

using namespace rp70;

namespace {

/// The image a Read of `memory` gives for a radio of band `bandCode`.
RadioImage Decoded(std::int16_t bandCode, RadioMemory memory) {
    RadioImage image;
    ResetImage(image, {}, nullptr);
    SetBandCode(image, bandCode);
    DecodeRadioMemory(image, memory);
    return image;
}

/// Which blocks a Write sends.
class SentBlocks : public fuzz::Silent {
public:
    void MarkForWrite(RecordKind, int address, int length) override {
        for (int block = address / kBlockSize; block <= (address + length - 1) / kBlockSize;
             ++block) {
            sent.set(static_cast<std::size_t>(block));
        }
    }
    std::bitset<kBlockCount> sent;
};

/// The memory of the radio after a Write of `image` into a radio that held `radio`: the blocks
/// the Write sent over the old ones. Stops the run when an encoder fails.
RadioMemory Written(RadioImage& image, const RadioMemory& radio) {
    RadioMemory memory{};
    ClearRadioMemory(memory);
    SentBlocks blocks;
    fuzz::Require(EncodeRadioMemory(image, EncodeTarget{memory, blocks, blocks}));
    RadioMemory after = radio;
    for (std::size_t block = 0; block < blocks.sent.size(); ++block) {
        if (blocks.sent.test(block)) {
            std::copy_n(memory.begin() + static_cast<std::ptrdiff_t>(block * kBlockSize),
                        kBlockSize,
                        after.begin() + static_cast<std::ptrdiff_t>(block * kBlockSize));
        }
    }
    return after;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::int16_t bandCode = BandCodeFromRadio(input.Byte());
    RadioMemory radio{};
    ClearRadioMemory(radio);
    const auto overlay = input.Take(kRadioMemorySize);
    std::copy(overlay.begin(), overlay.end(), radio.begin());

    RadioImage first = Decoded(bandCode, radio);
    const RadioMemory written = Written(first, radio);
    RadioImage second = Decoded(bandCode, written);
    const RadioMemory writtenAgain = Written(second, written);
    fuzz::Require(written == writtenAgain);
    fuzz::Require(first.Record.ChannelCount == second.Record.ChannelCount);
    return 0;
}
