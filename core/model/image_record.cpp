#include "model/image_record.h"

namespace rp70 {

void Write(ByteWriter& out, const FunctionData& data) {
    Write(out, data.Dtmf);
    Write(out, data.TwoTone);
    Write(out, data.FiveTone);
    Write(out, data.Options);
    Write(out, data.Scan);
    Write(out, data.Alert);
}

void Read(ByteReader& in, FunctionData& data) {
    Read(in, data.Dtmf);
    Read(in, data.TwoTone);
    Read(in, data.FiveTone);
    Read(in, data.Options);
    Read(in, data.Scan);
    Read(in, data.Alert);
}

void Write(ByteWriter& out, const ImageRecord& record) {
    out.I16(record.BandIndex);
    Write(out, record.Function);
    out.I16(record.ChannelCount);
    Write(out, record.Book);
    out.U8(record.DecodeTime);
    for (std::uint8_t b : record.OptionExtra) {
        out.U8(b);
    }
}

void Read(ByteReader& in, ImageRecord& record) {
    // Read into a copy so that data ending early leaves the record as it was.
    ImageRecord read;
    read.BandIndex = in.I16();
    Read(in, read.Function);
    read.ChannelCount = in.I16();
    Read(in, read.Book);
    read.DecodeTime = in.U8();
    for (std::uint8_t& b : read.OptionExtra) {
        b = in.U8();
    }
    record = read;
}

void SetDefaults(ImageRecord& record) {
    SetDefaults(record.Function.Dtmf);
    SetDefaults(record.Function.TwoTone);
    SetDefaults(record.Function.FiveTone);
    SetDefaults(record.Function.Options);
    SetDefaults(record.Function.Scan);
    SetDefaults(record.Function.Alert);
    SetDefaults(record.Book);
    record.DecodeTime = 2;
    record.OptionExtra = {0, 0, 0};
}

} // namespace rp70
