// The embedded message window shows a radio's information block in the language in use.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>

#include "editors/embedded_message_dialog.h"
#include "model/bands.h"
#include "support/gui_test.h"
#include "support/shipped_program.h"

using namespace rp70;

class EmbeddedMessageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsEveryFieldOfTheRadioInfo() {
        using namespace std::chrono;
        RadioInfo info = NewRadioInfo(2024y / March / 5d);
        info.InfoBand = 19;
        info.AreaCode = std::string("86\0", 3);
        info.DealerCode = MakeFixedText<16>(std::string_view("D-42\0", 5));
        info.MaintenanceText = MakeFixedText<96>("NEW BATTERY");
        const LanguageTexts english = test::ShippedTexts();
        gui::EmbeddedMessageDialog dialog(info, english);

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Embedded Message"));
        auto* model = dialog.findChild<QComboBox*>(QStringLiteral("modelCombo"));
        QCOMPARE(model->count(), 1);
        QCOMPARE(model->currentText(), QStringLiteral("KT-RP70"));
        auto* band = dialog.findChild<QComboBox*>(QStringLiteral("bandCombo"));
        QCOMPARE(band->count(), 32);
        QCOMPARE(band->currentIndex(), 11);
        QCOMPARE(band->currentText(), QString::fromUtf8(BandCaption(19)));
        const auto edit = [&dialog](const char* name) {
            return dialog.findChild<QLineEdit*>(QLatin1String(name));
        };
        QCOMPARE(edit("areaCodeEdit")->text(), QStringLiteral("86"));
        QCOMPARE(edit("areaCodeEdit")->maxLength(), 4);
        QCOMPARE(edit("serialNumberEdit")->text(), QStringLiteral("2024030500000001"));
        QCOMPARE(edit("firmwareVersionEdit")->text(), QStringLiteral("V1.00"));
        QCOMPARE(edit("handlerEdit")->text(), QString());
        QVERIFY(edit("handlerEdit")->isReadOnly());
        QCOMPARE(dialog.findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("NEW BATTERY"));
        auto* dealer = dialog.findChild<QGroupBox*>(QStringLiteral("dealerGroup"));
        QCOMPARE(dealer->title(), QStringLiteral("Dealer Information"));
        QCOMPARE(dealer->findChild<QLineEdit*>(QStringLiteral("dealerCodeEdit"))->text(),
                 QStringLiteral("D-42"));
        QPushButton* close = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
        QCOMPARE(close->text(), QStringLiteral("&Close"));
        close->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        const LanguageTexts chinese = test::ShippedTexts(Language::Chinese);
        gui::EmbeddedMessageDialog inChinese(info, chinese);
        QCOMPARE(inChinese.windowTitle(), QStringLiteral("嵌入信息"));
        QCOMPARE(inChinese.findChild<QGroupBox*>()->title(), QStringLiteral("经销商信息"));
    }
};

RP70_GUI_TEST(EmbeddedMessageDialogTest);

#include "embedded_message_dialog_test.moc"
