// GB 18030 through iconv (glibc and the other Unix C libraries).
#ifndef _WIN32

#include "files/gb18030_text.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace rp70 {

std::optional<std::string> ToGb18030(std::string_view utf8) {
    iconv_t raw = iconv_open("GB18030", "UTF-8");
    if (raw == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    const std::unique_ptr<void, int (*)(iconv_t)> converter(raw, iconv_close);
    std::string input(utf8);
    // A character never takes more than twice the bytes of its UTF-8 form in GB 18030.
    std::string output(input.size() * 2 + 4, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(raw, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace rp70

#endif
