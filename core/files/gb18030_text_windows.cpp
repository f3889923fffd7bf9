// GB 18030 through the code page Windows has for it, where there is no iconv.
#ifdef _WIN32

#include <windows.h>

#include "files/gb18030_text.h"

namespace rp70 {

std::optional<std::string> ToGb18030(std::string_view utf8) {
    constexpr UINT kGb18030CodePage = 54936;
    if (utf8.empty()) {
        return std::string();
    }
    const int inLength = static_cast<int>(utf8.size());
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, nullptr, 0);
    if (wideLength <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, wide.data(),
                        wideLength);
    const int outLength = WideCharToMultiByte(kGb18030CodePage, WC_ERR_INVALID_CHARS, wide.data(),
                                              wideLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) {
        return std::nullopt;
    }
    std::string output(static_cast<std::size_t>(outLength), '\0');
    WideCharToMultiByte(kGb18030CodePage, WC_ERR_INVALID_CHARS, wide.data(), wideLength,
                        output.data(), outLength, nullptr, nullptr);
    return output;
}

} // namespace rp70

#endif
