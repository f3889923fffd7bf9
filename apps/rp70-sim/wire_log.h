#pragma once
// The wire transcript: one line per chunk of bytes, "> " for bytes from the computer, "< " for
// bytes going back (echo included), in upper-case hex; "= " lines name the commands the radio
// recognised; "# " lines note what happened to the line.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

namespace rp70::sim {

class WireLog {
public:
    /// A transcript written to `path` (replaced); nullopt with `error` set when it cannot be
    /// created.
    static std::optional<WireLog> Open(const std::string& path, std::string& error);

    WireLog(WireLog&& other) noexcept;
    WireLog& operator=(WireLog&&) = delete;
    WireLog(const WireLog&) = delete;
    WireLog& operator=(const WireLog&) = delete;
    ~WireLog();

    void FromComputer(std::span<const std::uint8_t> bytes) { Chunk('>', bytes); }
    void ToComputer(std::span<const std::uint8_t> bytes) { Chunk('<', bytes); }
    void Command(const std::string& name) { Line('=', name); }
    void Note(const std::string& text) { Line('#', text); }

private:
    explicit WireLog(std::FILE* file) : file_(file) {}
    void Chunk(char direction, std::span<const std::uint8_t> bytes);
    void Line(char mark, const std::string& text);

    std::FILE* file_ = nullptr;
};

} // namespace rp70::sim
