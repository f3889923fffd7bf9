// The keyboard conventions of text inputs, driven with real key and mouse events.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "shell/text_input_rules.h"
#include "support/gui_test.h"

using namespace rp70::gui;

namespace {

// A window with inputs in tab order: first, a disabled one, second, a check box, a combo box.
struct Form {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* disabled = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    QCheckBox* check = new QCheckBox(QStringLiteral("check"), &window);
    QComboBox* combo = new QComboBox(&window);

    Form() {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(disabled),
                           static_cast<QWidget*>(second), static_cast<QWidget*>(check),
                           static_cast<QWidget*>(combo)}) {
            layout->addWidget(w);
        }
        disabled->setEnabled(false);
        combo->setEditable(true);
        combo->addItem(QStringLiteral("one"));
        window.show();
        window.activateWindow();
    }
};

// The entries of the popup menu `call` opens (and that is closed again at once); `shown` tells
// whether one opened at all.
QStringList PopupActionsDuring(const std::function<void()>& call, bool* shown) {
    QStringList names;
    *shown = false;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            *shown = true;
            for (QAction* action : menu->actions()) {
                names << action->objectName() + QLatin1Char(' ') + action->text();
            }
            menu->close();
        }
    });
    closer.start();
    call(); // a context menu runs its own event loop until it closes
    QCoreApplication::processEvents();
    return names;
}

} // namespace

class TextInputRulesTest : public QObject {
    Q_OBJECT

private slots:
    void clipboardKeysDoNothing() {
        QLineEdit edit;
        ApplyTextInputRules(&edit);
        edit.show();
        edit.setText(QStringLiteral("ab"));
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));

        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(edit.text(), QStringLiteral("ab"));
        QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("PASTED"));
        QVERIFY(!edit.acceptDrops());

        // Editing keys still work.
        QTest::keyClick(&edit, Qt::Key_End);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("a"));
    }

    void charactersAbove127AreDropped() {
        QLineEdit edit;
        ApplyTextInputRules(&edit);
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral("a"));
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_Eacute, QStringLiteral("é"), {});
        QTest::keyClicks(&edit, QStringLiteral("~"));
        QCOMPARE(edit.text(), QStringLiteral("a~"));

        // An input method's commit loses them too.
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("x中y"));
        QApplication::sendEvent(&edit, &commit);
        QCOMPARE(edit.text(), QStringLiteral("a~xy"));
    }

    void filterDecidesAndMayChangeCharacters() {
        QLineEdit edit;
        edit.setMaxLength(4);
        ApplyTextInputRules(&edit, {filters::UpperCaseLettersAndDigits()});
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral("a-b 1zq"));
        QCOMPARE(edit.text(), QStringLiteral("AB1Z"));

        // A typed character replaces the selection, as an ordinary key would.
        edit.setSelection(1, 2);
        QTest::keyClicks(&edit, QStringLiteral("k"));
        QCOMPARE(edit.text(), QStringLiteral("AKZ"));

        QLineEdit digits;
        ApplyTextInputRules(&digits, {filters::DigitsAndPoint()});
        QTest::keyClicks(&digits, QStringLiteral("14a5.,5"));
        QCOMPARE(digits.text(), QStringLiteral("145.5"));

        QLineEdit hex;
        ApplyTextInputRules(&hex, {filters::HexDigits()});
        QTest::keyClicks(&hex, QStringLiteral("0aF9gG-e"));
        QCOMPARE(hex.text(), QStringLiteral("0AF9E"));

        QLineEdit name;
        ApplyTextInputRules(&name, {filters::NameCharacters()});
        QTest::keyClicks(&name, QStringLiteral("A\\b}~ c"));
        QCOMPARE(name.text(), QStringLiteral("Ab} c"));
    }

    void enterMovesFocusToTheNextInput() {
        Form form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        ApplyTextInputRules(form.first);
        ApplyTextInputRules(form.second);
        EnterMovesFocus(form.check);
        EnterMovesFocus(form.combo);
        QSignalSpy returned(form.first, &QLineEdit::returnPressed);

        form.first->setFocus();
        QTest::keyClick(form.first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.second); // the disabled input is passed over
        QCOMPARE(returned.count(), 0);
        QTest::keyClick(form.second, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), form.check);
        QTest::keyClick(form.check, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.combo);
        QTest::keyClick(form.combo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.first); // round to the start
        QCOMPARE(form.combo->count(), 1);                  // Enter added no entry
    }

    void enteringAnInputSelectsItsText() {
        Form form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        ApplyTextInputRules(form.first);
        ApplyTextInputRules(form.second, {{}, false, false});
        form.first->setText(QStringLiteral("first"));
        form.second->setText(QStringLiteral("second"));

        form.second->setFocus();
        QTest::mouseClick(form.first, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(form.first->selectedText(), QStringLiteral("first"));
        QTest::keyClicks(form.first, QStringLiteral("x"));
        QCOMPARE(form.first->text(), QStringLiteral("x"));

        // An input that does not select keeps its cursor where the click put it.
        QTest::mouseClick(form.second, Qt::LeftButton, {}, QPoint(2, 5));
        QCoreApplication::processEvents();
        QVERIFY(!form.second->hasSelectedText());
    }

    void contextMenuOffersNoClipboardOrNothingAtAll() {
        QWidget window;
        auto* withMenu = new QLineEdit(&window);
        auto* withoutMenu = new QLineEdit(&window);
        withoutMenu->move(0, 40);
        ApplyTextInputRules(withMenu);
        ApplyTextInputRules(withoutMenu, {{}, true});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));

        bool shown = false;
        QStringList names = PopupActionsDuring(
            [&] {
                QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                        withMenu->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(withMenu, &event);
            },
            &shown);
        QVERIFY(shown);
        QVERIFY(names.filter(QStringLiteral("select-all")).size() == 1);
        for (const QString& name : names) {
            QVERIFY2(!name.contains(QStringLiteral("paste"), Qt::CaseInsensitive) &&
                         !name.contains(QStringLiteral("cut"), Qt::CaseInsensitive) &&
                         !name.contains(QStringLiteral("copy"), Qt::CaseInsensitive),
                     qPrintable(name));
        }

        names = PopupActionsDuring(
            [&] {
                QTest::mouseClick(withoutMenu, Qt::RightButton, {}, QPoint(5, 5));
                QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                        withoutMenu->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(withoutMenu, &event);
            },
            &shown);
        QVERIFY(!shown);
        QCOMPARE(withoutMenu->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void editableComboBoxFollowsTheRulesOfItsEdit() {
        QComboBox combo;
        combo.setEditable(true);
        ApplyTextInputRules(combo.lineEdit(), {filters::Digits()});
        combo.show();
        QApplication::clipboard()->setText(QStringLiteral("123"));
        // Keys reach the combo box, which hands them to its edit.
        QTest::keyClicks(&combo, QStringLiteral("4x5"));
        QTest::sendKeyEvent(QTest::Click, &combo, Qt::Key_Eacute, QStringLiteral("é"), {});
        QTest::keyClick(&combo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(combo.currentText(), QStringLiteral("45"));
    }
};

RP70_GUI_TEST(TextInputRulesTest);

#include "text_input_rules_test.moc"
