#include "print/image_diff.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "channels/channel_row.h"
#include "editors/alert_edit.h"
#include "editors/book_edit.h"
#include "editors/dtmf_edit.h"
#include "editors/five_tone_edit.h"
#include "editors/options_edit.h"
#include "editors/scan_edit.h"
#include "editors/two_tone_edit.h"
#include "model/channel_label.h"

namespace rp70 {
namespace {

void DiffChannels(const RadioImage& before, const RadioImage& after, UserContext& ctx,
                  std::vector<ImageDifference>& out) {
    const std::vector<ChannelRowTexts> old = RenderChannelTable(before, ctx);
    const std::vector<ChannelRowTexts> now = RenderChannelTable(after, ctx);
    const auto headers = ChannelTableHeaders(ctx.Texts);
    for (std::size_t row = 0; row < old.size() && row < now.size(); ++row) {
        for (std::size_t column = 0; column < old[row].size(); ++column) {
            if (old[row][column] != now[row][column]) {
                std::string header = headers[column + 1];
                std::replace(header.begin(), header.end(), '\r', ' ');
                header.erase(std::remove(header.begin(), header.end(), '\n'), header.end());
                out.push_back({headers[0] + ' ' + RowLabel(static_cast<int>(row) + 1), header,
                               old[row][column], now[row][column]});
            }
        }
    }
}

/// Each line with its label and how often that label came before it in its list.
using KeyedLines = std::vector<std::pair<std::pair<std::string, int>, std::string>>;

KeyedLines Keyed(const SettingLines& lines) {
    KeyedLines keyed;
    std::map<std::string, int> seen;
    for (const SettingLine& line : lines) {
        keyed.push_back({{line.Label, seen[line.Label]++}, line.Value});
    }
    return keyed;
}

/// The lines of one editor, matched by label (the n-th line of a label with the n-th line of
/// that label on the other side): one image may list lines the other does not, such as the
/// entries in use or inputs that only some settings show. A line only one side lists is
/// compared with an empty text.
void DiffLines(const std::string& place, const SettingLines& old, const SettingLines& now,
               std::vector<ImageDifference>& out) {
    const KeyedLines before = Keyed(old);
    const KeyedLines after = Keyed(now);
    const std::map<std::pair<std::string, int>, std::string> oldValues(before.begin(),
                                                                       before.end());
    const std::map<std::pair<std::string, int>, std::string> newValues(after.begin(), after.end());
    for (const auto& [key, value] : before) {
        const auto match = newValues.find(key);
        const std::string& newValue = match == newValues.end() ? std::string() : match->second;
        if (value != newValue) {
            out.push_back({place, key.first, value, newValue});
        }
    }
    for (const auto& [key, value] : after) {
        if (!oldValues.contains(key) && !value.empty()) {
            out.push_back({place, key.first, std::string(), value});
        }
    }
}

} // namespace

std::vector<ImageDifference> DiffImages(const RadioImage& before, const RadioImage& after,
                                        UserContext& ctx) {
    std::vector<ImageDifference> out;
    DiffChannels(before, after, ctx, out);
    const LanguageTexts& texts = ctx.Texts;
    using Lines = SettingLines (*)(const RadioImage&, const LanguageTexts&);
    const struct {
        int Caption;
        Lines Of;
    } editors[] = {{1701, OptionsSettingLines}, {5023, DtmfSettingLines},
                   {5024, TwoToneSettingLines}, {5025, FiveToneSettingLines},
                   {2400, ScanSettingLines},    {2600, AlertSettingLines},
                   {1800, BookSettingLines}};
    for (const auto& editor : editors) {
        DiffLines(texts.GetText(editor.Caption), editor.Of(before, texts), editor.Of(after, texts),
                  out);
    }
    return out;
}

} // namespace rp70
