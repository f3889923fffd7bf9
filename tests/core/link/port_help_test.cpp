#include "link/port_help.h"

#include <gtest/gtest.h>

#include <fstream>

#include "link/port_failure.h"
#include "support/temp_folder.h"

namespace rp70 {
namespace {

const LanguageTexts& English() {
    static const LanguageTexts texts = LanguageTexts::Load(
        std::filesystem::path(RP70_LANG_DIR) / "english.ini", Language::English);
    return texts;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(PortHelp, APortThisUserMayNotOpenNamesItsGroupAndHowToJoinIt) {
    PortCheck port{"ttyUSB0",    "/dev/ttyUSB0",     "",    std::nullopt,
                   std::nullopt, PortAccess::Denied, "uucp"};
    EXPECT_TRUE(Has(PortAccessWarning(port, English()), "sudo usermod -aG uucp $USER"));
    port.Group.clear();
    EXPECT_TRUE(Has(PortAccessWarning(port, English()), "sudo usermod -aG dialout $USER"));
    port.Access = PortAccess::Allowed;
    EXPECT_EQ(PortAccessWarning(port, English()), "");
#ifdef __linux__
    const std::string failure =
        PortFailureMessage({PortFault::PermissionDenied, "ttyUSB0", "why", "tty"}, English());
    EXPECT_TRUE(Has(failure, "Add your user to the tty group (sudo usermod -aG tty $USER)"))
        << failure;
#endif
}

TEST(PortHelp, BrlttyIsSeenAsAProcessOrInTheKernelLog) {
    const test::TempFolder proc;
    const auto process = [&](const std::string& id, const std::string& name) {
        std::filesystem::create_directories(proc.Path() / id);
        std::ofstream(proc.Path() / id / "comm") << name << '\n';
    };
    process("1", "systemd");
    process("self", "brltty"); // not a process number
    EXPECT_FALSE(BrlttySeen(proc.Path(), "usb 1-1: ch341-uart converter detected"));
    EXPECT_TRUE(BrlttySeen(proc.Path(), "usbfs: interface 0 claimed by ch341 while 'brltty' "
                                        "sets config #1"));
    process("812", "brltty");
    EXPECT_TRUE(BrlttySeen(proc.Path(), ""));
    EXPECT_FALSE(BrlttySeen(proc.Path() / "missing", ""));
}

TEST(PortHelp, HelpLinesJoinEachGroupOnceAndBlameBrlttyOnlyWithoutAUsbPort) {
    const PortCheck plain{"ttyS0",      "/dev/ttyS0",       "",       std::nullopt,
                          std::nullopt, PortAccess::Denied, "dialout"};
    const PortCheck usb{"ttyUSB0", "/dev/ttyUSB0",     "",       0x1a86,
                        0x7523,    PortAccess::Denied, "plugdev"};
    const struct {
        std::vector<PortCheck> Ports;
        bool Brltty;
        std::vector<std::string> Starts;
    } cases[] = {
        {{}, false, {}},
        {{plain, plain, usb},
         false,
         {"Add your user to the dialout", "Add your user to the plugdev"}},
        {{plain}, true, {"Add your user to the dialout", "No USB serial port is present"}},
        {{usb}, true, {"Add your user to the plugdev"}},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = PortHelpLines(c.Ports, c.Brltty, English());
        ASSERT_EQ(lines.size(), c.Starts.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].starts_with(c.Starts[i])) << lines[i];
        }
    }
    EXPECT_TRUE(Has(PortHelpLines({}, true, English())[0], "sudo systemctl stop brltty"));
}

} // namespace
} // namespace rp70
