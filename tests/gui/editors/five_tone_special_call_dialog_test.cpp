// The 5-tone special call dialog driven as a person would: a data message and an ANI call put
// into code list entries, a PTT-ID code for the begin code, and a short target ID refused.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "editors/five_tone_special_call_dialog.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::FiveToneSpecialCallDialog;

namespace {

void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class FiveToneSpecialCallDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    FiveToneRecord record_;
    CodeRows rows_;

private slots:
    void init() {
        record_ = FiveToneRecord();
        SetDefaults(record_);
        rows_ = ShowCodeList(record_, "12345", user_.texts);
        user_.ui.shown.clear();
    }

    void codeListTakesDataMessagesAndAniCalls() {
        FiveToneSpecialCallDialog message(record_, rows_, SpecialCallTarget::CodeList, 4, "12345",
                                          user_.ctx);
        message.show();
        QVERIFY(QTest::qWaitForWindowActive(&message));
        QCOMPARE(message.windowTitle(), QStringLiteral("Special Call"));
        QCOMPARE(Combo(&message, "entryCombo")->currentText(), QStringLiteral("4"));
        QVERIFY(Input<QLineEdit>(&message, "messageTargetIdEdit")->isVisible());
        QVERIFY(!Input<QLineEdit>(&message, "aniTargetIdEdit")->isVisible());
        Retype(Input<QLineEdit>(&message, "messageEdit"), QStringLiteral("h-i"));
        Press(&message, QDialogButtonBox::Ok);
        QCOMPARE(message.result(), int(QDialog::Accepted));
        QCOMPARE(TextOf(record_.Codes[4].Digits), std::string("E1E2345E4849"));
        QCOMPARE(int(record_.Codes[4].InUseFlag), 0);
        QCOMPARE(rows_[4][1], std::string("Data Message"));

        FiveToneSpecialCallDialog ani(record_, rows_, SpecialCallTarget::CodeList, 0, "12345",
                                      user_.ctx);
        ani.show();
        Combo(&ani, "entryCombo")->setCurrentIndex(6);
        Combo(&ani, "callTypeCombo")->setCurrentText(QStringLiteral("ANI"));
        QVERIFY(!Input<QLineEdit>(&ani, "messageTargetIdEdit")->isVisible());
        Retype(Input<QLineEdit>(&ani, "aniTargetIdEdit"), QStringLiteral("6789a"));
        Combo(&ani, "separatorCombo")->setCurrentText(QStringLiteral("B"));
        Press(&ani, QDialogButtonBox::Ok);
        QCOMPARE(ani.result(), int(QDialog::Accepted));
        QCOMPARE(TextOf(record_.Codes[6].Digits), std::string("6789ABSelfID"));
        QCOMPARE(record_.AniSeparator, std::int16_t{11});
        QCOMPARE(rows_[6][1], std::string("ANI"));
        QCOMPARE(rows_[6][2], std::string("6789AB"));
        QVERIFY(user_.ui.shown.empty());
    }

    void beginCodeGetsThePttIdCode() {
        const FiveToneRecord before = record_;
        FiveToneSpecialCallDialog dialog(record_, rows_, SpecialCallTarget::BeginCode, 0, "12345",
                                         user_.ctx);
        dialog.show();
        QVERIFY(!Combo(&dialog, "entryCombo")->isVisible());
        bool captioned = false;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            captioned = captioned || (label->isVisible() &&
                                      label->text() == QStringLiteral("PTT-ID Begin Code"));
        }
        QVERIFY(captioned);
        Combo(&dialog, "callTypeCombo")->setCurrentText(QStringLiteral("PTTID"));
        QVERIFY(!Input<QLineEdit>(&dialog, "messageTargetIdEdit")->isVisible());
        QVERIFY(!Input<QLineEdit>(&dialog, "aniTargetIdEdit")->isVisible());
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Code(), std::string("E612345"));
        QCOMPARE(record_.Codes, before.Codes);
    }

    void beginCodeDataMessageFitsItsDigits() {
        FiveToneSpecialCallDialog dialog(record_, rows_, SpecialCallTarget::BeginCode, 0, "12345",
                                         user_.ctx);
        dialog.show();
        Retype(Input<QLineEdit>(&dialog, "messageEdit"), QStringLiteral("ABCDEFGHIJ"));
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.Code(), std::string("E112345E4142434445464748"));
    }

    void shortTargetIdIsRefused() {
        FiveToneSpecialCallDialog dialog(record_, rows_, SpecialCallTarget::CodeList, 2, "12345",
                                         user_.ctx);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* target = Input<QLineEdit>(&dialog, "messageTargetIdEdit");
        Retype(target, QStringLiteral("1234"));
        QCOMPARE(target->text(), QStringLiteral("1234"));
        Input<QLineEdit>(&dialog, "messageEdit")->setFocus(); // moving on tells at once
        Press(&dialog, QDialogButtonBox::Ok);
        QVERIFY(dialog.isVisible());
        QCOMPARE(user_.ui.Texts(),
                 (std::vector<std::string>{user_.texts.Msg("900C"), user_.texts.Msg("900C")}));
        QCOMPARE(int(record_.Codes[2].InUseFlag), 1);
        QCOMPARE(record_.AniSeparator, std::int16_t{13});
    }
};

RP70_GUI_TEST(FiveToneSpecialCallDialogTest);

#include "five_tone_special_call_dialog_test.moc"
