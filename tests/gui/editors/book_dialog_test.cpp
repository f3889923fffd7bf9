// The communication book dialog driven as a person would: entering cells, typing, Enter, the
// file buttons, OK and Cancel, then looking at the image and at the data file it is saved in.

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "editors/book_cells.h"
#include "editors/book_dialog.h"
#include "editors/book_edit.h"
#include "editors/book_table.h"
#include "files/book_file.h"
#include "files/data_file.h"
#include "support/gui_test.h"
#include "support/temp_folder.h"
#include "support/user_context_fixture.h"

using namespace rp70;

namespace {

void Put(Book& book, int entry, std::string_view id, std::string_view name) {
    book[static_cast<std::size_t>(entry)].BookId = BookCellText<kBookIdWidth>(id);
    book[static_cast<std::size_t>(entry)].BookName = BookCellText<kBookNameWidth>(name);
}

std::string Id(const Book& book, int entry) {
    return TextOf(book[static_cast<std::size_t>(entry)].BookId);
}

std::string Name(const Book& book, int entry) {
    return TextOf(book[static_cast<std::size_t>(entry)].BookName);
}

QModelIndex Cell(QWidget* dialog, int entry, BookColumn column) {
    auto* table = dialog->findChild<gui::BookTable*>(QStringLiteral("bookTable"));
    return table->model()->index(entry, static_cast<int>(column));
}

QString Shown(QWidget* dialog, int entry, BookColumn column) {
    return Cell(dialog, entry, column).data().toString();
}

QLineEdit* FocusedEdit() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

// Clicks a cell, which opens its in-cell editor.
void Enter(QWidget* dialog, int entry, BookColumn column) {
    auto* table = dialog->findChild<gui::BookTable*>(QStringLiteral("bookTable"));
    const QModelIndex cell = Cell(dialog, entry, column);
    table->scrollTo(cell);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
}

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

void Click(QWidget* dialog, const char* button) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

void Press(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(
        dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(which),
        Qt::LeftButton);
}

} // namespace

class BookDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> folder_;
    std::unique_ptr<test::UserContextFixture> user_;
    std::unique_ptr<RadioImage> image_;

    std::unique_ptr<gui::BookDialog> Open() {
        auto dialog = std::make_unique<gui::BookDialog>(*image_, user_->ctx);
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog.get())) {
            qFatal("the book dialog did not become active");
        }
        return dialog;
    }

private slots:
    void init() {
        folder_ = std::make_unique<test::TempFolder>();
        user_ = std::make_unique<test::UserContextFixture>();
        image_ = std::make_unique<RadioImage>();
        Put(image_->Record.Book, 0, "20", "TWENTY");
    }

    void typedEntriesSurviveOkSavingAndReopening() {
        auto dialog = Open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Communication Book"));
        QCOMPARE(Shown(dialog.get(), 0, BookColumn::Name), QStringLiteral("TWENTY"));
        QVERIFY(FocusedEdit() == nullptr); // no cell is open yet

        QGuiApplication::clipboard()->setText(QStringLiteral("555"));
        Enter(dialog.get(), 1, BookColumn::Id);
        QTest::keyClick(FocusedEdit(), Qt::Key_V, Qt::ControlModifier);
        Type("1a2-3 ~\nbob-7\\~\n999999");
        QTest::keyClick(FocusedEdit(), Qt::Key_Tab);
        Type("zulu ab c");
        Enter(dialog.get(), 0, BookColumn::Name);
        Type("tw"); // the whole text is selected on entry
        QCOMPARE(Shown(dialog.get(), 1, BookColumn::Name), QStringLiteral("BOB7"));
        Press(dialog.get(), QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        // Sorted by ID read as hexadecimal after filling with B: 123BB, 20BBB, 99999.
        const Book& book = image_->Record.Book;
        QCOMPARE(book[0].BookId, (FixedText<5>{'1', '2', '3', '\0', ' '}));
        QCOMPARE(Name(book, 0), std::string("BOB7"));
        QCOMPARE(Name(book, 1), std::string("TW"));
        QCOMPARE(Id(book, 2), std::string("99999"));
        QCOMPARE(Name(book, 2), std::string("ZULU AB"));
        QCOMPARE(Id(book, 3), std::string());

        image_->CurrentFilePath = (folder_->Path() / "radio.dat").string();
        user_->ui.passwords.push_back("");
        QVERIFY(SaveDataFile(user_->ctx, *image_));
        RadioImage reopened;
        QCOMPARE(LoadDataFile(user_->ctx, reopened, image_->CurrentFilePath), LoadResult::Loaded);
        QCOMPARE(reopened.Record.Book, book);
    }

    void cancelDropsTheEditsButSortsTheBook() {
        Put(image_->Record.Book, 1, "100", "HUNDRED");
        auto dialog = Open();
        Enter(dialog.get(), 5, BookColumn::Id);
        Type("5\n");
        Press(dialog.get(), QDialogButtonBox::Cancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(Id(image_->Record.Book, 0), std::string("100"));
        QCOMPARE(Id(image_->Record.Book, 1), std::string("20"));
        for (int entry = 2; entry < static_cast<int>(kBookEntryCount); ++entry) {
            QCOMPARE(Id(image_->Record.Book, entry), std::string());
        }
    }

    void typingOnAClosedCellReplacesItsTextAndEnterLeavesAfterTheLast() {
        auto dialog = Open();
        Enter(dialog.get(), 0, BookColumn::Id); // current from the start
        QTest::keyClick(FocusedEdit(), Qt::Key_Escape);
        QTest::qWait(20);
        QVERIFY(FocusedEdit() == nullptr);
        Type("5");
        QTest::qWait(20);
        Type("6\n");
        QCOMPARE(Shown(dialog.get(), 0, BookColumn::Id), QStringLiteral("56"));

        Enter(dialog.get(), 127, BookColumn::Name);
        Type("x\n");
        QVERIFY(FocusedEdit() == nullptr);
        QCOMPARE(Shown(dialog.get(), 127, BookColumn::Name), QStringLiteral("X"));
        QVERIFY(dialog->isVisible());
    }

    void exportAndImportGoThroughTheFileDialogs() {
        const std::filesystem::path exported = folder_->Path() / "out.cb";
        user_->ui.saveFiles = {(folder_->Path() / "missing" / "out.cb").string(),
                               exported.string()};
        user_->ui.openFiles = {exported.string()};
        auto dialog = Open();
        Enter(dialog.get(), 1, BookColumn::Id);
        Type("42");
        Click(dialog.get(), "exportButton"); // the typed ID is stored first; the folder is missing
        QCOMPARE(user_->ui.Texts(), std::vector<std::string>{"file error."});
        QVERIFY(dialog->isVisible());
        Click(dialog.get(), "exportButton");
        Book written;
        QVERIFY(LoadBookFile(exported, written));
        QCOMPARE(Id(written, 1), std::string("42"));

        Enter(dialog.get(), 1, BookColumn::Id);
        Type("7");
        Click(dialog.get(), "importButton"); // the exported book replaces the typed 7
        QCOMPARE(Shown(dialog.get(), 1, BookColumn::Id), QStringLiteral("42"));
        Press(dialog.get(), QDialogButtonBox::Ok);
        QCOMPARE(image_->Record.Book, written);
    }
};

RP70_GUI_TEST(BookDialogTest);

#include "book_dialog_test.moc"
