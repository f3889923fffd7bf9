#include "channels/step_list.h"

#include <array>

namespace rp70 {
namespace {

constexpr std::string_view kFineStep = "2.5K";
constexpr std::array<std::string_view, 9> kSteps = {"5K",  "6.25K", "8.33K", "10K", "12.5K",
                                                    "20K", "25K",   "30K",   "50K"};

// The bands whose upper limits end in 99750, on a 2.5 kHz raster.
bool HasFineStep(std::int16_t bandIndex) {
    return (bandIndex >= 2 && bandIndex <= 7) || (bandIndex >= 48 && bandIndex <= 55);
}

} // namespace

std::vector<std::string_view> StepList(std::int16_t bandIndex) {
    std::vector<std::string_view> steps;
    steps.reserve(kSteps.size() + 1);
    if (HasFineStep(bandIndex)) {
        steps.push_back(kFineStep);
    }
    steps.insert(steps.end(), kSteps.begin(), kSteps.end());
    return steps;
}

} // namespace rp70
