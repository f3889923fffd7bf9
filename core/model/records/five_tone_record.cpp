#include "model/records/five_tone_record.h"

namespace rp70 {

namespace {

void WriteInfoCode(ByteWriter& out, const FiveToneInfoCode& info) {
    out.U8(info.Function);
    out.U8(info.Response);
    out.U8(info.Length);
    out.Text(info.Digits);
    out.Text(info.Name);
}

void ReadInfoCode(ByteReader& in, FiveToneInfoCode& info) {
    info.Function = in.U8();
    info.Response = in.U8();
    info.Length = in.U8();
    in.Text(info.Digits);
    in.Text(info.Name);
}

void WriteCode(ByteWriter& out, const FiveToneCode& code) {
    out.I16(code.InUseFlag);
    out.U8(code.Spare);
    out.U8(code.Standard);
    out.U8(code.Length);
    out.U8(code.ToneLength);
    out.Text(code.Digits);
    out.Text(code.Name);
}

void ReadCode(ByteReader& in, FiveToneCode& code) {
    code.InUseFlag = in.I16();
    code.Spare = in.U8();
    code.Standard = in.U8();
    code.Length = in.U8();
    code.ToneLength = in.U8();
    in.Text(code.Digits);
    in.Text(code.Name);
}

} // namespace

void Write(ByteWriter& out, const FiveToneRecord& record) {
    out.U8(record.Reserved);
    out.U8(record.DecodeResponse);
    out.U8(record.Standard);
    out.U8(record.OwnIdLength);
    out.U8(record.ToneLength);
    out.Text(record.OwnId);
    out.U8(record.ResetTime);
    out.U8(record.PreSendDelay);
    out.U8(record.PostSendDelay);
    out.U8(record.PauseTime);
    out.I16(record.FirstDigitDelay);
    out.I16(record.PauseCodeTime);
    out.I16(record.PauseCode);
    out.I16(record.SideTone);
    out.I16(record.AniSeparator);
    for (const auto& info : record.InfoCodes) {
        WriteInfoCode(out, info);
    }
    WriteCode(out, record.BotCode);
    WriteCode(out, record.EotCode);
    for (const auto& code : record.Codes) {
        WriteCode(out, code);
    }
}

void Read(ByteReader& in, FiveToneRecord& record) {
    FiveToneRecord read;
    read.Reserved = in.U8();
    read.DecodeResponse = in.U8();
    read.Standard = in.U8();
    read.OwnIdLength = in.U8();
    read.ToneLength = in.U8();
    in.Text(read.OwnId);
    read.ResetTime = in.U8();
    read.PreSendDelay = in.U8();
    read.PostSendDelay = in.U8();
    read.PauseTime = in.U8();
    read.FirstDigitDelay = in.I16();
    read.PauseCodeTime = in.I16();
    read.PauseCode = in.I16();
    read.SideTone = in.I16();
    read.AniSeparator = in.I16();
    for (auto& info : read.InfoCodes) {
        ReadInfoCode(in, info);
    }
    ReadCode(in, read.BotCode);
    ReadCode(in, read.EotCode);
    for (auto& code : read.Codes) {
        ReadCode(in, code);
    }
    record = read;
}

void SetDefaults(FiveToneRecord& record) {
    record.Reserved = 0;
    record.DecodeResponse = 0;
    record.Standard = 0;
    record.OwnIdLength = 0;
    record.ToneLength = 7;
    record.OwnId = EmptyFixedText<6>();
    record.ResetTime = 0;
    record.PreSendDelay = 20;
    record.PostSendDelay = 20;
    record.PauseTime = 10;
    record.FirstDigitDelay = 20;
    record.PauseCodeTime = 20;
    record.PauseCode = 0;
    record.SideTone = 0;
    record.AniSeparator = 13;
    for (auto& info : record.InfoCodes) {
        info.Function = 0;
        info.Response = 0;
        info.Length = 0;
        info.Digits = EmptyFixedText<12>();
    }
    // The begin and end codes are not reset.
    for (auto& code : record.Codes) {
        code.InUseFlag = 1;
        code.Spare = 0;
        code.Standard = 0;
        code.Length = 0;
        code.ToneLength = 7;
        code.Digits.fill(' ');
    }
}

} // namespace rp70
