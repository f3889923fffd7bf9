#include "link/port_failure.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rp70 {
namespace {

TEST(PortFailureMessage, KeepsTheCableTextAndAddsThePortAndTheReason) {
    const struct {
        PortFault Fault;
        const char* English;
        const char* Chinese;
    } cases[] = {
        {PortFault::Missing, "Port ttyUSB0 is not there", "串口ttyUSB0不存在"},
        {PortFault::PermissionDenied, "Port ttyUSB0 may not be opened by this user (why).",
         "当前用户无权打开串口ttyUSB0（why）"},
        {PortFault::Busy, "Port ttyUSB0 is busy: another program is using it (why)",
         "串口ttyUSB0忙：正被其他程序占用（why）"},
        {PortFault::Other, "Port ttyUSB0: why", "串口ttyUSB0：why"},
        {PortFault::NotChosen, "No serial port is chosen", "未选择串口"},
    };
    for (const Language language : {Language::English, Language::Chinese}) {
        const LanguageTexts texts =
            LanguageTexts::Load(std::filesystem::path(RP70_LANG_DIR) /
                                    (language == Language::English ? "english.ini" : "chinese.ini"),
                                language);
        const std::string cable = texts.GetText(2002);
        ASSERT_FALSE(cable.empty());
        EXPECT_EQ(PortFailureMessage({}, texts), cable);
        for (const auto& c : cases) {
            const std::string message = PortFailureMessage({c.Fault, "ttyUSB0", "why"}, texts);
            EXPECT_TRUE(message.starts_with(cable + "\n")) << message;
            EXPECT_NE(message.find(language == Language::English ? c.English : c.Chinese),
                      std::string::npos)
                << message;
#ifdef __linux__
            EXPECT_EQ(message.find("dialout") != std::string::npos,
                      c.Fault == PortFault::PermissionDenied)
                << message;
#endif
        }
    }
}

} // namespace
} // namespace rp70
