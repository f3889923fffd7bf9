#include "memory/block_passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace rp70 {
namespace {

int CountEntries(const BlockPasses& passes, int pass) {
    return static_cast<int>(std::count(passes.Map.begin(), passes.Map.end(), pass));
}

std::uint8_t Entry(const BlockPasses& passes, int address) {
    return passes.Map[static_cast<std::size_t>(address / kBlockSize)];
}

// What a transfer moved: the blocks of each pass in the order the link sends them, and every
// percentage shown.
struct Transfer {
    std::vector<int> PassTwo;
    std::vector<int> PassOne;
    std::vector<int> Shown;
};

// Drives the passes as the link does: FindNextBlock after each block, NextPass when the pass has
// no block left, a progress step before each block of a counted pass.
Transfer RunTransfer(BlockPasses& passes, TransferKind kind,
                     const std::function<void()>& preparePassOne) {
    Transfer transfer;
    const ProgressDisplay show = [&](int percent) { transfer.Shown.push_back(percent); };
    int address = -kBlockSize;
    for (int guard = 0; guard < 10 * kBlockCount; ++guard) {
        address = FindNextBlock(passes, address + kBlockSize);
        if (address == -kBlockSize) {
            if (!NextPass(passes, kind, preparePassOne, show)) {
                break;
            }
            continue;
        }
        if (IsCountedPass(passes, kind)) {
            ProgressStep(passes, show);
        }
        (passes.CurrentPass == 2 ? transfer.PassTwo : transfer.PassOne).push_back(address);
    }
    return transfer;
}

RadioMemory BlankMemory() {
    RadioMemory memory{};
    ClearRadioMemory(memory);
    return memory;
}

TEST(BlockPassMap, ARead_StartsWithTheSettingsBlocksInPassTwo) {
    BlockPasses passes;
    passes.Map.fill(1); // left over from an earlier transfer
    BuildPassMap(passes, TransferKind::Read);

    EXPECT_EQ(CountEntries(passes, 2), 167);
    EXPECT_EQ(CountEntries(passes, 1), 0);
    EXPECT_EQ(passes.CurrentPass, 3);
    for (int address : {0x0100, 0x0130, 0x0210, 0x0240, 0x0260, 0x02D0, 0x02E0, 0x0300, 0x0390,
                        0x03B0, 0x03E0, 0x0400, 0x04F0, 0x0500, 0x05F0, 0x1980, 0x1FF0}) {
        EXPECT_EQ(Entry(passes, address), 2) << std::hex << address;
    }
    // Radio information, the unused gaps, the PTT-ID codes and the entries of pass 1.
    for (int address : {0x0000, 0x0040, 0x00F0, 0x0140, 0x0200, 0x0250, 0x03C0, 0x03D0, 0x03F0,
                        0x0600, 0x09E0, 0x0B00, 0x0D00, 0x1970, 0x2000, 0x3FF0}) {
        EXPECT_EQ(Entry(passes, address), 0) << std::hex << address;
    }
}

TEST(BlockPassMap, RadioInformationReadsFifteenBlocksInPassOne) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::RadioInfo);
    EXPECT_EQ(CountEntries(passes, 1), 15);
    EXPECT_EQ(CountEntries(passes, 2), 0);
    EXPECT_EQ(Entry(passes, 0x0000), 0);
    EXPECT_EQ(Entry(passes, 0x0100), 0);
}

TEST(BlockPassMap, AWriteStartsEmpty) {
    BlockPasses passes;
    passes.Map.fill(2);
    BuildPassMap(passes, TransferKind::Write);
    EXPECT_EQ(CountEntries(passes, 0), kBlockCount);
    EXPECT_EQ(passes.CurrentPass, 3);
}

TEST(BlockPassMark, MarksEveryBlockTheRangeTouches) {
    BlockPasses passes;
    MarkPass(passes, 0x020F, 2, 1); // last byte of one block, first of the next
    EXPECT_EQ(Entry(passes, 0x0200), 1);
    EXPECT_EQ(Entry(passes, 0x0210), 1);
    EXPECT_EQ(CountEntries(passes, 1), 2);

    MarkPass(passes, 0x0210, 16, 2); // exactly one block, overwriting its pass
    EXPECT_EQ(Entry(passes, 0x0210), 2);
    EXPECT_EQ(Entry(passes, 0x0220), 0);
}

TEST(BlockPassMark, StaysInsideTheMemory) {
    BlockPasses passes;
    MarkPass(passes, 0x3FF0, 0x40, 1);
    MarkPass(passes, -0x20, 0x30, 1);
    MarkPass(passes, 0x4000, 16, 1);
    MarkPass(passes, 0x7FFFFFF0, 0x7FFFFFFF, 1);
    MarkPass(passes, 0x0500, 0, 1);
    MarkPass(passes, 0x0600, -16, 1);
    EXPECT_EQ(Entry(passes, 0x3FF0), 1);
    EXPECT_EQ(Entry(passes, 0x0000), 1);
    EXPECT_EQ(CountEntries(passes, 1), 2);
}

TEST(BlockPassFind, FindsTheNextBlockOfTheCurrentPassFromTheBlockOfTheAddress) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Write);
    MarkPass(passes, 0x0100, 16, 1);
    MarkPass(passes, 0x2000, 16, 1);
    MarkPass(passes, 0x0200, 16, 2);
    passes.CurrentPass = 1;

    EXPECT_EQ(FindNextBlock(passes, 0), 0x0100);
    EXPECT_EQ(FindNextBlock(passes, -0x100), 0x0100);
    EXPECT_EQ(FindNextBlock(passes, 0x010F), 0x0100); // rounded down to its block
    EXPECT_EQ(FindNextBlock(passes, 0x0110), 0x2000);
    EXPECT_EQ(FindNextBlock(passes, 0x2010), -16);
    EXPECT_EQ(FindNextBlock(passes, 0x4000), -16);
    EXPECT_EQ(FindNextBlock(passes, 0x7FFFFFFF), -16);
}

TEST(BlockPassCounting, CountsBothPassesOfAReadAndPassOneOfAWrite) {
    BlockPasses passes;
    struct Case {
        TransferKind Kind;
        std::int16_t Pass;
        bool Counted;
    };
    for (const Case& c :
         {Case{TransferKind::Read, 2, true}, Case{TransferKind::Read, 1, true},
          Case{TransferKind::Read, 3, false}, Case{TransferKind::Read, 0, false},
          Case{TransferKind::Write, 2, false}, Case{TransferKind::Write, 1, true},
          Case{TransferKind::RadioInfo, 2, false}, Case{TransferKind::RadioInfo, 1, false},
          Case{TransferKind::None, 1, false}}) {
        passes.CurrentPass = c.Pass;
        EXPECT_EQ(IsCountedPass(passes, c.Kind), c.Counted)
            << static_cast<int>(c.Kind) << " pass " << c.Pass;
    }
}

TEST(BlockPassOrder, AReadMovesPassTwoThenPassOneEachInAscendingOrder) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Read);
    RadioMemory memory = BlankMemory();
    memory[0x0100] = 0xEE; // channels 1 and 5 in use
    const Transfer t =
        RunTransfer(passes, TransferKind::Read, [&] { DeriveReadPassOne(passes, memory); });

    ASSERT_EQ(t.PassTwo.size(), 167u);
    EXPECT_TRUE(std::is_sorted(t.PassTwo.begin(), t.PassTwo.end()));
    EXPECT_EQ(t.PassTwo.front(), 0x0100);
    EXPECT_EQ(t.PassTwo.back(), 0x1FF0);
    EXPECT_EQ(t.PassOne, (std::vector<int>{0x2000, 0x2010, 0x2080, 0x2090}));
    EXPECT_EQ(passes.CurrentPass, 0);
    EXPECT_FALSE(NextPass(passes, TransferKind::Read, nullptr, nullptr));
    EXPECT_EQ(passes.CurrentPass, 0);
}

TEST(BlockPassOrder, AReadWithNothingInUseMovesOnlyTheSettings) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Read);
    const RadioMemory memory = BlankMemory();
    const Transfer t =
        RunTransfer(passes, TransferKind::Read, [&] { DeriveReadPassOne(passes, memory); });
    EXPECT_EQ(t.PassTwo.size(), 167u);
    EXPECT_TRUE(t.PassOne.empty());
}

TEST(BlockPassOrder, RadioInformationReadsItsBlocksWithoutProgress) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::RadioInfo);
    const Transfer t = RunTransfer(passes, TransferKind::RadioInfo, nullptr);
    EXPECT_TRUE(t.PassTwo.empty());
    std::vector<int> expected;
    for (int address = 0x0010; address <= 0x00F0; address += 16) {
        expected.push_back(address);
    }
    EXPECT_EQ(t.PassOne, expected);
    EXPECT_TRUE(t.Shown.empty());
}

TEST(BlockPassOrder, AWritePreparesPassOneOnceAndSendsWhatWasMarked) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Write);
    WritePassMarks marks(passes);
    int prepared = 0;
    const Transfer t = RunTransfer(passes, TransferKind::Write, [&] {
        ++prepared;
        EXPECT_EQ(passes.CurrentPass, 1);
        marks.MarkForWrite(RecordKind::CommunicationBook, 0x1C00, 8);
        marks.MarkForWrite(RecordKind::Channels, 0x0100, 0x40);
        marks.MarkForWrite(RecordKind::Channels, 0x2080, 32);
    });

    EXPECT_EQ(prepared, 1);
    EXPECT_TRUE(t.PassTwo.empty());
    EXPECT_EQ(t.PassOne,
              (std::vector<int>{0x0100, 0x0110, 0x0120, 0x0130, 0x1C00, 0x2080, 0x2090}));
    EXPECT_EQ(passes.BlocksInPass, 7);
    // Only pass 1 is counted: 0 when it begins, then one step a block.
    EXPECT_EQ(t.Shown, (std::vector<int>{0, 14, 29, 43, 57, 71, 86, 100}));
}

TEST(BlockPassOrder, PreparationRunsOnlyWhenPassOneBegins) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Write);
    int prepared = 0;
    const auto prepare = [&] { ++prepared; };
    EXPECT_TRUE(NextPass(passes, TransferKind::Write, prepare, nullptr)); // 3 → 2
    EXPECT_EQ(prepared, 0);
    EXPECT_TRUE(NextPass(passes, TransferKind::Write, prepare, nullptr)); // 2 → 1
    EXPECT_EQ(prepared, 1);
    EXPECT_FALSE(NextPass(passes, TransferKind::Write, prepare, nullptr));
    EXPECT_FALSE(NextPass(passes, TransferKind::Write, prepare, nullptr));
    EXPECT_EQ(prepared, 1);
}

TEST(BlockPassDerive, MarksTheInUseChannelsTwoToneEntriesAndCodeListElements) {
    BlockPasses passes;
    RadioMemory memory = BlankMemory();
    memory[0x0118] = 0x7F; // channel 200
    memory[0x0380] = 0xFE; // 2-tone entry 1
    memory[0x0383] = 0x7F; // 2-tone entry 32
    memory[0x0390] = 0xFD; // code list element 2
    memory[0x039C] = 0xF7; // code list element 100
    DeriveReadPassOne(passes, memory);

    EXPECT_EQ(Entry(passes, 0x38E0), 1);
    EXPECT_EQ(Entry(passes, 0x38F0), 1);
    EXPECT_EQ(Entry(passes, 0x0B00), 1);
    EXPECT_EQ(Entry(passes, 0x0CF0), 1);
    EXPECT_EQ(Entry(passes, 0x0D20), 1);
    EXPECT_EQ(Entry(passes, 0x0D30), 1);
    EXPECT_EQ(Entry(passes, 0x1960), 1);
    EXPECT_EQ(Entry(passes, 0x1970), 1);
    EXPECT_EQ(CountEntries(passes, 1), 8);
}

TEST(BlockPassDerive, BitsBeyondTheLastEntryOfEachListAreIgnored) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Read);
    RadioMemory memory = BlankMemory();
    memory[0x0119] = 0x00; // PA, PB and unused bits after channel 200
    memory[0x039C] = 0x0F; // bits after code list element 100
    memory[0x039D] = 0x00;
    memory[0x0384] = 0x00; // after the 32 2-tone entries
    DeriveReadPassOne(passes, memory);

    EXPECT_EQ(CountEntries(passes, 1), 0);
    EXPECT_EQ(Entry(passes, 0x1980), 2); // the book stays in pass 2
}

TEST(BlockPassProgress, EightBlocksShowTheRoundedPercentages) {
    BlockPasses passes;
    passes.BlocksInPass = 8;
    std::vector<int> shown;
    for (int block = 0; block < 8; ++block) {
        ProgressStep(passes, [&](int percent) { shown.push_back(percent); });
    }
    EXPECT_EQ(shown, (std::vector<int>{12, 25, 38, 50, 62, 75, 88, 100}));
    EXPECT_EQ(passes.LastPercent, 100);
}

TEST(BlockPassProgress, HalvesGoToTheEvenPercentAndRepeatsAreNotShown) {
    BlockPasses passes;
    passes.BlocksInPass = 200;
    std::vector<int> shown;
    for (int block = 0; block < 5; ++block) {
        ProgressStep(passes, [&](int percent) { shown.push_back(percent); });
    }
    // 0.5 → 0 (already shown), 1, 1.5 → 2, 2, 2.5 → 2.
    EXPECT_EQ(shown, (std::vector<int>{1, 2}));
}

TEST(BlockPassProgress, NeverAboveOneHundred) {
    BlockPasses passes;
    passes.BlocksInPass = 2;
    passes.BlocksDone = 2;
    passes.LastPercent = 50;
    std::vector<int> shown;
    ProgressStep(passes, [&](int percent) { shown.push_back(percent); });
    ProgressStep(passes, [&](int percent) { shown.push_back(percent); });
    EXPECT_EQ(shown, (std::vector<int>{100}));

    BlockPasses empty; // a pass counted with no block
    ProgressStep(empty, [&](int percent) { shown.push_back(percent); });
    EXPECT_EQ(empty.LastPercent, 100);
}

TEST(BlockPassProgress, AHiddenWindowStillKeepsTheLastPercent) {
    BlockPasses passes;
    passes.BlocksInPass = 4;
    ProgressStep(passes, nullptr);
    EXPECT_EQ(passes.LastPercent, 25);
    BuildPassMap(passes, TransferKind::Read);
    EXPECT_TRUE(NextPass(passes, TransferKind::Read, nullptr, nullptr));
    EXPECT_EQ(passes.BlocksInPass, 167);
}

TEST(BlockPassProgress, AOneBlockPassOneOfAReadShowsOnlyItsZero) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Read);
    RadioMemory memory = BlankMemory();
    memory[0x0380] = 0xFE; // 2-tone entry 1 only: one block
    const Transfer t =
        RunTransfer(passes, TransferKind::Read, [&] { DeriveReadPassOne(passes, memory); });

    ASSERT_EQ(t.PassOne, std::vector<int>{0x0B00});
    ASSERT_GE(t.Shown.size(), 3u);
    EXPECT_EQ(t.Shown.front(), 0);
    // Pass 2 ends at 100, pass 1 shows its 0, and its single step gives 100 again.
    EXPECT_EQ(t.Shown[t.Shown.size() - 2], 100);
    EXPECT_EQ(t.Shown.back(), 0);
    EXPECT_EQ(passes.LastPercent, 100);
    // Pass 2 shows every percentage at most once, rising.
    EXPECT_TRUE(std::is_sorted(t.Shown.begin(), t.Shown.end() - 1));
    EXPECT_EQ(std::adjacent_find(t.Shown.begin(), t.Shown.end() - 1), t.Shown.end() - 1);
}

TEST(BlockPassProgress, PassStartShowsZeroButKeepsTheLastPercent) {
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Read);
    passes.LastPercent = 42;
    std::vector<int> shown;
    EXPECT_TRUE(NextPass(passes, TransferKind::Read, nullptr,
                         [&](int percent) { shown.push_back(percent); }));
    EXPECT_EQ(shown, std::vector<int>{0});
    EXPECT_EQ(passes.LastPercent, 42);
    EXPECT_EQ(passes.BlocksInPass, 167);
    EXPECT_EQ(passes.BlocksDone, 0);
}

} // namespace
} // namespace rp70
