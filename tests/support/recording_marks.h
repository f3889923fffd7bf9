#pragma once
// Test double for MarkingSink: records every mark and every channel the encoder reported.

#include <set>
#include <vector>

#include "memory/marking.h"

namespace rp70::test {

class RecordingMarks : public MarkingSink {
public:
    struct Mark {
        RecordKind Kind;
        int Address;
        int Length;
        bool operator==(const Mark&) const = default;
    };

    void MarkForWrite(RecordKind kind, int address, int length) override {
        marks.push_back({kind, address, length});
    }
    void ChannelEncoded(const ChannelRecord& channel) override { channels.push_back(channel); }

    /// The blocks (address div 16) the marks touch.
    std::set<int> Blocks() const {
        std::set<int> blocks;
        for (const Mark& mark : marks) {
            for (int b = mark.Address / 16; b <= (mark.Address + mark.Length - 1) / 16; ++b) {
                blocks.insert(b);
            }
        }
        return blocks;
    }

    std::vector<Mark> marks;
    std::vector<ChannelRecord> channels;
};

} // namespace rp70::test
