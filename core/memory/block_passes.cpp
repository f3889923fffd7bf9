#include "memory/block_passes.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace rp70 {
namespace {

struct Area {
    int Address;
    int Length;
};

// The settings areas every Read fetches first: channel bitmaps, options, the four special
// channels, DTMF, 2-tone and 5-tone settings with their bitmaps, alert, scan and the whole
// communication book.
constexpr Area kReadSettings[] = {
    {0x0100, 0x20}, {0x0120, 0x20},  {0x0210, 0x40},  {0x03E0, 0x10}, {0x0260, 0x80},
    {0x02E0, 0x20}, {0x0340, 0x20},  {0x0400, 0x100}, {0x0300, 0x20}, {0x0380, 0x10},
    {0x0320, 0x20}, {0x0360, 0x20},  {0x0500, 0x100}, {0x0390, 0x10}, {0x03A0, 0x10},
    {0x03B0, 0x10}, {0x1980, 0x680},
};

// The radio information area: blocks 0010 … 00F0.
constexpr int kRadioInfoFirstBlock = 1;
constexpr int kRadioInfoLastBlock = 15;

// Bitmaps of the records a Read fetches in pass 1 (a bit 0 means in use), with the area each
// bit stands for.
struct InUseList {
    int BitmapAddress;
    int Count;
    int FirstAddress;
    int Length;
};

constexpr InUseList kPassOneLists[] = {
    {0x0100, 200, 0x2000, 32}, // memory channels
    {0x0380, 32, 0x0B00, 16},  // 2-tone entries
    {0x0390, 100, 0x0D00, 32}, // 5-tone code list elements
};

// Floor division, so that addresses below 0 fall into blocks below 0.
int BlockOf(long long address) {
    const long long block =
        address >= 0 ? address / kBlockSize : -((-address + kBlockSize - 1) / kBlockSize);
    return static_cast<int>(std::clamp<long long>(block, -1, kBlockCount));
}

// `done` of `total` in percent, rounded to the nearest integer with halves to the even one.
long RoundedPercent(long long done, long long total) {
    if (total <= 0) {
        return 100;
    }
    const long long scaled = done * 100;
    long long quotient = scaled / total;
    const long long twiceRest = (scaled % total) * 2;
    if (twiceRest > total || (twiceRest == total && quotient % 2 != 0)) {
        ++quotient;
    }
    return static_cast<long>(std::clamp<long long>(quotient, 0, 100));
}

} // namespace

void BuildPassMap(BlockPasses& passes, TransferKind kind) {
    passes.Map.fill(0);
    if (kind == TransferKind::Read) {
        for (const Area& area : kReadSettings) {
            MarkPass(passes, area.Address, area.Length, 2);
        }
    } else if (kind == TransferKind::RadioInfo) {
        for (int block = kRadioInfoFirstBlock; block <= kRadioInfoLastBlock; ++block) {
            passes.Map[static_cast<std::size_t>(block)] = 1;
        }
    }
    passes.CurrentPass = 3;
}

void MarkPass(BlockPasses& passes, int address, int length, int pass) {
    if (length <= 0) {
        return;
    }
    const long long last = static_cast<long long>(address) + length - 1;
    const int first = std::max(BlockOf(address), 0);
    const int end = std::min(BlockOf(last), kBlockCount - 1);
    for (int block = first; block <= end; ++block) {
        passes.Map[static_cast<std::size_t>(block)] = static_cast<std::uint8_t>(pass);
    }
}

int FindNextBlock(const BlockPasses& passes, int address) {
    for (int block = std::max(BlockOf(address), 0); block < kBlockCount; ++block) {
        if (passes.Map[static_cast<std::size_t>(block)] == passes.CurrentPass) {
            return block * kBlockSize;
        }
    }
    return -kBlockSize;
}

bool IsCountedPass(const BlockPasses& passes, TransferKind kind) {
    switch (passes.CurrentPass) {
    case 1:
        return kind == TransferKind::Read || kind == TransferKind::Write;
    case 2:
        return kind == TransferKind::Read;
    default:
        return false;
    }
}

bool NextPass(BlockPasses& passes, TransferKind kind, const std::function<void()>& preparePassOne,
              const ProgressDisplay& show) {
    const std::int16_t previous = passes.CurrentPass;
    if (previous < 2) {
        // No pass left; the counter rests at 0 however often it is asked again.
        passes.CurrentPass = 0;
        return false;
    }
    passes.CurrentPass = static_cast<std::int16_t>(previous - 1);
    if (previous == 2 && preparePassOne) {
        preparePassOne();
    }
    if (IsCountedPass(passes, kind)) {
        passes.BlocksInPass = static_cast<std::int32_t>(
            std::count(passes.Map.begin(), passes.Map.end(), passes.CurrentPass));
        passes.BlocksDone = 0;
        if (show) {
            show(0);
        }
    }
    return true;
}

void ProgressStep(BlockPasses& passes, const ProgressDisplay& show) {
    if (passes.BlocksDone < std::numeric_limits<std::int32_t>::max()) {
        ++passes.BlocksDone;
    }
    const auto percent =
        static_cast<std::int16_t>(RoundedPercent(passes.BlocksDone, passes.BlocksInPass));
    if (percent == passes.LastPercent) {
        return;
    }
    passes.LastPercent = percent;
    if (show) {
        show(percent);
    }
}

void DeriveReadPassOne(BlockPasses& passes, const RadioMemory& memory) {
    for (const InUseList& list : kPassOneLists) {
        for (int k = 0; k < list.Count; ++k) {
            const std::uint8_t bits = memory[static_cast<std::size_t>(list.BitmapAddress + k / 8)];
            if (((bits >> (k % 8)) & 1) == 0) {
                MarkPass(passes, list.FirstAddress + k * list.Length, list.Length, 1);
            }
        }
    }
}

void WritePassMarks::MarkForWrite(RecordKind kind, int address, int length) {
    (void)kind;
    MarkPass(passes_, address, length, 1);
}

} // namespace rp70
