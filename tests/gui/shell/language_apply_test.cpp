// Language texts applied to a window, its widgets and its menus.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <filesystem>
#include <fstream>

#include "shell/language_apply.h"
#include "support/gui_test.h"
#include "support/shipped_program.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;

namespace {

// A language file of a few keys.
LanguageTexts Written(const test::TempFolder& folder, const std::string& other) {
    const std::filesystem::path file = folder.Path() / "english.ini";
    std::ofstream(file) << "[OTHER]\n" << other;
    return LanguageTexts::Load(file, Language::English);
}

// A main window with one of every kind of keyed part.
struct KeyedWindow {
    QMainWindow window;
    QMenu* fileMenu = window.menuBar()->addMenu(QStringLiteral("File"));
    QAction* newAction = fileMenu->addAction(QStringLiteral("New"));
    QAction* numericAction = fileMenu->addAction(QStringLiteral("1002"));
    QWidget* central = new QWidget(&window);
    QLabel* keyed = new QLabel(QStringLiteral("before"), central);
    QLabel* plain = new QLabel(QStringLiteral("keep me"), central);
    QPushButton* button = new QPushButton(central);
    QCheckBox* check = new QCheckBox(central);
    QGroupBox* group = new QGroupBox(central);
    QTabWidget* tabs = new QTabWidget(central);

    KeyedWindow() {
        window.setCentralWidget(central);
        auto* layout = new QVBoxLayout(central);
        for (QWidget* w :
             std::initializer_list<QWidget*>{keyed, plain, button, check, group, tabs}) {
            layout->addWidget(w);
        }
        tabs->addTab(new QWidget, QStringLiteral("a"));
        tabs->addTab(new QWidget, QStringLiteral("b"));
        SetTextKey(&window, 3100);
        SetTextKey(fileMenu, 1000);
        SetTextKey(newAction, 1001);
        SetToolTipKey(newAction, 1001);
        SetTextKey(keyed, 3101);
        SetTextKey(button, 101);
        SetToolTipKey(button, 1503);
        SetTextKey(check, 102);
        SetTextKey(group, 1503);
        tabs->setProperty("tabTextKeys", QVariantList{1501, 1502});
    }
};

} // namespace

class LanguageApplyTest : public QObject {
    Q_OBJECT

private slots:
    void appliesCaptionsTooltipsAndFont() {
        const LanguageTexts english = test::ShippedTexts(Language::English);
        KeyedWindow w;
        ApplyLanguage(&w.window, english);

        QCOMPARE(w.window.windowTitle(), QStringLiteral("Programming Password"));
        QCOMPARE(w.fileMenu->title(), QStringLiteral("&File"));
        QCOMPARE(w.newAction->text(), QStringLiteral("&New"));
        QCOMPARE(w.newAction->toolTip(), QStringLiteral("New"));
        QCOMPARE(w.numericAction->text(), QStringLiteral("&Open..."));
        QCOMPARE(w.keyed->text(), QStringLiteral("Password"));
        QCOMPARE(w.plain->text(), QStringLiteral("keep me"));
        QCOMPARE(w.button->text(), QStringLiteral("OK"));
        QCOMPARE(w.button->toolTip(), QStringLiteral("Language"));
        QCOMPARE(w.check->text(), QStringLiteral("Cancel"));
        QCOMPARE(w.group->title(), QStringLiteral("Language"));
        QCOMPARE(w.tabs->tabText(0), QStringLiteral("English"));
        QCOMPARE(w.tabs->tabText(1), QStringLiteral("Chinese"));
        QCOMPARE(w.window.font().family(), QStringLiteral("Sans Serif"));
        QCOMPARE(w.window.font().pointSizeF(), 9.0);
        QCOMPARE(w.button->font().pointSizeF(), 9.0); // the widgets take the window's font
    }

    void applyingAgainFollowsTheNewLanguage() {
        KeyedWindow w;
        ApplyLanguage(&w.window, test::ShippedTexts(Language::English));
        ApplyLanguage(&w.window, test::ShippedTexts(Language::English));
        QCOMPARE(w.numericAction->text(), QStringLiteral("&Open..."));
        QCOMPARE(w.newAction->toolTip(), QStringLiteral("New"));
        QCOMPARE(w.plain->text(), QStringLiteral("keep me"));

        ApplyLanguage(&w.window, test::ShippedTexts(Language::Chinese));
        QCOMPARE(w.numericAction->text(), QStringLiteral("打开(&O)..."));
        QCOMPARE(w.newAction->toolTip(), QStringLiteral("新建(N)"));
        QCOMPARE(w.tabs->tabText(1), QStringLiteral("中文"));
        QCOMPARE(w.window.font().family(), QStringLiteral("Noto Sans CJK SC"));
    }

    void missingTextsLeaveCaptionsAsTheyAre() {
        test::TempFolder folder;
        const LanguageTexts texts = Written(folder, "101=Go\n21=big\n500=Save && &Exit\n");
        KeyedWindow w;
        w.button->setText(QStringLiteral("OK"));
        w.check->setText(QStringLiteral("Cancel"));
        QAction* both = w.fileMenu->addAction(QStringLiteral("x"));
        SetToolTipKey(both, 500);
        QAction* number = w.fileMenu->addAction(QStringLiteral("7"));
        const double size = w.window.font().pointSizeF();
        ApplyLanguage(&w.window, texts);

        QCOMPARE(w.button->text(), QStringLiteral("Go"));
        QCOMPARE(w.check->text(), QStringLiteral("Cancel")); // key 102 has no text
        QCOMPARE(w.newAction->text(), QStringLiteral("New"));
        QCOMPARE(both->toolTip(), QStringLiteral("Save & Exit"));
        QCOMPARE(number->text(), QStringLiteral("7")); // no key of the file
        QCOMPARE(w.window.font().pointSizeF(), size);  // a size that is no number is ignored
    }

    void buttonBoxTexts() {
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                 QDialogButtonBox::Close);
        const LanguageTexts chinese = test::ShippedTexts(Language::Chinese);
        SetButtonTexts(&buttons, chinese);
        SetCloseButtonText(&buttons, chinese);
        QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        QCOMPARE(buttons.button(QDialogButtonBox::Close)->text(), QStringLiteral("关闭(&C)"));

        SetCloseButtonText(&buttons, test::ShippedTexts(Language::English));
        QCOMPARE(buttons.button(QDialogButtonBox::Close)->text(), QStringLiteral("&Close"));
    }
};

RP70_GUI_TEST(LanguageApplyTest);

#include "language_apply_test.moc"
