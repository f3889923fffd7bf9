// The test data dialog driven as a person would: typed values kept through OK, a save of the data
// file and its test data file, and a reopening; Load and Save move the shown values through a
// test data file; Cancel changes nothing.

#include <QLineEdit>
#include <QTest>

#include "editors/test_data_dialog.h"
#include "support/dialog_driving.h"
#include "support/gui_test.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::test;
using rp70::gui::TestDataDialog;

namespace {

QLineEdit* ValueInput(QWidget* dialog, int index) {
    return Input<QLineEdit>(dialog, QStringLiteral("Text1_%1").arg(index).toLatin1().constData());
}

void Retype(QLineEdit* edit, const char* keys) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(keys));
}

QPushButton* Button(QWidget* dialog, const char* name) {
    return Input<QPushButton>(dialog, name);
}

} // namespace

class TestDataDialogTest : public QObject {
    Q_OBJECT

private:
    UserContextFixture user_;
    TempFolder folder_;
    RadioImage image_;

private slots:
    void init() {
        image_ = RadioImage();
        image_.Factory.FactoryMode = true;
        for (std::size_t i = 0; i < kTestValueCount; ++i) {
            image_.Factory.TestValues[i] = static_cast<std::int16_t>(i);
        }
        image_.Factory.TestValues[31] = -1;
    }

    void typedValuesAreKeptThroughOkSaveAndReopen() {
        TestDataDialog dialog(image_, user_.ctx);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Test Data"));
        QCOMPARE(dialog.findChildren<QLineEdit*>().size(), 18); // captioned values only
        QCOMPARE(ValueInput(&dialog, 10)->text(), QStringLiteral("A"));
        Retype(ValueInput(&dialog, 2), "1a");
        Retype(ValueInput(&dialog, 3), "xy7G"); // only hexadecimal digits are taken
        Retype(ValueInput(&dialog, 18), "12345");
        QCOMPARE(ValueInput(&dialog, 2)->text(), QStringLiteral("1A"));
        QCOMPARE(ValueInput(&dialog, 18)->text(), QStringLiteral("123"));
        Press(&dialog, QDialogButtonBox::Ok);

        TestValues expected = image_.Factory.TestValues;
        expected[2] = 26;
        expected[3] = 7;
        expected[18] = 0x123;
        QCOMPARE(image_.Factory.TestValues, expected);

        const auto path = folder_.Path() / "radio.dat";
        image_.CurrentFilePath = path.string();
        user_.ui.passwords.push_back(std::string());
        QVERIFY(SaveDataFile(user_.ctx, image_));
        RadioImage reopened;
        reopened.Factory.FactoryMode = true;
        QCOMPARE(LoadDataFile(user_.ctx, reopened, path.string()), LoadResult::Loaded);
        QCOMPARE(reopened.Factory.TestValues, expected); // hidden values too, −1 included
    }

    void loadAndSaveMoveTheShownValues() {
        const auto file = folder_.Path() / "values.ted";
        user_.ui.saveFiles.push_back(file);
        {
            TestDataDialog dialog(image_, user_.ctx);
            Retype(ValueInput(&dialog, 5), "55");
            QTest::mouseClick(Button(&dialog, "Command1_1"), Qt::LeftButton);
            Press(&dialog, QDialogButtonBox::Cancel);
        }
        QCOMPARE(image_.Factory.TestValues[5], std::int16_t{5}); // Cancel: unchanged
        QCOMPARE(image_.Factory.LastTestDataPath, file);

        image_.Factory.TestValues = {};
        user_.ui.openFiles.push_back(file);
        user_.ui.openFiles.push_back(std::nullopt); // a cancelled choice changes nothing
        TestDataDialog dialog(image_, user_.ctx);
        QTest::mouseClick(Button(&dialog, "Command1_0"), Qt::LeftButton);
        QCOMPARE(ValueInput(&dialog, 5)->text(), QStringLiteral("55"));
        QTest::mouseClick(Button(&dialog, "Command1_0"), Qt::LeftButton);
        QCOMPARE(ValueInput(&dialog, 5)->text(), QStringLiteral("55"));
        Press(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(image_.Factory.TestValues[5], std::int16_t{0x55});
        QCOMPARE(image_.Factory.TestValues[31], std::int16_t{-1});
        QCOMPARE(user_.ui.fileChoices.front().Filter, std::string("Test Data File (*.ted)"));
    }
};

RP70_GUI_TEST(TestDataDialogTest);

#include "test_data_dialog_test.moc"
