#include "files/modified_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rp70 {
namespace {

// Each record is compared through a copy whose texts are reduced to what is significant in
// them; all other fields take part as they are, so a field added to a record is compared
// without further work here.

// Replaces `field` by the TextOf text of `significant` (a part of the field) followed by NULs.
// Two fields so treated are equal exactly when their texts are: "AB" followed by spaces equals
// "AB", a NUL and spaces.
template <std::size_t N> void KeepText(FixedText<N>& field, std::string_view significant) {
    const std::string text = TextOf(significant);
    field.fill('\0');
    std::copy(text.begin(), text.end(), field.begin());
}

template <std::size_t N> void KeepText(FixedText<N>& field) {
    KeepText(field, std::string_view(field.data(), N));
}

// The digits of a code with a length field. Within the field's width only the first `length`
// characters count: the code dialogs show, and the radio receives, no more than these. An
// empty code (length 0) has no significant digit. A damaged length, negative or beyond the
// width, counts the whole field, so that nothing is read past it and no stored digit is
// ignored.
template <std::size_t N> void KeepDigits(FixedText<N>& digits, int length) {
    if (length == 0) {
        digits.fill('\0');
        return;
    }
    const bool withinWidth = length > 0 && static_cast<std::size_t>(length) <= N;
    const std::size_t used = withinWidth ? static_cast<std::size_t>(length) : N;
    KeepText(digits, std::string_view(digits.data(), used));
}

template <class Code> void KeepCodeDigits(Code& code) {
    KeepDigits(code.Digits, code.Length);
}

ChannelRecord Significant(ChannelRecord channel) {
    KeepText(channel.RxFreq);
    KeepText(channel.TxOffset);
    KeepText(channel.Name);
    KeepText(channel.PttIdCode);
    return channel;
}

DTMFRecord Significant(DTMFRecord dtmf) {
    for (DTMFCode& code : dtmf.Codes) {
        KeepCodeDigits(code);
    }
    KeepCodeDigits(dtmf.BotCode);
    KeepCodeDigits(dtmf.EotCode);
    KeepCodeDigits(dtmf.KillCode);
    KeepCodeDigits(dtmf.StunCode);
    KeepText(dtmf.OwnId);
    return dtmf;
}

TwoToneRecord Significant(TwoToneRecord twoTone) {
    for (TwoToneEntry& entry : twoTone.Entries) {
        KeepText(entry.EntryName);
    }
    return twoTone;
}

// The 5-tone texts:
// - `OwnId` counts as a whole, whatever `OwnIdLength` says: the dialog shows the whole field
//   and writes it into the ANI and PTT-ID codes of the code list.
// - Info codes and the PTT-ID begin and end codes count their first `Length` digits: the
//   dialog shows no more and stores what it shows; the radio receives no more.
// - The code list counts each entry's whole `Digits`: the list recognises its special codes
//   (ANI, PTT-ID, data message) from the whole text and sets `Length` anew from it on OK, so
//   digits beyond `Length` come back into use.
FiveToneRecord Significant(FiveToneRecord fiveTone) {
    KeepText(fiveTone.OwnId);
    for (FiveToneInfoCode& info : fiveTone.InfoCodes) {
        KeepCodeDigits(info);
        KeepText(info.Name);
    }
    for (FiveToneCode* code : {&fiveTone.BotCode, &fiveTone.EotCode}) {
        KeepCodeDigits(*code);
        KeepText(code->Name);
    }
    for (FiveToneCode& code : fiveTone.Codes) {
        KeepText(code.Digits);
        KeepText(code.Name);
    }
    return fiveTone;
}

OptionsRecord Significant(OptionsRecord options) {
    KeepText(options.WelcomeText);
    KeepText(options.PowerOnPassword);
    return options;
}

BookEntry Significant(BookEntry entry) {
    KeepText(entry.BookId);
    KeepText(entry.BookName);
    return entry;
}

bool SameChannel(const ChannelRecord& a, const ChannelRecord& b) {
    return Significant(a) == Significant(b);
}

bool SameBook(const Book& a, const Book& b) {
    return std::equal(a.begin(), a.end(), b.begin(), [](const BookEntry& x, const BookEntry& y) {
        return Significant(x) == Significant(y);
    });
}

bool SameFunctionData(const FunctionData& a, const FunctionData& b) {
    return Significant(a.Dtmf) == Significant(b.Dtmf) &&
           Significant(a.TwoTone) == Significant(b.TwoTone) &&
           Significant(a.FiveTone) == Significant(b.FiveTone) &&
           Significant(a.Options) == Significant(b.Options) && a.Scan == b.Scan &&
           a.Alert == b.Alert;
}

// Band code, channel count, decode time and option extras. The band code of the identity is
// the one that counts: the working record's copy is refreshed only when a snapshot is taken.
bool SameHeader(const RadioImage& image) {
    const ImageRecord& saved = image.Saved.Record;
    return image.BandIndex == saved.BandIndex && image.Record.ChannelCount == saved.ChannelCount &&
           image.Record.DecodeTime == saved.DecodeTime &&
           image.Record.OptionExtra == saved.OptionExtra;
}

using ClaimedSlots = std::array<bool, kChannelSlots>;

// The working slot among the first `used` that holds channel `number` and is not claimed yet:
// `preferred` itself when it does, otherwise the first such slot.
std::optional<std::size_t> FindWorkingSlot(const ChannelTable& channels, std::size_t used,
                                           std::int16_t number, std::size_t preferred,
                                           const ClaimedSlots& claimed) {
    const auto fits = [&](std::size_t slot) {
        return !claimed[slot] && channels[slot].ChannelNumber == number;
    };
    if (preferred < used && fits(preferred)) {
        return preferred;
    }
    for (std::size_t slot = 0; slot < used; ++slot) {
        if (fits(slot)) {
            return slot;
        }
    }
    return std::nullopt;
}

// Every saved channel has a working channel of the same number with equal fields, in any slot
// order. Each working slot answers for one saved channel only: two channels may share a number
// (a new image holds two VFO channels), and a working channel of another number must not hide
// behind the first one's twin.
bool SameChannels(const RadioImage& image) {
    const auto bounded = [](std::int16_t count) {
        return static_cast<std::size_t>(std::clamp<int>(count, 0, kChannelSlots));
    };
    const std::size_t savedCount = bounded(image.Saved.Record.ChannelCount);
    const std::size_t used = bounded(image.Record.ChannelCount);
    if (savedCount != used) {
        return false;
    }
    ClaimedSlots claimed{};
    for (std::size_t slot = 0; slot < savedCount; ++slot) {
        const ChannelRecord& saved = image.Saved.Channels[slot];
        const std::optional<std::size_t> match =
            FindWorkingSlot(image.Channels, used, saved.ChannelNumber, slot, claimed);
        if (!match || !SameChannel(saved, image.Channels[*match])) {
            return false;
        }
        claimed[*match] = true;
    }
    return true;
}

// The test values travel with the image only in the factory test mode.
bool SameTestValues(const FactoryTest& factory) {
    return !factory.FactoryMode || factory.TestValues == factory.SavedTestValues;
}

} // namespace

bool IsUnchanged(const RadioImage& image) {
    return SameHeader(image) && SameChannels(image) &&
           SameFunctionData(image.Record.Function, image.Saved.Record.Function) &&
           SameBook(image.Record.Book, image.Saved.Record.Book) && SameTestValues(image.Factory);
}

} // namespace rp70
