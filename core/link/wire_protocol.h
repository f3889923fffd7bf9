#pragma once
// The bytes that travel between the computer and the radio: commands, block frames, their
// checksum and the replies the radio gives behind the cable's echo.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace rp70 {

using Bytes = std::vector<std::uint8_t>;

/// Data bytes of every block frame (the LEN byte).
inline constexpr int kFrameDataLength = 16;

inline constexpr std::uint8_t kAcknowledge = 0x06;   ///< accepted / end of a reply
inline constexpr std::uint8_t kRepeatRequest = 0x0A; ///< "send that block again"
inline constexpr std::uint8_t kIdentifyCommand = 0x02;
inline constexpr std::uint8_t kReadLetter = 'R';
inline constexpr std::uint8_t kWriteLetter = 'W';
/// Block 0160 of the factory test values is written with a lower-case letter.
inline constexpr std::uint8_t kTestWriteLetter = 'w';
inline constexpr std::uint8_t kIdentifyReplyLetter = 'I';

/// Starts every Read, Write and Radio information transfer; the radio answers "ZT" 06.
inline constexpr std::string_view kProgramWord = "PROGRAM";
/// Starts a Write in the factory test mode; answered like PROGRAM.
inline constexpr std::string_view kFactoryWord = "FACTORY";
inline constexpr std::string_view kEndWord = "END";

/// Reply lengths behind the echo.
inline constexpr int kProgramReplyLength = 3;                      // 5A 54 06
inline constexpr int kIdentifyReplyLength = 16;                    // "I" … 06
inline constexpr int kBlockReplyLength = 4 + kFrameDataLength + 2; // W AH AL LEN data CS 06
inline constexpr int kWriteFrameLength = 4 + kFrameDataLength + 2; // W AH AL LEN data CS 06
inline constexpr int kAcknowledgeReplyLength = 1;                  // 06 or 0A

/// The radio's answer to PROGRAM and to the factory word.
inline constexpr std::array<std::uint8_t, 3> kProgramReply = {0x5A, 0x54, 0x06};

/// Sum of the address bytes (high, low), the length byte and the data, modulo 256.
std::uint8_t FrameChecksum(int address, std::span<const std::uint8_t> data);

/// The ASCII bytes of a command word (PROGRAM, END, the factory word).
Bytes WordCommand(std::string_view word);

/// 52 AH AL 10: asks for the 16 bytes at `address`.
Bytes ReadBlockCommand(int address);

/// `letter` AH AL 10, the 16 data bytes, checksum, 06: a block for the radio to store (the
/// radio answers a read command with the same frame, letter "W").
Bytes BlockFrame(int address, std::span<const std::uint8_t, kFrameDataLength> data,
                 std::uint8_t letter = kWriteLetter);

/// The reply behind `echoLength` echo bytes when `received` holds exactly the echo and
/// `replyLength` bytes more; nullopt otherwise.
std::optional<std::span<const std::uint8_t>> ReplyBehindEcho(std::span<const std::uint8_t> received,
                                                             int echoLength, int replyLength);

/// A block frame received behind `echoLength` echo bytes.
struct BlockReply {
    int Address = 0;
    std::array<std::uint8_t, kFrameDataLength> Data{};
};

/// The block frame behind the echo when `received` is exactly one: byte E is "W", LEN is 16,
/// the count is exactly E + 22, the last byte is 06 and the checksum over the address, length
/// and data bytes is right. A frame of any other length is no answer to a 16-byte request.
std::optional<BlockReply> ParseBlockReply(std::span<const std::uint8_t> received, int echoLength);

} // namespace rp70
