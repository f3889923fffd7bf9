// The print selection dialog driven as a person would: the buttons that tick and clear, the
// warning when nothing is ticked, a cancelled print dialog that keeps the selection open, and a
// job that prints into a PDF file.

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "print/pdf_text.h"
#include "print/print_list_dialog.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::PrintListDialog;

class PrintListDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;
    RadioInfo info_;

    static void Click(PrintListDialog& dialog, const char* name) {
        Input<QPushButton>(&dialog, name)->click();
    }

private slots:
    void buttonsTickAndClearEveryBox() {
        PrintListDialog dialog(image_, user_.ctx, info_);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print"));
        QCOMPARE(dialog.Selection(), PrintSelection{});
        QVERIFY(!Input<QCheckBox>(&dialog, "vhfChannelsCheck")->isVisible());
        QCOMPARE(Input<QCheckBox>(&dialog, "alertCheck")->text(),
                 QStringLiteral("Emergency Alarm"));
        Click(dialog, "selectAllButton");
        QCOMPARE(dialog.Selection(), AllPrintItems());
        Click(dialog, "clearAllButton");
        QCOMPARE(dialog.Selection(), PrintSelection{});
    }

    void okWithNothingTickedWarnsAndStays() {
        PrintListDialog dialog(image_, user_.ctx, info_);
        dialog.show();
        Press(&dialog, QDialogButtonBox::Ok);
        QVERIFY(dialog.isVisible());
        QCOMPARE(user_.ui.shown.size(), std::size_t{1});
        QCOMPARE(user_.ui.shown[0].Text, std::string("Please select printing items."));
        QCOMPARE(user_.ui.shown[0].Icon, MessageIcon::Warning);
    }

    void cancelledPrintDialogKeepsTheSelectionOpen() {
        PrintListDialog dialog(image_, user_.ctx, info_);
        dialog.show();
        Input<QCheckBox>(&dialog, "optionsCheck")->setChecked(true);
        ModalDriver driver;
        driver.Then([](QWidget* window) { qobject_cast<QDialog*>(window)->reject(); });
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(driver.Pending(), 0);
        QVERIFY(dialog.isVisible());
        QVERIFY(Input<QCheckBox>(&dialog, "optionsCheck")->isChecked());
    }

    void acceptedJobPrintsTheTickedSectionsAndCloses() {
        const RadioImage before = image_;
        PrintListDialog dialog(image_, user_.ctx, info_);
        dialog.show();
        const QString pdf = QString::fromStdString((folder_.Path() / "job.pdf").string());
        dialog.Printer().setOutputFormat(QPrinter::PdfFormat);
        dialog.Printer().setOutputFileName(pdf);
        Input<QCheckBox>(&dialog, "channelsCheck")->setChecked(true);
        Input<QCheckBox>(&dialog, "bookCheck")->setChecked(true);
        ModalDriver driver;
        driver.Then([](QWidget* window) { qobject_cast<QDialog*>(window)->accept(); });
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(PdfPageCount(pdf), 2);
        QVERIFY(PdfPageText(pdf, 2).contains(QStringLiteral("Communication Book")));
        QVERIFY(image_.Record == before.Record);
    }
};

RP70_GUI_TEST(PrintListDialogTest);

#include "print_list_dialog_test.moc"
