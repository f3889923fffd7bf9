#include "link/wire_protocol.h"

#include <algorithm>
#include <cstddef>

namespace rp70 {
namespace {

std::uint8_t HighByte(int address) {
    return static_cast<std::uint8_t>((static_cast<unsigned>(address) >> 8) & 0xFFU);
}

std::uint8_t LowByte(int address) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(address) & 0xFFU);
}

} // namespace

std::uint8_t FrameChecksum(int address, std::span<const std::uint8_t> data) {
    unsigned sum = HighByte(address) + LowByte(address) + static_cast<unsigned>(data.size());
    for (std::uint8_t byte : data) {
        sum += byte;
    }
    return static_cast<std::uint8_t>(sum & 0xFFU);
}

Bytes WordCommand(std::string_view word) {
    Bytes command;
    command.reserve(word.size());
    for (char c : word) {
        command.push_back(static_cast<std::uint8_t>(c));
    }
    return command;
}

Bytes ReadBlockCommand(int address) {
    return {kReadLetter, HighByte(address), LowByte(address),
            static_cast<std::uint8_t>(kFrameDataLength)};
}

Bytes BlockFrame(int address, std::span<const std::uint8_t, kFrameDataLength> data,
                 std::uint8_t letter) {
    Bytes frame;
    frame.reserve(static_cast<std::size_t>(kWriteFrameLength));
    frame.push_back(letter);
    frame.push_back(HighByte(address));
    frame.push_back(LowByte(address));
    frame.push_back(static_cast<std::uint8_t>(kFrameDataLength));
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(FrameChecksum(address, data));
    frame.push_back(kAcknowledge);
    return frame;
}

std::optional<std::span<const std::uint8_t>> ReplyBehindEcho(std::span<const std::uint8_t> received,
                                                             int echoLength, int replyLength) {
    if (echoLength < 0 || replyLength < 0 ||
        received.size() !=
            static_cast<std::size_t>(echoLength) + static_cast<std::size_t>(replyLength)) {
        return std::nullopt;
    }
    return received.subspan(static_cast<std::size_t>(echoLength));
}

std::optional<BlockReply> ParseBlockReply(std::span<const std::uint8_t> received, int echoLength) {
    const auto found = ReplyBehindEcho(received, echoLength, kBlockReplyLength);
    if (!found) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> frame = *found;
    if (frame[0] != kWriteLetter || frame[3] != kFrameDataLength ||
        frame[frame.size() - 1] != kAcknowledge) {
        return std::nullopt;
    }
    BlockReply reply;
    reply.Address = frame[1] * 256 + frame[2];
    const std::span<const std::uint8_t> data = frame.subspan(4, kFrameDataLength);
    if (FrameChecksum(reply.Address, data) != frame[4 + kFrameDataLength]) {
        return std::nullopt;
    }
    std::copy(data.begin(), data.end(), reply.Data.begin());
    return reply;
}

} // namespace rp70
