// SerialLinkPort on a pseudo-terminal pair: the test plays the radio on the master side, the port
// opens the slave, and what the port reports goes to a recording double instead of the engine.

#include <QElapsedTimer>
#include <QTest>
#include <cstdint>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pty.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "serial_link_port.h"

namespace rp70 {
namespace {

struct RecordingEvents : LinkEvents {
    std::vector<Bytes> arrived;
    int timeouts = 0;
    int lost = 0;

    void BytesArrived(const Bytes& received) override { arrived.push_back(received); }
    void ReplyTimeout() override { ++timeouts; }
    void PortLost() override { ++lost; }
};

Bytes BytesOf(const char* text) {
    Bytes bytes;
    for (; *text != '\0'; ++text) {
        bytes.push_back(static_cast<std::uint8_t>(*text));
    }
    return bytes;
}

} // namespace

class SerialLinkPortTest : public QObject {
    Q_OBJECT

private:
    int master_ = -1;
    int slave_ = -1; ///< kept open so the pair lives independently of the port
    QByteArray fromPort_;
    RecordingEvents events_;
    SerialLinkPort* port_ = nullptr;

    void WriteMaster(const char* text) {
        const auto size = static_cast<ssize_t>(qstrlen(text));
        QCOMPARE(::write(master_, text, static_cast<size_t>(size)), size);
    }
    /// Everything the port has sent so far.
    const QByteArray& FromPort() {
        char buffer[256];
        ssize_t count = 0;
        while ((count = ::read(master_, buffer, sizeof buffer)) > 0) {
            fromPort_.append(buffer, count);
        }
        return fromPort_;
    }
    /// Waits (without the event loop) until bytes from the master wait in the slave's buffer.
    bool SlaveHasInput() {
        pollfd fd{slave_, POLLIN, 0};
        return ::poll(&fd, 1, 2000) == 1;
    }

private slots:
    void init() {
        QVERIFY(::openpty(&master_, &slave_, nullptr, nullptr, nullptr) == 0);
        termios raw{};
        QVERIFY(::tcgetattr(master_, &raw) == 0);
        ::cfmakeraw(&raw);
        QVERIFY(::tcsetattr(master_, TCSANOW, &raw) == 0);
        QVERIFY(::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK) == 0);
        fromPort_.clear();
        events_.arrived.clear();
        events_.timeouts = events_.lost = 0;
        port_ = new SerialLinkPort(QString::fromLocal8Bit(::ttyname(slave_)));
        port_->Attach(events_);
        QVERIFY2(port_->Open(), qPrintable(port_->LastError()));
    }
    void cleanup() {
        delete port_;
        port_ = nullptr;
        if (master_ >= 0) {
            ::close(master_);
        }
        ::close(slave_);
        master_ = slave_ = -1;
    }

    void aSecondOpenOfThePortIsRefusedAsBusy() {
        SerialLinkPort second(port_->PortName());
        QVERIFY(!second.Open());
        QCOMPARE(second.OpenFailure().Fault, PortFault::Busy);
        port_->Close();
        QVERIFY2(second.Open(), qPrintable(second.LastError()));
    }

    void aPortThisUserMayNotOpenNamesTheGroupToJoin() {
        if (::geteuid() != 0) {
            QSKIP("changing the owner of the terminal needs the super-user");
        }
        const group* dialout = ::getgrnam("dialout");
        const passwd* nobody = ::getpwnam("nobody");
        if (dialout == nullptr || nobody == nullptr) {
            QSKIP("no dialout group or nobody user on this system");
        }
        port_->Close();
        const char* device = ::ttyname(slave_);
        QVERIFY(::chown(device, 0, dialout->gr_gid) == 0 && ::chmod(device, 0660) == 0);
        const gid_t userGroup = nobody->pw_gid;
        const uid_t user = nobody->pw_uid;
        const pid_t child = ::fork();
        if (child == 0) {
            // An ordinary user outside the group: the port is refused, and the message says
            // which group to join.
            if (::setgroups(0, nullptr) != 0 || ::setgid(userGroup) != 0 || ::setuid(user) != 0) {
                ::_exit(2);
            }
            SerialLinkPort denied(QString::fromLocal8Bit(device));
            const bool opened = denied.Open();
            const std::string message = PortFailureMessage(denied.OpenFailure(), {});
            ::_exit(!opened && denied.OpenFailure().Fault == PortFault::PermissionDenied &&
                            message.find("sudo usermod -aG dialout $USER") != std::string::npos
                        ? 0
                        : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void bytesWaitForTheThresholdAndArriveAtOnce() {
        port_->SetReceiveThreshold(10);
        WriteMaster("\x06ZT\x02");
        QTRY_COMPARE_WITH_TIMEOUT(port_->BytesReceived(), std::int64_t{4}, 2000);
        QVERIFY(events_.arrived.empty());
        WriteMaster("RAB\x10xy");
        QTRY_COMPARE_WITH_TIMEOUT(events_.arrived.size(), size_t{1}, 2000);
        QVERIFY(events_.arrived[0] == BytesOf("\x06ZT\x02RAB\x10xy"));
    }
    void thresholdOneHandsOverEveryChunk() {
        port_->SetReceiveThreshold(5);
        QVERIFY(port_->Open()); // opening again starts from threshold 1
        WriteMaster("A");
        QTRY_COMPARE_WITH_TIMEOUT(events_.arrived.size(), size_t{1}, 2000);
        WriteMaster("B");
        QTRY_COMPARE_WITH_TIMEOUT(events_.arrived.size(), size_t{2}, 2000);
        QVERIFY(events_.arrived[0] == BytesOf("A"));
        QVERIFY(events_.arrived[1] == BytesOf("B"));
    }

    void sendWithoutPauseWritesAtOnce() {
        QVERIFY(port_->Send(BytesOf("PROGRAM"), false));
        QTRY_COMPARE_WITH_TIMEOUT(FromPort(), QByteArray("PROGRAM"), 2000);
    }
    void sendWithPauseWritesLaterAndTheNewerCommandWins() {
        QVERIFY(port_->Send(BytesOf("R\x01\x60\x10"), true));
        QVERIFY(port_->Send(BytesOf("END"), true));
        pollfd fd{master_, POLLIN, 0};
        QCOMPARE(::poll(&fd, 1, 50), 0); // nothing leaves before the event loop runs the pause
        QTRY_COMPARE_WITH_TIMEOUT(FromPort(), QByteArray("END"), 2000);
        QTest::qWait(50);
        QCOMPARE(FromPort(), QByteArray("END"));
    }
    void closeDropsAPausedSend() {
        QVERIFY(port_->Send(BytesOf("END"), true));
        port_->Close();
        QVERIFY(port_->Open()); // the command must not leave on the reopened port either
        QTest::qWait(50);
        QCOMPARE(FromPort(), QByteArray());
    }
    void sendDropsWhatArrivedBefore() {
        port_->SetReceiveThreshold(10);
        WriteMaster("old");
        QTRY_COMPARE_WITH_TIMEOUT(port_->BytesReceived(), std::int64_t{3},
                                  2000); // read by the port
        WriteMaster("er");
        QVERIFY(SlaveHasInput()); // still in the system's buffer
        QVERIFY(port_->Send(BytesOf("PROGRAM"), false));
        WriteMaster("PROGRAMZT\x06");
        QTRY_COMPARE_WITH_TIMEOUT(events_.arrived.size(), size_t{1}, 2000);
        QVERIFY(events_.arrived[0] == BytesOf("PROGRAMZT\x06"));
    }

    void replyTimerFiresOnceAfterItsTime() {
        QElapsedTimer clock;
        clock.start();
        port_->StartReplyTimer();
        QTRY_COMPARE_WITH_TIMEOUT(events_.timeouts, 1, 2000);
        QVERIFY(clock.elapsed() >= kReplyTimeoutMs - 50);
        QTest::qWait(kReplyTimeoutMs + 100);
        QCOMPARE(events_.timeouts, 1);
    }
    void restartingTheReplyTimerPostponesIt() {
        QElapsedTimer clock;
        clock.start();
        port_->StartReplyTimer();
        QTest::qWait(150);
        port_->StartReplyTimer();
        QTRY_COMPARE_WITH_TIMEOUT(events_.timeouts, 1, 2000);
        QVERIFY(clock.elapsed() >= 150 + kReplyTimeoutMs - 50);
    }
    void stoppedReplyTimerStaysQuiet() {
        port_->StartReplyTimer();
        port_->StopReplyTimer();
        QTest::qWait(kReplyTimeoutMs + 150);
        QCOMPARE(events_.timeouts, 0);
    }

    void hangUpReportsThePortLostOnce_data() {
        QTest::addColumn<bool>("sendAfterHangUp");
        QTest::newRow("while waiting") << false;
        QTest::newRow("while sending") << true; // the failed write and read both notice it
    }
    void hangUpReportsThePortLostOnce() {
        QFETCH(bool, sendAfterHangUp);
        ::close(master_);
        master_ = -1;
        if (sendAfterHangUp) {
            port_->Send(BytesOf("PROGRAM"), false);
        }
        QTRY_COMPARE_WITH_TIMEOUT(events_.lost, 1, 3000);
        QVERIFY(!port_->IsOpen());
        QVERIFY(!port_->LastError().isEmpty());
        QTest::qWait(100);
        QCOMPARE(events_.lost, 1);
    }

    void aPortThatCannotBeOpenedSaysWhy() {
        // Held by another program: this test's port has it open.
        SerialLinkPort second(port_->PortName());
        QVERIFY(!second.Open());
        QCOMPARE(second.OpenFailure().Fault, PortFault::Busy);
        QCOMPARE(QString::fromStdString(second.OpenFailure().Port), port_->PortName());

        port_->SetPortName(QStringLiteral("/dev/rp70-no-such-port"));
        QVERIFY(!port_->Open());
        QVERIFY(!port_->IsOpen());
        QCOMPARE(port_->OpenFailure().Fault, PortFault::Missing);
        QCOMPARE(port_->OpenFailure().Port, std::string("/dev/rp70-no-such-port"));
        QVERIFY(!port_->LastError().isEmpty());
        port_->SetPortName({});
        QVERIFY(!port_->Open());
        QCOMPARE(port_->OpenFailure().Fault, PortFault::NotChosen);
        QCOMPARE(events_.lost, 0);
    }
    void sendOnAClosedPortFails() {
        port_->Close();
        QVERIFY(!port_->IsOpen());
        QVERIFY(!port_->Send(BytesOf("END"), false));
        QVERIFY(!port_->Send(BytesOf("END"), true));
        QTest::qWait(50);
        QCOMPARE(FromPort(), QByteArray());
    }
};

} // namespace rp70

QTEST_GUILESS_MAIN(rp70::SerialLinkPortTest)
#include "serial_link_port_test.moc"
