#pragma once
// Every difference between two radio images, by place, in the texts the channel table and the
// editors show: what `rp70 diff` prints.

#include <string>
#include <vector>

#include "model/radio_image.h"
#include "texts/user_context.h"

namespace rp70 {

/// One field that differs: its place ("Channel 5", "Options"), its label and both texts.
struct ImageDifference {
    std::string Place;
    std::string Field;
    std::string Old;
    std::string New;
};

/// The differences from `before` to `after`: channels by row, then the options, DTMF, 2-tone,
/// 5-tone, scan, alert and book settings; empty when both show the same.
std::vector<ImageDifference> DiffImages(const RadioImage& before, const RadioImage& after,
                                        UserContext& ctx);

} // namespace rp70
