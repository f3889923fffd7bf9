// The DTMF dialog driven as a person would: codes typed through their filters, the separator and
// own ID keeping the composed codes in step, a special call, the kill/stun refusal, OK, a save and
// a reopening of the data file; Cancel keeps only the repairs made on opening.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "editors/dtmf_dialog.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/rich_image.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::DtmfDialog;

namespace {

QLineEdit* Code(QWidget* dialog, int field) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("code%1Edit").arg(field));
}

void Enter(QLineEdit* edit) {
    edit->setFocus();
    QCoreApplication::processEvents();
}

DtmfEditInputs Shown(DTMFRecord record, const LanguageTexts& texts) {
    return OpenDtmfRecord(record, BuildDtmfEditLists(texts));
}

} // namespace

class DtmfDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;

private slots:
    void init() {
        image_ = RadioImage();
        FillRichImage(image_);
        user_.ui.shown.clear();
    }

    void everyChangeIsKeptThroughOkSaveAndReopen() {
        DtmfEditInputs expected = Shown(image_.Record.Function.Dtmf, user_.texts);
        DtmfDialog dialog(image_, user_.ctx);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DTMF"));

        // Lower case turns upper case; E and other characters are refused.
        QLineEdit* m1 = Code(&dialog, 0);
        Enter(m1);
        QTest::keyClicks(m1, "12a*e#x");
        QCOMPARE(m1->text(), QStringLiteral("12A*#"));

        // The own ID is padded on leaving it and the separator "C" becomes "#" in M2.
        Code(&dialog, 1)->setText(QString());
        Enter(Code(&dialog, 1));
        QTest::keyClicks(Code(&dialog, 1), "456C472");
        auto* ownId = Input<QLineEdit>(&dialog, "ownIdEdit");
        Enter(ownId);
        ownId->clear();
        QTest::keyClicks(ownId, "7");
        Enter(Code(&dialog, 2)); // M3 last had the focus
        QCOMPARE(ownId->text(), QStringLiteral("007"));
        QCOMPARE(Code(&dialog, 1)->text(), QStringLiteral("456C007"));
        Combo(&dialog, "separatorCombo")->setCurrentText(QStringLiteral("#"));
        QCOMPARE(Code(&dialog, 1)->text(), QStringLiteral("456#007"));

        // The special call composes the ANI code for M3.
        ModalDriver modal;
        modal.Then([](QWidget* window) {
            Input<QLineEdit>(window, "targetIdEdit")->setText(QStringLiteral("12"));
            Press(window, QDialogButtonBox::Ok);
        });
        QTest::mouseClick(Input<QPushButton>(&dialog, "specialButton"), Qt::LeftButton);
        QTRY_COMPARE(modal.Pending(), 0);
        QCOMPARE(Code(&dialog, 2)->text(), QStringLiteral("012#007"));

        // Equal kill and stun codes are refused; the dialog stays open with its edits.
        Code(&dialog, kDtmfKillCode)->setText(QString());
        QTest::keyClicks(Code(&dialog, kDtmfKillCode), "123");
        Code(&dialog, kDtmfStunCode)->setText(QString());
        QTest::keyClicks(Code(&dialog, kDtmfStunCode), "123");
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(user_.ui.Texts(), std::vector{user_.texts.GetText(3001)});
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(Code(&dialog, kDtmfStunCode), "4");

        for (const char* name : {"aniCombo", "sendTimeCombo", "groupCodeCombo",
                                 "decodeResponseCombo", "firstDigitDelayCombo", "preSendDelayCombo",
                                 "resetTimeCombo", "postSendDelayCombo", "pauseTimeCombo"}) {
            Combo(&dialog, name)->setCurrentIndex(0);
        }
        Combo(&dialog, "resetTimeCombo")->setCurrentText(QStringLiteral("2.5"));
        Input<QCheckBox>(&dialog, "sideToneCheck")->setChecked(false);
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const auto reopened = SavedAndReopened(image_, user_, folder_.Path() / "dtmf.dat");
        QVERIFY(reopened);
        const DTMFRecord& stored = reopened->Record.Function.Dtmf;
        QCOMPARE(stored.Codes[0].Length, std::int16_t{5});
        QCOMPARE(TextOf(stored.Codes[0].Digits), std::string("12AEF"));
        QCOMPARE(stored.GroupCode, std::int16_t{255});
        expected.Codes[0] = "12A*#";
        expected.Codes[1] = "456#007";
        expected.Codes[2] = "012#007";
        expected.Codes[kDtmfKillCode] = "123";
        expected.Codes[kDtmfStunCode] = "1234";
        expected.OwnId = "007";
        expected.Separator = 5;
        expected.Ani = expected.SendTime = expected.GroupCode = expected.DecodeResponse = 0;
        expected.FirstDigitDelay = expected.PreSendDelay = expected.PostSendDelay = 0;
        expected.PauseTime = 0;
        expected.ResetTime = 25;
        expected.SideTone = false;
        QCOMPARE(Shown(stored, user_.texts), expected);
    }

    void specialCallOpensOnlyForMemoriesAndBeginEndCodes() {
        DtmfDialog dialog(image_, user_.ctx);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ModalDriver modal;
        Enter(Code(&dialog, kDtmfKillCode));
        QTest::mouseClick(Input<QPushButton>(&dialog, "specialButton"), Qt::LeftButton);
        QTest::qWait(30);
        QVERIFY(modal.Unexpected().isEmpty());

        // Cancel in the special call leaves the field as it was.
        const QString endCode = Code(&dialog, kDtmfEndCode)->text();
        Enter(Code(&dialog, kDtmfEndCode));
        modal.Then([](QWidget* window) {
            Combo(window, "callTypeCombo")->setCurrentText(QStringLiteral("PTTID"));
            QVERIFY(!Input<QLineEdit>(window, "targetIdEdit")->isVisible());
            Press(window, QDialogButtonBox::Cancel);
        });
        QTest::mouseClick(Input<QPushButton>(&dialog, "specialButton"), Qt::LeftButton);
        QTRY_COMPARE(modal.Pending(), 0);
        QCOMPARE(Code(&dialog, kDtmfEndCode)->text(), endCode);
        QVERIFY(modal.Unexpected().isEmpty());
    }

    void cancelKeepsOnlyTheRepairsOfOpening() {
        DTMFRecord& dtmf = image_.Record.Function.Dtmf;
        dtmf.GroupCode = 255;
        dtmf.PauseTime = 3;
        DTMFRecord repaired = dtmf;
        repaired.GroupCode = 9;
        repaired.PauseTime = 0;
        DtmfDialog dialog(image_, user_.ctx);
        dialog.show();
        QCOMPARE(Combo(&dialog, "groupCodeCombo")->currentText(), QStringLiteral("Off"));
        Combo(&dialog, "aniCombo")->setCurrentIndex(0);
        Code(&dialog, 0)->setText(QStringLiteral("99"));
        Press(&dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dtmf, repaired);
    }
};

RP70_GUI_TEST(DtmfDialogTest);

#include "dtmf_dialog_test.moc"
