// The radio password dialog, typed into as a person would.

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "link/radio_password_dialog.h"
#include "support/gui_test.h"
#include "support/shipped_program.h"

using namespace rp70;
using namespace rp70::gui;

class RadioPasswordDialogTest : public QObject {
    Q_OBJECT

private slots:
    void captionsFromTheLanguageFileOrBuiltIn() {
        const LanguageTexts english = test::ShippedTexts();
        RadioPasswordDialog dialog("", english);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Programming Password"));
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("Password"));

        RadioPasswordDialog bare("", LanguageTexts());
        QCOMPARE(bare.windowTitle(), QStringLiteral("编程密码"));
        QCOMPARE(bare.findChild<QLabel*>()->text(), QStringLiteral("密码"));
    }

    void masksAndTakesFourCharacters() {
        RadioPasswordDialog dialog("Ab", LanguageTexts());
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->text(), QStringLiteral("Ab"));
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Eacute, QStringLiteral("é"), {});
        QTest::keyClicks(edit, QStringLiteral("1 x?"));
        QCOMPARE(edit->text(), QStringLiteral("Ab1 "));
        dialog.show(); // the mask character comes with the style sheet, once polished
        QCOMPARE(edit->displayText(), QStringLiteral("****"));
        dialog.accept();
        QCOMPARE(dialog.Password(), "Ab1"); // the trailing space is no part of it
    }
};

RP70_GUI_TEST(RadioPasswordDialogTest);

#include "radio_password_dialog_test.moc"
