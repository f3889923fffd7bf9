#include "link/port_help.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace rp70 {
namespace {

constexpr std::string_view kDefaultGroup = "dialout";

bool IsProcessId(const std::string& name) {
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool BrlttyProcessRuns(const std::filesystem::path& procRoot) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(procRoot, error), end; !error && it != end;
         it.increment(error)) {
        if (!IsProcessId(it->path().filename().string())) {
            continue;
        }
        std::ifstream comm(it->path() / "comm");
        std::string name;
        if (std::getline(comm, name) && name == "brltty") {
            return true;
        }
    }
    return false;
}

} // namespace

std::string GroupHint(std::string_view group, const LanguageTexts& texts) {
    return FillMarker(texts.Builtin(BuiltinText::PortGroupHint), "%1",
                      group.empty() ? kDefaultGroup : group);
}

std::string PortAccessWarning(const PortCheck& port, const LanguageTexts& texts) {
    if (port.Access != PortAccess::Denied) {
        return {};
    }
    const std::string_view group = port.Group.empty() ? kDefaultGroup : port.Group;
    return FillMarker(FillMarker(texts.Builtin(BuiltinText::PortNotPermitted), "%1", port.Name),
                      "%2", group) +
           ' ' + GroupHint(group, texts);
}

bool BrlttySeen(const std::filesystem::path& procRoot, std::string_view kernelLog) {
    return kernelLog.find("brltty") != std::string_view::npos || BrlttyProcessRuns(procRoot);
}

std::vector<std::string> PortHelpLines(const std::vector<PortCheck>& ports, bool brlttySeen,
                                       const LanguageTexts& texts) {
    std::vector<std::string> lines;
    std::vector<std::string> groups;
    for (const PortCheck& port : ports) {
        const std::string group = port.Group.empty() ? std::string(kDefaultGroup) : port.Group;
        if (port.Access == PortAccess::Denied &&
            std::find(groups.begin(), groups.end(), group) == groups.end()) {
            groups.push_back(group);
            lines.push_back(GroupHint(group, texts));
        }
    }
    const bool usbPresent = std::any_of(ports.begin(), ports.end(),
                                        [](const PortCheck& port) { return port.VendorId; });
    if (brlttySeen && !usbPresent) {
        lines.emplace_back(texts.Builtin(BuiltinText::PortBrlttyHint));
    }
    return lines;
}

} // namespace rp70
