// Runs one registered widget test class: gui_tests CLASS [Qt Test options].

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <cstdio>

#include "support/gui_test.h"

namespace rp70::test {

std::map<std::string, GuiTestFactory>& GuiTests() {
    static std::map<std::string, GuiTestFactory> tests;
    return tests;
}

} // namespace rp70::test

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("rp70cps");
    QLocale::setDefault(QLocale::c());
    const auto& tests = rp70::test::GuiTests();
    if (argc < 2 || tests.find(argv[1]) == tests.end()) {
        std::fprintf(stderr, "usage: gui_tests CLASS [options]; classes:");
        for (const auto& [name, factory] : tests) {
            std::fprintf(stderr, " %s", name.c_str());
        }
        std::fprintf(stderr, "\n");
        return 2;
    }
    std::unique_ptr<QObject> test = tests.at(argv[1])();
    // Qt Test sees the program name and the options after the class name.
    argv[1] = argv[0];
    return QTest::qExec(test.get(), argc - 1, argv + 1);
}
