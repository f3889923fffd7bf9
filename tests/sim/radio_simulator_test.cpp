#include "radio_simulator.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

namespace rp70::sim {
namespace {

Bytes Of(std::initializer_list<int> values) {
    Bytes bytes;
    for (int value : values) {
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes Program() {
    return WordCommand(kProgramWord);
}
const Bytes kZt = Of({0x5A, 0x54, 0x06});

/// A memory whose block 0040 holds 00 01 … 0F and block 3FF0 holds F0 … FF.
RadioMemory TestMemory() {
    RadioMemory memory = BlankRadioMemory();
    for (int i = 0; i < 16; ++i) {
        memory[0x0040 + i] = static_cast<std::uint8_t>(i);
        memory[0x3FF0 + i] = static_cast<std::uint8_t>(0xF0 + i);
    }
    return memory;
}

std::array<std::uint8_t, kFrameDataLength> DataBlock(int first) {
    std::array<std::uint8_t, kFrameDataLength> data{};
    for (int i = 0; i < kFrameDataLength; ++i) {
        data[i] = static_cast<std::uint8_t>(first + i);
    }
    return data;
}

/// The reply to R 00 40 10 from TestMemory: the checksum is 00 + 40 + 10 + (00 + … + 0F) = C8.
const Bytes kBlock40Reply = Join({Of({0x57, 0x00, 0x40, 0x10}), Of({0, 1, 2, 3, 4, 5, 6, 7}),
                                  Of({8, 9, 10, 11, 12, 13, 14, 15}), Of({0xC8, 0x06})});

/// A simulator in a programming session (PROGRAM already answered).
RadioSimulator InSessionRadio(SimFaults faults = {}, SimIdentity identity = {}) {
    RadioSimulator radio(TestMemory(), std::move(identity), std::move(faults));
    radio.Receive(Program());
    return radio;
}

TEST(RadioSimulatorSession, ProgramAndFactoryWordAreEchoedThenAnsweredZt) {
    RadioSimulator radio(TestMemory(), {});
    EXPECT_EQ(radio.Receive(Program()),
              Of({0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x5A, 0x54, 0x06}));
    EXPECT_TRUE(radio.InSession());
    EXPECT_EQ(radio.Receive(WordCommand(kFactoryWord)), Join({WordCommand(kFactoryWord), kZt}));
    EXPECT_EQ(radio.Commands(), (std::vector<SimCommand>{"PROGRAM", "FACTORY"}));
}

TEST(RadioSimulatorSession, CommandsOutsideASessionAreOnlyEchoed) {
    RadioSimulator radio(TestMemory(), {});
    const Bytes stray = Join({Of({0x02}), ReadBlockCommand(0x0040), WordCommand(kEndWord)});
    EXPECT_EQ(radio.Receive(stray), stray);
    EXPECT_TRUE(radio.Commands().empty());

    radio.Receive(Program());
    EXPECT_EQ(radio.Receive(WordCommand(kEndWord)), Of({0x45, 0x4E, 0x44, 0x06}));
    EXPECT_FALSE(radio.InSession());
    EXPECT_EQ(radio.Receive(Of({0x02})), Of({0x02}));
    EXPECT_EQ(radio.Commands(), (std::vector<SimCommand>{"PROGRAM", "END"}));
}

TEST(RadioSimulatorSession, CommandsSplitOverSeveralChunksAreAnsweredWhenComplete) {
    RadioSimulator radio(TestMemory(), {});
    EXPECT_EQ(radio.Receive(Of({0x50, 0x52})), Of({0x50, 0x52}));
    EXPECT_EQ(radio.Receive(Of({0x4F, 0x47, 0x52, 0x41})), Of({0x4F, 0x47, 0x52, 0x41}));
    EXPECT_EQ(radio.Receive(Of({0x4D})), Join({Of({0x4D}), kZt}));

    const Bytes frame = BlockFrame(0x2000, DataBlock(0x30));
    for (std::size_t i = 0; i + 1 < frame.size(); ++i) {
        EXPECT_EQ(radio.Receive({&frame[i], 1}), Of({frame[i]})) << "byte " << i;
    }
    EXPECT_EQ(radio.Receive({&frame.back(), 1}), Of({0x06, 0x06}));
    EXPECT_EQ(radio.Memory()[0x2000], 0x30);
}

TEST(RadioSimulatorSession, SeveralCommandsInOneChunkEchoAllThenAnswerInOrder) {
    RadioSimulator radio(TestMemory(), {});
    const Bytes chunk = Join({Program(), ReadBlockCommand(0x0040)});
    EXPECT_EQ(radio.Receive(chunk), Join({chunk, kZt, kBlock40Reply}));
}

TEST(RadioSimulatorSession, BytesThatStartNoCommandAreDropped) {
    RadioSimulator radio = InSessionRadio();
    // Garbage, a word that goes wrong, and a read with a length other than 10.
    const Bytes noise = Join({Of({0x33, 0x00, 0x50, 0x52, 0x58}), Of({0x52, 0x00, 0x40, 0x20})});
    const Bytes chunk = Join({noise, ReadBlockCommand(0x0040)});
    EXPECT_EQ(radio.Receive(chunk), Join({chunk, kBlock40Reply}));
    EXPECT_EQ(radio.Commands(), (std::vector<SimCommand>{"PROGRAM", "R 0040"}));
}

TEST(RadioSimulatorIdentity, ReplyCarriesModelBandVersionFeaturesAndStatus) {
    RadioSimulator radio = InSessionRadio();
    EXPECT_EQ(radio.Receive(Of({0x02})), Of({0x02, 0x49, 0x4B, 0x54, 0x52, 0x50, 0x37, 0x30, 0xFF,
                                             0x03, 0x56, 0x31, 0x30, 0x30, 0xE0, 0x00, 0x06}));

    SimIdentity odd;
    odd.Model = "LONGMODEL";
    odd.BandCode = 0x3A;
    odd.Version = "V1";
    odd.Features = 0x10;
    odd.Killed = true;
    odd.Stunned = true;
    RadioSimulator other = InSessionRadio({}, odd);
    EXPECT_EQ(other.Receive(Of({0x02})), Of({0x02, 0x49, 0x4C, 0x4F, 0x4E, 0x47, 0x4D, 0x4F, 0x44,
                                             0x3A, 0x56, 0x31, 0xFF, 0xFF, 0x10, 0x03, 0x06}));
    EXPECT_EQ(other.Commands().back(), "02");
}

TEST(RadioSimulatorIdentity, PasswordIsWrittenIntoTheBlockAt0040) {
    SimIdentity locked;
    locked.Password = "AB";
    RadioSimulator radio = InSessionRadio({}, locked);
    const Bytes reply = radio.Receive(ReadBlockCommand(0x0040));
    ASSERT_EQ(reply.size(), 4u + 22u);
    EXPECT_EQ(Bytes(reply.begin() + 4 + 16, reply.begin() + 4 + 20), Of({0x41, 0x42, 0xFF, 0xFF}));
    EXPECT_EQ(reply[4 + 20],
              static_cast<std::uint8_t>(0xC8 - (12 + 13 + 14 + 15) + 0x41 + 0x42 + 0xFF + 0xFF));

    RadioSimulator plain(TestMemory(), {});
    EXPECT_EQ(plain.Memory()[0x004C], 12) << "without a password the memory keeps its bytes";
}

TEST(RadioSimulatorBlocks, ReadAnswersTheMemoryBlockWithChecksum) {
    RadioSimulator radio = InSessionRadio();
    EXPECT_EQ(radio.Receive(ReadBlockCommand(0x0040)),
              Join({ReadBlockCommand(0x0040), kBlock40Reply}));
    const Bytes last = radio.Receive(ReadBlockCommand(0x3FF0));
    ASSERT_EQ(last.size(), 26u);
    EXPECT_EQ(last[4 + 19], 0xFF);
    EXPECT_EQ(radio.Commands().back(), "R 3FF0");
}

TEST(RadioSimulatorBlocks, AddressesBeyondTheMemoryAreNotAnswered) {
    RadioSimulator radio = InSessionRadio();
    EXPECT_EQ(radio.Receive(ReadBlockCommand(0x4000)), ReadBlockCommand(0x4000));
    const Bytes frame = BlockFrame(0x3FF8, DataBlock(0));
    EXPECT_EQ(radio.Receive(frame), frame);
    EXPECT_EQ(radio.Commands(), (std::vector<SimCommand>{"PROGRAM", "R 4000", "W 3FF8"}));
}

TEST(RadioSimulatorBlocks, IntactWriteFramesAreStoredAndAcknowledged) {
    RadioSimulator radio = InSessionRadio();
    const Bytes frame = BlockFrame(0x2000, DataBlock(0x30));
    EXPECT_EQ(radio.Receive(frame), Join({frame, Of({0x06})}));
    EXPECT_TRUE(radio.TakeMemoryChanged());
    EXPECT_FALSE(radio.TakeMemoryChanged());
    EXPECT_EQ(radio.Memory()[0x200F], 0x3F);

    const Bytes test = BlockFrame(0x0160, DataBlock(0x80), kTestWriteLetter);
    EXPECT_EQ(radio.Receive(test), Join({test, Of({0x06})}));
    EXPECT_EQ(radio.Memory()[0x0160], 0x80);
    EXPECT_EQ(radio.Commands().back(), "w 0160");
}

TEST(RadioSimulatorBlocks, DamagedWriteFramesAreAnsweredRepeatAndNotStored) {
    RadioSimulator radio = InSessionRadio();
    Bytes badSum = BlockFrame(0x2000, DataBlock(0x30));
    badSum[20] = static_cast<std::uint8_t>(badSum[20] + 1);
    Bytes badEnd = BlockFrame(0x2000, DataBlock(0x30));
    badEnd[21] = 0x07;
    EXPECT_EQ(radio.Receive(badSum), Join({badSum, Of({0x0A})}));
    EXPECT_EQ(radio.Receive(badEnd), Join({badEnd, Of({0x0A})}));
    EXPECT_FALSE(radio.TakeMemoryChanged());
    EXPECT_EQ(radio.Memory()[0x2000], 0x00);
}

TEST(RadioSimulatorFaults, NoEchoSendsOnlyTheAnswer) {
    SimFaults faults;
    faults.NoEcho = true;
    RadioSimulator radio(TestMemory(), {}, faults);
    EXPECT_EQ(radio.Receive(Program()), kZt);
}

TEST(RadioSimulatorFaults, BadChecksumAndLongReadsSpoilTheCountedReadReplies) {
    SimFaults faults;
    faults.BadChecksumReads = {2};
    faults.LongReads = {3};
    RadioSimulator radio = InSessionRadio(faults);
    EXPECT_EQ(radio.Receive(ReadBlockCommand(0x0040)).at(4 + 20), 0xC8);
    EXPECT_EQ(radio.Receive(ReadBlockCommand(0x0040)).at(4 + 20), 0xC9);

    const Bytes wide = radio.Receive(ReadBlockCommand(0x3FF0));
    ASSERT_EQ(wide.size(), 4u + 4 + 32 + 2);
    EXPECT_EQ(wide[4 + 3], 0x20);
    EXPECT_EQ(wide[4 + 4 + 31], 0xFF) << "past the end of the memory";
    unsigned sum = 0x3F + 0xF0 + 0x20;
    for (int i = 0; i < 32; ++i) {
        sum += wide[4 + 4 + i];
    }
    EXPECT_EQ(wide[4 + 36], static_cast<std::uint8_t>(sum)) << "only the length is wrong";
    EXPECT_EQ(wide.back(), 0x06);
    EXPECT_EQ(radio.Receive(ReadBlockCommand(0x0040)),
              Join({ReadBlockCommand(0x0040), kBlock40Reply}));
}

TEST(RadioSimulatorFaults, RepeatWritesAnswerTheCountedFrameWithRepeat) {
    SimFaults faults;
    faults.RepeatWrites = {1};
    RadioSimulator radio = InSessionRadio(faults);
    const Bytes frame = BlockFrame(0x2000, DataBlock(0x30));
    EXPECT_EQ(radio.Receive(frame).back(), 0x0A);
    EXPECT_EQ(radio.Memory()[0x2000], 0x00);
    EXPECT_EQ(radio.Receive(frame).back(), 0x06);
    EXPECT_EQ(radio.Memory()[0x2000], 0x30);
}

TEST(RadioSimulatorFaults, CorruptWritesAcknowledgeButStoreOtherBytes) {
    SimFaults faults;
    faults.CorruptWrites = {2};
    RadioSimulator radio = InSessionRadio(faults);
    EXPECT_EQ(radio.Receive(BlockFrame(0x2000, DataBlock(0x30))).back(), 0x06);
    EXPECT_EQ(radio.Receive(BlockFrame(0x2010, DataBlock(0x30))).back(), 0x06);
    EXPECT_EQ(radio.Memory()[0x2000], 0x30);
    EXPECT_EQ(radio.Memory()[0x2010], 0xCF);
    EXPECT_EQ(radio.Memory()[0x2011], 0x31);
}

TEST(RadioSimulatorFaults, SilentAfterOnlyEchoesLaterCommands) {
    SimFaults faults;
    faults.SilentAfter = 1;
    RadioSimulator radio = InSessionRadio(faults);
    const Bytes frame = BlockFrame(0x2000, DataBlock(0x30));
    EXPECT_EQ(radio.Receive(frame), frame);
    EXPECT_EQ(radio.Memory()[0x2000], 0x00);
    EXPECT_EQ(radio.Commands().size(), 2u);
}

TEST(RadioSimulatorFaults, HangUpAfterEchoesTheNextCommandThenGoesQuiet) {
    SimFaults faults;
    faults.HangUpAfter = 1;
    RadioSimulator radio = InSessionRadio(faults);
    EXPECT_FALSE(radio.HungUp());
    EXPECT_EQ(radio.Receive(Of({0x02})), Of({0x02}));
    EXPECT_TRUE(radio.HungUp());
    EXPECT_TRUE(radio.Receive(Program()).empty());
}

TEST(RadioSimulatorFaults, NoiseBeforePrecedesTheCountedAnswer) {
    SimFaults faults;
    faults.NoiseBefore = {2};
    RadioSimulator radio = InSessionRadio(faults);
    const Bytes reply = radio.Receive(WordCommand(kEndWord));
    EXPECT_EQ(reply, Join({WordCommand(kEndWord), Of({0xFF, 0x00, 0x06})}));
}

TEST(RadioSimulatorMemory, BlankMemoryIsTheLinksBlankPattern) {
    const RadioMemory blank = BlankRadioMemory();
    const std::initializer_list<std::pair<int, int>> expected = {
        {0x0000, 0x00}, {0x00FF, 0x00}, {0x0100, 0xFF}, {0x01FF, 0xFF},
        {0x0200, 0x00}, {0x0380, 0xFF}, {0x039F, 0xFF}, {0x03A0, 0x00},
        {0x03F0, 0xFF}, {0x03FF, 0xFF}, {0x0400, 0x00}, {0x3FFF, 0x00}};
    for (const auto& [address, value] : expected) {
        EXPECT_EQ(blank[address], value) << std::hex << address;
    }
}

} // namespace
} // namespace rp70::sim
