// The serial port dialog: which port it shows, what OK stores, and the list following the
// ports that come and go while it is open.

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "link/com_port_dialog.h"
#include "shell/program_folder.h"
#include "shell/settings_file.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;

namespace {

SerialPortEntry Com(int n) {
    const QString name = "COM" + QString::number(n);
    return {name, "\\\\.\\" + name, {}, {}};
}

SerialPortEntry Tty(const QString& name) {
    return {name, "/dev/" + name, "USB serial", {}};
}

QStringList Entries(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) {
        texts << combo->itemText(i);
    }
    return texts;
}

QByteArray FileBytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class ComPortDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<rp70::test::TempFolder> folder_;
    RadioImage image_;
    ProgramState state_;
    QList<SerialPortEntry> ports_; ///< what the system offers right now
    int listings_ = 0;

    PortLister Lister() {
        return [this] {
            ++listings_;
            return ports_;
        };
    }

    SettingsFileValues Stored() const { return ReadSettingsFile(SettingsFilePath(state_.Folder)); }

private slots:
    void init() {
        folder_ = std::make_unique<rp70::test::TempFolder>();
        state_ = StartUp({folder_->Path(), RP70_LANG_DIR, std::nullopt, nullptr, {}}, image_);
        ports_.clear();
        listings_ = 0;
    }

    void cleanup() { folder_.reset(); }

    void showsTheConfiguredPort() {
        ports_ = {Com(3), Com(10)};
        state_.Settings.ComPort = 10;
        ComPortDialog dialog(state_, Lister());
        auto* combo = dialog.findChild<QComboBox*>("portCombo");
        QCOMPARE(dialog.windowTitle(), QString("COM Port Settings"));
        QCOMPARE(Entries(combo), (QStringList{"COM3", "COM10"}));
        QCOMPARE(combo->currentText(), QString("COM10"));
        QCOMPARE(combo->currentData().toString(), QString("\\\\.\\COM10"));
    }

    void showsTheDescriptionAndWarnsOfAPortThisUserMayNotOpen() {
        SerialPortEntry denied = Tty("ttyUSB1");
        denied.VendorId = 0x1a86;
        denied.ProductId = 0x7523;
        denied.Access = PortAccess::Denied;
        denied.Group = "uucp";
        ports_ = {Tty("ttyUSB0"), denied};
        ComPortDialog dialog(state_, Lister());
        auto* combo = dialog.findChild<QComboBox*>("portCombo");
        auto* description = dialog.findChild<QLabel*>("portDescription");
        auto* warning = dialog.findChild<QLabel*>("portWarning");
        combo->setCurrentIndex(0);
        QCOMPARE(description->text(), QString("USB serial"));
        QVERIFY(warning->isHidden());
        combo->setCurrentIndex(1);
        QCOMPARE(description->text(), QString("USB serial USB 1a86:7523"));
        QVERIFY(!warning->isHidden());
        QVERIFY2(warning->text().contains("ttyUSB1") &&
                     warning->text().contains("sudo usermod -aG uucp $USER"),
                 qPrintable(warning->text()));
    }

    void aPortThatIsGoneShowsTheFirstAndOkStoresIt() {
        ports_ = {Com(3)};
        state_.Settings.ComPort = 5;
        ComPortDialog dialog(state_, Lister());
        QCOMPARE(dialog.findChild<QComboBox*>("portCombo")->currentText(), QString("COM3"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(state_.Settings.ComPort, std::int16_t{3});
        QCOMPARE(state_.Settings.ComDevice, std::string());
        QCOMPARE(Stored().ComPort, std::int16_t{3});
    }

    void noPortsStoresNoneAndWritesNothing() {
        state_.Settings.ComPort = 4;
        const QByteArray before = FileBytes(SettingsFilePath(state_.Folder));
        ComPortDialog dialog(state_, Lister());
        auto* combo = dialog.findChild<QComboBox*>("portCombo");
        QCOMPARE(combo->count(), 0);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
        dialog.accept();
        QCOMPARE(state_.Settings.ComPort, std::int16_t{0});
        QCOMPARE(FileBytes(SettingsFilePath(state_.Folder)), before);
    }

    void devicesWithoutNumberAreStoredAsDevices() {
        ports_ = {Com(3), Tty("ttyUSB0")};
        state_.Settings.ComPort = 3;
        {
            // A listed device: the path that opens it.
            ComPortDialog dialog(state_, Lister());
            dialog.findChild<QComboBox*>("portCombo")->setCurrentIndex(1);
            dialog.accept();
            QCOMPARE(state_.Settings.ComDevice, std::string("/dev/ttyUSB0"));
            QCOMPARE(state_.Settings.ComPort, std::int16_t{3});
            QCOMPARE(Stored().ComDevice, std::string("/dev/ttyUSB0"));
        }
        {
            // Shown again next time; a typed path replaces it.
            ComPortDialog dialog(state_, Lister());
            auto* combo = dialog.findChild<QComboBox*>("portCombo");
            QCOMPARE(combo->currentText(), QString("ttyUSB0"));
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), "/dev/pts/9");
            dialog.accept();
            QCOMPARE(state_.Settings.ComDevice, std::string("/dev/pts/9"));
            QCOMPARE(Stored().ComDevice, std::string("/dev/pts/9"));
            QCOMPARE(Stored().ComPort, std::int16_t{3});
        }
        {
            // A configured device the system does not list is shown as typed; choosing a COM
            // port clears it.
            ComPortDialog dialog(state_, Lister());
            auto* combo = dialog.findChild<QComboBox*>("portCombo");
            QCOMPARE(combo->currentIndex(), -1);
            QCOMPARE(combo->currentText(), QString("/dev/pts/9"));
            combo->setCurrentIndex(0);
            dialog.accept();
            QCOMPARE(state_.Settings.ComDevice, std::string());
            QCOMPARE(Stored().ComDevice, std::string());
            QCOMPARE(Stored().ComPort, std::int16_t{3});
        }
    }

    void refreshFollowsThePortsAndKeepsTheChoice() {
        ports_ = {Com(3), Com(10)};
        state_.Settings.ComPort = 10;
        ComPortDialog dialog(state_, Lister());
        auto* combo = dialog.findChild<QComboBox*>("portCombo");

        ports_ = {Com(1), Com(3), Com(10)}; // plugged in
        dialog.RefreshPorts();
        QCOMPARE(Entries(combo), (QStringList{"COM1", "COM3", "COM10"}));
        QCOMPARE(combo->currentText(), QString("COM10"));

        ports_ = {Com(3), Com(1)}; // the chosen one pulled out
        dialog.RefreshPorts();
        QCOMPARE(combo->currentText(), QString("COM3"));

        ports_ = {};
        dialog.RefreshPorts();
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());

        ports_ = {Com(7)};
        dialog.RefreshPorts();
        QCOMPARE(combo->currentText(), QString("COM7"));
        dialog.accept();
        QCOMPARE(state_.Settings.ComPort, std::int16_t{7});
    }

    void refreshNeverTouchesTyping() {
        ports_ = {Com(3)};
        ComPortDialog dialog(state_, Lister());
        dialog.show();
        auto* combo = dialog.findChild<QComboBox*>("portCombo");
        QLineEdit* edit = combo->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, "/dev/pt");
        edit->setCursorPosition(4);

        ports_ = {Com(3), Com(4)};
        dialog.RefreshPorts();
        QCOMPARE(Entries(combo), (QStringList{"COM3", "COM4"}));
        QCOMPARE(combo->currentText(), QString("/dev/pt"));
        QCOMPARE(edit->cursorPosition(), 4);

        edit->setCursorPosition(7);
        QTest::keyClicks(edit, "s/2");
        dialog.RefreshPorts();
        QCOMPARE(combo->currentText(), QString("/dev/pts/2"));
        dialog.accept();
        QCOMPARE(state_.Settings.ComDevice, std::string("/dev/pts/2"));
    }

    void timerRefreshesOnlyWhileOpen() {
        ports_ = {Com(3)};
        ComPortDialog dialog(state_, Lister());
        auto* combo = dialog.findChild<QComboBox*>("portCombo");
        auto* timer = dialog.findChild<QTimer*>();
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), 1000);
        dialog.show();
        ports_ = {Com(3), Com(5)};
        QTRY_COMPARE_WITH_TIMEOUT(combo->count(), 2, 3000);
        dialog.reject();
        QVERIFY(!timer->isActive());
    }

    void fixedListModeListsComOneToTwoHundredFiftyFive() {
        state_.IsVista = true;
        state_.Settings.ComPort = 12;
        ComPortDialog dialog(state_, Lister());
        auto* combo = dialog.findChild<QComboBox*>("portCombo");
        QCOMPARE(combo->count(), 255);
        QCOMPARE(combo->itemText(0), QString("COM1"));
        QCOMPARE(combo->itemText(254), QString("COM255"));
        QCOMPARE(combo->currentText(), QString("COM12"));
        dialog.show();
        dialog.RefreshPorts();
        QVERIFY(!dialog.findChild<QTimer*>()->isActive());
        QCOMPARE(listings_, 0);
        dialog.accept();
        QCOMPARE(Stored().ComPort, std::int16_t{12});
    }

    void aFailedWriteIsShownAndTheChoiceHoldsForTheRun() {
        ports_ = {Com(3), Com(4)};
        state_.Folder = folder_->Path() / "blocked";
        std::filesystem::create_directories(state_.Folder);
        std::ofstream(state_.Folder / "language") << "not a folder";
        ComPortDialog dialog(state_, Lister());
        dialog.findChild<QComboBox*>("portCombo")->setCurrentIndex(1);

        rp70::test::ModalDriver modals;
        modals.ThenAnswer(QMessageBox::Ok);
        dialog.accept();
        QCOMPARE(modals.Messages(), QStringList{"file error."});
        QVERIFY(modals.Unexpected().isEmpty());
        QCOMPARE(state_.Settings.ComPort, std::int16_t{4});
    }
};

RP70_GUI_TEST(ComPortDialogTest);

#include "com_port_dialog_test.moc"
