#pragma once
// The channel steps a band offers; a channel's `StepIndex` indexes this list.

#include <cstdint>
#include <string_view>
#include <vector>

namespace rp70 {

/// The step texts of band `bandIndex`: "2.5K" (only for band codes 2 … 7 and 48 … 55), then
/// "5K", "6.25K", "8.33K", "10K", "12.5K", "20K", "25K", "30K", "50K". The same index therefore
/// names different steps in the two kinds of band.
std::vector<std::string_view> StepList(std::int16_t bandIndex);

} // namespace rp70
