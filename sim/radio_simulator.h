#pragma once
// A KT-RP70 as seen from the computer's end of the programming cable: every byte the computer
// sends comes back as the cable's echo, followed by the radio's answer to each complete
// command. Pure C++; the pseudo-terminal host (rp70-sim) and the link tests drive it.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "link/wire_protocol.h"
#include "memory/radio_memory.h"

namespace rp70::sim {

/// What the radio reports in its identification reply and which password it holds.
struct SimIdentity {
    std::string Model = "KTRP70"; ///< up to 7 characters; the rest is filled with FF
    std::uint8_t BandCode = 3;    ///< sent as it is
    std::string Version = "V100"; ///< up to 4 characters; the rest is filled with FF
    std::uint8_t Features = 0xE0; ///< bit 7 5-tone, bit 6 2-tone, bit 5 DTMF, bit 4 feature 4
    bool Killed = false;
    bool Stunned = false;
    /// The radio password, up to 4 characters; written into 004C … 004F (the rest FF) when
    /// set, otherwise the memory's own bytes stay.
    std::optional<std::string> Password;
};

/// Faults to provoke, for tests. Commands are counted from 1 in the order the radio
/// recognised them (PROGRAM, the factory word, 02, R, W, w and END alike).
struct SimFaults {
    bool NoEcho = false;            ///< the cable does not return the computer's bytes
    std::set<int> BadChecksumReads; ///< read replies (counted from 1) with a wrong checksum
    std::set<int> LongReads;        ///< read replies (counted from 1) sent with LEN 0x20
    std::set<int> RepeatWrites;     ///< write frames (counted from 1) answered with 0A
    /// Write frames (counted from 1) acknowledged with 06 but stored with their first data
    /// byte inverted: memory that silently differs from what the computer sent.
    std::set<int> CorruptWrites;
    std::optional<int> SilentAfter; ///< commands answered; later ones only echoed
    std::optional<int> HangUpAfter; ///< commands answered before the line is hung up
    std::set<int> NoiseBefore;      ///< commands whose answer is preceded by noise bytes
};

/// The bytes a NoiseBefore fault puts between the echo and the answer.
inline constexpr std::array<std::uint8_t, 2> kSimNoise = {0xFF, 0x00};

/// One command as the radio understood it, for transcripts and tests: "PROGRAM", "FACTORY",
/// "02", "R 0040", "W 2000", "w 0160", "END".
using SimCommand = std::string;

/// The radio listens only for PROGRAM and the factory word until one of them opens a
/// programming session; in a session it answers 02, R, W, w and END (which closes it) and a
/// new PROGRAM or factory word. Bytes that start no command are dropped one at a time until
/// the next command begins. Commands for addresses outside 0000 … 3FFF are not answered.
class RadioSimulator {
public:
    RadioSimulator(const RadioMemory& memory, SimIdentity identity, SimFaults faults = {});

    /// Bytes from the computer. Returns what goes back down the line, in order: the echo of
    /// these bytes, then the answer to every command they complete. Incomplete commands wait
    /// for their remaining bytes; bytes that start no command are dropped.
    Bytes Receive(std::span<const std::uint8_t> bytes);

    const RadioMemory& Memory() const { return memory_; }
    /// True once after a write frame was stored, so the host can save the memory file.
    bool TakeMemoryChanged();
    /// The line has been hung up (the HangUpAfter fault): the echo of the command that found
    /// the line hung up is the last thing returned; nothing more is answered or echoed.
    bool HungUp() const { return hungUp_; }
    /// Every command recognised so far, in order.
    const std::vector<SimCommand>& Commands() const { return commands_; }
    /// Whether a programming session is open (after PROGRAM or the factory word, until END).
    bool InSession() const { return inSession_; }

private:
    enum class Parse { Complete, NeedMore, NoCommand };

    /// Tries to take one command from the front of pending_; on Complete, `length` bytes
    /// form it.
    Parse NextCommand(std::size_t& length) const;
    /// Records the command of `frame`, applies the faults that concern the whole command and
    /// appends the answer to `out`.
    void Handle(std::span<const std::uint8_t> frame, Bytes& out);
    /// The answer of the radio to one command, without faults of the line.
    Bytes Answer(std::span<const std::uint8_t> frame);
    Bytes IdentifyReply() const;
    Bytes ReadReply(int address);
    Bytes WriteAnswer(std::span<const std::uint8_t> frame);

    RadioMemory memory_;
    SimIdentity identity_;
    SimFaults faults_;
    Bytes pending_;
    std::vector<SimCommand> commands_;
    bool inSession_ = false;
    bool hungUp_ = false;
    bool memoryChanged_ = false;
    int readReplies_ = 0;
    int writeFrames_ = 0;
};

/// A radio memory that has never been programmed: the link's blank pattern.
RadioMemory BlankRadioMemory();

} // namespace rp70::sim
