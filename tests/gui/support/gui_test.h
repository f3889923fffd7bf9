#pragma once
// The widget tests: every test class registers itself with RP70_GUI_TEST(Class) at the start of a
// line, and `gui_tests Class` runs that class (each class is its own ctest entry).

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace rp70::test {

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

/// The registered test classes by name.
std::map<std::string, GuiTestFactory>& GuiTests();

struct GuiTestRegistration {
    GuiTestRegistration(const char* name, GuiTestFactory factory) {
        GuiTests().emplace(name, std::move(factory));
    }
};

} // namespace rp70::test

#define RP70_GUI_TEST(Class)                                                                       \
    static const rp70::test::GuiTestRegistration rp70GuiTest##Class(                               \
        #Class, [] { return std::unique_ptr<QObject>(new Class); })
