// The real dialogs behind the core's questions, answered as a person would.

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "shell/dialog_interaction.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/shipped_program.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;

Q_DECLARE_METATYPE(rp70::MessageButtons)
Q_DECLARE_METATYPE(rp70::MessageIcon)
Q_DECLARE_METATYPE(rp70::Answer)

namespace {

// Types `text` into the password dialog that showed and presses OK (or Cancel).
test::ModalDriver::Handler TypePassword(const QString& text, bool ok) {
    return [text, ok](QWidget* window) {
        auto* edit = window->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
        QVERIFY(edit != nullptr);
        edit->clear();
        QTest::keyClicks(edit, text);
        ok ? static_cast<QDialog*>(window)->accept() : static_cast<QDialog*>(window)->reject();
    };
}

// Chooses `path` in the file dialog that showed, or cancels it when `path` is empty.
test::ModalDriver::Handler ChooseFile(const QString& path) {
    return [path](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (dialog == nullptr) {
            window->close();
            QFAIL("no file dialog");
        }
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        // Accepted from the event loop: the dialog may ask a question of its own, which the
        // driver answers only once this handler has returned. (QFileDialog::accept is
        // protected.)
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
    };
}

} // namespace

class DialogInteractionTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxAnswers_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<int>("click"); // a QMessageBox::StandardButton; 0 presses Escape
        QTest::addColumn<Answer>("answer");
        QTest::newRow("ok") << MessageButtons::Ok << int(QMessageBox::Ok) << Answer::Ok;
        QTest::newRow("ok escape") << MessageButtons::Ok << 0 << Answer::Ok;
        QTest::newRow("ok cancel: ok")
            << MessageButtons::OkCancel << int(QMessageBox::Ok) << Answer::Ok;
        QTest::newRow("ok cancel: escape") << MessageButtons::OkCancel << 0 << Answer::Cancel;
        QTest::newRow("yes no: yes")
            << MessageButtons::YesNo << int(QMessageBox::Yes) << Answer::Yes;
        QTest::newRow("yes no: escape") << MessageButtons::YesNo << 0 << Answer::No;
        QTest::newRow("yes no cancel: no")
            << MessageButtons::YesNoCancel << int(QMessageBox::No) << Answer::No;
        QTest::newRow("yes no cancel: cancel")
            << MessageButtons::YesNoCancel << int(QMessageBox::Cancel) << Answer::Cancel;
        QTest::newRow("yes no cancel: escape")
            << MessageButtons::YesNoCancel << 0 << Answer::Cancel;
    }

    void messageBoxAnswers() {
        QFETCH(MessageButtons, buttons);
        QFETCH(int, click);
        QFETCH(Answer, answer);
        const LanguageTexts texts;
        DialogInteraction ui(texts);
        test::ModalDriver driver;
        int buttonCount = 0;
        driver.Then([&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            buttonCount = static_cast<int>(box->buttons().size());
            if (click == 0) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                box->button(QMessageBox::StandardButton(click))->click();
            }
        });
        QCOMPARE(ui.Show({"Sure?", "", MessageIcon::Question, buttons}), answer);
        QCOMPARE(buttonCount, buttons == MessageButtons::Ok            ? 1
                              : buttons == MessageButtons::YesNoCancel ? 3
                                                                       : 2);
        QVERIFY(driver.Unexpected().isEmpty());
    }

    void messageBoxTitleIconAndText_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<int>("boxIcon");
        QTest::newRow("none") << MessageIcon::None << int(QMessageBox::NoIcon);
        QTest::newRow("information") << MessageIcon::Information << int(QMessageBox::Information);
        QTest::newRow("warning") << MessageIcon::Warning << int(QMessageBox::Warning);
        QTest::newRow("exclamation") << MessageIcon::Exclamation << int(QMessageBox::Warning);
        QTest::newRow("question") << MessageIcon::Question << int(QMessageBox::Question);
        QTest::newRow("critical") << MessageIcon::Critical << int(QMessageBox::Critical);
    }

    void messageBoxTitleIconAndText() {
        QFETCH(MessageIcon, icon);
        QFETCH(int, boxIcon);
        const LanguageTexts texts;
        DialogInteraction ui(texts);
        test::ModalDriver driver;
        QStringList titles;
        int shownIcon = -1;
        Qt::TextFormat format = Qt::AutoText;
        for (int i = 0; i < 2; ++i) {
            driver.Then([&](QWidget* window) {
                auto* box = qobject_cast<QMessageBox*>(window);
                titles << box->windowTitle();
                shownIcon = box->icon();
                format = box->textFormat();
                box->button(QMessageBox::Ok)->click();
            });
        }
        ui.Show({"<b>file error.</b>", "", icon, MessageButtons::Ok});
        ui.Show({"x", "Warning", icon, MessageButtons::Ok});
        QCOMPARE(titles, (QStringList{"rp70cps", "Warning"}));
        QCOMPARE(shownIcon, boxIcon);
        QCOMPARE(driver.Messages().front(), QStringLiteral("<b>file error.</b>"));
        QCOMPARE(format, Qt::PlainText); // a file name is never read as markup
    }

    void fileChoices() {
        test::TempFolder folder;
        const QString dir = QString::fromStdString(folder.Path().string());
        std::ofstream(folder.Path() / "old.dat") << "x";
        const LanguageTexts texts;
        DialogInteraction ui(texts);
        test::ModalDriver driver;
        const FileChoice choice{"Data File (*.dat)", folder.Path().string()};

        driver.Then(ChooseFile(dir + "/old.dat"));
        QCOMPARE(ui.ChooseOpenFile(choice),
                 std::optional<std::filesystem::path>((folder.Path() / "old.dat")));

        // Replacing a file is confirmed, also when the name was typed without ".dat".
        driver.Then(ChooseFile(dir + "/old"));
        driver.ThenAnswer(QMessageBox::Yes);
        QCOMPARE(ui.ChooseSaveFile(choice),
                 std::optional<std::filesystem::path>((folder.Path() / "old.dat")));
        QCOMPARE(driver.Pending(), 0);
        driver.Then(ChooseFile(dir + "/fresh"));
        QCOMPARE(ui.ChooseSaveFile(choice),
                 std::optional<std::filesystem::path>((folder.Path() / "fresh.dat")));

        driver.Then(ChooseFile({}));
        QCOMPARE(ui.ChooseSaveFile(choice), std::nullopt);
        driver.Then(ChooseFile({}));
        QCOMPARE(ui.ChooseOpenFile(choice), std::nullopt);
        QVERIFY(driver.Unexpected().isEmpty());
    }

    void fileDialogsStartAtTheProposedOrLastFolder() {
        test::TempFolder folder;
        const QString dir = QString::fromStdString(folder.Path().string());
        const QString other = dir + "/other";
        QVERIFY(QDir().mkpath(other));
        const LanguageTexts texts;
        DialogInteraction ui(texts);
        test::ModalDriver driver;
        QStringList starts;
        const auto startsThenChooses = [&](const QString& path) {
            return [&, path](QWidget* window) {
                starts << qobject_cast<QFileDialog*>(window)->directory().absolutePath();
                ChooseFile(path)(window);
            };
        };
        const std::string filter = "Data File (*.dat)";

        // Nothing chosen yet: a bare name lands in the home folder, not the working directory.
        driver.Then(startsThenChooses(dir + "/a.dat"));
        QVERIFY(ui.ChooseSaveFile({filter, "new.dat"}));
        // Then the folder last chosen, unless the core proposes a folder of its own.
        driver.Then(startsThenChooses({}));
        ui.ChooseOpenFile({filter, ""});
        driver.Then(startsThenChooses({}));
        ui.ChooseSaveFile({filter, "new.dat"});
        driver.Then(startsThenChooses({}));
        ui.ChooseOpenFile({filter, other.toStdString()});
        QCOMPARE(starts, (QStringList{QDir::homePath(), dir, dir, other}));
        QVERIFY(driver.Unexpected().isEmpty());
    }

    void passwords() {
        const LanguageTexts texts = test::ShippedTexts();
        DialogInteraction ui(texts);
        test::ModalDriver driver;

        driver.Then(TypePassword("ab12", true));
        QCOMPARE(ui.AskFilePassword("OLD"), std::optional<std::string>("AB12"));
        driver.Then(TypePassword("ab12", false));
        QCOMPARE(ui.AskFilePassword("OLD"), std::nullopt);

        driver.Then(TypePassword("Ab1", true));
        QCOMPARE(ui.AskRadioPassword(""), std::optional<std::string>("Ab1"));
        driver.Then(TypePassword("Ab1", false));
        QCOMPARE(ui.AskRadioPassword("1234"), std::nullopt);
        QVERIFY(driver.Unexpected().isEmpty());
    }
};

RP70_GUI_TEST(DialogInteractionTest);

#include "dialog_interaction_test.moc"
