#include "model/records/dtmf_record.h"

namespace rp70 {

namespace {

template <typename Code> void WriteCode(ByteWriter& out, const Code& code) {
    out.Text(code.Digits);
    out.I16(code.Length);
}

template <typename Code> void ReadCode(ByteReader& in, Code& code) {
    in.Text(code.Digits);
    code.Length = in.I16();
}

template <typename Code> Code EmptyCode() {
    Code code;
    code.Digits.fill(' ');
    code.Length = 0;
    return code;
}

} // namespace

void Write(ByteWriter& out, const DTMFRecord& record) {
    for (const auto& code : record.Codes) {
        WriteCode(out, code);
    }
    WriteCode(out, record.BotCode);
    WriteCode(out, record.EotCode);
    WriteCode(out, record.KillCode);
    WriteCode(out, record.StunCode);
    out.I16(record.Ani);
    out.I16(record.SendTime);
    out.I16(record.PttId);
    out.Text(record.OwnId);
    out.I16(record.SeparatorCode);
    out.I16(record.GroupCode);
    out.I16(record.DecodeResponse);
    out.I16(record.FirstDigitDelay);
    out.I16(record.PreSendDelay);
    out.I16(record.ResetTime);
    out.I16(record.PostSendDelay);
    out.I16(record.PauseTime);
    out.I16(record.SideTone);
}

void Read(ByteReader& in, DTMFRecord& record) {
    DTMFRecord read;
    for (auto& code : read.Codes) {
        ReadCode(in, code);
    }
    ReadCode(in, read.BotCode);
    ReadCode(in, read.EotCode);
    ReadCode(in, read.KillCode);
    ReadCode(in, read.StunCode);
    read.Ani = in.I16();
    read.SendTime = in.I16();
    read.PttId = in.I16();
    in.Text(read.OwnId);
    read.SeparatorCode = in.I16();
    read.GroupCode = in.I16();
    read.DecodeResponse = in.I16();
    read.FirstDigitDelay = in.I16();
    read.PreSendDelay = in.I16();
    read.ResetTime = in.I16();
    read.PostSendDelay = in.I16();
    read.PauseTime = in.I16();
    read.SideTone = in.I16();
    record = read;
}

void SetDefaults(DTMFRecord& record) {
    record.Codes.fill(EmptyCode<DTMFCode>());
    record.BotCode = EmptyCode<DTMFCode>();
    record.EotCode = EmptyCode<DTMFCode>();
    record.KillCode = EmptyCode<DTMFShortCode>();
    record.StunCode = EmptyCode<DTMFShortCode>();
    record.Ani = 0;
    record.SendTime = 1;
    record.PttId = 3;
    record.OwnId = MakeFixedText<3>("000");
    record.SeparatorCode = 14;
    record.GroupCode = 10;
    record.DecodeResponse = 0;
    record.FirstDigitDelay = 20;
    record.PreSendDelay = 20;
    record.ResetTime = 0;
    record.PostSendDelay = 20;
    record.PauseTime = 10;
    record.SideTone = 0;
}

} // namespace rp70
