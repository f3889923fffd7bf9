#include "channels/step_list.h"

#include <array>

#include "model/conversions.h"

namespace rp70 {
namespace {

constexpr std::string_view kFineStep = "2.5K";
constexpr std::array<std::string_view, 9> kSteps = {"5K",  "6.25K", "8.33K", "10K", "12.5K",
                                                    "20K", "25K",   "30K",   "50K"};

// The bands on the 2.5 kHz raster (their upper limits end in 99750) offer the 2.5 kHz step.
constexpr int kFineRaster = 250;

} // namespace

std::vector<std::string_view> StepList(std::int16_t bandIndex) {
    std::vector<std::string_view> steps;
    steps.reserve(kSteps.size() + 1);
    if (RasterUnit(bandIndex) == kFineRaster) {
        steps.push_back(kFineStep);
    }
    steps.insert(steps.end(), kSteps.begin(), kSteps.end());
    return steps;
}

} // namespace rp70
