// The file password dialog, typed into as a person would.

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "files/file_password_dialog.h"
#include "support/gui_test.h"
#include "support/shipped_program.h"

using namespace rp70;
using namespace rp70::gui;

namespace {

QLineEdit* EditOf(QDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
}

} // namespace

class FilePasswordDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsBuiltInCaptionsAndTheCurrentPasswordSelected() {
        const LanguageTexts english = test::ShippedTexts(Language::English);
        FilePasswordDialog dialog("AB12", english);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("File Password Set"));
        QVERIFY(dialog.findChild<QLabel*>()->text() == QStringLiteral("File Password"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
        QCOMPARE(QApplication::focusWidget(), EditOf(dialog));
        QTRY_COMPARE(EditOf(dialog)->selectedText(), QStringLiteral("AB12"));

        FilePasswordDialog chinese("", test::ShippedTexts(Language::Chinese));
        QCOMPARE(chinese.windowTitle(), QStringLiteral("文件密码设置"));
        QCOMPARE(chinese.findChild<QLabel*>()->text(), QStringLiteral("文件密码"));
    }

    void takesTenUpperCaseLettersAndDigits() {
        FilePasswordDialog dialog("", LanguageTexts());
        QLineEdit* edit = EditOf(dialog);
        QTest::keyClicks(edit, QStringLiteral("ab-1"));
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Eacute, QStringLiteral("é"), {});
        QTest::keyClicks(edit, QStringLiteral(" ?Z"));
        QCOMPARE(edit->text(), QStringLiteral("AB1Z"));
        QApplication::clipboard()->setText(QStringLiteral("PASTE"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(edit, QStringLiteral("cdefghijk"));
        QCOMPARE(edit->text(), QStringLiteral("AB1ZCDEFGH"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("AB1ZCDEFG"));
        dialog.accept();
        QCOMPARE(dialog.Password(), "AB1ZCDEFG");
    }

    void enterGoesToOkAndEnterThereAccepts() {
        FilePasswordDialog dialog("", LanguageTexts());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(EditOf(dialog), QStringLiteral("x9"));
        QTest::keyClick(EditOf(dialog), Qt::Key_Return);
        QVERIFY(dialog.isVisible()); // Enter in the entry field does not close the dialog
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Password(), "X9");
    }
};

RP70_GUI_TEST(FilePasswordDialogTest);

#include "file_password_dialog_test.moc"
