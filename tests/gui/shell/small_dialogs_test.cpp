// The language dialog and the about box, and the captions of every small dialog.

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <memory>
#include <vector>

#include "files/file_password_dialog.h"
#include "link/com_port_dialog.h"
#include "link/progress_dialog.h"
#include "link/radio_password_dialog.h"
#include "model/model_dialog.h"
#include "shell/about_box.h"
#include "shell/language_dialog.h"
#include "support/gui_test.h"
#include "support/shipped_program.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;

Q_DECLARE_METATYPE(rp70::Language)

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

    void everySmallDialogIsWideEnoughForItsCaption_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << Language::English;
        QTest::newRow("Chinese") << Language::Chinese;
    }

    void everySmallDialogIsWideEnoughForItsCaption() {
        QFETCH(Language, language);
        test::TempFolder folder;
        test::StartedProgram program(folder.Path());
        SetLanguage(program.state, language);
        const LanguageTexts& texts = program.state.Texts;
        UserContext ctx{program.ui, texts};
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.push_back(std::make_unique<RadioPasswordDialog>("", texts));
        dialogs.push_back(std::make_unique<FilePasswordDialog>("", texts));
        dialogs.push_back(std::make_unique<ModelDialog>(*program.image, ctx, folder.Path()));
        dialogs.push_back(std::make_unique<ComPortDialog>(program.state, PortLister()));
        dialogs.push_back(std::make_unique<LanguageDialog>(language, texts));
        dialogs.push_back(std::make_unique<AboutBox>(texts));
        dialogs.push_back(std::make_unique<ProgressDialog>(TransferKind::Write, texts));

        QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        titleFont.setBold(true);
        const QFontMetrics title(titleFont);
        for (const auto& dialog : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            // The caption, and a window icon and three buttons as wide as the text is high.
            const int needed = title.horizontalAdvance(dialog->windowTitle()) + 4 * title.height();
            QVERIFY2(dialog->width() >= needed, qPrintable(dialog->windowTitle()));
            dialog->hide();
        }
    }
};

RP70_GUI_TEST(SmallDialogsTest);

#include "small_dialogs_test.moc"
