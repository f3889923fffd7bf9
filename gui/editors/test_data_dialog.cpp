#include "editors/test_data_dialog.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/test_data_file.h"
#include "shell/dialog_inputs.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

/// A text in the dialog's language: English, otherwise Chinese.
QString Pick(const LanguageTexts& texts, const char* english, const char* chinese) {
    return QString::fromUtf8(texts.Current() == Language::English ? english : chinese);
}

/// "0" … "9" and "A" … "F", with "a" … "f" turned into upper case.
std::optional<QChar> HexDigitOnly(QChar c) {
    const QChar upper = c.toUpper();
    if ((upper >= QLatin1Char('0') && upper <= QLatin1Char('9')) ||
        (upper >= QLatin1Char('A') && upper <= QLatin1Char('F'))) {
        return upper;
    }
    return std::nullopt;
}

std::string FileFilter(const LanguageTexts& texts) {
    return ToCore(Pick(texts, "Test Data File", "测试数据文件")) + " (*.ted)";
}

} // namespace

TestDataDialog::TestDataDialog(RadioImage& image, UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), ctx_(ctx), texts_(ShowTestValues(image.Factory.TestValues)) {
    setObjectName(QStringLiteral("FrmTestData"));
    for (std::size_t i = 0; i < kTestValueCount; ++i) {
        if (TestValueCaption(i, ctx.Texts.Current()).empty()) {
            continue;
        }
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(i));
        ApplyTextInputRules(edit, {HexDigitOnly});
        connect(edit, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { texts_[i] = ToCore(text); });
        edits_[i] = edit;
    }
    LayOut(ctx.Texts);
    setWindowTitle(Pick(ctx.Texts, "Test Data", "测试数据"));
    ShowInputs();
}

void TestDataDialog::LayOut(const LanguageTexts& texts) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int rows[2] = {0, 0};
    for (std::size_t i = 0; i < kTestValueCount; ++i) {
        if (edits_[i] == nullptr) {
            continue;
        }
        const int column = TestValueInputs()[i].Column * 3;
        const int row = rows[TestValueInputs()[i].Column]++;
        auto* label = new QLabel(ToQt(TestValueCaption(i, texts.Current())), this);
        label->setBuddy(edits_[i]);
        edits_[i]->setFixedWidth(edits_[i]->fontMetrics().horizontalAdvance(QStringLiteral("W")) *
                                 6);
        grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(edits_[i], row, column + 1);
    }
    grid->setColumnMinimumWidth(2, 20);

    auto* load = new QPushButton(Pick(texts, "&Load", "加载(&L)"), this);
    load->setObjectName(QStringLiteral("Command1_0"));
    auto* save = new QPushButton(Pick(texts, "&Save", "保存(&S)"), this);
    save->setObjectName(QStringLiteral("Command1_1"));
    auto* files = new QHBoxLayout;
    for (QPushButton* button : {load, save}) {
        button->setAutoDefault(false);
        EnterMovesFocus(button);
        files->addWidget(button);
    }
    files->addStretch(1);
    connect(load, &QPushButton::clicked, this, &TestDataDialog::Load);
    connect(save, &QPushButton::clicked, this, &TestDataDialog::Save);

    auto* inputs = new QVBoxLayout;
    inputs->addLayout(grid);
    inputs->addSpacing(10);
    inputs->addLayout(files);
    LayOutWithOkCancel(this, inputs, texts);
}

void TestDataDialog::ShowInputs() {
    for (std::size_t i = 0; i < kTestValueCount; ++i) {
        if (edits_[i] != nullptr) {
            edits_[i]->setMaxLength(TestValueInputLimit(i, texts_[i]));
            edits_[i]->setText(ToQt(texts_[i]));
        }
    }
}

void TestDataDialog::Load() {
    const auto file = ctx_.Ui.ChooseOpenFile({FileFilter(ctx_.Texts), {}});
    TestValues values = ReadTestValues(texts_);
    if (file && LoadTestDataFile(*file, values, image_.Factory.LastTestDataPath)) {
        texts_ = ShowTestValues(values);
        ShowInputs();
    }
}

void TestDataDialog::Save() {
    const auto file =
        ctx_.Ui.ChooseSaveFile({FileFilter(ctx_.Texts), image_.Factory.LastTestDataPath});
    if (file) {
        SaveTestDataFile(*file, ReadTestValues(texts_), image_.Factory.LastTestDataPath);
    }
}

void TestDataDialog::accept() {
    image_.Factory.TestValues = ReadTestValues(texts_);
    QDialog::accept();
}

} // namespace rp70::gui
