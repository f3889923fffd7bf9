#include "print/image_diff.h"

#include <algorithm>

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

/// The lines of one editor, matched by position (both images show the same inputs, apart from
/// inputs one of them hides: those are matched by label).
void DiffLines(const std::string& place, const SettingLines& old, const SettingLines& now,
               std::vector<ImageDifference>& out) {
    const std::size_t count = std::max(old.size(), now.size());
    for (std::size_t i = 0; i < count; ++i) {
        const SettingLine empty;
        const SettingLine& a = i < old.size() ? old[i] : empty;
        const SettingLine& b = i < now.size() ? now[i] : empty;
        if (a.Label != b.Label || a.Value != b.Value) {
            out.push_back({place, b.Label.empty() ? a.Label : b.Label, a.Value, b.Value});
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
