#pragma once
// What the fuzz targets share: a check that stops the run where a property fails, a person who
// answers every question with OK and a way to take the input apart piece by piece.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "memory/marking.h"
#include "texts/interaction.h"

namespace rp70::fuzz {

/// Stops the run (a crash the fuzzer records) when a property does not hold.
inline void Require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

/// A person who presses OK (or Yes) on everything and cancels every prompt; the marks of an
/// encoder go nowhere.
class Silent : public Interaction, public MarkingSink {
public:
    Answer Show(const Message& message) override {
        return message.Buttons == MessageButtons::YesNo ||
                       message.Buttons == MessageButtons::YesNoCancel
                   ? Answer::Yes
                   : Answer::Ok;
    }
    std::optional<std::filesystem::path> ChooseOpenFile(const FileChoice&) override { return {}; }
    std::optional<std::filesystem::path> ChooseSaveFile(const FileChoice&) override { return {}; }
    std::optional<std::string> AskFilePassword(std::string_view) override { return {}; }
    std::optional<std::string> AskRadioPassword(std::string_view) override { return {}; }
    void MarkForWrite(RecordKind, int, int) override {}
};

/// The fuzz input, taken from the front.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : rest_(data, size) {}

    bool Empty() const { return rest_.empty(); }
    /// The next byte; 0 once the input is used up.
    std::uint8_t Byte() {
        if (rest_.empty()) {
            return 0;
        }
        const std::uint8_t byte = rest_.front();
        rest_ = rest_.subspan(1);
        return byte;
    }
    /// The next `count` bytes, fewer when the input ends first.
    std::span<const std::uint8_t> Take(std::size_t count) {
        const auto taken = rest_.first(std::min(count, rest_.size()));
        rest_ = rest_.subspan(taken.size());
        return taken;
    }
    /// Everything not taken yet.
    std::span<const std::uint8_t> Rest() const { return rest_; }

private:
    std::span<const std::uint8_t> rest_;
};

} // namespace rp70::fuzz
