// The progress window: captions, the percentage and the one cancel it offers.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "link/progress_dialog.h"
#include "shell/qt_text.h"
#include "support/gui_test.h"
#include "support/shipped_program.h"

using namespace rp70;
using namespace rp70::gui;

class ProgressDialogTest : public QObject {
    Q_OBJECT

private:
    LanguageTexts texts_ = test::ShippedTexts();

private slots:
    void opensAtZeroCaptionedForItsKind() {
        ProgressDialog read(TransferKind::Read, texts_);
        ProgressDialog write(TransferKind::Write, texts_);
        QCOMPARE(read.windowTitle(), QString("Read data from radio"));
        QCOMPARE(write.windowTitle(), QString("Write data to radio"));

        auto* bar = read.findChild<QProgressBar*>("progressBar");
        auto* percent = read.findChild<QLabel*>("percentLabel");
        auto* cancel = read.findChild<QPushButton*>("cancelButton");
        QVERIFY(bar && percent && cancel);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(percent->text(), QString("0%"));
        QCOMPARE(cancel->text(), ToQt(texts_.GetText(102)));
        QVERIFY(cancel->isEnabled());
        bool captionFound = false;
        for (const QLabel* label : read.findChildren<QLabel*>()) {
            captionFound = captionFound || label->text() == "Completion percentage:";
        }
        QVERIFY(captionFound);
    }

    void showsThePercentage() {
        ProgressDialog dialog(TransferKind::Read, texts_);
        dialog.SetProgressValue(37);
        QCOMPARE(dialog.Value(), 37);
        QCOMPARE(dialog.findChild<QProgressBar*>("progressBar")->value(), 37);
        QCOMPARE(dialog.findChild<QLabel*>("percentLabel")->text(), QString("37%"));
        dialog.SetProgressValue(100);
        QCOMPARE(dialog.findChild<QLabel*>("percentLabel")->text(), QString("100%"));
        dialog.SetProgressValue(250); // never beyond the bar
        QCOMPARE(dialog.Value(), 100);
        QCOMPARE(dialog.findChild<QLabel*>("percentLabel")->text(), QString("100%"));
    }

    void cancelIsAskedOnceAndTheWindowStays() {
        ProgressDialog dialog(TransferKind::Write, texts_);
        QSignalSpy cancelled(&dialog, &ProgressDialog::cancelRequested);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto* cancel = dialog.findChild<QPushButton*>("cancelButton");
        QTest::mouseClick(cancel, Qt::LeftButton);
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(!cancel->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(dialog.isVisible());
    }

    void strayKeysDoNotCancelButTheCloseButtonDoes() {
        ProgressDialog keyed(TransferKind::Write, texts_);
        QSignalSpy keySpy(&keyed, &ProgressDialog::cancelRequested);
        keyed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keyed));
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTest::keyClick(&keyed, key);
        }
        QCOMPARE(keySpy.count(), 0);
        QVERIFY(keyed.isVisible());

        ProgressDialog closed(TransferKind::Read, texts_);
        QSignalSpy closeSpy(&closed, &ProgressDialog::cancelRequested);
        closed.show();
        QVERIFY(!closed.close());
        QCOMPARE(closeSpy.count(), 1);
        QVERIFY(closed.isVisible());
        QVERIFY(!closed.findChild<QPushButton*>("cancelButton")->isEnabled());
    }
};

RP70_GUI_TEST(ProgressDialogTest);

#include "progress_dialog_test.moc"
