// Commands, block frames and their checksum as they travel on the cable.

#include "link/wire_protocol.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace rp70 {
namespace {

using Block = std::array<std::uint8_t, kFrameDataLength>;

Block Counting() {
    Block data{};
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i);
    }
    return data;
}

Block Filled(std::uint8_t byte) {
    Block data{};
    data.fill(byte);
    return data;
}

Bytes Join(const Bytes& echo, const Bytes& reply) {
    Bytes all = echo;
    all.insert(all.end(), reply.begin(), reply.end());
    return all;
}

TEST(WireProtocolChecksum, SumsAddressLengthAndDataModulo256) {
    // 12 + 34 + 10 + 16 × 10 = 156
    EXPECT_EQ(FrameChecksum(0x1234, Filled(0x10)), 0x56);
    // 3F + F0 + 10 + 16 × FF = 112F
    EXPECT_EQ(FrameChecksum(0x3FF0, Filled(0xFF)), 0x2F);
    // 00 + 40 + 10 + (0 + 1 + … + 15 = 78)
    EXPECT_EQ(FrameChecksum(0x0040, Counting()), 0xC8);
}

TEST(WireProtocolCommands, WordsAreTheirAsciiBytes) {
    EXPECT_EQ(WordCommand(kProgramWord), (Bytes{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}));
    EXPECT_EQ(WordCommand(kEndWord), (Bytes{0x45, 0x4E, 0x44}));
    const Bytes factory = WordCommand(kFactoryWord);
    ASSERT_EQ(factory.size(), 7U);
    for (std::uint8_t byte : factory) {
        EXPECT_TRUE(byte >= 'A' && byte <= 'Z') << int{byte};
    }
    EXPECT_NE(factory, WordCommand(kProgramWord));
}

TEST(WireProtocolCommands, ReadCommandSendsAddressHighByteFirst) {
    EXPECT_EQ(ReadBlockCommand(0x0040), (Bytes{0x52, 0x00, 0x40, 0x10}));
    EXPECT_EQ(ReadBlockCommand(0x0160), (Bytes{0x52, 0x01, 0x60, 0x10}));
    EXPECT_EQ(ReadBlockCommand(0x3FF0), (Bytes{0x52, 0x3F, 0xF0, 0x10}));
}

TEST(WireProtocolCommands, BlockFrameCarriesDataChecksumAndAcknowledge) {
    const Bytes expected = {0x57, 0x00, 0x40, 0x10, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                            0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0xC8, 0x06};
    EXPECT_EQ(BlockFrame(0x0040, Counting()), expected);
    EXPECT_EQ(BlockFrame(0x0040, Counting()).size(), static_cast<std::size_t>(kWriteFrameLength));
}

TEST(WireProtocolCommands, TestBlockFrameUsesLowerCaseLetter) {
    const Bytes frame = BlockFrame(0x0160, Filled(0x00), kTestWriteLetter);
    const Bytes expected = {0x77, 0x01, 0x60, 0x10, 0, 0, 0, 0, 0, 0,    0,
                            0,    0,    0,    0,    0, 0, 0, 0, 0, 0x71, 0x06};
    EXPECT_EQ(frame, expected);
}

TEST(WireProtocolThresholds, EchoPlusReplyMatchesEachCommand) {
    EXPECT_EQ(static_cast<int>(WordCommand(kProgramWord).size()) + kProgramReplyLength, 10);
    EXPECT_EQ(1 + kIdentifyReplyLength, 17);
    EXPECT_EQ(static_cast<int>(ReadBlockCommand(0).size()) + kBlockReplyLength, 26);
    EXPECT_EQ(kWriteFrameLength + kAcknowledgeReplyLength, 23);
    EXPECT_EQ(static_cast<int>(WordCommand(kEndWord).size()) + kAcknowledgeReplyLength, 4);
}

class WireProtocolBlockReply : public ::testing::Test {
protected:
    const Bytes echo = ReadBlockCommand(0x1980);
    const Bytes frame = BlockFrame(0x1980, Counting());
};

TEST_F(WireProtocolBlockReply, ValidFrameBehindEchoGivesAddressAndData) {
    const auto reply = ParseBlockReply(Join(echo, frame), 4);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->Address, 0x1980);
    EXPECT_EQ(reply->Data, Counting());
}

TEST_F(WireProtocolBlockReply, ReplyWithoutEchoIsNotRecognised) {
    EXPECT_FALSE(ParseBlockReply(frame, 4).has_value());
}

TEST_F(WireProtocolBlockReply, WrongCountIsRejected) {
    Bytes longer = Join(echo, frame);
    longer.push_back(0x06);
    EXPECT_FALSE(ParseBlockReply(longer, 4).has_value());
    Bytes shorter = Join(echo, frame);
    shorter.pop_back();
    EXPECT_FALSE(ParseBlockReply(shorter, 4).has_value());
}

TEST_F(WireProtocolBlockReply, DamagedFrameIsRejected) {
    const std::size_t e = echo.size();
    Bytes badChecksum = Join(echo, frame);
    badChecksum[e + 20] ^= 0x01;
    EXPECT_FALSE(ParseBlockReply(badChecksum, 4).has_value());

    Bytes badData = Join(echo, frame);
    badData[e + 9] ^= 0x80;
    EXPECT_FALSE(ParseBlockReply(badData, 4).has_value());

    Bytes noAcknowledge = Join(echo, frame);
    noAcknowledge.back() = 0x0A;
    EXPECT_FALSE(ParseBlockReply(noAcknowledge, 4).has_value());

    Bytes readLetter = Join(echo, frame);
    readLetter[e] = 0x52;
    EXPECT_FALSE(ParseBlockReply(readLetter, 4).has_value());
}

TEST_F(WireProtocolBlockReply, LengthOtherThan16IsRejected) {
    // A correct frame of 32 data bytes (LEN 20) answers no 16-byte request.
    Bytes wide = {0x57, 0x19, 0x80, 0x20};
    unsigned sum = 0x19 + 0x80 + 0x20;
    for (std::uint8_t i = 0; i < 0x20; ++i) {
        wide.push_back(i);
        sum += i;
    }
    wide.push_back(static_cast<std::uint8_t>(sum & 0xFFU));
    wide.push_back(0x06);
    EXPECT_FALSE(ParseBlockReply(Join(echo, wide), 4).has_value());

    // The LEN byte alone changed, checksum made right again: still not a 16-byte frame.
    Bytes relabelled = Join(echo, frame);
    relabelled[4 + 3] = 0x20;
    relabelled[4 + 20] = static_cast<std::uint8_t>(relabelled[4 + 20] + 0x10);
    EXPECT_FALSE(ParseBlockReply(relabelled, 4).has_value());
}

TEST_F(WireProtocolBlockReply, OddEchoLengthsNeverReadOutside) {
    const Bytes all = Join(echo, frame);
    EXPECT_FALSE(ParseBlockReply(all, -1).has_value());
    EXPECT_FALSE(ParseBlockReply(all, 100).has_value());
    EXPECT_FALSE(ParseBlockReply(Bytes{}, 0).has_value());
    EXPECT_TRUE(ParseBlockReply(frame, 0).has_value());
}

} // namespace
} // namespace rp70
