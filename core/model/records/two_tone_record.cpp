#include "model/records/two_tone_record.h"

namespace rp70 {

namespace {

void WriteEntry(ByteWriter& out, const TwoToneEntry& entry) {
    out.I16(entry.EntryEmpty);
    out.Bytes(entry.DecodeDivider1);
    out.Bytes(entry.DecodeDivider2);
    out.Bytes(entry.DecodeTone1);
    out.Bytes(entry.DecodeTone2);
    out.Text(entry.EntryName);
}

void ReadEntry(ByteReader& in, TwoToneEntry& entry) {
    entry.EntryEmpty = in.I16();
    in.Bytes(entry.DecodeDivider1);
    in.Bytes(entry.DecodeDivider2);
    in.Bytes(entry.DecodeTone1);
    in.Bytes(entry.DecodeTone2);
    in.Text(entry.EntryName);
}

} // namespace

void WriteHeader(ByteWriter& out, const TwoToneRecord& record) {
    out.Bytes(record.EncodeTone1);
    out.Bytes(record.EncodeTone2);
    out.U8(record.EncodePair);
    out.Bytes(record.EncodeDivider1);
    out.Bytes(record.EncodeDivider2);
    out.U8(record.TwoToneSetting9);
    out.U8(record.TwoToneSetting10);
    out.U8(record.SideTone2);
    for (const auto& tone : record.ToneFrequencies) {
        out.Bytes(tone);
    }
    out.U8(record.TwoToneTime1);
    out.U8(record.TwoToneTime2);
    out.U8(record.TwoToneTime3);
    out.U8(record.TwoToneSetting23);
}

void ReadHeader(ByteReader& in, TwoToneRecord& record) {
    in.Bytes(record.EncodeTone1);
    in.Bytes(record.EncodeTone2);
    record.EncodePair = in.U8();
    in.Bytes(record.EncodeDivider1);
    in.Bytes(record.EncodeDivider2);
    record.TwoToneSetting9 = in.U8();
    record.TwoToneSetting10 = in.U8();
    record.SideTone2 = in.U8();
    for (auto& tone : record.ToneFrequencies) {
        in.Bytes(tone);
    }
    record.TwoToneTime1 = in.U8();
    record.TwoToneTime2 = in.U8();
    record.TwoToneTime3 = in.U8();
    record.TwoToneSetting23 = in.U8();
}

void Write(ByteWriter& out, const TwoToneRecord& record) {
    WriteHeader(out, record);
    for (const auto& entry : record.Entries) {
        WriteEntry(out, entry);
    }
}

void Read(ByteReader& in, TwoToneRecord& record) {
    TwoToneRecord read;
    ReadHeader(in, read);
    for (auto& entry : read.Entries) {
        ReadEntry(in, entry);
    }
    record = read;
}

void SetDefaults(TwoToneRecord& record) {
    // Sent tones A-B: 321.7 Hz and 928.1 Hz. The dividers of a new image are the radio's own
    // table values (14920 and 5172, close to 4800000 / f), not what the editor computes from
    // the tones (6500000 / (2 × f): 10102 and 3501, or 6500000 / (16 × f) when decoding: 1262
    // and 437). A new image keeps the table's bytes; the 2-tone editor's OK recomputes the
    // encode dividers, and an entry's decode dividers when one of its tones is entered.
    record.EncodeTone1 = {12, 145};
    record.EncodeTone2 = {36, 65};
    record.EncodePair = 0;
    record.EncodeDivider1 = {58, 72};
    record.EncodeDivider2 = {20, 52};
    record.TwoToneSetting9 = 0;
    record.TwoToneSetting10 = 0;
    record.SideTone2 = 0;
    // Tones A … D: 321.7, 928.1, 626.5 and 2043.8 Hz.
    record.ToneFrequencies = {{{145, 12}, {65, 36}, {121, 24}, {214, 79}}};
    record.TwoToneTime1 = 5;
    record.TwoToneTime2 = 5;
    record.TwoToneTime3 = 10;
    record.TwoToneSetting23 = 0;

    for (auto& entry : record.Entries) {
        entry.EntryEmpty = 1;
        entry.DecodeDivider1 = {0, 0};
        entry.DecodeDivider2 = {0, 0};
        entry.DecodeTone1 = {0, 0};
        entry.DecodeTone2 = {0, 0};
    }
    // Entry 0 decodes 321.7 Hz followed by 928.1 Hz.
    TwoToneEntry& first = record.Entries[0];
    first.EntryEmpty = 0;
    first.DecodeDivider1 = {58, 72};
    first.DecodeDivider2 = {20, 52};
    first.DecodeTone1 = {12, 145};
    first.DecodeTone2 = {36, 65};
}

} // namespace rp70
