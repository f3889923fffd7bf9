#include "memory/option_codec.h"

#include <cstddef>
#include <cstdint>

#include "model/fixed_text.h"

namespace rp70 {
namespace {

constexpr int kOptionsAddress = 0x0210;
constexpr int kOptionsLength = 64;
constexpr int kPasswordAddress = 0x0210;
constexpr int kPasswordWidth = 6;
constexpr int kKeyLockAddress = 0x021A;
constexpr int kFlagsAddress = 0x0230;
constexpr int kSendTimeAddress = 0x0232;
constexpr int kOperationAddress = 0x0233;
constexpr int kPasswordEnableAddress = 0x0238;
constexpr int kKeyFunctionsAddress = 0x0240;
constexpr int kWelcomeAddress = 0x03E0;
constexpr int kWelcomeLength = 16;
constexpr int kWelcomeWidth = 7;

// Positions of the option flags in OptionExtra.
constexpr std::size_t kKeyLock = 0;
constexpr std::size_t kAlertEnable = 1;
constexpr std::size_t kUpDownKeyLock = 2;

// Bits of byte 0230.
constexpr int kOption1716Bit = 0;
constexpr int kTailEliminationBit = 1;
constexpr int kAniBit = 2;
constexpr int kUpDownKeyLockBit = 6;
constexpr int kAlertEnableBit = 7;

// Bits of byte 0233.
constexpr int kFunctionOperationBit = 0;
constexpr int kInternalFunctionOperationBit = 1;
constexpr int kInitialiseKeysBit = 3;

/// Calls `visit(address, field)` for every option that takes one whole byte of 0220 … 0235.
template <typename Record, typename Visit> void ForEachOptionByte(Record& r, Visit&& visit) {
    visit(0x0220, r.Option1702);
    visit(0x0221, r.Option1703);
    visit(0x0222, r.StartChannel);
    visit(0x0223, r.Option1705);
    visit(0x0225, r.Option1707);
    visit(0x0226, r.Option18);
    visit(0x0227, r.Option1709);
    visit(0x0228, r.Option1710);
    visit(0x022A, r.BacklightColour);
    visit(0x022B, r.ToneBurst);
    visit(0x022C, r.Option1712);
    visit(0x022E, r.Option1713);
    visit(0x022F, r.Option1714);
    visit(0x0234, r.TailPhase);
    visit(0x0235, r.Option1719);
}

void Encode(const RadioImage& image, RadioMemory& memory) {
    const OptionsRecord& options = image.Record.Function.Options;
    const DTMFRecord& dtmf = image.Record.Function.Dtmf;
    const auto& extra = image.Record.OptionExtra;

    ByteAt(memory, kKeyLockAddress) = extra[kKeyLock];
    ForEachOptionByte(options, [&memory](int address, std::int16_t value) {
        ByteAt(memory, address) = ByteOf(value);
    });
    ByteAt(memory, 0x0229) = 0x00;
    ByteAt(memory, 0x022D) = 0x00;
    ByteAt(memory, kFlagsAddress) = static_cast<std::uint8_t>(
        BitsOf(options.Option1716, kOption1716Bit) |
        BitsOf(options.TailElimination, kTailEliminationBit) | BitsOf(dtmf.Ani, kAniBit) |
        BitsOf(extra[kUpDownKeyLock], kUpDownKeyLockBit) |
        BitsOf(extra[kAlertEnable], kAlertEnableBit));
    ByteAt(memory, kSendTimeAddress) = ByteOf(dtmf.SendTime);
    ByteAt(memory, kOperationAddress) = static_cast<std::uint8_t>(
        BitsOf(options.FunctionOperation, kFunctionOperationBit) |
        BitsOf(options.InternalFunctionOperation, kInternalFunctionOperationBit) |
        BitsOf(options.InitialiseKeys, kInitialiseKeysBit));
    ByteAt(memory, kPasswordEnableAddress) = ByteOf(options.PowerOnPasswordEnable);
    for (std::size_t k = 0; k < kKeyFunctionCount; ++k) {
        ByteAt(memory, kKeyFunctionsAddress + static_cast<int>(k)) =
            ByteOf(options.KeyFunctions[k]);
    }
    PutText(memory, kPasswordAddress, kPasswordWidth, TextOf(options.PowerOnPassword), 0x00);
    PutText(memory, kWelcomeAddress, kWelcomeWidth, TextOf(options.WelcomeText), 0x00);
}

} // namespace

bool SetCommDataByOption(const RadioImage& image, const EncodeTarget& target) {
    return RunEncoder(target.Ui, "SetCommDataByOptionError", [&] {
        Encode(image, target.Memory);
        target.Marks.MarkForWrite(RecordKind::Options, kOptionsAddress, kOptionsLength);
        target.Marks.MarkForWrite(RecordKind::Options, kWelcomeAddress, kWelcomeLength);
    });
}

void GetCommDataByOption(RadioImage& image, const RadioMemory& memory) {
    OptionsRecord& options = image.Record.Function.Options;
    DTMFRecord& dtmf = image.Record.Function.Dtmf;
    auto& extra = image.Record.OptionExtra;

    const std::uint8_t keyLock = ByteAt(memory, kKeyLockAddress);
    extra[kKeyLock] = keyLock > 1 ? 1 : keyLock;
    ForEachOptionByte(
        options, [&memory](int address, std::int16_t& value) { value = ByteAt(memory, address); });
    if (options.Option18 > 1) {
        options.Option18 = 0;
    }

    const std::uint8_t flags = ByteAt(memory, kFlagsAddress);
    options.Option1716 = static_cast<std::int16_t>(BitsIn(flags, kOption1716Bit));
    options.TailElimination = static_cast<std::int16_t>(BitsIn(flags, kTailEliminationBit));
    dtmf.Ani = static_cast<std::int16_t>(BitsIn(flags, kAniBit));
    extra[kUpDownKeyLock] = static_cast<std::uint8_t>(BitsIn(flags, kUpDownKeyLockBit));
    extra[kAlertEnable] = static_cast<std::uint8_t>(BitsIn(flags, kAlertEnableBit));
    dtmf.SendTime = ByteAt(memory, kSendTimeAddress);

    const std::uint8_t operation = ByteAt(memory, kOperationAddress);
    options.FunctionOperation = static_cast<std::int16_t>(BitsIn(operation, kFunctionOperationBit));
    options.InternalFunctionOperation =
        static_cast<std::int16_t>(BitsIn(operation, kInternalFunctionOperationBit));
    options.InitialiseKeys = static_cast<std::int16_t>(BitsIn(operation, kInitialiseKeysBit));

    options.PowerOnPasswordEnable = ByteAt(memory, kPasswordEnableAddress);
    for (std::size_t k = 0; k < kKeyFunctionCount; ++k) {
        options.KeyFunctions[k] = ByteAt(memory, kKeyFunctionsAddress + static_cast<int>(k));
    }
    WriteFixedText(options.PowerOnPassword, TakeText(memory, kPasswordAddress, kPasswordWidth));
    WriteFixedText(options.WelcomeText, TakeText(memory, kWelcomeAddress, kWelcomeWidth));
}

} // namespace rp70
