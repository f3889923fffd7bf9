#pragma once
// Little-endian byte packing for the stored record layouts. Every record has
// one Write and one Read function built on these, so each layout is written
// down exactly once.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "model/fixed_text.h"

namespace rp70 {

/// Thrown by ByteReader when a record asks for more bytes than were given.
class TruncatedData : public std::runtime_error {
public:
    TruncatedData() : std::runtime_error("data ends before the record does") {}
};

/// Appends values to a byte buffer in the stored form.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void U8(std::uint8_t value) { out_.push_back(value); }
    void I16(std::int16_t value) {
        const auto raw = static_cast<std::uint16_t>(value);
        out_.push_back(static_cast<std::uint8_t>(raw & 0xFF));
        out_.push_back(static_cast<std::uint8_t>(raw >> 8));
    }
    void Bytes(std::span<const std::uint8_t> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    template <std::size_t N> void Text(const FixedText<N>& text) {
        for (char c : text) {
            out_.push_back(static_cast<std::uint8_t>(c));
        }
    }

private:
    std::vector<std::uint8_t>& out_;
};

/// Reads values in the stored form; throws TruncatedData past the end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> in) : in_(in) {}

    std::uint8_t U8() {
        Need(1);
        return in_[pos_++];
    }
    std::int16_t I16() {
        Need(2);
        const auto raw = static_cast<std::uint16_t>(in_[pos_] | (in_[pos_ + 1] << 8));
        pos_ += 2;
        return static_cast<std::int16_t>(raw);
    }
    template <std::size_t N> void Bytes(std::array<std::uint8_t, N>& out) {
        Need(N);
        for (auto& b : out) {
            b = in_[pos_++];
        }
    }
    template <std::size_t N> void Text(FixedText<N>& out) {
        Need(N);
        for (auto& c : out) {
            c = static_cast<char>(in_[pos_++]);
        }
    }
    std::size_t Position() const { return pos_; }

private:
    void Need(std::size_t count) const {
        if (in_.size() - pos_ < count) {
            throw TruncatedData();
        }
    }

    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
};

} // namespace rp70
