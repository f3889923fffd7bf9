#include "model/records/book.h"

namespace rp70 {

void Write(ByteWriter& out, const BookEntry& entry) {
    out.I16(entry.BookIndex);
    out.Text(entry.BookId);
    out.Text(entry.BookName);
}

void Read(ByteReader& in, BookEntry& entry) {
    BookEntry read;
    read.BookIndex = in.I16();
    in.Text(read.BookId);
    in.Text(read.BookName);
    entry = read;
}

void Write(ByteWriter& out, const Book& book) {
    for (const BookEntry& entry : book) {
        Write(out, entry);
    }
}

void Read(ByteReader& in, Book& book) {
    Book read;
    for (BookEntry& entry : read) {
        Read(in, entry);
    }
    book = read;
}

void SetDefaults(Book& book) {
    for (std::size_t i = 0; i < book.size(); ++i) {
        book[i].BookIndex = static_cast<std::int16_t>(i);
        book[i].BookId = EmptyFixedText<5>();
        book[i].BookName = EmptyFixedText<7>();
    }
}

} // namespace rp70
