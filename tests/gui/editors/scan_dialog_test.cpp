// The scan dialog driven as a person would: every input changed and kept through OK, a save and a
// reopening of the data file; Cancel keeps only the repairs of opening.

#include <QCheckBox>
#include <QTest>

#include "editors/scan_dialog.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/rich_image.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::ScanDialog;

class ScanDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;

private slots:
    void init() {
        image_ = RadioImage();
        FillRichImage(image_); // every channel; scan settings 1, 3, 7, 10, 20, 30, 40, 3, 1, 255, …
    }

    void everyChangeIsKeptThroughOkSaveAndReopen() {
        ScanDialog dialog(image_, user_.ctx);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Scan"));
        Combo(&dialog, "priorityModeCombo")->setCurrentText(QStringLiteral("Priority CH2"));
        QVERIFY(!Combo(&dialog, "priorityChannel1Combo")->isEnabled());
        QComboBox* revert = Combo(&dialog, "revertCombo");
        QCOMPARE(revert->count(), 6);
        revert->setCurrentIndex(2); // "Priority CH2", choice 3
        Combo(&dialog, "priorityChannel2Combo")->setCurrentText(QStringLiteral("39"));
        Combo(&dialog, "lookBackACombo")->setCurrentText(QStringLiteral("0.5"));
        Combo(&dialog, "lookBackBCombo")->setCurrentText(QStringLiteral("5.0"));
        Combo(&dialog, "rxResumeCombo")->setCurrentText(QStringLiteral("2.5"));
        Combo(&dialog, "txResumeCombo")->setCurrentText(QStringLiteral("0.1"));
        QTest::mouseClick(Input<QCheckBox>(&dialog, "entryToneCheck"), Qt::LeftButton);
        Combo(&dialog, "priorityModeCombo")->setCurrentIndex(3); // both: choice 3 stays
        Combo(&dialog, "priorityChannel1Combo")->setCurrentText(QStringLiteral("1"));
        Combo(&dialog, "scanModeCombo")->setCurrentIndex(0);
        QVERIFY(!revert->isEnabled());
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const auto reopened = SavedAndReopened(image_, user_, folder_.Path() / "scan.dat");
        QVERIFY(reopened);
        // The hidden scan type and wait time and the group bytes are kept.
        const ScanRecord expected{0, 3, 3, 0, 45, 24, 0, 3, 0, 255, 0, 2, 7, 40};
        QCOMPARE(reopened->Record.Function.Scan, expected);
    }

    void cancelKeepsOnlyTheRepairsOfOpening() {
        ScanRecord& scan = image_.Record.Function.Scan;
        scan = {1, 0, 6, 0, 0, 0, 0, 0, 2, 1, 0, 250, 0, 0}; // revert 6 needs priority channel 1
        const ScanRecord repaired{1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 250, 0, 0};
        ScanDialog dialog(image_, user_.ctx);
        dialog.show();
        QCOMPARE(Combo(&dialog, "priorityChannel1Combo")->currentIndex(), -1); // no channel 250
        Combo(&dialog, "lookBackBCombo")->setCurrentIndex(9);
        Press(&dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(scan, repaired);
    }
};

RP70_GUI_TEST(ScanDialogTest);

#include "scan_dialog_test.moc"
