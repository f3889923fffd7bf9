#include "model/records/channel_record.h"

namespace rp70 {

namespace {

/// Calls `visit` for the 36 16-bit values between the name and the PTT-ID code, in stored
/// order, so writer and reader share one field list.
template <typename Record, typename Visit> void ForEachChannelValue(Record& r, Visit&& visit) {
    visit(r.StepIndex);
    visit(r.TxInhibit);
    visit(r.Bandwidth);
    visit(r.TxDcsInvert);
    visit(r.TxDcsHigh);
    visit(r.AuxFlag);
    visit(r.Reserved1);
    visit(r.Reserved2);
    visit(r.ShiftDirection);
    visit(r.TxPower);
    visit(r.TalkAround);
    visit(r.RxDcsInvert);
    visit(r.RxDcsHigh);
    visit(r.Compander);
    visit(r.Reserved3);
    visit(r.TxToneType);
    visit(r.RxToneType);
    visit(r.TxCtcss);
    visit(r.RxCtcss);
    visit(r.TxDcs);
    visit(r.RxDcs);
    visit(r.Signalling);
    visit(r.Reserved4);
    visit(r.TwoToneNumber);
    visit(r.FiveToneNumber);
    visit(r.PttIdEnable);
    visit(r.Reverse);
    visit(r.Scrambler);
    visit(r.DtmfPttIdMode);
    visit(r.FiveTonePttIdMode);
    visit(r.SquelchMode);
    visit(r.DtmfCode);
    visit(r.ExtraDisplay);
    visit(r.BusyLock);
    visit(r.RadioReserved);
    visit(r.PttIdDecode);
}

} // namespace

void Write(ByteWriter& out, const ChannelRecord& record) {
    out.I16(record.ChannelNumber);
    out.I16(record.InUse);
    out.I16(record.ScanSkip);
    out.Text(record.RxFreq);
    out.Text(record.TxOffset);
    out.Text(record.Name);
    ForEachChannelValue(record, [&out](std::int16_t value) { out.I16(value); });
    out.Text(record.PttIdCode);
}

void Read(ByteReader& in, ChannelRecord& record) {
    ChannelRecord read;
    read.ChannelNumber = in.I16();
    read.InUse = in.I16();
    read.ScanSkip = in.I16();
    in.Text(read.RxFreq);
    in.Text(read.TxOffset);
    in.Text(read.Name);
    ForEachChannelValue(read, [&in](std::int16_t& value) { value = in.I16(); });
    in.Text(read.PttIdCode);
    record = read;
}

ChannelRecord NewChannelRecord(std::int16_t number) {
    ChannelRecord record;
    record.ChannelNumber = number;
    record.RxFreq = MakeFixedText<9>("FFFFFFFFF");
    record.TxOffset = MakeFixedText<9>("000000000");
    record.Name = MakeFixedText<7>("");
    record.StepIndex = 5;
    record.PttIdCode = MakeFixedText<5>("00000");
    return record;
}

} // namespace rp70
