#pragma once
// The channel section of the printed report: the used channels in ascending order, five blocks
// a page, each block the channel's title line and ten rows of what the channel dialog shows.

#include <vector>

#include "model/radio_image.h"
#include "print/report.h"
#include "texts/user_context.h"

namespace rp70 {

/// One page for every five used channels, sorted by number (memory channels, then PA, PB, CALL
/// and VFO); one page without blocks when no channel is used.
std::vector<ReportPage> ChannelPages(const RadioImage& image, UserContext& ctx);

} // namespace rp70
