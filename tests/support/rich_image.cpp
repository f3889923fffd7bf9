#include "support/rich_image.h"

#include <string>

#include "texts/number_text.h"

namespace rp70::test {
namespace {

/// A text as the radio gives it back: followed by a NUL when it is shorter than the field.
template <std::size_t N> FixedText<N> Returned(const std::string& text) {
    return MakeFixedText<N>(text.size() < N ? text + '\0' : text);
}

std::string HexDigits(int count, int seed) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    for (int k = 0; k < count; ++k) {
        digits += kDigits[(seed + 7 * k) % 16];
    }
    return digits;
}

std::int16_t Pick(int n, int range) {
    return static_cast<std::int16_t>(n % range);
}

ChannelRecord RichChannel(int n) {
    ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(n));
    channel.InUse = 1;
    channel.ScanSkip = Pick(n, 2);
    // 430 MHz plus n × 6.25 kHz, in tens of hertz: the ninth digit follows from the eighth.
    channel.RxFreq = MakeFixedText<9>(FormatInteger(43000000 + n * 625, 9));
    channel.TxOffset = MakeFixedText<9>(FormatInteger(n * 1000, 9));
    channel.Name = n % 3 == 0 ? MakeFixedText<7>("CHAN" + FormatInteger(n, 3))
                              : Returned<7>("C" + std::to_string(n));
    channel.StepIndex = Pick(n, 9);
    channel.TxInhibit = Pick(n / 2, 2);
    channel.Bandwidth = Pick(n, 3);
    channel.TxDcsInvert = Pick(n / 3, 2);
    channel.TxDcs = static_cast<std::int16_t>((n * 37) % 512);
    channel.TxDcsHigh = static_cast<std::int16_t>(channel.TxDcs / 256);
    channel.ShiftDirection = Pick(n, 3);
    channel.TxPower = Pick(n / 2, 3);
    channel.TalkAround = Pick(n / 5, 2);
    channel.RxDcsInvert = Pick(n / 4, 2);
    channel.RxDcs = static_cast<std::int16_t>((n * 53) % 512);
    channel.RxDcsHigh = static_cast<std::int16_t>(channel.RxDcs / 256);
    channel.Compander = Pick(n / 6, 2);
    channel.TxToneType = Pick(n, 3);
    channel.RxToneType = Pick(n / 3, 3);
    channel.TxCtcss = Pick(n, 51);
    channel.RxCtcss = Pick(n + 20, 51);
    channel.Signalling = Pick(n, 4);
    channel.TwoToneNumber = Pick(n, 32);
    channel.FiveToneNumber = Pick(n, 100);
    channel.Reverse = Pick(n / 7, 2);
    channel.Scrambler = Pick(n / 8, 2);
    channel.DtmfPttIdMode = Pick(n, 4);
    channel.FiveTonePttIdMode = Pick(n / 4, 4);
    channel.SquelchMode = Pick(n, 5);
    channel.DtmfCode = Pick(n, 16);
    channel.BusyLock = Pick(n, 3);
    channel.RadioReserved = Pick(n * 11, 256);
    channel.PttIdDecode = Pick(n / 9, 2);
    channel.PttIdCode = MakeFixedText<5>(HexDigits(5, n));
    // Fields the radio has no place for.
    channel.AuxFlag = 1;
    channel.Reserved1 = channel.Reserved2 = channel.Reserved3 = channel.Reserved4 = 7;
    channel.PttIdEnable = 1;
    channel.ExtraDisplay = 4;
    return channel;
}

void FillOptions(ImageRecord& record) {
    OptionsRecord& options = record.Function.Options;
    options.Option1702 = 1;
    options.Option1703 = 2;
    options.StartChannel = 201;
    options.Option1705 = 3;
    options.Option1707 = 4;
    options.Option18 = 1;
    options.Option1709 = 5;
    options.Option1710 = 31;
    options.ToneBurst = 3;
    options.Option1712 = 6;
    options.Option1713 = 7;
    options.Option1714 = 8;
    options.Option1716 = 1;
    options.TailElimination = 1;
    options.BacklightColour = 2;
    options.FunctionOperation = 1;
    options.InternalFunctionOperation = 1;
    options.InitialiseKeys = 1;
    options.TailPhase = 2;
    options.Option1719 = 9;
    for (std::size_t k = 0; k < kKeyFunctionCount; ++k) {
        options.KeyFunctions[k] = static_cast<std::int16_t>(k == 5 ? 255 : 20 - k);
    }
    options.WelcomeText = MakeFixedText<7>("KT-RP70");
    options.PowerOnPasswordEnable = 1;
    options.PowerOnPassword = Returned<6>("4711");
    options.Option1706 = options.Option1708 = options.Option1715 = options.Reserved = 3;
    record.OptionExtra = {1, 1, 1};
}

void FillDtmf(DTMFRecord& dtmf) {
    for (std::size_t i = 0; i < kDTMFCodeCount; ++i) {
        const int length = static_cast<int>(i) + 9;
        dtmf.Codes[i] = {Returned<24>(HexDigits(length, static_cast<int>(i))),
                         static_cast<std::int16_t>(length)};
    }
    dtmf.BotCode = {MakeFixedText<24>(HexDigits(24, 3)), 24};
    dtmf.EotCode = {Returned<24>(HexDigits(7, 4)), 7};
    dtmf.KillCode = {MakeFixedText<14>(HexDigits(14, 5)), 14};
    dtmf.StunCode = {Returned<14>(HexDigits(5, 6)), 5};
    dtmf.Ani = 1;
    dtmf.SendTime = 4;
    dtmf.OwnId = MakeFixedText<3>("472");
    dtmf.SeparatorCode = 12;
    dtmf.GroupCode = 15;
    dtmf.DecodeResponse = 2;
    dtmf.FirstDigitDelay = 250;
    dtmf.PreSendDelay = 30;
    dtmf.ResetTime = 100;
    dtmf.PostSendDelay = 40;
    dtmf.PauseTime = 75;
    dtmf.SideTone = 1;
    dtmf.PttId = 3;
}

void FillTwoTone(TwoToneRecord& twoTone) {
    twoTone.EncodeTone1 = {0x12, 0x34};
    twoTone.EncodeTone2 = {0x05, 0x67};
    twoTone.EncodePair = 14;
    twoTone.EncodeDivider1 = {0x0A, 0xBC};
    twoTone.EncodeDivider2 = {0x0D, 0xEF};
    twoTone.TwoToneSetting9 = 250;
    twoTone.TwoToneSetting10 = 2;
    twoTone.SideTone2 = 1;
    twoTone.ToneFrequencies = {{{0x11, 0x22}, {0x33, 0x44}, {0x55, 0x66}, {0x77, 0x88}}};
    twoTone.TwoToneTime1 = 5;
    twoTone.TwoToneTime2 = 50;
    twoTone.TwoToneTime3 = 100;
    twoTone.TwoToneSetting23 = 20;
    for (std::size_t n = 0; n < kTwoToneEntryCount; ++n) {
        const auto b = static_cast<std::uint8_t>(n);
        twoTone.Entries[n] = {
            0,         {b, 0x10},
            {0x20, b}, {b, 0x30},
            {0x40, b}, MakeFixedText<7>(n % 2 == 0 ? "TWOTONE" : "T" + std::to_string(n))};
    }
}

FiveToneCode RichFiveToneCode(int seed, int length, const std::string& name) {
    FiveToneCode code;
    code.InUseFlag = 0;
    code.Spare = static_cast<std::uint8_t>(seed);
    code.Standard = static_cast<std::uint8_t>(seed % 14);
    code.Length = static_cast<std::uint8_t>(length);
    code.ToneLength = static_cast<std::uint8_t>(3 + seed % 8);
    code.Digits = MakeFixedText<40>(HexDigits(length, seed));
    code.Name = MakeFixedText<7>(name);
    return code;
}

void FillFiveTone(FiveToneRecord& fiveTone) {
    fiveTone.Reserved = 9;
    fiveTone.DecodeResponse = 2;
    fiveTone.Standard = 13;
    fiveTone.OwnIdLength = 5;
    fiveTone.ToneLength = 10;
    fiveTone.OwnId = Returned<6>("98765");
    fiveTone.ResetTime = 200;
    fiveTone.PreSendDelay = 255;
    fiveTone.PostSendDelay = 1;
    fiveTone.PauseTime = 75;
    fiveTone.FirstDigitDelay = 255;
    fiveTone.PauseCodeTime = 100;
    fiveTone.PauseCode = 15;
    fiveTone.SideTone = 1;
    fiveTone.AniSeparator = 13;
    for (std::size_t i = 0; i < kFiveToneInfoCodeCount; ++i) {
        FiveToneInfoCode& info = fiveTone.InfoCodes[i];
        info.Function = static_cast<std::uint8_t>(i % 7);
        info.Response = static_cast<std::uint8_t>(i % 3);
        info.Length = static_cast<std::uint8_t>(5 + i);
        info.Digits = MakeFixedText<12>(HexDigits(info.Length, static_cast<int>(i)));
        info.Name = MakeFixedText<7>("INFO" + std::to_string(i + 1));
    }
    fiveTone.BotCode = RichFiveToneCode(1, 24, "");
    fiveTone.EotCode = RichFiveToneCode(2, 11, "");
    for (std::size_t j = 0; j < kFiveToneCodeCount; ++j) {
        const int seed = static_cast<int>(j);
        fiveTone.Codes[j] = RichFiveToneCode(seed, 1 + seed % 40,
                                             j % 10 == 0 ? "CODE" + FormatInteger(seed, 3)
                                                         : "C" + std::to_string(seed));
    }
}

void FillBook(Book& book) {
    for (std::size_t i = 0; i < kBookEntryCount; ++i) {
        BookEntry& entry = book[i];
        entry.BookIndex = static_cast<std::int16_t>(i);
        entry.BookId = MakeFixedText<5>(FormatInteger(10000 + static_cast<long long>(i) * 37, 5));
        entry.BookName = i % 4 == 0 ? MakeFixedText<7>("PERSON" + std::to_string(i % 10))
                                    : Returned<7>("P" + std::to_string(i));
    }
}

} // namespace

void FillRichImage(RadioImage& image) {
    ImageRecord& record = image.Record;
    FillDtmf(record.Function.Dtmf);
    FillTwoTone(record.Function.TwoTone);
    FillFiveTone(record.Function.FiveTone);
    FillOptions(record);
    record.Function.Scan = {1, 3, 7, 10, 20, 30, 40, 3, 1, 255, 0, 200, 7, 0};
    record.Function.Alert = {3, 2, 99, 255, 1, 2, 1, 199, 255, 1, 254, 5};
    FillBook(record.Book);
    record.DecodeTime = 77;
    for (int n = 1; n <= kChannelSlots; ++n) {
        image.Channels[static_cast<std::size_t>(n - 1)] = RichChannel(n);
    }
    record.ChannelCount = kChannelSlots;
}

RadioImage AfterRoundTrip(const RadioImage& original, const RadioImage& fresh) {
    RadioImage expected = original;
    OptionsRecord& options = expected.Record.Function.Options;
    const OptionsRecord& freshOptions = fresh.Record.Function.Options;
    options.Option1706 = freshOptions.Option1706;
    options.Option1708 = freshOptions.Option1708;
    options.Option1715 = freshOptions.Option1715;
    options.Reserved = freshOptions.Reserved;
    expected.Record.Function.Dtmf.PttId = fresh.Record.Function.Dtmf.PttId;
    FiveToneRecord& fiveTone = expected.Record.Function.FiveTone;
    const FiveToneRecord& freshFiveTone = fresh.Record.Function.FiveTone;
    for (auto [code, freshCode] : {std::pair{&fiveTone.BotCode, &freshFiveTone.BotCode},
                                   std::pair{&fiveTone.EotCode, &freshFiveTone.EotCode}}) {
        code->InUseFlag = freshCode->InUseFlag;
        code->Spare = freshCode->Spare;
        code->Name = freshCode->Name;
    }
    for (std::size_t j = 0; j < kFiveToneCodeCount; ++j) {
        fiveTone.Codes[j].Spare = freshFiveTone.Codes[j].Spare;
    }
    for (int slot = 0; slot < expected.UsedChannelCount(); ++slot) {
        ChannelRecord& channel = expected.Channels[static_cast<std::size_t>(slot)];
        const ChannelRecord& freshSlot = fresh.Channels[static_cast<std::size_t>(slot)];
        channel.AuxFlag = freshSlot.AuxFlag;
        channel.Reserved1 = freshSlot.Reserved1;
        channel.Reserved2 = freshSlot.Reserved2;
        channel.Reserved3 = freshSlot.Reserved3;
        channel.Reserved4 = freshSlot.Reserved4;
        channel.PttIdEnable = freshSlot.PttIdEnable;
        channel.ExtraDisplay = freshSlot.ExtraDisplay;
        if (channel.ChannelNumber > 200) {
            channel.PttIdCode = freshSlot.PttIdCode; // only memory channels have a PTT-ID code
        }
        if (channel.ChannelNumber > 202) {
            channel.ScanSkip = freshSlot.ScanSkip; // CALL and VFO have no scan bit
        }
    }
    return expected;
}

} // namespace rp70::test
