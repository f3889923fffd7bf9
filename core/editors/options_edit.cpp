#include "editors/options_edit.h"

#include <initializer_list>
#include <string_view>

#include "model/channel_lookup.h"
#include "model/choice_list.h"
#include "model/fixed_text.h"
#include "texts/number_text.h"

namespace rp70 {
namespace {

// The field each list edits, by list number.
constexpr std::array<std::int16_t OptionsRecord::*, kOptionListCount> kListFields = {
    &OptionsRecord::Option1702,      &OptionsRecord::Option1703, &OptionsRecord::StartChannel,
    &OptionsRecord::Option1705,      &OptionsRecord::Option1706, &OptionsRecord::Option1707,
    &OptionsRecord::Option1708,      &OptionsRecord::Option1709, &OptionsRecord::Option1710,
    &OptionsRecord::ToneBurst,       &OptionsRecord::Option1712, &OptionsRecord::Option1713,
    &OptionsRecord::Option1714,      &OptionsRecord::Option1715, &OptionsRecord::Option1716,
    &OptionsRecord::BacklightColour, &OptionsRecord::TailPhase,  &OptionsRecord::Option1719,
    &OptionsRecord::Option18,
};

// The fields check boxes 0 … 3 write at once; boxes 4 … 6 are the OptionExtra flags.
constexpr std::array<std::int16_t OptionsRecord::*, 4> kCheckFields = {
    &OptionsRecord::FunctionOperation, &OptionsRecord::InternalFunctionOperation,
    &OptionsRecord::InitialiseKeys, &OptionsRecord::TailElimination};
constexpr int kFirstExtraCheck = 4;

constexpr int kFirstListLabelKey = 1702;
constexpr int kBacklightColourList = 15;
constexpr int kBacklightColourLabelKey = 1700;
constexpr int kChannelDisplayLabelKey = 1725;
constexpr int kFirstCheckLabelKey = 1730;
constexpr int kMinutesKey = 1782;
constexpr int kTimeOutMinutes = 30;

// Start channel values of PA and PB, and the channel numbers they stand for.
constexpr std::int16_t kStartPa = 200;
constexpr std::int16_t kStartPb = 201;
constexpr int kPaChannel = 201;
constexpr int kPbChannel = 202;
constexpr std::string_view kPaText = "PA";
constexpr std::string_view kPbText = "PB";

// A key field stores 255 for "None".
constexpr std::int16_t kNoKeyFunction = 255;

// Key rows come in kinds of four: Short, Long and FUNC.
constexpr std::size_t kKeysPerKind = 4;
constexpr std::array<std::string_view, 3> kKeyKinds = {"Short", "Long", "FUNC +"};

constexpr std::size_t kPasswordLength = 6;

std::vector<std::string> Numbers(int first, int last, std::string_view unit = {}) {
    std::vector<std::string> list;
    for (int n = first; n <= last; ++n) {
        list.push_back(std::to_string(n) + std::string(unit));
    }
    return list;
}

std::vector<std::string> ChannelList(const RadioImage& image) {
    std::vector<std::string> list;
    for (int number = 1; number <= kPbChannel; ++number) {
        if (!ChannelIsUsed(image, number)) {
            continue;
        }
        if (number <= kMemoryChannelCount) {
            list.push_back(std::to_string(number - 1));
        } else {
            list.emplace_back(number == kPaChannel ? kPaText : kPbText);
        }
    }
    if (list.empty()) {
        list.emplace_back("0");
    }
    return list;
}

std::string StartChannelText(std::int16_t value) {
    if (value == kStartPa) {
        return std::string(kPaText);
    }
    if (value == kStartPb) {
        return std::string(kPbText);
    }
    return std::to_string(value);
}

std::int16_t StartChannelValue(std::string_view text) {
    if (text == kPaText) {
        return kStartPa;
    }
    if (text == kPbText) {
        return kStartPb;
    }
    return ParseWholeNumberAs<std::int16_t>(text).value_or(0);
}

// Whether the key rows of kind `kind` offer `function`.
bool KindOffers(std::size_t kind, std::string_view function) {
    switch (kind) {
    case 0:
        return function != "Copy" && function != "Clear";
    case 1:
        return function != "DCS/CTCSS" && function != "Copy" && function != "Clear";
    default:
        return function != "Alert";
    }
}

bool IsIn(int position, const std::vector<std::string>& list) {
    return position >= 0 && position < static_cast<int>(list.size());
}

// The power-on password as stored: its first six characters; a shorter one is followed by a NUL
// so that the radio sees where it ends.
FixedText<kPasswordLength> StoredPassword(const std::string& typed) {
    std::string text = typed.substr(0, kPasswordLength);
    if (text.size() < kPasswordLength) {
        text.push_back('\0');
    }
    return MakeFixedText<kPasswordLength>(text);
}

std::string WelcomeText(const OptionsEditState& state) {
    std::string text;
    for (const std::string& box : state.Welcome) {
        text += box.empty() ? ' ' : box.front();
    }
    return text;
}

} // namespace

int OptionListLabelKey(int list) {
    if (list == kBacklightColourList) {
        return kBacklightColourLabelKey;
    }
    return list == kChannelDisplayList ? kChannelDisplayLabelKey : kFirstListLabelKey + list;
}

int OptionCheckLabelKey(int box) {
    return kFirstCheckLabelKey + box;
}

std::string KeyRowCaption(std::size_t row) {
    return std::string(kKeyKinds[row / kKeysPerKind]) + " P" +
           std::to_string(row % kKeysPerKind + 1);
}

const std::vector<std::string>& KeyFunctionList() {
    static const std::vector<std::string> list = {
        "None",     "V/M",  "MHz",       "DCS/CTCSS", "Call Channel", "Moni",    "Copy",
        "Shift",    "Lock", "Power Adj", "Clear",     "W/N",          "Battery", "Clone",
        "DTMF Set", "Scan", "Alert",     "Reverse",   "Talk Around",  "UP",      "DOWN"};
    return list;
}

OptionsEditLists BuildOptionsEditLists(const RadioImage& image, const LanguageTexts& texts) {
    OptionsEditLists lists;
    auto& l = lists.Lists;
    l[0] = texts.GetTexts({1750, 1751, 1752});
    l[1] = texts.GetTexts({1753, 1754});
    l[kStartChannelList] = ChannelList(image);
    l[3] = Numbers(0, 20);
    l[4] = Numbers(0, 25);
    l[5] = texts.GetTexts({1747, 1748, 1749});
    l[6] = texts.GetTexts({1790, 1791, 1792});
    l[7] = {"0s", "1s", "2s", "3s", "Always"};
    l[8] = Numbers(1, 32);
    l[9] = {"1750Hz", "2100Hz", "1000Hz", "1450Hz"};
    l[10] = texts.GetTexts({1755});
    for (const std::string& minutes : Numbers(1, kTimeOutMinutes, texts.GetText(kMinutesKey))) {
        l[10].push_back(minutes);
    }
    l[11] = texts.GetTexts({1755, 1768, 1769, 1770});
    l[12] = texts.GetTexts({1761, 1762});
    l[13] = texts.GetTexts({1755, 1756});
    l[14] = texts.GetTexts({1794, 1795});
    l[15] = texts.GetTexts({1727, 1728, 1729, 1755});
    l[16] = texts.GetTexts({1755, 3010, 3011});
    l[17] = texts.GetTexts({1798, 1799});
    l[kChannelDisplayList] = texts.GetTexts({1796, 1797});

    for (std::size_t row = 0; row < kKeyFunctionCount; ++row) {
        for (const std::string& function : KeyFunctionList()) {
            if (KindOffers(row / kKeysPerKind, function)) {
                lists.KeyRows[row].push_back(function);
            }
        }
    }
    return lists;
}

OptionsEditState ShowOptions(const RadioImage& image, const OptionsEditLists& lists) {
    OptionsEditState state;
    const OptionsRecord& record = image.Record.Function.Options;
    state.Copy = record;
    for (int list = 0; list < kOptionListCount; ++list) {
        const auto& entries = lists.Lists[static_cast<std::size_t>(list)];
        state.Lists[static_cast<std::size_t>(list)] =
            list == kStartChannelList
                ? PositionOfText(entries, StartChannelText(record.StartChannel))
                : PositionFor(record.*kListFields[static_cast<std::size_t>(list)], entries);
    }
    for (std::size_t row = 0; row < kKeyFunctionCount; ++row) {
        const std::string function = ItemByIndex(KeyFunctionList(), record.KeyFunctions[row] + 1);
        state.Keys[row] = PositionOfText(lists.KeyRows[row], function);
    }
    for (std::size_t box = 0; box < kCheckFields.size(); ++box) {
        state.Checks[box] = record.*kCheckFields[box] != 0;
    }
    for (std::size_t flag = 0; flag < image.Record.OptionExtra.size(); ++flag) {
        state.Checks[kFirstExtraCheck + flag] = image.Record.OptionExtra[flag] != 0;
    }
    const std::string welcome = TextOf(record.WelcomeText);
    for (std::size_t i = 0; i < kWelcomeBoxCount && i < welcome.size(); ++i) {
        if (welcome[i] != ' ') {
            state.Welcome[i] = welcome.substr(i, 1);
        }
    }
    state.PasswordEnabled = record.PowerOnPasswordEnable == 1;
    state.Password = TextOf(record.PowerOnPassword);
    return state;
}

void ChangeOptionList(OptionsEditState& state, const OptionsEditLists& lists, int list,
                      int position) {
    if (list < 0 || list >= kOptionListCount ||
        !IsIn(position, lists.Lists[static_cast<std::size_t>(list)])) {
        return;
    }
    if (list == kDisplayModeList) {
        // The frequency display puts the work mode on frequencies, the channel and name displays
        // on channels; every display but the channel one resets the channel display, which only
        // it uses.
        ChangeOptionList(state, lists, kWorkModeList, position == 0 ? 0 : 1);
        if (position != 1) {
            ChangeOptionList(state, lists, kChannelDisplayList, 0);
        }
    }
    state.Lists[static_cast<std::size_t>(list)] = position;
    std::int16_t& field = state.Copy.*kListFields[static_cast<std::size_t>(list)];
    field = list == kStartChannelList
                ? StartChannelValue(TextAt(lists.Lists[kStartChannelList], position))
                : static_cast<std::int16_t>(position);
}

void ChangeKeyFunction(OptionsEditState& state, const OptionsEditLists& lists, std::size_t row,
                       int position) {
    if (row >= kKeyFunctionCount || !IsIn(position, lists.KeyRows[row])) {
        return;
    }
    state.Keys[row] = position;
    const int function = PositionOfText(KeyFunctionList(), TextAt(lists.KeyRows[row], position));
    state.Copy.KeyFunctions[row] =
        function == 0 ? kNoKeyFunction : static_cast<std::int16_t>(function - 1);
}

void ChangeOptionCheck(OptionsEditState& state, int box, bool on) {
    if (box < 0 || box >= kOptionCheckCount) {
        return;
    }
    state.Checks[static_cast<std::size_t>(box)] = on;
    if (box < kFirstExtraCheck) {
        state.Copy.*kCheckFields[static_cast<std::size_t>(box)] = on ? 1 : 0;
    }
}

OptionsEditStates OptionsInputStates(const OptionsEditState& state) {
    const bool channelDisplay = state.Lists[kDisplayModeList] == 1;
    return {!channelDisplay, channelDisplay, state.PasswordEnabled};
}

void ApplyOptionsEdit(RadioImage& image, const OptionsEditState& state) {
    for (std::size_t flag = 0; flag < image.Record.OptionExtra.size(); ++flag) {
        image.Record.OptionExtra[flag] = state.Checks[kFirstExtraCheck + flag] ? 1 : 0;
    }
    OptionsRecord record = state.Copy;
    record.PowerOnPasswordEnable = state.PasswordEnabled ? 1 : 0;
    record.PowerOnPassword = StoredPassword(state.Password);
    record.WelcomeText = MakeFixedText<kWelcomeBoxCount>(WelcomeText(state));
    image.Record.Function.Options = record;
}

SettingLines OptionsSettingLines(const RadioImage& image, const LanguageTexts& texts) {
    const OptionsEditLists lists = BuildOptionsEditLists(image, texts);
    const OptionsEditState state = ShowOptions(image, lists);
    const OptionsEditStates states = OptionsInputStates(state);

    SettingLines lines;
    auto list = [&](int n) {
        const auto index = static_cast<std::size_t>(n);
        lines.push_back(
            {texts.GetText(OptionListLabelKey(n)), TextAt(lists.Lists[index], state.Lists[index])});
    };
    auto check = [&](int box) {
        lines.push_back({texts.GetText(OptionCheckLabelKey(box)),
                         CheckText(state.Checks[static_cast<std::size_t>(box)], texts)});
    };
    auto password = [&] { lines.push_back({texts.GetText(kPasswordKey), state.Password}); };

    for (int n : kShownOptionLists) {
        list(n);
        if (n == kDisplayModeList && states.ChannelDisplayShown) {
            list(kChannelDisplayList);
        }
    }
    for (int box = 0; box < kOptionCheckCount; ++box) {
        if (box != kHiddenOptionCheck) {
            check(box);
        }
    }
    lines.push_back({texts.GetText(kWelcomeKey), TextOf(WelcomeText(state))});
    lines.push_back({texts.GetText(kPasswordEnableKey), CheckText(state.PasswordEnabled, texts)});
    if (states.PasswordShown) {
        password();
    }
    for (std::size_t row = 0; row < kKeyFunctionCount; ++row) {
        lines.push_back({KeyRowCaption(row), TextAt(lists.KeyRows[row], state.Keys[row])});
    }

    // The hidden inputs OK stores.
    for (int n : kHiddenOptionLists) {
        list(n);
    }
    check(kHiddenOptionCheck);
    if (!states.ChannelDisplayShown) {
        list(kChannelDisplayList);
    }
    if (!states.PasswordShown) {
        password();
    }
    return lines;
}

} // namespace rp70
