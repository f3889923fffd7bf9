// The 2-tone dialog driven as a person would: every input of both pages changed and kept through
// OK, a save and a reopening of the data file, with the channels moved off a cleared entry;
// Cancel leaves the image as it was.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "editors/two_tone_dialog.h"
#include "editors/two_tone_table.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::DecodeTable;
using rp70::gui::TwoToneDialog;

namespace {

// Types into the widget with the focus, one key at a time ('\n' is Enter).
void Type(const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) {
        if (*key == '\n') {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            QTest::keyClick(QApplication::focusWidget(), *key);
        }
    }
}

// Clicks table cell (`row`, `column`), which opens its in-cell editor.
void EnterCell(DecodeTable* table, int row, int column) {
    const QModelIndex cell = table->model()->index(row, column);
    table->scrollTo(cell);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
}

QString Shown(DecodeTable* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

} // namespace

class TwoToneDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;

private slots:
    void init() {
        image_ = RadioImage();
        image_.Record.ChannelCount = 2;
        for (std::size_t slot : {0U, 1U}) {
            image_.Channels[slot].Signalling = kSignallingTwoTone;
            image_.Channels[slot].TwoToneNumber = 0;
        }
    }

    void everyChangeIsKeptThroughOkSaveAndReopen() {
        TwoToneDialog dialog(image_, user_.ctx);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("2-Tone"));
        auto* pages = Input<QTabWidget>(&dialog, "pages");
        QCOMPARE(pages->tabText(1), QStringLiteral("Decode Settings"));

        Combo(&dialog, "pairCombo")->setCurrentText(QStringLiteral("D-C"));
        auto* toneA = Input<QLineEdit>(&dialog, "toneAEdit");
        auto* toneC = Input<QLineEdit>(&dialog, "toneCEdit");
        auto* toneD = Input<QLineEdit>(&dialog, "toneDEdit");
        QVERIFY(!toneA->isEnabled());
        toneD->setFocus();
        toneD->selectAll();
        Type("5000\n"); // Enter moves on
        QCOMPARE(toneD->text(), QStringLiteral("3116"));
        toneC->setFocus();
        toneC->clear();
        Type("1x000.25\n"); // only digits and "." are taken
        QCOMPARE(toneC->text(), QStringLiteral("1000.25"));
        Combo(&dialog, "time1Combo")->setCurrentText(QStringLiteral("10.0"));
        Combo(&dialog, "time2Combo")->setCurrentText(QStringLiteral("0.6"));
        Combo(&dialog, "time3Combo")->setCurrentText(QStringLiteral("2.5"));
        Combo(&dialog, "intervalCombo")->setCurrentText(QStringLiteral("300"));
        Combo(&dialog, "resetTimeCombo")->setCurrentText(QStringLiteral("12.5"));
        Combo(&dialog, "responseCombo")->setCurrentText(QStringLiteral("Reply"));
        QTest::mouseClick(Input<QCheckBox>(&dialog, "sideToneCheck"), Qt::LeftButton);

        pages->setCurrentIndex(1);
        auto* table = Input<DecodeTable>(&dialog, "decodeTable");
        EnterCell(table, 3, 1);
        Type("1000\n250\nlongname\n\n"); // Enter in the next, empty first tone skips its entry
        QCOMPARE(Shown(table, 3, 2), QStringLiteral("288.0"));
        QCOMPARE(table->currentIndex(), table->model()->index(5, 1));
        EnterCell(table, 0, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete); // clears entry 0
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const auto reopened = SavedAndReopened(image_, user_, folder_.Path() / "twotone.dat");
        QVERIFY(reopened);
        const TwoToneRecord& r = reopened->Record.Function.TwoTone;
        using B = std::array<std::uint8_t, 2>;
        QCOMPARE(r.EncodePair, std::uint8_t{11});
        QCOMPARE(r.EncodeTone1, (B{0x79, 0xB8}));    // 3116.0 Hz
        QCOMPARE(r.EncodeTone2, (B{0x27, 0x13}));    // 1000.25 Hz stored as 10003
        QCOMPARE(r.EncodeDivider1, (B{0x04, 0x13})); // 6500000 / 6232 = 1043
        QCOMPARE(r.ToneFrequencies[2], (B{0x13, 0x27}));
        QCOMPARE(
            (std::array<int, 7>{r.TwoToneTime1, r.TwoToneTime2, r.TwoToneTime3, r.TwoToneSetting23,
                                r.TwoToneSetting9, r.TwoToneSetting10, r.SideTone2}),
            (std::array<int, 7>{100, 6, 25, 3, 125, 2, 1}));
        QCOMPARE(r.Entries[0].EntryEmpty, std::int16_t{1});
        QCOMPARE(r.Entries[3].EntryEmpty, std::int16_t{0});
        QCOMPARE(r.Entries[3].DecodeTone1, (B{39, 16}));
        QCOMPARE(TextOf(r.Entries[3].EntryName), std::string("longnam"));
        QCOMPARE(reopened->Channels[0].TwoToneNumber, std::int16_t{3});
        QCOMPARE(reopened->Channels[1].TwoToneNumber, std::int16_t{3});
    }

    void cancelLeavesTheImageAsItWas() {
        image_.Record.Function.TwoTone.ToneFrequencies[2] = {0, 0}; // shown as its default
        const TwoToneRecord before = image_.Record.Function.TwoTone;
        TwoToneDialog dialog(image_, user_.ctx);
        dialog.show();
        QCOMPARE(Input<QLineEdit>(&dialog, "toneCEdit")->text(), QStringLiteral("626.5"));
        Combo(&dialog, "pairCombo")->setCurrentIndex(14);
        Press(&dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(image_.Record.Function.TwoTone, before);
    }
};

RP70_GUI_TEST(TwoToneDialogTest);

#include "two_tone_dialog_test.moc"
