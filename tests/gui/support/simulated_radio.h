#pragma once
// rp70-sim as the widget tests start it: a process that ends with the test.

#include <QProcess>

namespace rp70::test {

/// rp70-sim for one test, ended with it.
class SimulatedRadio : public QProcess {
public:
    ~SimulatedRadio() override {
        terminate();
        if (!waitForFinished(5000)) {
            kill();
            waitForFinished(5000);
        }
    }
};

} // namespace rp70::test
