#include "radio_simulator.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "link/radio_password.h"
#include "memory/codec_support.h"

namespace rp70::sim {

namespace {

constexpr int kMemoryEnd = static_cast<int>(kRadioMemorySize);
constexpr std::uint8_t kLengthByte = kFrameDataLength;
/// Where the radio keeps its password: the last four bytes of the block at 0040.
constexpr std::size_t kPasswordStart =
    kPasswordAreaAddress + kFrameDataLength - kRadioPasswordLength;
constexpr std::uint8_t kUnusedByte = 0xFF;

int AddressOf(std::span<const std::uint8_t> frame) {
    return frame[1] * 256 + frame[2];
}

/// Whether the `length` bytes from `address` lie inside the radio memory.
bool InsideMemory(int address, int length) {
    return address >= 0 && address + length <= kMemoryEnd;
}

/// `text`'s bytes cut or filled with FF to `width`.
void AppendPadded(Bytes& out, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : kUnusedByte);
    }
}

bool StartsWithWord(std::span<const std::uint8_t> bytes, std::string_view word) {
    const std::size_t count = std::min(bytes.size(), word.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] != static_cast<std::uint8_t>(word[i])) {
            return false;
        }
    }
    return true;
}

bool IsWord(std::span<const std::uint8_t> frame, std::string_view word) {
    return frame.size() == word.size() && StartsWithWord(frame, word);
}

SimCommand NameOf(std::span<const std::uint8_t> frame) {
    for (std::string_view word : {kProgramWord, kFactoryWord, kEndWord}) {
        if (IsWord(frame, word)) {
            return SimCommand(word);
        }
    }
    if (frame.size() == 1) {
        return "02";
    }
    const int address = AddressOf(frame);
    SimCommand name{static_cast<char>(frame[0]), ' '};
    for (int shift = 12; shift >= 0; shift -= 4) {
        name.push_back(HexDigit((address >> shift) & 0xF));
    }
    return name;
}

} // namespace

RadioSimulator::RadioSimulator(const RadioMemory& memory, SimIdentity identity, SimFaults faults)
    : memory_(memory), identity_(std::move(identity)), faults_(std::move(faults)) {
    if (identity_.Password) {
        const std::string& password = *identity_.Password;
        for (std::size_t i = 0; i < kRadioPasswordLength; ++i) {
            memory_[kPasswordStart + i] =
                i < password.size() ? static_cast<std::uint8_t>(password[i]) : kUnusedByte;
        }
    }
}

Bytes RadioSimulator::Receive(std::span<const std::uint8_t> bytes) {
    Bytes out;
    if (hungUp_) {
        return out;
    }
    if (!faults_.NoEcho) {
        out.assign(bytes.begin(), bytes.end());
    }
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    while (!hungUp_) {
        std::size_t length = 0;
        const Parse parse = NextCommand(length);
        if (parse == Parse::NeedMore) {
            break;
        }
        if (parse == Parse::NoCommand) {
            pending_.erase(pending_.begin());
            continue;
        }
        const Bytes frame(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));
        Handle(frame, out);
    }
    if (hungUp_) {
        pending_.clear();
    }
    return out;
}

bool RadioSimulator::TakeMemoryChanged() {
    return std::exchange(memoryChanged_, false);
}

RadioSimulator::Parse RadioSimulator::NextCommand(std::size_t& length) const {
    const std::span<const std::uint8_t> bytes(pending_);
    if (bytes.empty()) {
        return Parse::NeedMore;
    }
    // Out of a session the radio listens only for the words that open one.
    std::vector<std::string_view> words = {kProgramWord, kFactoryWord};
    if (inSession_) {
        words.push_back(kEndWord);
    }
    for (std::string_view word : words) {
        if (StartsWithWord(bytes, word)) {
            if (bytes.size() < word.size()) {
                return Parse::NeedMore;
            }
            length = word.size();
            return Parse::Complete;
        }
    }
    if (!inSession_) {
        return Parse::NoCommand;
    }
    const std::uint8_t letter = bytes[0];
    if (letter == kIdentifyCommand) {
        length = 1;
        return Parse::Complete;
    }
    if (letter != kReadLetter && letter != kWriteLetter && letter != kTestWriteLetter) {
        return Parse::NoCommand;
    }
    if (bytes.size() < 4) {
        return Parse::NeedMore;
    }
    if (bytes[3] != kLengthByte) {
        return Parse::NoCommand;
    }
    length = letter == kReadLetter ? 4 : static_cast<std::size_t>(kWriteFrameLength);
    return bytes.size() < length ? Parse::NeedMore : Parse::Complete;
}

void RadioSimulator::Handle(std::span<const std::uint8_t> frame, Bytes& out) {
    commands_.push_back(NameOf(frame));
    const int number = static_cast<int>(commands_.size());
    if (faults_.HangUpAfter && number > *faults_.HangUpAfter) {
        hungUp_ = true;
        inSession_ = false;
        return;
    }
    if (faults_.SilentAfter && number > *faults_.SilentAfter) {
        return;
    }
    const Bytes answer = Answer(frame);
    if (answer.empty()) {
        return;
    }
    if (faults_.NoiseBefore.contains(number)) {
        out.insert(out.end(), kSimNoise.begin(), kSimNoise.end());
    }
    out.insert(out.end(), answer.begin(), answer.end());
}

Bytes RadioSimulator::Answer(std::span<const std::uint8_t> frame) {
    if (IsWord(frame, kProgramWord) || IsWord(frame, kFactoryWord)) {
        inSession_ = true;
        return Bytes(kProgramReply.begin(), kProgramReply.end());
    }
    if (IsWord(frame, kEndWord)) {
        inSession_ = false;
        return {kAcknowledge};
    }
    if (frame.size() == 1) {
        return IdentifyReply();
    }
    if (frame[0] == kReadLetter) {
        return ReadReply(AddressOf(frame));
    }
    return WriteAnswer(frame);
}

Bytes RadioSimulator::IdentifyReply() const {
    Bytes reply{kIdentifyReplyLetter};
    AppendPadded(reply, identity_.Model, 7);
    reply.push_back(identity_.BandCode);
    AppendPadded(reply, identity_.Version, 4);
    reply.push_back(identity_.Features);
    reply.push_back(
        static_cast<std::uint8_t>((identity_.Killed ? 0x01 : 0) | (identity_.Stunned ? 0x02 : 0)));
    reply.push_back(kAcknowledge);
    return reply;
}

Bytes RadioSimulator::ReadReply(int address) {
    if (!InsideMemory(address, kFrameDataLength)) {
        return {};
    }
    const int number = ++readReplies_;
    std::array<std::uint8_t, kFrameDataLength> data{};
    std::copy_n(memory_.begin() + address, kFrameDataLength, data.begin());
    Bytes reply = BlockFrame(address, data, kWriteLetter);
    if (faults_.LongReads.contains(number)) {
        // Twice the data asked for (FF past the end of the memory) with LEN 20 and a checksum
        // that fits it: only the length is wrong.
        Bytes twice;
        for (int at = address; at < address + 2 * kFrameDataLength; ++at) {
            twice.push_back(at < kMemoryEnd ? memory_[static_cast<std::size_t>(at)] : kUnusedByte);
        }
        reply.resize(3);
        reply.push_back(static_cast<std::uint8_t>(twice.size()));
        reply.insert(reply.end(), twice.begin(), twice.end());
        reply.push_back(FrameChecksum(address, twice));
        reply.push_back(kAcknowledge);
    }
    if (faults_.BadChecksumReads.contains(number)) {
        std::uint8_t& checksum = reply[reply.size() - 2];
        checksum = static_cast<std::uint8_t>(checksum + 1);
    }
    return reply;
}

Bytes RadioSimulator::WriteAnswer(std::span<const std::uint8_t> frame) {
    const int address = AddressOf(frame);
    if (!InsideMemory(address, kFrameDataLength)) {
        return {};
    }
    const int number = ++writeFrames_;
    const auto data = frame.subspan<4, kFrameDataLength>();
    const bool intact = frame[kWriteFrameLength - 1] == kAcknowledge &&
                        frame[kWriteFrameLength - 2] == FrameChecksum(address, data);
    if (!intact || faults_.RepeatWrites.contains(number)) {
        return {kRepeatRequest};
    }
    std::copy(data.begin(), data.end(), memory_.begin() + address);
    if (faults_.CorruptWrites.contains(number)) {
        memory_[static_cast<std::size_t>(address)] ^= 0xFF;
    }
    memoryChanged_ = true;
    return {kAcknowledge};
}

RadioMemory BlankRadioMemory() {
    RadioMemory memory{};
    ClearRadioMemory(memory);
    return memory;
}

} // namespace rp70::sim
