#include "files/file_io.h"

#include <array>
#include <exception>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace rp70 {
namespace {

namespace fs = std::filesystem;

// A name for the temporary file next to `target` that no other file has yet.
std::optional<fs::path> FreeTemporaryName(const fs::path& target) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::array<char, 17> hex{};
        std::uint64_t value = random();
        for (std::size_t i = 0; i < 16; ++i) {
            hex[i] = "0123456789abcdef"[value & 0xF];
            value >>= 4;
        }
        fs::path name = ".";
        name += target.filename();
        name += ".tmp-";
        name += hex.data();
        fs::path candidate = target;
        candidate.replace_filename(name);
        std::error_code error;
        if (fs::symlink_status(candidate, error).type() == fs::file_type::not_found) {
            return candidate;
        }
    }
    return std::nullopt;
}

bool WriteNewFile(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool written = static_cast<bool>(out);
    out.close();
    return written && !out.fail();
}

} // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& file, std::size_t maxBytes) {
    try {
        std::error_code error;
        if (!fs::is_regular_file(file, error)) {
            return std::nullopt;
        }
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes;
        std::array<char, 4096> chunk{};
        while (bytes.size() < maxBytes) {
            const std::size_t wanted = std::min(chunk.size(), maxBytes - bytes.size());
            in.read(chunk.data(), static_cast<std::streamsize>(wanted));
            const auto got = static_cast<std::size_t>(in.gcount());
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<long>(got));
            if (got < wanted) {
                break;
            }
        }
        if (in.bad()) {
            return std::nullopt;
        }
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

StagedFile::~StagedFile() {
    Discard();
}

bool StagedFile::Stage(const fs::path& file, std::string_view bytes) {
    Discard();
    try {
        std::error_code error;
        fs::path target = file;
        if (fs::is_symlink(fs::symlink_status(file, error))) {
            target = fs::weakly_canonical(file, error);
            if (error) {
                return false;
            }
        }
        // A folder in the target's place could not be replaced by the rename; finding that out
        // now keeps files staged together from being committed only in part.
        if (target.filename().empty() || fs::is_directory(target, error)) {
            return false;
        }
        const fs::path folder = target.parent_path();
        if (!folder.empty()) {
            fs::create_directories(folder, error);
            if (error) {
                return false;
            }
        }
        const std::optional<fs::path> temporary = FreeTemporaryName(target);
        if (!temporary) {
            return false;
        }
        if (!WriteNewFile(*temporary, bytes)) {
            fs::remove(*temporary, error);
            return false;
        }
        target_ = target;
        temporary_ = *temporary;
        return true;
    } catch (const std::exception&) {
        // Path conversions or allocation may throw; a failed write is reported, never raised.
        return false;
    }
}

bool StagedFile::Commit() {
    if (temporary_.empty()) {
        return false;
    }
    std::error_code error;
    const fs::file_status old = fs::status(target_, error);
    if (!error && fs::is_regular_file(old)) {
        fs::permissions(temporary_, old.permissions(), error);
    }
    error.clear();
    fs::rename(temporary_, target_, error);
    if (error) {
        Discard();
        return false;
    }
    temporary_.clear();
    target_.clear();
    return true;
}

void StagedFile::Discard() {
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
        temporary_.clear();
    }
    target_.clear();
}

bool ReplaceFileContents(const fs::path& file, std::string_view bytes) {
    StagedFile staged;
    return staged.Stage(file, bytes) && staged.Commit();
}

} // namespace rp70
