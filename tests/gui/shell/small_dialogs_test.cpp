// The language dialog and the about box.

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>

#include "shell/about_box.h"
#include "shell/language_dialog.h"
#include "support/gui_test.h"
#include "support/shipped_program.h"

using namespace rp70;
using namespace rp70::gui;

namespace {} // namespace

class SmallDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void languageDialogOffersBothLanguages() {
        const LanguageTexts texts = test::ShippedTexts();
        LanguageDialog dialog(Language::Chinese, texts);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Language"));
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("Language"));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("languageList"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("English"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Chinese"));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(dialog.Chosen(), Language::Chinese);

        list->setCurrentRow(0);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Chosen(), Language::English);

        LanguageDialog english(Language::English, texts);
        QCOMPARE(english.findChild<QListWidget*>(QStringLiteral("languageList"))->currentRow(), 0);
    }

    void aboutBoxShowsVersionDescriptionAndNotice() {
        const LanguageTexts texts = test::ShippedTexts();
        AboutBox box(texts);
        QCOMPARE(box.windowTitle(), QStringLiteral("rp70cps"));
        QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                    .match(box.findChild<QLabel*>(QStringLiteral("versionLabel"))->text())
                    .hasMatch());
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("descriptionLabel"))->text(),
                 QString::fromStdString(texts.GetText(2101)));
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("noticeLabel"))->text(),
                 QString::fromStdString(texts.GetText(2100)));
        const QList<QAbstractButton*> buttons = box.findChild<QDialogButtonBox*>()->buttons();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("OK"));
        buttons.front()->click();
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }
};

RP70_GUI_TEST(SmallDialogsTest);

#include "small_dialogs_test.moc"
