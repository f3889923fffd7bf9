#include "link/port_failure.h"

#include <optional>

#include "link/port_help.h"

namespace rp70 {
namespace {

std::optional<BuiltinText> ReasonText(PortFault fault) {
    switch (fault) {
    case PortFault::None:
        return std::nullopt;
    case PortFault::NotChosen:
        return BuiltinText::PortNotChosen;
    case PortFault::Missing:
        return BuiltinText::PortMissing;
    case PortFault::PermissionDenied:
        return BuiltinText::PortPermissionDenied;
    case PortFault::Busy:
        return BuiltinText::PortBusy;
    case PortFault::Other:
        return BuiltinText::PortOtherFault;
    }
    return std::nullopt;
}

} // namespace

std::string PortFailureMessage(const PortFailure& failure, const LanguageTexts& texts) {
    std::string message = texts.GetText(2002);
    const std::optional<BuiltinText> reason = ReasonText(failure.Fault);
    if (!reason) {
        return message;
    }
    std::string detail = FillMarker(FillMarker(texts.Builtin(*reason), "%1", failure.Port), "%2",
                                    failure.SystemText);
#ifdef __linux__
    if (failure.Fault == PortFault::PermissionDenied) {
        detail += ' ';
        detail += GroupHint(failure.Group, texts);
    }
#endif
    return message + "\n" + detail;
}

} // namespace rp70
