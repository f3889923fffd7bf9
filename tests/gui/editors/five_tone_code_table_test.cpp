// The 5-tone code list grid driven as a person would: a code typed into a row and Enter walking
// through the row's editors, the standard list proposing its duration, scrolling storing the open
// cell, the reset of a special row answered with Cancel and with OK, and the edits kept through a
// save and a reopening of the data file.

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "editors/five_tone_code_table.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/modal_driver.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::FiveToneCodeTable;

namespace {

int Col(CodeColumn column) {
    return static_cast<int>(column);
}

// Clicks cell (`row`, `column`) of `table`.
void ClickCell(FiveToneCodeTable& table, int row, CodeColumn column) {
    const QModelIndex index = table.model()->index(row, Col(column));
    table.scrollTo(index);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(index).center());
}

// Double-clicks at `at` of `table`: a click, then the double click.
void DoubleClick(FiveToneCodeTable& table, QPoint at) {
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
}

void PressEnter(QWidget* editor) {
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

} // namespace

class FiveToneCodeTableTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;
    FiveToneRecord& record_ = image_.Record.Function.FiveTone;
    CodeRows rows_;

private slots:
    void init() {
        image_ = RadioImage();
        SetDefaults(record_);
        record_.OwnId = MakeFixedText<6>("12345");
        record_.Codes[5].InUseFlag = 0;
        record_.Codes[5].Digits = MakeFixedText<40>("67890D12345");
        record_.Codes[5].Length = 11;
        rows_ = ShowCodeList(record_, "12345", user_.texts);
    }

    void typedCodesAndCellsAreStoredAndKept() {
        FiveToneCodeTable table(record_, rows_, user_.texts);
        table.SetOwnId("12345");
        QSignalSpy chosen(&table, &FiveToneCodeTable::standardChosen);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));

        // A row without a code takes no name.
        ClickCell(table, 3, CodeColumn::Name);
        QVERIFY(table.findChild<QLineEdit*>(QStringLiteral("nameCellEdit")) == nullptr);

        ClickCell(table, 3, CodeColumn::Code);
        auto* code = table.findChild<QLineEdit*>(QStringLiteral("codeCellEdit"));
        QVERIFY(code != nullptr);
        QTest::keyClicks(code, QStringLiteral("11g2b"));
        QCOMPARE(code->text(), QStringLiteral("112B"));
        PressEnter(code);
        QCOMPARE(TextOf(record_.Codes[3].Digits), std::string("1E2B"));
        QCOMPARE(int(record_.Codes[3].Length), 4);
        QCOMPARE(int(record_.Codes[3].InUseFlag), 0);
        QCOMPARE(table.item(3, Col(CodeColumn::Code))->text(), QStringLiteral("1E2B"));

        // Enter went on to the standard; choosing CCIR1 proposes its 100 ms.
        QCOMPARE(table.currentColumn(), Col(CodeColumn::Standard));
        auto* standard = table.findChild<QComboBox*>(QStringLiteral("standardCellList"));
        QVERIFY(standard != nullptr);
        standard->setCurrentIndex(6);
        emit standard->activated(6);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), 6);
        QCOMPARE(table.item(3, Col(CodeColumn::ToneLength))->text(), QStringLiteral("100"));
        PressEnter(standard);
        QCOMPARE(int(record_.Codes[3].Standard), 6);
        QCOMPARE(int(record_.Codes[3].ToneLength), 10);

        // From the tone length Enter goes to the next row's code.
        auto* toneLength = table.findChild<QComboBox*>(QStringLiteral("toneLengthCellList"));
        QVERIFY(toneLength != nullptr);
        toneLength->setCurrentText(QStringLiteral("40"));
        PressEnter(toneLength);
        QCOMPARE(int(record_.Codes[3].ToneLength), 4);
        QCOMPARE(table.currentRow(), 4);
        QCOMPARE(table.currentColumn(), Col(CodeColumn::Code));

        // Scrolling stores the open name editor.
        ClickCell(table, 3, CodeColumn::Name);
        auto* name = table.findChild<QLineEdit*>(QStringLiteral("nameCellEdit"));
        QVERIFY(name != nullptr);
        QTest::keyClicks(name, QStringLiteral("Ba~s\\e1xyz"));
        table.verticalScrollBar()->setValue(table.verticalScrollBar()->maximum());
        QCOMPARE(TextOf(record_.Codes[3].Name), std::string("Base1xy"));

        ClickCell(table, 3, CodeColumn::Name);
        table.CommitOpenCell();
        QTRY_VERIFY(table.findChild<QLineEdit*>(QStringLiteral("nameCellEdit")) == nullptr);
        QCOMPARE(table.CurrentEntry(), 3);
        StoreCodeList(record_, rows_);
        auto reopened = SavedAndReopened(image_, user_, folder_.Path() / "codes.dat");
        QVERIFY(reopened != nullptr);
        const FiveToneCode& kept = reopened->Record.Function.FiveTone.Codes[3];
        QCOMPARE(TextOf(kept.Digits), std::string("1E2B"));
        QCOMPARE(int(kept.Standard), 6);
        QCOMPARE(int(kept.ToneLength), 4);
        QCOMPARE(TextOf(kept.Name), std::string("Base1xy"));
    }

    void resettingASpecialRowAsksFirst() {
        FiveToneCodeTable table(record_, rows_, user_.texts);
        table.SetOwnId("12345");
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const QModelIndex cell = table.model()->index(5, Col(CodeColumn::Code));
        table.scrollTo(cell);
        const QPoint at = table.visualRect(cell).center();

        ModalDriver driver;
        driver.ThenAnswer(QMessageBox::Cancel);
        DoubleClick(table, at);
        QTRY_COMPARE(driver.Pending(), 0);
        QCOMPARE(driver.Messages(),
                 QStringList{QStringLiteral("Reset Special Call of this channel,OK or Not?")});
        QCOMPARE(table.item(5, Col(CodeColumn::Special))->text(), QStringLiteral("ANI"));
        QCOMPARE(TextOf(record_.Codes[5].Digits), std::string("67890D12345"));
        QVERIFY(table.findChild<QLineEdit*>(QStringLiteral("codeCellEdit")) == nullptr);

        driver.ThenAnswer(QMessageBox::Ok);
        DoubleClick(table, at);
        QTRY_COMPARE(driver.Pending(), 0);
        QVERIFY(driver.Unexpected().isEmpty());
        QCOMPARE(table.item(5, Col(CodeColumn::Special))->text(), QString());
        QCOMPARE(table.item(5, Col(CodeColumn::Code))->text(), QString());
        QCOMPARE(int(record_.Codes[5].Length), 0);
        QCOMPARE(int(record_.Codes[5].InUseFlag), 0);
        QVERIFY(table.findChild<QLineEdit*>(QStringLiteral("codeCellEdit")) != nullptr);
    }
};

RP70_GUI_TEST(FiveToneCodeTableTest);

#include "five_tone_code_table_test.moc"
