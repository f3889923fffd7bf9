#pragma once
// Which 16-byte blocks of the radio memory a transfer moves, in which passes, and the
// percentage the progress window shows while they move.

#include <array>
#include <cstdint>
#include <functional>

#include "memory/marking.h"
#include "memory/radio_memory.h"

namespace rp70 {

/// What a transfer does (the values are those of the link's transfer state).
enum class TransferKind : std::int32_t { None = 0, Read = 1, Write = 2, RadioInfo = 3 };

/// The pass map of one transfer and the progress counters of its current pass.
struct BlockPasses {
    /// Entry b stands for addresses 16b … 16b + 15: 0 not moved, 1 pass 1, 2 pass 2.
    std::array<std::uint8_t, kBlockCount> Map{};
    /// 3 right after the map is built, then 2, 1 and 0 as the passes are switched.
    std::int16_t CurrentPass = 0;
    std::int32_t BlocksInPass = 0;
    std::int32_t BlocksDone = 0;
    /// The percentage last shown; the link sets it to 0 when it opens the port or sends PROGRAM.
    std::int16_t LastPercent = 0;
};

/// Receives the percentages to show in the progress window; the link passes one only while
/// the window is visible.
using ProgressDisplay = std::function<void(int percent)>;

/// Clears the map and enters the blocks `kind` starts with: a Read the 167 settings blocks
/// (pass 2), a Radio information transfer the blocks 0010 … 00F0 (pass 1), a Write nothing
/// (its encoders mark pass 1 later). CurrentPass becomes 3. The link sets its current address
/// to −16 at the same time.
void BuildPassMap(BlockPasses& passes, TransferKind kind);

/// Puts every block from address div 16 to (address + length − 1) div 16 into `pass`.
/// Blocks outside the memory are ignored; a length of 0 or less marks nothing.
void MarkPass(BlockPasses& passes, int address, int length, int pass);

/// Address of the first block at or after `address` (rounded down to its block) that belongs
/// to the current pass; −16 when there is none.
int FindNextBlock(const BlockPasses& passes, int address);

/// True for pass 1 of a Read or a Write and for pass 2 of a Read.
bool IsCountedPass(const BlockPasses& passes, TransferKind kind);

/// Switches to the next pass; false when no pass is left (CurrentPass then rests at 0). When
/// pass 1 begins, `preparePassOne` runs first, unless it is empty (a Write's encoders, a Read's
/// derivation from the bitmaps); a counted pass then starts its counters and shows 0, leaving
/// LastPercent as it is.
bool NextPass(BlockPasses& passes, TransferKind kind, const std::function<void()>& preparePassOne,
              const ProgressDisplay& show);

/// One block of a counted pass is being sent: counts it and shows the new percentage (banker's
/// rounding, at most 100; 100 for a pass counted as empty) when it differs from LastPercent,
/// which then takes it.
void ProgressStep(BlockPasses& passes, const ProgressDisplay& show);

/// Pass 1 of a Read, from the bitmaps read in pass 2: the memory channels, 2-tone entries and
/// 5-tone code list elements in use.
void DeriveReadPassOne(BlockPasses& passes, const RadioMemory& memory);

/// The marks of a Write: every block an encoder wrote goes into pass 1.
class WritePassMarks : public MarkingSink {
public:
    explicit WritePassMarks(BlockPasses& passes) : passes_(passes) {}
    void MarkForWrite(RecordKind kind, int address, int length) override;

private:
    BlockPasses& passes_;
};

} // namespace rp70
