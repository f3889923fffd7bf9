#pragma once
// The radio's general settings: 24 option values, the 12 programmable key
// assignments, the power-on text and the power-on password.

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/byte_io.h"
#include "model/fixed_text.h"

namespace rp70 {

/// Number of programmable key assignments: Short P1 … P4, Long P1 … P4, FUNC + P1 … P4.
inline constexpr std::size_t kKeyFunctionCount = 12;

/// Size of an OptionsRecord in the data file.
inline constexpr std::size_t kOptionsRecordSize = 87;

/// The general options, in stored order. Fields named OptionNNNN carry the text key of their
/// label (Option18 is the unlabelled list 18); list fields hold the position of the chosen entry.
struct OptionsRecord {
    std::int16_t Option1702 = 0;
    std::int16_t Option1703 = 0;
    /// 0 … 199 = memory channel 1 … 200, 200 = PA, 201 = PB.
    std::int16_t StartChannel = 0;
    std::int16_t Option1705 = 0;
    std::int16_t Option1707 = 0;
    std::int16_t Option18 = 0;
    std::int16_t Option1709 = 0;
    /// Stored 0 … 31, shown "1" … "32".
    std::int16_t Option1710 = 0;
    /// 0 "1750Hz", 1 "2100Hz", 2 "1000Hz", 3 "1450Hz".
    std::int16_t ToneBurst = 0;
    std::int16_t Option1712 = 0;
    std::int16_t Option1713 = 0;
    std::int16_t Option1714 = 0;
    std::int16_t Option1716 = 0;
    std::int16_t TailElimination = 0;
    std::int16_t BacklightColour = 0;
    std::int16_t FunctionOperation = 0;
    std::int16_t InternalFunctionOperation = 0;
    std::int16_t InitialiseKeys = 0;
    /// 0 off, 1 120°, 2 180°.
    std::int16_t TailPhase = 0;
    std::int16_t Option1719 = 0;
    std::int16_t Option1706 = 0;
    std::int16_t Option1708 = 0;
    std::int16_t Option1715 = 0;
    /// The 24th value: unnamed by the radio, never edited, not sent to the radio and kept
    /// when a new image is made.
    std::int16_t Reserved = 0;
    /// Key function per key row; 255 = "None", otherwise the function's list position − 1.
    std::array<std::int16_t, kKeyFunctionCount> KeyFunctions{};
    /// Power-on text.
    FixedText<7> WelcomeText{};
    /// 1 = the power-on password is asked.
    std::int16_t PowerOnPasswordEnable = 0;
    /// Power-on password digits.
    FixedText<6> PowerOnPassword{};

    bool operator==(const OptionsRecord&) const = default;
};

/// Appends the 87-byte data-file form of `record`.
void Write(ByteWriter& out, const OptionsRecord& record);

/// Reads the 87-byte data-file form; throws TruncatedData and leaves `record` unchanged when
/// the data ends early.
void Read(ByteReader& in, OptionsRecord& record);

/// Sets the values of a new image: every value 0 except `Reserved`, which keeps its value; the
/// default keys; "Welcome"; an empty password.
void SetDefaults(OptionsRecord& record);

} // namespace rp70
