#include "print/print_selection.h"

#include <algorithm>
#include <utility>

namespace rp70 {
namespace {

constexpr int kAlertCaptionKey = 2600;

constexpr std::array<std::pair<std::string_view, PrintItem>, 8> kSectionNames = {{
    {"channels", PrintItem::Channels},
    {"options", PrintItem::Options},
    {"dtmf", PrintItem::Dtmf},
    {"2tone", PrintItem::TwoTone},
    {"5tone", PrintItem::FiveTone},
    {"book", PrintItem::CommunicationBook},
    {"emg", PrintItem::EmbeddedMessage},
    {"alert", PrintItem::Alert},
}};

} // namespace

PrintSelection AllPrintItems() {
    PrintSelection selection{};
    selection.fill(true);
    return selection;
}

bool AnyPrintItem(const PrintSelection& selection) {
    return std::ranges::any_of(selection, [](bool ticked) { return ticked; });
}

std::string PrintItemCaption(PrintItem item, const LanguageTexts& texts) {
    if (item == PrintItem::Alert) {
        return texts.GetText(kAlertCaptionKey);
    }
    const auto first = static_cast<int>(BuiltinText::PrintChannels);
    return std::string(texts.Builtin(static_cast<BuiltinText>(first + static_cast<int>(item))));
}

std::optional<PrintSelection> PrintSelectionOfNames(std::string_view names) {
    PrintSelection selection{};
    while (true) {
        const std::size_t comma = names.find(',');
        const std::string_view name = names.substr(0, comma);
        const auto* known =
            std::ranges::find(kSectionNames, name, [](const auto& entry) { return entry.first; });
        if (known == kSectionNames.end()) {
            return std::nullopt;
        }
        selection[static_cast<std::size_t>(known->second)] = true;
        if (comma == std::string_view::npos) {
            return selection;
        }
        names.remove_prefix(comma + 1);
    }
}

} // namespace rp70
