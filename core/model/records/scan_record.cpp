#include "model/records/scan_record.h"

namespace rp70 {

namespace {

/// Calls `visit` for every byte in stored order, so writer and reader share one field list.
template <typename Record, typename Visit> void ForEachScanByte(Record& r, Visit&& visit) {
    visit(r.ScanMode);
    visit(r.PriorityMode);
    visit(r.RevertChannel);
    visit(r.LookBackTimeA);
    visit(r.LookBackTimeB);
    visit(r.RxResumeDelay);
    visit(r.TxResumeDelay);
    visit(r.ScanType);
    visit(r.ScanEntryTone);
    visit(r.WaitTime);
    visit(r.PriorityGroup1);
    visit(r.PriorityChannel1);
    visit(r.PriorityGroup2);
    visit(r.PriorityChannel2);
}

} // namespace

void Write(ByteWriter& out, const ScanRecord& record) {
    ForEachScanByte(record, [&out](std::uint8_t value) { out.U8(value); });
}

void Read(ByteReader& in, ScanRecord& record) {
    ScanRecord read;
    ForEachScanByte(read, [&in](std::uint8_t& value) { value = in.U8(); });
    record = read;
}

void SetDefaults(ScanRecord& record) {
    record = ScanRecord{};
    record.LookBackTimeA = 5;
    record.LookBackTimeB = 5;
}

} // namespace rp70
