#include "model/records/options_record.h"

namespace rp70 {

namespace {

/// Calls `visit` for every 16-bit value in front of the key assignments, in stored order, so
/// writer and reader share one field list.
template <typename Record, typename Visit> void ForEachOptionValue(Record& r, Visit&& visit) {
    visit(r.Option1702);
    visit(r.Option1703);
    visit(r.StartChannel);
    visit(r.Option1705);
    visit(r.Option1707);
    visit(r.Option18);
    visit(r.Option1709);
    visit(r.Option1710);
    visit(r.ToneBurst);
    visit(r.Option1712);
    visit(r.Option1713);
    visit(r.Option1714);
    visit(r.Option1716);
    visit(r.TailElimination);
    visit(r.BacklightColour);
    visit(r.FunctionOperation);
    visit(r.InternalFunctionOperation);
    visit(r.InitialiseKeys);
    visit(r.TailPhase);
    visit(r.Option1719);
    visit(r.Option1706);
    visit(r.Option1708);
    visit(r.Option1715);
    visit(r.Reserved);
}

constexpr std::array<std::int16_t, kKeyFunctionCount> kDefaultKeyFunctions = {
    0, 1,  2,  3,  // Short: V/M, MHz, DCS/CTCSS, Call Channel
    4, 12, 6,  7,  // Long: Moni, Clone, Shift, Lock
    8, 9,  10, 11, // FUNC: Power Adj, Clear, W/N, Battery
};

} // namespace

void Write(ByteWriter& out, const OptionsRecord& record) {
    ForEachOptionValue(record, [&out](std::int16_t value) { out.I16(value); });
    for (std::int16_t key : record.KeyFunctions) {
        out.I16(key);
    }
    out.Text(record.WelcomeText);
    out.I16(record.PowerOnPasswordEnable);
    out.Text(record.PowerOnPassword);
}

void Read(ByteReader& in, OptionsRecord& record) {
    OptionsRecord read;
    ForEachOptionValue(read, [&in](std::int16_t& value) { value = in.I16(); });
    for (std::int16_t& key : read.KeyFunctions) {
        key = in.I16();
    }
    in.Text(read.WelcomeText);
    read.PowerOnPasswordEnable = in.I16();
    in.Text(read.PowerOnPassword);
    record = read;
}

void SetDefaults(OptionsRecord& record) {
    const std::int16_t reserved = record.Reserved;
    ForEachOptionValue(record, [](std::int16_t& value) { value = 0; });
    record.Reserved = reserved;
    record.KeyFunctions = kDefaultKeyFunctions;
    record.WelcomeText = MakeFixedText<7>("Welcome");
    record.PowerOnPasswordEnable = 0;
    record.PowerOnPassword = EmptyFixedText<6>();
}

} // namespace rp70
