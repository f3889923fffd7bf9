// GB 18030 through the code page Windows has for it, where there is no iconv.
#ifdef _WIN32

#include <windows.h>

#include "files/gb18030_text.h"

namespace rp70 {
namespace {

constexpr UINT kGb18030CodePage = 54936;
constexpr UINT kGbkCodePage = 936;

std::optional<std::wstring> WideOf(std::string_view utf8) {
    const int inLength = static_cast<int>(utf8.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, wide.data(), length);
    return wide;
}

/// Appends `wide` in `codePage`; false when a character has no bytes there. `flags` must be 0
/// for code pages that report unmapped characters through `usedDefault` only.
bool AppendIn(UINT codePage, DWORD flags, std::wstring_view wide, std::string& out) {
    if (wide.empty()) {
        return true;
    }
    BOOL usedDefault = FALSE;
    BOOL* const reportDefault = flags == 0 ? &usedDefault : nullptr;
    const int inLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), inLength, nullptr, 0,
                                           nullptr, reportDefault);
    if (length <= 0 || usedDefault) {
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length));
    WideCharToMultiByte(codePage, flags, wide.data(), inLength, out.data() + start, length, nullptr,
                        nullptr);
    return true;
}

/// GB 18030 from GBK where the system has no GB 18030 code page (Wine has none): the two
/// encodings agree on every GBK character except the euro sign, which GBK writes as 0x80.
/// Characters beyond GBK, which GB 18030 writes in four bytes, are refused.
std::optional<std::string> ThroughGbk(std::wstring_view wide) {
    constexpr wchar_t kEuro = L'\x20AC';
    std::string out;
    for (;;) {
        const std::size_t euro = wide.find(kEuro);
        if (!AppendIn(kGbkCodePage, 0, wide.substr(0, euro), out)) {
            return std::nullopt;
        }
        if (euro == std::wstring_view::npos) {
            return out;
        }
        out += "\xA2\xE3";
        wide.remove_prefix(euro + 1);
    }
}

} // namespace

std::optional<std::string> ToGb18030(std::string_view utf8) {
    if (utf8.empty()) {
        return std::string();
    }
    const std::optional<std::wstring> wide = WideOf(utf8);
    if (!wide) {
        return std::nullopt;
    }
    if (!IsValidCodePage(kGb18030CodePage)) {
        return ThroughGbk(*wide);
    }
    std::string out;
    if (!AppendIn(kGb18030CodePage, WC_ERR_INVALID_CHARS, *wide, out)) {
        return std::nullopt;
    }
    return out;
}

} // namespace rp70

#endif
