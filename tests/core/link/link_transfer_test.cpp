#include "link/link_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "files/modified_check.h"
#include "memory/memory_codec.h"
#include "memory/radio_info_codec.h"
#include "memory/test_blocks.h"
#include "radio_simulator.h"
#include "shell/startup.h"
#include "support/recording_interaction.h"
#include "support/recording_marks.h"
#include "support/rich_image.h"
#include "support/simulated_link.h"

namespace rp70 {
namespace {

using Commands = std::vector<std::string>;

std::string BlockCommand(char letter, int address) {
    char text[8];
    std::snprintf(text, sizeof text, "%c %04X", letter, static_cast<unsigned>(address));
    return text;
}

/// The R commands of one pass of `passes`, in address order.
Commands ReadsOfPass(const BlockPasses& passes, int pass) {
    Commands reads;
    for (int block = 0; block < kBlockCount; ++block) {
        if (passes.Map[static_cast<std::size_t>(block)] == pass) {
            reads.push_back(BlockCommand('R', block * kBlockSize));
        }
    }
    return reads;
}

Commands Joined(std::initializer_list<Commands> parts) {
    Commands all;
    for (const Commands& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const Commands kHandshake = {"PROGRAM", "02", "R 0040"};

/// The radio memory of `image` as a Write leaves it in a radio, with the blocks it marked.
struct EncodedImage {
    RadioMemory Memory{};
    test::RecordingMarks Marks;
};

EncodedImage Encode(RadioImage image) {
    EncodedImage encoded;
    test::RecordingInteraction ui;
    ClearRadioMemory(encoded.Memory);
    EXPECT_TRUE(EncodeRadioMemory(image, {encoded.Memory, encoded.Marks, ui}));
    return encoded;
}

class LinkTransferTest : public ::testing::Test {
protected:
    LinkTransferTest() {
        state.Texts = LanguageTexts::Load(RP70_LANG_DIR "/english.ini", Language::English);
        ResetImage(image, {}, nullptr);
        TakeSnapshot(image);
        UseRadio(sim::BlankRadioMemory());
    }

    /// The radio at the other end of the cable from now on.
    void UseRadio(const RadioMemory& memory, sim::SimIdentity identity = {},
                  sim::SimFaults faults = {}) {
        engine.reset();
        link.reset();
        radio = std::make_unique<sim::RadioSimulator>(memory, std::move(identity), faults);
        link = std::make_unique<test::SimulatedLink>(*radio);
        engine = std::make_unique<LinkTransfer>(*link, *link, image, state, ui);
        engine->ConfirmBeforeTransfer = false;
        link->Attach(*engine);
    }

    /// Runs one transfer to its end.
    std::optional<TransferOutcome> Transfer(TransferKind kind) {
        if (!engine->Start(kind)) {
            return std::nullopt;
        }
        return link->Run();
    }

    const Commands& WireCommands() const { return radio->Commands(); }

    RadioImage image;
    ProgramState state;
    test::RecordingInteraction ui;
    std::unique_ptr<sim::RadioSimulator> radio;
    std::unique_ptr<test::SimulatedLink> link;
    std::unique_ptr<LinkTransfer> engine;
};

// --- Whole transfers on the wire ---------------------------------------------------------

TEST_F(LinkTransferTest, ReadOfAnEmptyRadioFetchesTheSettingsBlocksAndReplacesTheImage) {
    sim::SimIdentity identity;
    identity.BandCode = 7;
    UseRadio(sim::BlankRadioMemory(), identity);
    image.IsUntitled = false;
    image.CurrentFilePath = "/data/old.dat";

    ASSERT_EQ(Transfer(TransferKind::Read), TransferOutcome::Succeeded);

    BlockPasses settings;
    BuildPassMap(settings, TransferKind::Read);
    const Commands reads = ReadsOfPass(settings, 2);
    ASSERT_EQ(reads.size(), 167u);
    EXPECT_EQ(WireCommands(), Joined({kHandshake, reads, {"END"}}));
    EXPECT_EQ(image.BandIndex, 7);
    EXPECT_EQ(image.ModelName, "KTRP70");
    EXPECT_TRUE(image.IsUntitled);
    EXPECT_EQ(image.CurrentFilePath, "new.dat");
    EXPECT_TRUE(IsUnchanged(image));
    EXPECT_EQ(ui.Texts(), Commands{state.Texts.GetText(2004)});
    EXPECT_FALSE(link->IsOpen());
    EXPECT_FALSE(link->progressOpen);
    // Settings pass from 0 to 100, then the empty entries pass shows 0 once more.
    EXPECT_EQ(link->percents.front(), 0);
    EXPECT_EQ(std::count(link->percents.begin(), link->percents.end(), 100), 1);
    EXPECT_EQ(link->percents.back(), 0);
}

TEST_F(LinkTransferTest, WriteThenReadBringsTheImageBack) {
    test::FillRichImage(image);
    const RadioImage written = image;
    const EncodedImage encoded = Encode(image);

    ASSERT_EQ(Transfer(TransferKind::Write), TransferOutcome::Succeeded);
    Commands writes;
    for (const int block : encoded.Marks.Blocks()) {
        writes.push_back(BlockCommand('W', block * kBlockSize));
    }
    EXPECT_EQ(WireCommands(), Joined({kHandshake, writes, {"END"}}));
    EXPECT_EQ(ui.Texts(), Commands{state.Texts.GetText(2005)});
    EXPECT_EQ(link->percents.back(), 100);

    const RadioMemory inRadio = radio->Memory();
    UseRadio(inRadio);
    RadioImage fresh;
    ResetImage(fresh, {}, nullptr);
    image = fresh;
    ASSERT_EQ(Transfer(TransferKind::Read), TransferOutcome::Succeeded);

    RadioImage expected = test::AfterRoundTrip(written, fresh);
    EXPECT_EQ(image.Record.Function, expected.Record.Function);
    EXPECT_EQ(image.Record.Book, expected.Record.Book);
    ASSERT_EQ(image.Record.ChannelCount, expected.Record.ChannelCount);
    for (std::size_t slot = 0; slot < kChannelSlots; ++slot) {
        // A Read never fetches the channels' PTT-ID code area.
        expected.Channels[slot].PttIdCode = image.Channels[slot].PttIdCode;
        EXPECT_EQ(image.Channels[slot], expected.Channels[slot]) << "slot " << slot;
    }
}

// --- Verification after a Write ----------------------------------------------------------

TEST_F(LinkTransferTest, VerifiedWriteReadsBackEveryWrittenBlockAsAPassOfItsOwn) {
    test::FillRichImage(image);
    const EncodedImage encoded = Encode(image);
    engine->VerifyAfterWrite = true;

    ASSERT_EQ(Transfer(TransferKind::Write), TransferOutcome::Succeeded);
    Commands writes;
    Commands reads;
    for (const int block : encoded.Marks.Blocks()) {
        writes.push_back(BlockCommand('W', block * kBlockSize));
        reads.push_back(BlockCommand('R', block * kBlockSize));
    }
    EXPECT_EQ(WireCommands(), Joined({kHandshake, writes, reads, {"END"}}));
    EXPECT_EQ(ui.Texts(), Commands{state.Texts.GetText(2005)});
    EXPECT_TRUE(engine->VerifyMismatches().empty());
    // The write pass runs up to 100 %, the verify pass starts again at 0 and ends at 100.
    const auto restart = std::find(link->percents.rbegin(), link->percents.rend(), 0);
    ASSERT_NE(restart + 1, link->percents.rend());
    EXPECT_EQ(*(restart + 1), 100);
    EXPECT_EQ(link->percents.back(), 100);
}

TEST_F(LinkTransferTest, SilentlyCorruptedBlockFailsTheVerifyNamingItsAddressAndPlace) {
    test::FillRichImage(image);
    const std::set<int> blocks = Encode(image).Marks.Blocks();
    ASSERT_TRUE(blocks.contains(0x2000 / kBlockSize));
    sim::SimFaults faults; // frames go in address order: count those before channel 1's
    faults.CorruptWrites = {
        static_cast<int>(std::distance(blocks.begin(), blocks.find(0x2000 / kBlockSize))) + 1};
    UseRadio(sim::BlankRadioMemory(), {}, faults);
    engine->VerifyAfterWrite = true;

    EXPECT_EQ(Transfer(TransferKind::Write), TransferOutcome::Failed);
    EXPECT_EQ(engine->VerifyMismatches(), std::vector<int>{0x2000});
    EXPECT_EQ(WireCommands().back(), "END");
    const Commands texts = ui.Texts();
    ASSERT_EQ(texts.size(), 2u); // the blocks, then the Write's failure (nothing about encoders)
    EXPECT_NE(texts[0].find("1 block(s)"), std::string::npos) << texts[0];
    EXPECT_NE(texts[0].find("\r\n2000  channel 1"), std::string::npos) << texts[0];
    EXPECT_EQ(texts[1], state.Texts.GetText(2007));
}

TEST_F(LinkTransferTest, RadioInformationReadsItsFifteenBlocksWithoutProgress) {
    RadioMemory memory = sim::BlankRadioMemory();
    const std::string serial = "2026120900000042";
    std::copy(serial.begin(), serial.end(), memory.begin() + 0x20);
    UseRadio(memory);

    ASSERT_EQ(Transfer(TransferKind::RadioInfo), TransferOutcome::Succeeded);
    Commands reads;
    for (int address = 0x10; address <= 0xF0; address += 0x10) {
        reads.push_back(BlockCommand('R', address));
    }
    EXPECT_EQ(WireCommands(), Joined({kHandshake, reads, {"END"}}));
    EXPECT_EQ(TextOf(state.Info.SerialNumber), serial);
    EXPECT_TRUE(link->percents.empty());
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(LinkTransferTest, ConfirmationCancelledClosesThePortAndSendsNothing) {
    engine->ConfirmBeforeTransfer = true;
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(engine->Start(TransferKind::Write));
    EXPECT_EQ(ui.Texts(), Commands{"Write data to radio.\r\nDo you wish continue?"});
    EXPECT_TRUE(link->sent.empty());
    EXPECT_FALSE(link->IsOpen());
    EXPECT_FALSE(engine->IsRunning());
}

TEST_F(LinkTransferTest, PortThatCannotBeOpenedIsReportedWithItsReason) {
    link->failOpen = true;
    link->openFailure = {PortFault::Busy, "ttyUSB0", "Device or resource busy"};
    EXPECT_FALSE(engine->Start(TransferKind::Read));
    EXPECT_EQ(ui.Texts(), Commands{PortFailureMessage(link->openFailure, state.Texts)});
    EXPECT_EQ(ui.shown.front().Icon, MessageIcon::Critical);
}

// --- Identity checks ---------------------------------------------------------------------

TEST_F(LinkTransferTest, RadioWithoutEchoIsNeverRecognised) {
    sim::SimFaults faults;
    faults.NoEcho = true;
    UseRadio(sim::BlankRadioMemory(), {}, faults);
    const RadioImage before = image;

    EXPECT_EQ(Transfer(TransferKind::Read), TransferOutcome::Failed);
    EXPECT_EQ(link->sent.size(), 6u); // PROGRAM and five re-sends
    EXPECT_EQ(link->elapsedMs, 1800);
    EXPECT_EQ(ui.Texts(), Commands{state.Texts.GetText(2006)});
    EXPECT_EQ(image.Channels, before.Channels);
    EXPECT_FALSE(link->IsOpen());
}

TEST_F(LinkTransferTest, RefusedRadiosGetTheirMessagesThenTheFailureWithoutEnd) {
    struct Case {
        const char* Name;
        sim::SimIdentity Identity;
        TransferKind Kind;
        Commands Messages;
    };
    sim::SimIdentity wrongModel;
    wrongModel.Model = "KTRP71";
    sim::SimIdentity wrongVersion;
    wrongVersion.Version = "V10";
    sim::SimIdentity wrongModelAndBand = wrongModel;
    wrongModelAndBand.BandCode = 48;
    sim::SimIdentity killed;
    killed.Killed = true;
    sim::SimIdentity stunned;
    stunned.Stunned = true;
    const std::vector<Case> cases = {
        {"model", wrongModel, TransferKind::Read, {"Model type is wrong. "}},
        {"version", wrongVersion, TransferKind::Read, {"Version is wrong. Overwrite?"}},
        {"model and band",
         wrongModelAndBand,
         TransferKind::Write,
         {"Model type is wrong. ", "Frequencys is wrong!"}},
        {"killed", killed, TransferKind::Write, {"Radio is killed,can't be written!"}},
        {"stunned", stunned, TransferKind::Write, {"Radio is fainted,can't be written!"}},
    };
    for (const Case& c : cases) {
        UseRadio(sim::BlankRadioMemory(), c.Identity);
        ui.shown.clear();
        EXPECT_EQ(Transfer(c.Kind), TransferOutcome::Failed) << c.Name;
        Commands expected = c.Messages;
        expected.push_back(state.Texts.GetText(c.Kind == TransferKind::Read ? 2006 : 2007));
        EXPECT_EQ(ui.Texts(), expected) << c.Name;
        EXPECT_EQ(WireCommands(), (Commands{"PROGRAM", "02"})) << c.Name;
        EXPECT_FALSE(link->IsOpen()) << c.Name;
    }
}

TEST_F(LinkTransferTest, BandsThreeAndSevenAreOneBandForAWrite) {
    sim::SimIdentity seven;
    seven.BandCode = 7;
    UseRadio(sim::BlankRadioMemory(), seven);
    EXPECT_EQ(Transfer(TransferKind::Write), TransferOutcome::Succeeded);

    sim::SimIdentity other;
    other.BandCode = 48;
    UseRadio(sim::BlankRadioMemory(), other);
    ui.shown.clear();
    EXPECT_EQ(Transfer(TransferKind::Write), TransferOutcome::Failed);
    EXPECT_EQ(ui.shown.front().Text, "Frequencys is wrong!");
    EXPECT_EQ(ui.shown.front().Icon, MessageIcon::Warning);
}

TEST_F(LinkTransferTest, KilledRadioCanStillBeRead) {
    sim::SimIdentity killed;
    killed.Killed = true;
    killed.Stunned = true;
    UseRadio(sim::BlankRadioMemory(), killed);
    EXPECT_EQ(Transfer(TransferKind::Read), TransferOutcome::Succeeded);
}

TEST_F(LinkTransferTest, FeatureBitsOnlyEverSwitchFlagsOn) {
    sim::SimIdentity identity;
    identity.Features = 0x40; // 2-tone only
    state.Features.HasDTMF = true;
    UseRadio(sim::BlankRadioMemory(), identity);
    ASSERT_EQ(Transfer(TransferKind::RadioInfo), TransferOutcome::Succeeded);
    EXPECT_TRUE(state.Features.HasTwoTone);
    EXPECT_TRUE(state.Features.HasDTMF);
    EXPECT_FALSE(state.Features.HasFiveTone);
    EXPECT_EQ(link->featureChanges, 1);
}

// --- Faults on the line --------------------------------------------------------------------

TEST_F(LinkTransferTest, DamagedReadRepliesAreAskedForAgain) {
    sim::SimFaults faults;
    faults.LongReads = {2};        // the first settings block comes with LEN 0x20
    faults.BadChecksumReads = {5}; // a later one with a wrong checksum
    UseRadio(sim::BlankRadioMemory(), {}, faults);

    ASSERT_EQ(Transfer(TransferKind::Read), TransferOutcome::Succeeded);
    const Commands& wire = WireCommands();
    EXPECT_EQ(wire[3], "R 0100");
    EXPECT_EQ(wire[4], "R 0100");
    EXPECT_EQ(std::count(wire.begin(), wire.end(), wire[7]), 2);
    EXPECT_EQ(link->elapsedMs, 600);
}

TEST_F(LinkTransferTest, RepeatRequestSendsTheSameFrameAgain) {
    sim::SimFaults faults;
    faults.RepeatWrites = {1};
    UseRadio(sim::BlankRadioMemory(), {}, faults);

    ASSERT_EQ(Transfer(TransferKind::Write), TransferOutcome::Succeeded);
    const auto first = std::find_if(link->sent.begin(), link->sent.end(),
                                    [](const Bytes& b) { return b.front() == kWriteLetter; });
    ASSERT_NE(first, link->sent.end());
    EXPECT_EQ(*(first + 1), *first);
    EXPECT_NE(*(first + 2), *first);
    EXPECT_EQ(link->elapsedMs, 0);
}

TEST_F(LinkTransferTest, RadioThatKeepsAskingAgainEndsTheWrite) {
    sim::SimFaults faults;
    faults.RepeatWrites = {1, 2, 3, 4, 5, 6};
    UseRadio(sim::BlankRadioMemory(), {}, faults);

    EXPECT_EQ(Transfer(TransferKind::Write), TransferOutcome::Failed);
    const Commands& wire = WireCommands();
    EXPECT_EQ(wire.size(), kHandshake.size() + 6); // the first frame and five repeats, no END
    EXPECT_EQ(wire.back(), wire[kHandshake.size()]);
    EXPECT_EQ(ui.Texts(), Commands{state.Texts.GetText(2007)});

    // The same for END: a radio answering it with 0A for ever does not keep the link busy.
    UseRadio(sim::BlankRadioMemory());
    ui.shown.clear();
    const Bytes end = WordCommand(kEndWord);
    link->answer = [&end](const Bytes& command) -> std::optional<Bytes> {
        if (command != end) {
            return std::nullopt;
        }
        Bytes back = command;
        back.push_back(kRepeatRequest);
        return back;
    };
    EXPECT_EQ(Transfer(TransferKind::Read), TransferOutcome::Failed);
    EXPECT_EQ(std::count(link->sent.begin(), link->sent.end(), end), 6);
}

TEST_F(LinkTransferTest, PauseComesBeforeOrdinaryCommandsOnly) {
    image.Factory.FactoryMode = true;
    sim::SimFaults faults;
    faults.RepeatWrites = {1}; // block 0000 of the test values is asked for again
    UseRadio(sim::BlankRadioMemory(), {}, faults);
    ASSERT_EQ(Transfer(TransferKind::Write), TransferOutcome::Succeeded);

    const std::set<std::uint8_t> unpaused = {'F', kTestWriteLetter};
    for (std::size_t i = 0; i < link->sent.size(); ++i) {
        const Bytes& command = link->sent[i];
        const bool testBlock = command.size() > 2 && command[1] == 0x00 && command[2] == 0x00 &&
                               (command[0] == kReadLetter || command[0] == kWriteLetter);
        const bool expectPause =
            !testBlock && unpaused.count(command[0]) == 0 &&
            !(command[0] == kReadLetter && command[1] == 0x01 && command[2] == 0x60);
        EXPECT_EQ(link->sentPaused[i], expectPause) << "command " << i;
    }

    // A command sent again after its time-out goes at once.
    sim::SimFaults damaged;
    damaged.BadChecksumReads = {2};
    image.Factory.FactoryMode = false;
    UseRadio(sim::BlankRadioMemory(), {}, damaged);
    ASSERT_EQ(Transfer(TransferKind::Read), TransferOutcome::Succeeded);
    EXPECT_EQ(link->sent[3], link->sent[4]);
    EXPECT_TRUE(link->sentPaused[3]);
    EXPECT_FALSE(link->sentPaused[4]);
}

TEST_F(LinkTransferTest, SilentRadioFailsAfterTheFifthResend) {
    sim::SimFaults faults;
    faults.SilentAfter = 3; // PROGRAM, 02 and the password area are answered
    UseRadio(sim::BlankRadioMemory(), {}, faults);
    const RadioImage before = image;

    EXPECT_EQ(Transfer(TransferKind::Read), TransferOutcome::Failed);
    const Commands& wire = WireCommands();
    EXPECT_EQ(std::count(wire.begin(), wire.end(), "R 0100"), 6);
    EXPECT_EQ(link->elapsedMs, 1800);
    EXPECT_EQ(ui.Texts(), Commands{state.Texts.GetText(2006)});
    EXPECT_EQ(wire.back(), "R 0100"); // no END after a silent radio
    EXPECT_EQ(image.Record, before.Record);
}

TEST_F(LinkTransferTest, HangUpMidReadLeavesTheImageAlone) {
    sim::SimFaults faults;
    faults.HangUpAfter = 20;
    test::FillRichImage(image);
    image.Factory.FactoryMode = true;
    image.Factory.TestValues.fill(7);
    const RadioImage before = image;
    UseRadio(sim::BlankRadioMemory(), {}, faults);

    EXPECT_EQ(Transfer(TransferKind::Read), TransferOutcome::Failed);
    EXPECT_EQ(WireCommands()[4], "R 0160"); // the test values had been read
    EXPECT_EQ(image.Record, before.Record);
    EXPECT_EQ(image.Channels, before.Channels);
    EXPECT_EQ(image.Factory.TestValues, before.Factory.TestValues);
    EXPECT_FALSE(link->IsOpen());
    EXPECT_EQ(ui.Texts(), Commands{state.Texts.GetText(2006)});
}

TEST_F(LinkTransferTest, CancelSendsEndAndLeavesTheImageAlone) {
    test::FillRichImage(image);
    const RadioImage before = image;
    link->cancelAfterCommands = 10;

    EXPECT_EQ(Transfer(TransferKind::Read), TransferOutcome::Cancelled);
    EXPECT_EQ(WireCommands().size(), 11u);
    EXPECT_EQ(WireCommands().back(), "END");
    EXPECT_EQ(image.Channels, before.Channels);
    EXPECT_EQ(image.Record, before.Record);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(link->IsOpen());
}

TEST_F(LinkTransferTest, CancelOnceTheLastEndIsOnItsWayChangesNothing) {
    link->cancelAfterCommands = static_cast<int>(kHandshake.size()) + 167 + 1;
    EXPECT_EQ(Transfer(TransferKind::Read), TransferOutcome::Succeeded);
    EXPECT_EQ(std::count(WireCommands().begin(), WireCommands().end(), "END"), 1);
}

TEST_F(LinkTransferTest, CancelBeforeTheRadioAnsweredSendsNothingMore) {
    sim::SimFaults faults;
    faults.SilentAfter = 0;
    UseRadio(sim::BlankRadioMemory(), {}, faults);
    link->cancelAfterCommands = 1;
    EXPECT_EQ(Transfer(TransferKind::Write), TransferOutcome::Cancelled);
    EXPECT_EQ(WireCommands(), Commands{"PROGRAM"});
}

TEST_F(LinkTransferTest, FailingEncoderEndsTheWriteBeforeAnyBlock) {
    image.Channels[0].Bandwidth = 9; // no such bandwidth
    const auto outcome = Transfer(TransferKind::Write);

    EXPECT_EQ(outcome, TransferOutcome::Failed);
    EXPECT_EQ(WireCommands(), Joined({kHandshake, {"END"}}));
    const Commands texts = ui.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "SetCommDataByFrequencyError");
    EXPECT_EQ(texts[1], state.Texts.GetText(2007));
    EXPECT_EQ(texts[2], state.Texts.GetText(9905));
}

// --- Radio password ------------------------------------------------------------------------

TEST_F(LinkTransferTest, RadioPasswordEnteredDuringTheTransferRestartsIt) {
    sim::SimIdentity identity;
    identity.Password = "Ab1";
    UseRadio(sim::BlankRadioMemory(), identity);
    ui.radioPasswords = {std::string("Ab1")};

    ASSERT_EQ(Transfer(TransferKind::RadioInfo), TransferOutcome::Succeeded);
    EXPECT_EQ(ui.radioPasswordPrompts, Commands{""});
    EXPECT_EQ(state.EnteredPassword, "Ab1");
    const Commands& wire = WireCommands();
    ASSERT_GE(wire.size(), 8u);
    EXPECT_EQ(Commands(wire.begin(), wire.begin() + 7),
              (Commands{"PROGRAM", "02", "R 0040", "END", "PROGRAM", "02", "R 0040"}));

    // Entered once, it serves every later transfer of the run.
    UseRadio(sim::BlankRadioMemory(), identity);
    ASSERT_EQ(Transfer(TransferKind::RadioInfo), TransferOutcome::Succeeded);
    EXPECT_EQ(ui.radioPasswordPrompts.size(), 1u);
}

TEST_F(LinkTransferTest, WrongOrCancelledRadioPasswordFailsWithoutEnd) {
    sim::SimIdentity identity;
    identity.Password = "ab1";
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>("AB1"), std::optional<std::string>()}) {
        UseRadio(sim::BlankRadioMemory(), identity);
        ui.shown.clear();
        ui.radioPasswords = {answer};
        EXPECT_EQ(Transfer(TransferKind::Read), TransferOutcome::Failed);
        EXPECT_EQ(WireCommands(), kHandshake);
        EXPECT_EQ(ui.Texts(), Commands{state.Texts.GetText(2006)});
    }
}

// --- Factory test mode ---------------------------------------------------------------------

TEST_F(LinkTransferTest, FactoryReadFetchesTheTestBlocksFirst) {
    image.Factory.FactoryMode = true;
    RadioMemory memory = sim::BlankRadioMemory();
    memory[0x0002] = 0x1A;
    memory[0x0162] = 0x34;
    memory[0x0163] = 0x12;
    UseRadio(memory);

    ASSERT_EQ(Transfer(TransferKind::Read), TransferOutcome::Succeeded);
    const Commands& wire = WireCommands();
    EXPECT_EQ(Commands(wire.begin(), wire.begin() + 6),
              (Commands{"PROGRAM", "02", "R 0040", "R 0000", "R 0160", "R 0100"}));
    EXPECT_EQ(image.Factory.TestValues[2], 0x1A);
    EXPECT_EQ(image.Factory.TestValues[18], 0x1234);
    EXPECT_EQ(image.Factory.SavedTestValues[18], 0x1234);
}

TEST_F(LinkTransferTest, FactoryWriteSendsTheTestBlocksAfterBothHandshakes) {
    image.Factory.FactoryMode = true;
    image.Factory.TestValues[14] = 0x55; // the radio's own SYS_BAND wins
    image.Factory.TestValues[16] = 5;
    RadioMemory memory = sim::BlankRadioMemory();
    memory[0x000E] = 0x21;
    UseRadio(memory);

    ASSERT_EQ(Transfer(TransferKind::Write), TransferOutcome::Succeeded);
    const Commands& wire = WireCommands();
    const Commands test = {"02", "R 0040", "R 0000", "W 0000", "w 0160"};
    EXPECT_EQ(Commands(wire.begin(), wire.begin() + 12),
              Joined({{"FACTORY"}, test, {"PROGRAM"}, test}));
    EXPECT_EQ(wire.back(), "END");
    EXPECT_EQ(image.Factory.TestValues[14], 0x21);
    EXPECT_EQ(radio->Memory()[0x000E], 0x21);
    EXPECT_EQ(radio->Memory()[0x0160], 5);
}

TEST_F(LinkTransferTest, FactoryWriteRefusesValuesThatDoNotFit) {
    image.Factory.FactoryMode = true;
    image.Factory.TestValues[18] = -1;
    EXPECT_FALSE(engine->Start(TransferKind::Write));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_NE(ui.shown[0].Text.find("Test value 18"), std::string::npos);
    EXPECT_TRUE(link->sent.empty());
}

TEST_F(LinkTransferTest, OrdinaryTransfersSendNoFactoryCommand) {
    ASSERT_EQ(Transfer(TransferKind::Write), TransferOutcome::Succeeded);
    for (const std::string& command : WireCommands()) {
        EXPECT_NE(command, "FACTORY");
        EXPECT_NE(command, "R 0000");
        EXPECT_NE(command, "w 0160");
    }
}

} // namespace
} // namespace rp70
