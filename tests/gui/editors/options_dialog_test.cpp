// The options dialog driven as a person would: choosing, ticking, typing and pressing OK or
// Cancel, then saving the data file and opening it again.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "editors/options_dialog.h"
#include "files/data_file.h"
#include "support/gui_test.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

using namespace rp70;
using rp70::gui::OptionsDialog;

namespace {

template <typename T> T* Input(QWidget* dialog, const QString& name) {
    T* widget = dialog->findChild<T*>(name);
    if (widget == nullptr) {
        qFatal("no input %s", qPrintable(name));
    }
    return widget;
}

QComboBox* Combo(QWidget* dialog, const QString& name) {
    return Input<QComboBox>(dialog, name);
}

void Press(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(Input<QDialogButtonBox>(dialog, QStringLiteral("buttons"))->button(which),
                      Qt::LeftButton);
}

// Clicks the box's indicator at its left edge, where every style draws it.
void Tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// What every input of the dialog shows, one "name=value" a line in the order they were made.
QStringList Shown(QWidget* dialog) {
    QStringList shown;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        const QString name = widget->objectName() + QLatin1Char('=');
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            shown << name + combo->currentText();
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            shown << name + (check->isChecked() ? QStringLiteral("on") : QStringLiteral("off"));
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit) {
            shown << name + edit->text().trimmed(); // a typed space shows as an empty box later
        }
    }
    return shown;
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::UserContextFixture> user_;
    std::unique_ptr<RadioImage> image_;

    std::unique_ptr<OptionsDialog> Open(RadioImage& image) {
        auto dialog = std::make_unique<OptionsDialog>(image, user_->texts);
        dialog->show();
        return dialog;
    }

private slots:
    void init() {
        user_ = std::make_unique<test::UserContextFixture>();
        image_ = std::make_unique<RadioImage>();
        // Channel 3 and PA hold data.
        image_->Record.ChannelCount = 2;
        image_->Channels[0].ChannelNumber = 3;
        image_->Channels[0].InUse = 1;
        image_->Channels[1].ChannelNumber = 201;
        image_->Channels[1].InUse = 1;
    }

    void everyChangeSurvivesOkSavingAndReopening() {
        test::TempFolder folder;
        auto dialog = Open(*image_);
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Options"));
        const QStringList before = Shown(dialog.get());

        // The channel display mode locks the work mode to channels and shows list 18.
        QComboBox* workMode = Combo(dialog.get(), QStringLiteral("listCombo1"));
        QComboBox* channelDisplay = Combo(dialog.get(), QStringLiteral("listCombo18"));
        QVERIFY(workMode->isEnabled());
        QVERIFY(!channelDisplay->isVisible());
        Combo(dialog.get(), QStringLiteral("listCombo0"))->setCurrentIndex(1);
        QVERIFY(!workMode->isEnabled());
        QCOMPARE(workMode->currentIndex(), 1);
        QVERIFY(channelDisplay->isVisible());
        channelDisplay->setCurrentIndex(1);

        QComboBox* start = Combo(dialog.get(), QStringLiteral("listCombo2"));
        QCOMPARE(start->currentText(), QStringLiteral("2"));
        start->setCurrentText(QStringLiteral("PA"));
        for (int n : {4, 5, 9, 10, 11, 12, 15, 16, 17}) {
            QComboBox* list = Combo(dialog.get(), QStringLiteral("listCombo%1").arg(n));
            list->setCurrentIndex(list->count() - 1);
        }
        for (int row = 1; row < 12; ++row) {
            QComboBox* key = Combo(dialog.get(), QStringLiteral("keyCombo%1").arg(row));
            key->setCurrentIndex((key->currentIndex() + 5) % key->count());
        }
        Combo(dialog.get(), QStringLiteral("keyCombo0"))->setCurrentText(QStringLiteral("None"));
        for (int box = 1; box <= 6; ++box) {
            Tick(Input<QCheckBox>(dialog.get(), QStringLiteral("checkBox%1").arg(box)));
        }

        // Each welcome box takes one character (entering it selects the old one) and moves on;
        // "\" is refused.
        Input<QLineEdit>(dialog.get(), QStringLiteral("welcomeBox0"))->setFocus();
        for (char c : std::string("Go \\4 it")) {
            QCoreApplication::processEvents();
            QTest::keyClick(QApplication::focusWidget(), c);
        }
        auto* passwordCheck = Input<QCheckBox>(dialog.get(), QStringLiteral("passwordCheck"));
        QCOMPARE(QApplication::focusWidget(), passwordCheck);
        auto* password = Input<QLineEdit>(dialog.get(), QStringLiteral("passwordEdit"));
        QVERIFY(!password->isVisible());
        Tick(passwordCheck);
        QVERIFY(password->isVisible());
        QTest::keyClicks(password, "12x345");
        QCOMPARE(password->text(), QStringLiteral("12345"));

        const QStringList changed = Shown(dialog.get());
        QCOMPARE(changed.size(), before.size());
        for (qsizetype i = 0; i < changed.size(); ++i) {
            QVERIFY2(changed[i] != before[i], qPrintable(changed[i]));
        }
        Press(dialog.get(), QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        QCOMPARE(image_->Record.Function.Options.StartChannel, std::int16_t{200});
        QCOMPARE(image_->Record.Function.Options.KeyFunctions[0], std::int16_t{255});

        image_->CurrentFilePath = (folder.Path() / "radio.dat").string();
        user_->ui.passwords.push_back(std::string());
        QVERIFY(SaveDataFile(user_->ctx, *image_));
        RadioImage reopened;
        QCOMPARE(LoadDataFile(user_->ctx, reopened, image_->CurrentFilePath), LoadResult::Loaded);
        auto again = Open(reopened);
        QCOMPARE(Shown(again.get()), changed);
        QVERIFY(!Combo(again.get(), QStringLiteral("listCombo1"))->isEnabled());
    }

    void cancelLeavesTheOptionsAsTheyWere() {
        const ImageRecord before = image_->Record;
        auto dialog = Open(*image_);
        Combo(dialog.get(), QStringLiteral("listCombo0"))->setCurrentIndex(2);
        Combo(dialog.get(), QStringLiteral("listCombo4"))->setCurrentIndex(7);
        Combo(dialog.get(), QStringLiteral("keyCombo3"))->setCurrentIndex(0);
        Tick(Input<QCheckBox>(dialog.get(), QStringLiteral("checkBox3")));
        Tick(Input<QCheckBox>(dialog.get(), QStringLiteral("checkBox4")));
        QTest::keyClicks(Input<QLineEdit>(dialog.get(), QStringLiteral("welcomeBox0")), "X");
        Press(dialog.get(), QDialogButtonBox::Cancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(image_->Record == before);
    }
};

RP70_GUI_TEST(OptionsDialogTest);

#include "options_dialog_test.moc"
