#include "print/report.h"

#include <algorithm>

#include "editors/alert_edit.h"
#include "editors/dtmf_edit.h"
#include "editors/five_tone_edit.h"
#include "editors/options_edit.h"
#include "editors/radio_info_view.h"
#include "editors/two_tone_edit.h"
#include "model/bands.h"
#include "model/fixed_text.h"
#include "print/channel_pages.h"
#include "texts/path_text.h"

namespace rp70 {
namespace {

constexpr int kDtmfCaptionKey = 5023;
constexpr int kTwoToneCaptionKey = 5024;
constexpr int kFiveToneCaptionKey = 5025;
constexpr int kAlertCaptionKey = 2600;
constexpr int kBookNumberKey = 3007;

/// Rows of the book section: entries k, k + 50 and k + 100 on line k.
constexpr std::size_t kBookLines = 50;

/// A section of one label and value a line, the value at `valueX`.
ReportPage PairPage(std::string heading, const SettingLines& settings, double valueX) {
    ReportPage page{std::move(heading), {}};
    for (const SettingLine& line : settings) {
        page.Lines.push_back({{0.10, line.Label}, {valueX, line.Value}});
    }
    return page;
}

/// Adds `settings` two label and value pairs a line, the values `valueGap` right of their
/// labels at 10 % and 55 %.
void AddPairsTwoALine(std::vector<ReportLine>& lines, const SettingLines& settings,
                      double valueGap) {
    for (std::size_t i = 0; i < settings.size(); i += 2) {
        ReportLine line{{0.10, settings[i].Label}, {0.10 + valueGap, settings[i].Value}};
        if (i + 1 < settings.size()) {
            line.push_back({0.55, settings[i + 1].Label});
            line.push_back({0.55 + valueGap, settings[i + 1].Value});
        }
        lines.push_back(std::move(line));
    }
}

/// A section of two label and value pairs a line, at 10 %/35 % and 55 %/80 %.
ReportPage TwoPairPage(std::string heading, const SettingLines& settings) {
    ReportPage page{std::move(heading), {}};
    AddPairsTwoALine(page.Lines, settings, 0.25);
    return page;
}

bool IsEntryNumber(const std::string& label) {
    return !label.empty() &&
           std::ranges::all_of(label, [](char c) { return c >= '0' && c <= '9'; });
}

/// The 2-tone settings two pairs a line, then after an empty line the decode entries, two a
/// line with the entry's texts close beside its number.
ReportPage TwoTonePage(std::string heading, const SettingLines& lines) {
    SettingLines settings;
    SettingLines entries;
    for (const SettingLine& line : lines) {
        (IsEntryNumber(line.Label) ? entries : settings).push_back(line);
    }
    ReportPage page = TwoPairPage(std::move(heading), settings);
    if (!entries.empty()) {
        page.Lines.emplace_back();
        AddPairsTwoALine(page.Lines, entries, 0.03);
    }
    return page;
}

/// The 5-tone settings one pair a line (their labels are long), then after an empty line the
/// code list entries in use, one a line with the entry's texts close beside its number.
ReportPage FiveTonePage(std::string heading, const SettingLines& lines) {
    ReportPage page{std::move(heading), {}};
    bool entries = false;
    for (const SettingLine& line : lines) {
        const bool entry = IsEntryNumber(line.Label);
        if (entry && !entries) {
            page.Lines.emplace_back();
            entries = true;
        }
        page.Lines.push_back({{0.10, line.Label}, {entry ? 0.16 : 0.45, line.Value}});
    }
    return page;
}

/// The book in three column groups: number, ID and name of every entry, empty ones too.
ReportPage BookPage(const Book& book, const LanguageTexts& texts) {
    constexpr std::array<double, 3> kGroups = {0.10, 0.38, 0.66};
    ReportPage page{std::string(texts.Builtin(BuiltinText::PrintBook)), {}};
    ReportLine heading;
    for (double x : kGroups) {
        heading.push_back({x, texts.GetText(kBookNumberKey)});
        heading.push_back({x + 0.08, "Call ID"});
        heading.push_back({x + 0.18, "Name"});
    }
    page.Lines.push_back(std::move(heading));
    for (std::size_t k = 0; k < kBookLines; ++k) {
        ReportLine line;
        for (std::size_t group = 0; group < kGroups.size(); ++group) {
            const std::size_t index = k + group * kBookLines;
            if (index >= book.size()) {
                break;
            }
            const double x = kGroups[group];
            line.push_back({x, std::to_string(index)});
            line.push_back({x + 0.08, TextOf(book[index].BookId)});
            line.push_back({x + 0.18, TextOf(book[index].BookName)});
        }
        page.Lines.push_back(std::move(line));
    }
    return page;
}

ReportHeader HeaderOf(const ReportSources& sources, const LanguageTexts& texts) {
    const RadioImage& image = sources.Image;
    return {
        std::string(texts.Builtin(BuiltinText::ReportTitle)),
        sources.Stamp,
        {{std::string(texts.Builtin(BuiltinText::ReportModelType)),
          ModelDisplayName(image.ModelName, image.BandIndex)},
         {std::string(texts.Builtin(BuiltinText::ReportFrequency)), image.BandText},
         {std::string(texts.Builtin(BuiltinText::ReportFileName)), Utf8Of(image.CurrentFilePath)}}};
}

} // namespace

Report BuildReport(const ReportSources& sources, const PrintSelection& selection,
                   UserContext& ctx) {
    const RadioImage& image = sources.Image;
    const LanguageTexts& texts = ctx.Texts;
    auto ticked = [&](PrintItem item) { return selection[static_cast<std::size_t>(item)]; };

    Report report{HeaderOf(sources, texts), {}};
    std::vector<ReportPage>& pages = report.Pages;
    if (ticked(PrintItem::Channels)) {
        std::vector<ReportPage> channels = ChannelPages(image, ctx);
        pages.insert(pages.end(), std::make_move_iterator(channels.begin()),
                     std::make_move_iterator(channels.end()));
    }
    if (ticked(PrintItem::Options)) {
        pages.push_back(
            PairPage(texts.GetText(kOptionsCaptionKey), OptionsSettingLines(image, texts), 0.50));
    }
    if (ticked(PrintItem::Dtmf)) {
        pages.push_back(
            PairPage(texts.GetText(kDtmfCaptionKey), DtmfSettingLines(image, texts), 0.50));
    }
    if (ticked(PrintItem::TwoTone)) {
        pages.push_back(
            TwoTonePage(texts.GetText(kTwoToneCaptionKey), TwoToneSettingLines(image, texts)));
    }
    if (ticked(PrintItem::FiveTone)) {
        pages.push_back(
            FiveTonePage(texts.GetText(kFiveToneCaptionKey), FiveToneSettingLines(image, texts)));
    }
    if (ticked(PrintItem::CommunicationBook)) {
        pages.push_back(BookPage(image.Record.Book, texts));
    }
    if (ticked(PrintItem::EmbeddedMessage)) {
        pages.push_back(PairPage(std::string(texts.Builtin(BuiltinText::PrintEmbeddedMessage)),
                                 RadioInfoSettingLines(sources.Info, texts), 0.35));
    }
    if (ticked(PrintItem::Alert)) {
        pages.push_back(
            PairPage(texts.GetText(kAlertCaptionKey), AlertSettingLines(image, texts), 0.45));
    }
    return report;
}

std::string PageNumberText(int number) {
    return "- " + std::to_string(number) + " -";
}

} // namespace rp70
