#include "memory/book_codec.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/book_order.h"
#include "model/fixed_text.h"

namespace rp70 {
namespace {

constexpr int kIdAddress = 0x1980;
constexpr int kIdLength = 5;
constexpr int kNameAddress = 0x1C00;
constexpr int kNameLength = 8;
constexpr int kNameWidth = 7;

int IdAddress(std::size_t entry) {
    return kIdAddress + kIdLength * static_cast<int>(entry);
}

int NameAddress(std::size_t entry) {
    return kNameAddress + kNameLength * static_cast<int>(entry);
}

bool IsDigitCode(std::uint8_t byte) {
    return byte >= '0' && byte <= '9';
}

void EncodeEntry(const BookEntry& entry, std::size_t i, const EncodeTarget& target) {
    const std::string id = TextOf(entry.BookId);
    PutText(target.Memory, IdAddress(i), kIdLength, IsDigitText(id) ? id : std::string(), 0x00);
    target.Marks.MarkForWrite(RecordKind::CommunicationBook, IdAddress(i), kIdLength);

    PutText(target.Memory, NameAddress(i), kNameWidth, TextOf(entry.BookName), 0x00);
    target.Marks.MarkForWrite(RecordKind::CommunicationBook, NameAddress(i), kNameLength);
}

/// The ID: the digits from its first byte on, at most five, followed by a NUL when another
/// byte ended them.
std::string DecodeId(const RadioMemory& memory, std::size_t i) {
    std::string id;
    for (int k = 0; k < kIdLength; ++k) {
        const std::uint8_t byte = memory[static_cast<std::size_t>(IdAddress(i) + k)];
        if (!IsDigitCode(byte)) {
            id.push_back('\0');
            break;
        }
        id.push_back(static_cast<char>(byte));
    }
    return id;
}

/// The name: up to eight bytes before the first FF, cut at the first NUL without trailing
/// spaces, at most seven characters; a shorter name is followed by a NUL.
std::string DecodeName(const RadioMemory& memory, std::size_t i) {
    std::string raw;
    for (int k = 0; k < kNameLength; ++k) {
        const std::uint8_t byte = memory[static_cast<std::size_t>(NameAddress(i) + k)];
        if (byte == 0xFF) {
            break;
        }
        raw.push_back(static_cast<char>(byte));
    }
    std::string name = TextOf(raw);
    if (name.size() > static_cast<std::size_t>(kNameWidth)) {
        name.resize(kNameWidth);
    } else {
        name.push_back('\0');
    }
    return name;
}

} // namespace

bool SetCommDataByDTMFCommuBook(RadioImage& image, const EncodeTarget& target) {
    return RunEncoder(target.Ui, "SetCommDataByDTMFCommuBookError", [&] {
        Book& book = image.Record.Book;
        SortBook(book);
        for (std::size_t i = 0; i < book.size(); ++i) {
            EncodeEntry(book[i], i, target);
        }
    });
}

void GetCommDataByBook(RadioImage& image, const RadioMemory& memory) {
    Book& book = image.Record.Book;
    for (std::size_t i = 0; i < book.size(); ++i) {
        BookEntry& entry = book[i];
        entry.BookIndex = static_cast<std::int16_t>(i);
        WriteFixedText(entry.BookId, DecodeId(memory, i));
        WriteFixedText(entry.BookName, DecodeName(memory, i));
    }
}

} // namespace rp70
