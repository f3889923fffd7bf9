#pragma once
// The book file: the communication book on its own, exported from and imported into the book
// dialog. One record of 1792 bytes, the 128 entries in index order, without a header.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "model/records/book.h"
#include "texts/user_context.h"

namespace rp70 {

/// Size of a book file.
inline constexpr std::size_t kBookFileSize = kBookSize;

/// The 1792 bytes of the book file for `book`.
std::vector<std::uint8_t> EncodeBookFile(const Book& book);

/// Reads the first 1792 bytes of `bytes` into `book`, all or nothing: fewer bytes return false
/// and leave `book` as it was.
bool DecodeBookFile(std::span<const std::uint8_t> bytes, Book& book);

/// Reads the first 1792 bytes of `file` into `book`, all or nothing: a file that is missing,
/// unreadable or shorter than 1792 bytes returns false and leaves `book` as it was.
bool LoadBookFile(const std::filesystem::path& file, Book& book);

/// Replaces `file` with the book file of `book`. Returns false when it cannot be written; the
/// old file is then untouched.
bool SaveBookFile(const std::filesystem::path& file, const Book& book);

/// Import of the book dialog: loads `file` into the dialog's edit copy. On failure shows
/// "file error." and leaves the edit copy as it was.
bool ImportBookFile(UserContext& ctx, const std::filesystem::path& file, Book& editCopy);

/// Export of the book dialog: writes the edit copy to `file`. On failure shows "file error.".
bool ExportBookFile(UserContext& ctx, const std::filesystem::path& file, const Book& editCopy);

} // namespace rp70
