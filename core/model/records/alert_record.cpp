#include "model/records/alert_record.h"

namespace rp70 {

namespace {

/// Calls `visit` for every byte in stored order, so writer and reader share one field list.
template <typename Record, typename Visit> void ForEachAlertByte(Record& r, Visit&& visit) {
    visit(r.AlarmMode);
    visit(r.IdCodeType);
    visit(r.IdCode);
    visit(r.AlarmTime);
    visit(r.AlertTxTime);
    visit(r.AlertRxTime);
    visit(r.ChannelSelect);
    visit(r.EmergencyChannel);
    visit(r.AlertCycle);
    visit(r.AutoDetect);
    visit(r.PreAlertTime);
    visit(r.LoneWorkerTime);
}

} // namespace

void Write(ByteWriter& out, const AlertRecord& record) {
    ForEachAlertByte(record, [&out](std::uint8_t value) { out.U8(value); });
}

void Read(ByteReader& in, AlertRecord& record) {
    AlertRecord read;
    ForEachAlertByte(read, [&in](std::uint8_t& value) { value = in.U8(); });
    record = read;
}

void SetDefaults(AlertRecord& record) {
    record = AlertRecord{};
    record.PreAlertTime = 1;
    record.LoneWorkerTime = 5;
}

} // namespace rp70
