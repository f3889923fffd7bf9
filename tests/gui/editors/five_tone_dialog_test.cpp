// The 5-tone dialog driven as a person would: every system input, both PTT-ID codes (one through
// its special call), an info code and a grid cell changed and kept through OK, a save and a
// reopening of the data file; a short own ID is refused; Cancel leaves the image as it was.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "editors/five_tone_code_table.h"
#include "editors/five_tone_dialog.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::FiveToneCodeTable;
using rp70::gui::FiveToneDialog;

namespace {

// Replaces the text of `edit` by typing `keys`, then moves the focus to `next`.
void Retype(QLineEdit* edit, const QString& keys, QWidget* next) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
    next->setFocus();
}

void Choose(QWidget* dialog, const char* name, const char* text) {
    QComboBox* list = Combo(dialog, name);
    const int index = list->findText(QLatin1String(text));
    QVERIFY2(index >= 0, text);
    list->setCurrentIndex(index);
}

} // namespace

class FiveToneDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;

private slots:
    void init() {
        image_ = RadioImage();
        SetDefaults(image_.Record);
        user_.ui.shown.clear();
    }

    void everyChangeIsKeptThroughOkSaveAndReopen() {
        FiveToneDialog dialog(image_, user_.ctx);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("5-Tone"));
        auto* ownId = Input<QLineEdit>(&dialog, "ownIdEdit");
        QComboBox* standard = Combo(&dialog, "standardCombo");

        Retype(ownId, QStringLiteral("12a34"), standard); // digits only
        QCOMPARE(user_.ui.Texts(), std::vector<std::string>{"Please enter a 5-digit ID."});
        QVERIFY(ownId->hasFocus());
        Retype(ownId, QStringLiteral("12345"), standard);

        Choose(&dialog, "standardCombo", "CCIR1");
        QCOMPARE(Combo(&dialog, "toneLengthCombo")->currentText(), QStringLiteral("100"));
        QVERIFY(Input<QPlainTextEdit>(&dialog, "tableText")->toPlainText().startsWith("CCIR1\n"));
        Choose(&dialog, "decodeResponseCombo", "Reply");
        Choose(&dialog, "toneLengthCombo", "90");
        Choose(&dialog, "preSendDelayCombo", "2550");
        Choose(&dialog, "resetTimeCombo", "25.0");
        Choose(&dialog, "postSendDelayCombo", "10");
        Choose(&dialog, "pauseTimeCombo", "75");
        Choose(&dialog, "firstDigitDelayCombo", "100");
        QVERIFY(!Combo(&dialog, "codePauseTimeCombo")->isEnabled());
        Choose(&dialog, "pauseCodeCombo", "F");
        QVERIFY(Combo(&dialog, "codePauseTimeCombo")->isEnabled());
        Choose(&dialog, "codePauseTimeCombo", "2550");
        Choose(&dialog, "decodeTimeCombo", "2000");
        QTest::mouseClick(Input<QCheckBox>(&dialog, "sideToneCheck"), Qt::LeftButton);

        auto* beginCode = Input<QLineEdit>(&dialog, "beginCodeEdit");
        Retype(beginCode, QStringLiteral("11g2b"), standard);
        QCOMPARE(beginCode->text(), QStringLiteral("1E2B"));
        Choose(&dialog, "beginStandardCombo", "EEA");
        QCOMPARE(Combo(&dialog, "beginToneLengthCombo")->currentText(), QStringLiteral("40"));
        ModalDriver driver;
        driver.Then([](QWidget* special) {
            Choose(special, "callTypeCombo", "PTTID");
            Press(special, QDialogButtonBox::Ok);
        });
        QTest::mouseClick(Input<QPushButton>(&dialog, "endSpecialButton"), Qt::LeftButton);
        QCOMPARE(Input<QLineEdit>(&dialog, "endCodeEdit")->text(), QStringLiteral("E612345"));
        QVERIFY(driver.Unexpected().isEmpty());

        Choose(&dialog, "infoNumberCombo", "3");
        QCOMPARE(Input<QGroupBox>(&dialog, "infoGroup")->title(), QStringLiteral("Info Code #3"));
        Choose(&dialog, "infoFunctionCombo", "Wake Up");
        QVERIFY(!Combo(&dialog, "infoResponseCombo")->isEnabled());
        Retype(Input<QLineEdit>(&dialog, "infoCodeEdit"), QStringLiteral("12ab"), standard);
        Retype(Input<QLineEdit>(&dialog, "infoNameEdit"), QStringLiteral("Gate"), standard);

        auto* table = Input<FiveToneCodeTable>(&dialog, "codeTable");
        const QModelIndex cell = table->model()->index(2, static_cast<int>(CodeColumn::Code));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
        auto* cellEdit = table->findChild<QLineEdit*>(QStringLiteral("codeCellEdit"));
        QVERIFY(cellEdit != nullptr);
        QTest::keyClicks(cellEdit, QStringLiteral("5555"));
        Press(&dialog, QDialogButtonBox::Ok); // commits the open cell
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const auto reopened = SavedAndReopened(image_, user_, folder_.Path() / "fivetone.dat");
        QVERIFY(reopened);
        const FiveToneRecord& r = reopened->Record.Function.FiveTone;
        QCOMPARE(TextOf(r.OwnId), std::string("12345"));
        QCOMPARE((std::array<int, 12>{r.Standard, r.DecodeResponse, r.ToneLength, r.PreSendDelay,
                                      r.ResetTime, r.PostSendDelay, r.PauseTime, r.FirstDigitDelay,
                                      r.PauseCode, r.PauseCodeTime, r.SideTone,
                                      reopened->Record.DecodeTime}),
                 (std::array<int, 12>{6, 2, 9, 255, 250, 1, 75, 10, 15, 255, 1, 200}));
        QCOMPARE(TextOf(r.BotCode.Digits), std::string("1E2B"));
        QCOMPARE((std::array<int, 3>{r.BotCode.Length, r.BotCode.Standard, r.BotCode.ToneLength}),
                 (std::array<int, 3>{4, 9, 4}));
        QCOMPARE(TextOf(r.EotCode.Digits), std::string("E612345"));
        const FiveToneInfoCode& info = r.InfoCodes[2];
        QCOMPARE((std::array<int, 3>{info.Function, info.Response, info.Length}),
                 (std::array<int, 3>{5, 2, 4}));
        QCOMPARE(TextOf(info.Digits), std::string("12AB"));
        QCOMPARE(TextOf(info.Name), std::string("Gate"));
        QCOMPARE(TextOf(r.Codes[2].Digits), std::string("5E5E"));
        QCOMPARE(int(r.Codes[2].InUseFlag), 0);
    }

    void cancelLeavesTheImageAsItWas() {
        const ImageRecord before = image_.Record;
        FiveToneDialog dialog(image_, user_.ctx);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Choose(&dialog, "standardCombo", "NATEL");
        Choose(&dialog, "infoFunctionCombo", "Remote Kill");
        Press(&dialog, QDialogButtonBox::Ok); // no own ID yet: refused, still open
        QCOMPARE(user_.ui.Texts(), std::vector<std::string>{"Please enter a 5-digit ID."});
        QVERIFY(dialog.isVisible());
        Press(&dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(image_.Record, before);
    }
};

RP70_GUI_TEST(FiveToneDialogTest);

#include "five_tone_dialog_test.moc"
