// The alert dialog driven as a person would: every input changed and kept through OK, a save and a
// reopening of the data file; Cancel changes nothing.

#include <QLabel>
#include <QTest>

#include "editors/alert_dialog.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/rich_image.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::AlertDialog;

class AlertDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;

private slots:
    void init() {
        image_ = RadioImage();
        FillRichImage(image_); // every channel, DTMF memory and 5-tone code in use
    }

    void everyChangeIsKeptThroughOkSaveAndReopen() {
        image_.Record.Function.Alert = {3, 2, 99, 255, 1, 2, 1, 199, 255, 2, 0, 3};
        AlertDialog dialog(image_, user_.ctx);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Emergency Alarm"));
        for (const QLabel* label : dialog.findChildren<QLabel*>()) { // right beside its list
            const int gap = label->buddy()->geometry().left() - label->geometry().right();
            QVERIFY(gap > 0 && gap < 30);
        }
        QComboBox* idCode = Combo(&dialog, "idCodeCombo");
        QCOMPARE(idCode->currentText(), QStringLiteral("99"));
        Combo(&dialog, "idCodeTypeCombo")->setCurrentText(QStringLiteral("DTMF"));
        QCOMPARE(idCode->count(), 16);
        idCode->setCurrentText(QStringLiteral("M7"));
        Combo(&dialog, "txTimeCombo")->setCurrentText(QStringLiteral("45"));
        Combo(&dialog, "rxTimeCombo")->setCurrentText(QStringLiteral("255"));
        QComboBox* emergency = Combo(&dialog, "emergencyChannelCombo");
        QVERIFY(!emergency->isEnabled());
        Combo(&dialog, "channelSelectCombo")->setCurrentIndex(0);
        emergency->setCurrentText(QStringLiteral("49"));
        Combo(&dialog, "cycleCombo")->setCurrentText(QStringLiteral("3"));
        Combo(&dialog, "alarmModeCombo")->setCurrentIndex(0);
        QVERIFY(!idCode->isEnabled());
        Combo(&dialog, "alarmTimeCombo")->setCurrentText(QStringLiteral("20"));
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const auto reopened = SavedAndReopened(image_, user_, folder_.Path() / "alert.dat");
        QVERIFY(reopened);
        // The hidden lone-worker values are stored in their ranges.
        const AlertRecord expected{0, 1, 6, 20, 45, 255, 0, 49, 3, 0, 1, 5};
        QCOMPARE(reopened->Record.Function.Alert, expected);
    }

    void cancelChangesNothing() {
        const AlertRecord before = image_.Record.Function.Alert;
        AlertDialog dialog(image_, user_.ctx);
        dialog.show();
        Combo(&dialog, "alarmModeCombo")->setCurrentIndex(1);
        Combo(&dialog, "idCodeTypeCombo")->setCurrentIndex(1);
        Press(&dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(image_.Record.Function.Alert, before);
    }
};

RP70_GUI_TEST(AlertDialogTest);

#include "alert_dialog_test.moc"
