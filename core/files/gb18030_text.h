#pragma once
// Texts for programs that read the Chinese code page rather than Unicode: GB 18030, which
// holds every Unicode character and writes each character of GBK exactly as GBK does (ASCII
// stays one byte).

#include <optional>
#include <string>
#include <string_view>

namespace rp70 {

/// `utf8` in GB 18030; nullopt when it is not valid UTF-8 or the conversion is not available.
std::optional<std::string> ToGb18030(std::string_view utf8);

} // namespace rp70
