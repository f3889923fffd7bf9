#include "model/tones.h"

namespace rp70 {
namespace {

constexpr std::array<std::string_view, kCtcssToneCount> kCtcssTones = {
    "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
    "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8",
    "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
    "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5",
    "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7", "218.1",
    "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

} // namespace

const std::array<std::string_view, kCtcssToneCount>& CtcssList() {
    return kCtcssTones;
}

std::string DcsCodeText(int value) {
    if (value < 0 || value > kMaxDcsCode) {
        return {};
    }
    std::string text(3, '0');
    for (int i = 2; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + (value & 7));
        value >>= 3;
    }
    return text;
}

std::string DcsListEntry(int value) {
    std::string text = DcsCodeText(value);
    return text.empty() ? text : text + 'N';
}

std::string DcsCellText(int value, bool inverted) {
    const std::string code = DcsCodeText(value);
    if (code.empty()) {
        return code;
    }
    return 'D' + code + (inverted ? 'I' : 'N');
}

} // namespace rp70
