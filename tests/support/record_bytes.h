#pragma once
// Stored records as bytes: writing and reading them, looking at the bytes at an
// offset, and the checks every record's Read must pass.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/byte_io.h"

namespace rp70::test {

using Bytes = std::vector<std::uint8_t>;

/// The stored form of `record`, as its Write appends it.
template <class Record> Bytes BytesOf(const Record& record) {
    Bytes bytes;
    ByteWriter out(bytes);
    Write(out, record);
    return bytes;
}

/// The record its Read makes of `bytes`; throws TruncatedData when they are too few.
template <class Record> Record FromBytes(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    Record record{};
    Read(in, record);
    return record;
}

/// `record` after its SetDefaults.
template <class Record> Record WithDefaults(Record record) {
    SetDefaults(record);
    return record;
}

/// The 16-bit signed value stored low byte first at `offset`.
inline std::int16_t I16At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    if (offset + 2 > bytes.size()) {
        ADD_FAILURE() << "value at " << offset << " beyond " << bytes.size() << " bytes";
        return 0;
    }
    return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

/// `count` bytes from `offset` on.
inline Bytes Slice(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t count) {
    if (offset + count > bytes.size()) {
        ADD_FAILURE() << "slice " << offset << "+" << count << " beyond " << bytes.size();
        return {};
    }
    const auto from = bytes.subspan(offset, count);
    return Bytes(from.begin(), from.end());
}

/// `size` bytes from `offset` on, as text (NULs included).
inline std::string TextAt(std::span<const std::uint8_t> bytes, std::size_t offset,
                          std::size_t size) {
    const Bytes slice = Slice(bytes, offset, size);
    return std::string(slice.begin(), slice.end());
}

/// A text field as stored: the text, then spaces up to `width`.
inline Bytes Padded(std::string_view text, std::size_t width) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, ' ');
    return bytes;
}

/// The empty text of a new image: a NUL, then spaces up to `width`.
inline std::string EmptyText(std::size_t width) {
    return std::string(1, '\0') + std::string(width - 1, ' ');
}

/// The parts one after the other.
inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

/// `size` bytes, each different from its neighbours, so a field read from or
/// written to the wrong place shows.
inline Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 37 + 11) & 0xFF);
    }
    return bytes;
}

/// `value` as one byte.
constexpr std::uint8_t Byte(std::size_t value) {
    return static_cast<std::uint8_t>(value);
}

/// The 16-bit value fields of a record, each with its offset in the stored form.
template <class Record>
using ValueOffsets = std::vector<std::pair<std::int16_t Record::*, std::size_t>>;

/// Gives every listed field a value of its own, so a value stored in the place
/// of another shows.
template <class Record> void SetDistinctValues(Record& record, const ValueOffsets<Record>& fields) {
    std::int16_t value = 0x0102;
    for (const auto& [field, offset] : fields) {
        record.*field = value;
        value = static_cast<std::int16_t>(value + 0x0101);
    }
}

/// Every listed value of `record` is stored at its offset, low byte first.
template <class Record>
void ExpectValuesAtTheirOffsets(const Record& record, const ValueOffsets<Record>& fields) {
    const Bytes bytes = BytesOf(record);
    for (const auto& [field, offset] : fields) {
        EXPECT_EQ(I16At(bytes, offset), record.*field) << "value at offset " << offset;
    }
}

/// Whatever bytes are stored for a record, reading and writing it again gives
/// them back unchanged.
template <class Record> void ExpectAnyStoredBytesWrittenBackUnchanged() {
    const Bytes stored = Pattern(BytesOf(Record{}).size());
    EXPECT_EQ(BytesOf(FromBytes<Record>(stored)), stored);
}

/// Writes `record` followed by a byte of the next record: Read gives the record
/// back and stops in front of that byte.
template <class Record> void ExpectReadBackStopsAtItsEnd(const Record& record) {
    Bytes bytes = BytesOf(record);
    const std::size_t size = bytes.size();
    bytes.push_back(0x5A);
    ByteReader in(bytes);
    Record read{};
    Read(in, read);
    EXPECT_TRUE(read == record) << "the record read differs from the one written";
    ASSERT_EQ(in.Position(), size);
    EXPECT_EQ(in.U8(), 0x5A);
}

namespace detail {

// Reads every cut of the stored `full` record that is shorter than the whole;
// with `before`, into a record holding it, which must stay as it was.
template <class Record> void ReadEveryShortCut(const Record& full, const Record* before) {
    const Bytes bytes = BytesOf(full);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        ByteReader in(std::span<const std::uint8_t>(bytes).first(size));
        Record record = before != nullptr ? *before : Record{};
        bool threw = false;
        try {
            Read(in, record);
        } catch (const TruncatedData&) {
            threw = true;
        }
        if (!threw) {
            ADD_FAILURE() << "no TruncatedData from " << size << " of " << bytes.size() << " bytes";
            return;
        }
        if (before != nullptr && !(record == *before)) {
            ADD_FAILURE() << "reading " << size << " of " << bytes.size()
                          << " bytes changed the record";
            return;
        }
    }
}

} // namespace detail

/// Every cut of the stored `full` record that is shorter than the whole throws
/// TruncatedData when read.
template <class Record> void ExpectShortDataThrows(const Record& full) {
    detail::ReadEveryShortCut(full, static_cast<const Record*>(nullptr));
}

/// Every cut of the stored `full` record that is shorter than the whole throws
/// TruncatedData when read into a record holding `before`, and leaves that
/// record as it was.
template <class Record>
void ExpectShortDataThrowsAndLeavesRecordAlone(const Record& full, const Record& before) {
    detail::ReadEveryShortCut(full, &before);
}

} // namespace rp70::test
