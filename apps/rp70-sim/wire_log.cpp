#include "wire_log.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace rp70::sim {

std::optional<WireLog> WireLog::Open(const std::string& path, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        error = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return WireLog(file);
}

WireLog::WireLog(WireLog&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}

WireLog::~WireLog() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void WireLog::Chunk(char direction, std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line;
    line.reserve(3 * bytes.size());
    for (const std::uint8_t byte : bytes) {
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
    Line(direction, line.substr(1));
}

void WireLog::Line(char mark, const std::string& text) {
    // Flushed line by line, so that a transcript can be read while the radio runs.
    std::fprintf(file_, "%c %s\n", mark, text.c_str());
    std::fflush(file_);
}

} // namespace rp70::sim
