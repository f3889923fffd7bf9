#include "memory/two_tone_codec.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace rp70 {

namespace {

constexpr int kHeaderAt = 0x0300;
constexpr int kBitmapAt = 0x0380;
constexpr int kEntriesAt = 0x0B00;
constexpr int kEntrySize = 16;
constexpr int kEntryNameOffset = 8;
constexpr int kNameWidth = 7;
constexpr std::size_t kEntryByteCount = 8;
constexpr std::uint8_t kMaxEncodePair = 14;

/// The header byte each address from 0300 holds. The 16-bit tones and dividers travel in the
/// opposite byte order to the one the record keeps.
constexpr std::array<std::size_t, kTwoToneHeaderSize> kHeaderByteAt = {
    1, 0, 3, 2, 6, 5, 8, 7, 10, 20, 21, 22, 23, 9, 11, 4, 13, 12, 15, 14, 17, 16, 19, 18};

/// The entry byte each of the first eight bytes of an entry holds (each pair swapped).
constexpr std::array<std::size_t, kEntryByteCount> kEntryByteAt = {1, 0, 3, 2, 5, 4, 7, 6};

using EntryBytes = std::array<std::uint8_t, kEntryByteCount>;

EntryBytes EntryBytesOf(const TwoToneEntry& entry) {
    return {entry.DecodeDivider1[0], entry.DecodeDivider1[1], entry.DecodeDivider2[0],
            entry.DecodeDivider2[1], entry.DecodeTone1[0],    entry.DecodeTone1[1],
            entry.DecodeTone2[0],    entry.DecodeTone2[1]};
}

void SetBytes(TwoToneEntry& entry, const EntryBytes& bytes) {
    entry.DecodeDivider1 = {bytes[0], bytes[1]};
    entry.DecodeDivider2 = {bytes[2], bytes[3]};
    entry.DecodeTone1 = {bytes[4], bytes[5]};
    entry.DecodeTone2 = {bytes[6], bytes[7]};
}

int EntryAddress(std::size_t index) {
    return kEntriesAt + static_cast<int>(index) * kEntrySize;
}

int BitmapByte(std::size_t index) {
    return kBitmapAt + static_cast<int>(index / 8);
}

int BitmapShift(std::size_t index) {
    return static_cast<int>(index % 8);
}

} // namespace

bool SetCommDataBy2Tone(const RadioImage& image, const EncodeTarget& target) {
    return RunEncoder(target.Ui, "SetCommDataBy2ToneError", [&] {
        const TwoToneRecord& record = image.Record.Function.TwoTone;
        RadioMemory& memory = target.Memory;

        std::vector<std::uint8_t> header;
        ByteWriter out(header);
        WriteHeader(out, record);
        for (std::size_t a = 0; a < kTwoToneHeaderSize; ++a) {
            ByteAt(memory, kHeaderAt + static_cast<int>(a)) = header[kHeaderByteAt[a]];
        }
        target.Marks.MarkForWrite(RecordKind::TwoTone, kHeaderAt, 32);
        target.Marks.MarkForWrite(RecordKind::TwoTone, kBitmapAt, 16);

        // Each bitmap byte is rebuilt from all set: a bit is cleared for an entry in use.
        for (std::size_t i = 0; i < kTwoToneEntryCount; i += 8) {
            ByteAt(memory, BitmapByte(i)) = 0xFF;
        }
        for (std::size_t i = 0; i < kTwoToneEntryCount; ++i) {
            const TwoToneEntry& entry = record.Entries[i];
            const int at = EntryAddress(i);
            const bool inUse = entry.EntryEmpty == 0;
            if (inUse) {
                target.Marks.MarkForWrite(RecordKind::TwoTone, at, kEntrySize);
                ByteAt(memory, BitmapByte(i)) &= static_cast<std::uint8_t>(~(1U << BitmapShift(i)));
            }
            const EntryBytes bytes = EntryBytesOf(entry);
            for (std::size_t k = 0; k < kEntryByteCount; ++k) {
                ByteAt(memory, at + static_cast<int>(k)) = bytes[kEntryByteAt[k]];
            }
            PutName(memory, at + kEntryNameOffset, kNameWidth, TextOf(entry.EntryName));
        }
    });
}

void GetCommDataBy2Tone(RadioImage& image, const RadioMemory& memory) {
    TwoToneRecord record;

    std::array<std::uint8_t, kTwoToneHeaderSize> header{};
    for (std::size_t a = 0; a < kTwoToneHeaderSize; ++a) {
        header[kHeaderByteAt[a]] = ByteAt(memory, kHeaderAt + static_cast<int>(a));
    }
    ByteReader in(header);
    ReadHeader(in, record);
    if (record.EncodePair > kMaxEncodePair) {
        record.EncodePair = 0;
    }

    for (std::size_t i = 0; i < kTwoToneEntryCount; ++i) {
        TwoToneEntry& entry = record.Entries[i];
        entry.EntryEmpty =
            static_cast<std::int16_t>(BitsIn(ByteAt(memory, BitmapByte(i)), BitmapShift(i)));
        if (entry.EntryEmpty != 0) {
            entry.EntryName.fill('\0');
            continue;
        }
        const int at = EntryAddress(i);
        EntryBytes bytes{};
        for (std::size_t k = 0; k < kEntryByteCount; ++k) {
            bytes[kEntryByteAt[k]] = ByteAt(memory, at + static_cast<int>(k));
        }
        SetBytes(entry, bytes);
        WriteFixedText(entry.EntryName, TakeText(memory, at + kEntryNameOffset, kNameWidth));
    }

    image.Record.Function.TwoTone = record;
}

} // namespace rp70
