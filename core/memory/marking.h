#pragma once
// Where the encoders report the memory they wrote. A Write sends exactly the marked blocks;
// the factory export collects its own marks and channel list through the same seam.

#include "model/records/channel_record.h"

namespace rp70 {

/// The kinds of record the encoders write, one encoder each (the channel encoder also writes
/// the channel bitmaps).
enum class RecordKind {
    Channels,
    Options,
    Dtmf,
    TwoTone,
    FiveTone,
    Alert,
    CommunicationBook,
    Scan
};

class MarkingSink {
public:
    virtual ~MarkingSink() = default;

    /// `kind`'s encoder wrote `length` bytes from `address`: every block they touch is sent.
    virtual void MarkForWrite(RecordKind kind, int address, int length) = 0;

    /// The channel encoder encoded memory channel `channel` (1 … 200), in table order.
    virtual void ChannelEncoded(const ChannelRecord& channel) { (void)channel; }
};

} // namespace rp70
