#include "files/book_file.h"

#include <string>

#include "files/file_error.h"
#include "files/file_io.h"

namespace rp70 {

std::vector<std::uint8_t> EncodeBookFile(const Book& book) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kBookFileSize);
    ByteWriter out(bytes);
    Write(out, book);
    return bytes;
}

bool DecodeBookFile(std::span<const std::uint8_t> bytes, Book& book) {
    if (bytes.size() < kBookFileSize) {
        return false;
    }
    ByteReader in(bytes);
    Read(in, book);
    return true;
}

bool LoadBookFile(const std::filesystem::path& file, Book& book) {
    const auto bytes = ReadFileBytes(file, kBookFileSize);
    return bytes && DecodeBookFile(*bytes, book);
}

bool SaveBookFile(const std::filesystem::path& file, const Book& book) {
    return ReplaceFileContents(file, AsBytes(EncodeBookFile(book)));
}

bool ImportBookFile(UserContext& ctx, const std::filesystem::path& file, Book& editCopy) {
    if (!LoadBookFile(file, editCopy)) {
        ShowFileError(ctx);
        return false;
    }
    return true;
}

bool ExportBookFile(UserContext& ctx, const std::filesystem::path& file, const Book& editCopy) {
    if (!SaveBookFile(file, editCopy)) {
        ShowFileError(ctx);
        return false;
    }
    return true;
}

} // namespace rp70
