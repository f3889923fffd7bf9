// The channel edit dialog driven as a person would: typing, choosing, ticking and pressing OK or
// Cancel, then looking at the image.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "channels/channel_edit_dialog.h"
#include "channels/channel_list.h"
#include "channels/channel_row.h"
#include "model/conversions.h"
#include "support/gui_test.h"
#include "support/user_context_fixture.h"

using namespace rp70;
using rp70::gui::ChannelEditDialog;

namespace {

const FeatureFlags kAllSignalling{true, true, true, false};

// A channel on 145.50000 MHz holding data, every other field as a new record has it.
ChannelRecord Channel(int number) {
    ChannelRecord channel = NewChannelRecord(static_cast<std::int16_t>(number));
    channel.InUse = 1;
    channel.RxFreq = MakeFixedText<9>("014550000");
    return channel;
}

template <typename T> T* Input(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QLatin1String(name));
    if (widget == nullptr) {
        qFatal("no input %s", name);
    }
    return widget;
}

QLineEdit* Edit(QWidget* dialog, const char* name) {
    return Input<QLineEdit>(dialog, name);
}
QComboBox* Combo(QWidget* dialog, const char* name) {
    return Input<QComboBox>(dialog, name);
}
QCheckBox* Check(QWidget* dialog, const char* name) {
    return Input<QCheckBox>(dialog, name);
}

void Press(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(Input<QDialogButtonBox>(dialog, "buttons")->button(which), Qt::LeftButton);
}

// Clicks the box's indicator at its left edge, where every style draws it.
void Tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Replaces the text of an input by typing.
void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class ChannelEditDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::UserContextFixture> user_;
    RadioImage image_;

    void Put(const ChannelRecord& channel) {
        image_.Channels[static_cast<std::size_t>(image_.Record.ChannelCount++)] = channel;
    }

    const ChannelRecord& Slot(int number) const {
        return image_.Channels[static_cast<std::size_t>(FindChannel(image_, number).value())];
    }

    std::unique_ptr<ChannelEditDialog> Open(int number) {
        auto dialog =
            std::make_unique<ChannelEditDialog>(image_, number, kAllSignalling, user_->ctx);
        dialog->show();
        return dialog;
    }

private slots:
    void init() {
        user_ = std::make_unique<test::UserContextFixture>();
        image_ = RadioImage(); // band 3; the VFO in its two slots
    }

    void anEmptyChannelWaitsForAReceiveFrequency() {
        auto dialog = Open(17);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Channel Edit"));
        QLineEdit* rx = Edit(dialog.get(), "rxFreqEdit");
        QVERIFY(rx->isEnabled());
        QVERIFY(rx->text().isEmpty());
        QVERIFY(Edit(dialog.get(), "offsetEdit")->isEnabled());
        for (const char* name : {"txFreqEdit", "nameBox0", "pttIdCodeEdit"}) {
            QVERIFY2(!Edit(dialog.get(), name)->isEnabled(), name);
        }
        QVERIFY(!Combo(dialog.get(), "stepCombo")->isEnabled());
        QVERIFY(!Check(dialog.get(), "scanSkipCheck")->isEnabled());

        QTest::keyClicks(rx, "1");
        QVERIFY(Combo(dialog.get(), "stepCombo")->isEnabled());
        QVERIFY(Edit(dialog.get(), "txFreqEdit")->isEnabled());
        QVERIFY(Edit(dialog.get(), "pttIdCodeEdit")->isEnabled());
        QVERIFY(Check(dialog.get(), "scanSkipCheck")->isEnabled());

        QTest::keyClick(rx, Qt::Key_Backspace);
        QVERIFY(!Combo(dialog.get(), "stepCombo")->isEnabled());
    }

    void clearingTheReceiveFrequencyDeletesTheChannel() {
        image_.Record.ChannelCount = 0;
        Put(Channel(3));
        Put(Channel(17));
        auto dialog = Open(17);
        Retype(Edit(dialog.get(), "rxFreqEdit"), QString());
        Press(dialog.get(), QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!ChannelExists(image_, 17));
        QCOMPARE(RenderChannelNumber(image_, 17, user_->ctx), ChannelRowTexts{});
        QVERIFY(user_->ui.shown.empty());
    }

    void theVfoKeepsTheDialogOpenWithoutAReceiveFrequency() {
        const ChannelTable before = image_.Channels;
        auto dialog = Open(kVfoChannel);
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QLineEdit* rx = Edit(dialog.get(), "rxFreqEdit");
        QVERIFY(!Edit(dialog.get(), "pttIdCodeEdit")->isEnabled());
        Retype(rx, QString());
        Combo(dialog.get(), "stepCombo")->setFocus();
        Press(dialog.get(), QDialogButtonBox::Ok);

        QCOMPARE(user_->ui.Texts(), std::vector<std::string>{"VFO can't be null!"});
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QTRY_VERIFY(rx->hasFocus());
        QCOMPARE(image_.Channels, before);
    }

    void aTransmitFrequencyBelowTheReceiveFrequencyStoresAMinusShift() {
        image_.Record.ChannelCount = 0;
        Put(Channel(5));
        auto dialog = Open(5);
        QCOMPARE(Edit(dialog.get(), "rxFreqEdit")->text(), QStringLiteral("145.50000"));
        Retype(Edit(dialog.get(), "txFreqEdit"), QStringLiteral("144.900"));
        Press(dialog.get(), QDialogButtonBox::Ok);

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(Slot(5).ShiftDirection, kShiftMinus);
        QCOMPARE(TextOf(Slot(5).TxOffset), std::string("000060000"));
        QCOMPARE(RenderChannelNumber(image_, 5, user_->ctx)[1], std::string("144.90000"));
    }

    void reverseAndTalkAroundExcludeEachOther() {
        image_.Record.ChannelCount = 0;
        ChannelRecord channel = Channel(5);
        channel.TalkAround = 1;
        channel.TxToneType = kToneCtcss;
        Put(channel);
        auto dialog = Open(5);
        QCheckBox* reverse = Check(dialog.get(), "reverseCheck");
        QCheckBox* talkAround = Check(dialog.get(), "talkAroundCheck");
        QComboBox* squelch = Combo(dialog.get(), "squelchCombo");
        QVERIFY(talkAround->isChecked());
        QCOMPARE(squelch->count(), 1);

        Tick(reverse);
        QVERIFY(reverse->isChecked());
        QVERIFY(!talkAround->isChecked());
        QCOMPARE(squelch->count(), 2); // the encode tone counts now

        Tick(talkAround);
        QVERIFY(!reverse->isChecked());
        QCOMPARE(squelch->count(), 1);
    }

    void theChosenToneAndSignallingShowTheirListsAndSquelchModes() {
        image_.Record.ChannelCount = 0;
        Put(Channel(5));
        auto dialog = Open(5);
        QComboBox* squelch = Combo(dialog.get(), "squelchCombo");
        QCOMPARE(squelch->count(), 1);
        QVERIFY(!Combo(dialog.get(), "rxDcsCombo")->isVisible());

        Combo(dialog.get(), "rxToneTypeCombo")->setCurrentIndex(kToneDcs);
        QCOMPARE(squelch->count(), 2);
        QCOMPARE(squelch->itemText(1), QStringLiteral("CTCSS/DCS"));
        QVERIFY(Combo(dialog.get(), "rxDcsCombo")->isVisible());
        QVERIFY(Check(dialog.get(), "rxInvertCheck")->isVisible());
        QVERIFY(!Combo(dialog.get(), "rxCtcssCombo")->isVisible());
        QCOMPARE(Combo(dialog.get(), "rxDcsCombo")->currentText(), QStringLiteral("000"));

        squelch->setCurrentIndex(1);
        Combo(dialog.get(), "signallingCombo")->setCurrentText(QStringLiteral("2Tone"));
        QCOMPARE(squelch->count(), 5);
        QCOMPARE(squelch->currentIndex(), 1);
        QVERIFY(Combo(dialog.get(), "twoToneCombo")->isVisible());
        QVERIFY(!Check(dialog.get(), "pttIdCheck")->isVisible());

        Combo(dialog.get(), "signallingCombo")->setCurrentText(QStringLiteral("DTMF"));
        QVERIFY(!Combo(dialog.get(), "twoToneCombo")->isVisible());
        QVERIFY(Combo(dialog.get(), "dtmfCodeCombo")->isVisible());
        QCOMPARE(Combo(dialog.get(), "dtmfCodeCombo")->currentText(), QStringLiteral("M1"));
        Tick(Check(dialog.get(), "pttIdCheck"));
        Press(dialog.get(), QDialogButtonBox::Ok);

        QCOMPARE(Slot(5).Signalling, kSignallingDtmf);
        QCOMPARE(Slot(5).PttIdEnable, std::int16_t{1});
        QCOMPARE(Slot(5).RxToneType, kToneDcs);
        QCOMPARE(Slot(5).SquelchMode, std::int16_t{1});
    }

    void onlyOnePttIdKindIsActive() {
        image_.Record.ChannelCount = 0;
        Put(Channel(5));
        auto dialog = Open(5);
        QComboBox* dtmf = Combo(dialog.get(), "dtmfPttIdCombo");
        QComboBox* fiveTone = Combo(dialog.get(), "fiveTonePttIdCombo");
        fiveTone->setCurrentIndex(2);
        dtmf->setCurrentIndex(1);
        QCOMPARE(fiveTone->currentIndex(), 0);
        fiveTone->setCurrentIndex(3);
        QCOMPARE(dtmf->currentIndex(), 0);
    }

    void okStoresTheRepairedAndPaddedValues() {
        image_.Record.ChannelCount = 0;
        ChannelRecord channel = Channel(5);
        channel.ExtraDisplay = 3;
        Put(channel);
        auto dialog = Open(5);
        QCOMPARE(Combo(dialog.get(), "extraDisplayCombo")->currentIndex(), 0);
        Retype(Edit(dialog.get(), "pttIdCodeEdit"), QStringLiteral("7"));
        Press(dialog.get(), QDialogButtonBox::Ok);

        QCOMPARE(Slot(5).ExtraDisplay, std::int16_t{0});
        QCOMPARE(TextOf(Slot(5).PttIdCode), std::string("70000"));
    }

    void typedNameCharactersMoveOnToTheNextBox() {
        image_.Record.ChannelCount = 0;
        Put(Channel(5));
        auto dialog = Open(5);
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        Edit(dialog.get(), "nameBox0")->setFocus();
        for (char c : std::string("AB\\C")) {
            QTest::keyClick(QApplication::focusWidget(), c);
        }
        QCOMPARE(QApplication::focusWidget(), Edit(dialog.get(), "nameBox3"));
        Press(dialog.get(), QDialogButtonBox::Ok);
        QCOMPARE(TextOf(Slot(5).Name), std::string("ABC"));
    }

    void band16FixesTheFrequenciesOfItsFirst80Channels() {
        SetBandCode(image_, 16);
        image_.Record.ChannelCount = 0;
        ChannelRecord channel = Channel(50);
        channel.RxFreq = MakeFixedText<9>("024500000");
        Put(channel);
        auto dialog = Open(50);
        QVERIFY(!Edit(dialog.get(), "rxFreqEdit")->isEnabled());
        QVERIFY(!Edit(dialog.get(), "txFreqEdit")->isEnabled());
        QVERIFY(Combo(dialog.get(), "stepCombo")->isEnabled());

        auto other = Open(81);
        QVERIFY(Edit(other.get(), "rxFreqEdit")->isEnabled());
    }

    void cancelChangesNothing() {
        image_.Record.ChannelCount = 0;
        Put(Channel(5));
        const ChannelTable before = image_.Channels;
        auto dialog = Open(5);
        Retype(Edit(dialog.get(), "rxFreqEdit"), QStringLiteral("150"));
        Tick(Check(dialog.get(), "scanSkipCheck"));
        Combo(dialog.get(), "powerCombo")->setCurrentIndex(2);
        Press(dialog.get(), QDialogButtonBox::Cancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(image_.Channels, before);
        QCOMPARE(image_.Record.ChannelCount, std::int16_t{1});
    }

    void theReceiveFrequencyTakesOnlyTypedDigitsAndPoints() {
        image_.Record.ChannelCount = 0;
        Put(Channel(5));
        auto dialog = Open(5);
        QLineEdit* rx = Edit(dialog.get(), "rxFreqEdit");
        QGuiApplication::clipboard()->setText(QStringLiteral("146.00000"));
        rx->selectAll();
        QTest::keyClick(rx, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rx->text(), QStringLiteral("145.50000"));
        QCOMPARE(rx->contextMenuPolicy(), Qt::NoContextMenu);
        Retype(rx, QStringLiteral("1x4-6.5"));
        QCOMPARE(rx->text(), QStringLiteral("146.5"));
    }
};

RP70_GUI_TEST(ChannelEditDialogTest);

#include "channel_edit_dialog_test.moc"
