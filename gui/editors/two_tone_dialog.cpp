#include "editors/two_tone_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "editors/two_tone_table.h"
#include "shell/dialog_inputs.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Option keys of the captions.
constexpr int kKeyOk = 60024;
constexpr int kKeyCancel = 60025;
constexpr int kKeyEncodePage = 60043;
constexpr int kKeyDecodePage = 60044;
constexpr int kKeyTime1 = 60045;
constexpr int kKeyTime2 = 60046;
constexpr int kKeyTime3 = 60047;
constexpr int kKeyInterval = 60048;
constexpr int kKeyPair = 60049;
constexpr int kKeyResponse = 60050;
constexpr int kKeyCaption = 60051;
constexpr int kKeyToneUnit = 60056;
constexpr int kKeyResetTime = 60307;
constexpr int kKeySideTone = 60312;

constexpr std::array<const char*, kToneBoxCount> kToneNames = {"toneAEdit", "toneBEdit",
                                                               "toneCEdit", "toneDEdit"};

} // namespace

TwoToneDialog::TwoToneDialog(RadioImage& image, UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), lists_(BuildTwoToneEditLists(ctx.Texts)),
      edit_(OpenTwoToneEdit(image.Record.Function.TwoTone, lists_)) {
    const LanguageTexts& texts = ctx.Texts;
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->addTab(NewEncodePage(texts), ToQt(texts.Option(kKeyEncodePage)));
    decodeTable_ = new DecodeTable(edit_, texts, this);
    pages_->addTab(decodeTable_, ToQt(texts.Option(kKeyDecodePage)));

    auto* layout = new QVBoxLayout;
    layout->addWidget(pages_);
    LayOutWithOkCancel(this, layout, texts);
    auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(ToQt(texts.Option(kKeyOk)));
    buttons->button(QDialogButtonBox::Cancel)->setText(ToQt(texts.Option(kKeyCancel)));
    setWindowTitle(ToQt(texts.Option(kKeyCaption)));

    ShowInputs();
    ConnectInputs();
}

QWidget* TwoToneDialog::NewEncodePage(const LanguageTexts& texts) {
    auto* page = new QWidget(this);
    pairCombo_ = NewCombo(page, "pairCombo", lists_.Pairs);
    time1Combo_ = NewCombo(page, "time1Combo", lists_.ToneTimes);
    time2Combo_ = NewCombo(page, "time2Combo", lists_.ToneTimes);
    time3Combo_ = NewCombo(page, "time3Combo", lists_.ToneTimes);
    intervalCombo_ = NewCombo(page, "intervalCombo", lists_.Intervals);
    resetTimeCombo_ = NewCombo(page, "resetTimeCombo", lists_.ResetTimes);
    responseCombo_ = NewCombo(page, "responseCombo", lists_.Responses);
    sideToneCheck_ = NewCheck(page, "sideToneCheck");
    sideToneCheck_->setText(ToQt(texts.Option(kKeySideTone)));

    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(10);
    grid->addWidget(OptionLabel(page, texts, kKeyPair, pairCombo_), 0, 0);
    grid->addWidget(pairCombo_, 0, 1);
    const QString unit = ToQt(texts.Option(kKeyToneUnit));
    for (std::size_t i = 0; i < kToneBoxCount; ++i) {
        auto* box = new QLineEdit(page);
        box->setObjectName(QLatin1String(kToneNames[i]));
        ApplyTextInputRules(box, {filters::DigitsAndPoint()});
        toneEdits_[i] = box;
        const int row = static_cast<int>(i) + 1;
        auto* label = new QLabel(QChar(u'A' + static_cast<char16_t>(i)) + unit, page);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
    }
    int row = 0;
    for (auto [key, list] :
         {std::pair{kKeyTime1, time1Combo_}, std::pair{kKeyTime2, time2Combo_},
          std::pair{kKeyTime3, time3Combo_}, std::pair{kKeyInterval, intervalCombo_},
          std::pair{kKeyResetTime, resetTimeCombo_}, std::pair{kKeyResponse, responseCombo_}}) {
        grid->addWidget(OptionLabel(page, texts, key, list), row, 2);
        grid->addWidget(list, row++, 3);
    }
    grid->addWidget(sideToneCheck_, row, 3);
    grid->setColumnMinimumWidth(2, 20);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row + 1, 1);
    return page;
}

void TwoToneDialog::ConnectInputs() {
    auto position = [this](QComboBox* list, int& field) {
        connect(list, &QComboBox::currentIndexChanged, this,
                [target = &field](int index) { *target = index; });
    };
    position(time1Combo_, edit_.Inputs.Time1);
    position(time2Combo_, edit_.Inputs.Time2);
    position(time3Combo_, edit_.Inputs.Time3);
    position(intervalCombo_, edit_.Inputs.Interval);
    position(resetTimeCombo_, edit_.Inputs.ResetTime);
    position(responseCombo_, edit_.Inputs.Response);
    connect(pairCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit_.Inputs.Pair = index;
        ReactToPair(edit_.Inputs);
        ShowInputs();
    });
    connect(sideToneCheck_, &QCheckBox::toggled, this,
            [this](bool on) { edit_.Inputs.SideTone = on; });
    for (std::size_t i = 0; i < kToneBoxCount; ++i) {
        QLineEdit* box = toneEdits_[i];
        connect(box, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { edit_.Inputs.Tones[i] = ToCore(text); });
        connect(box, &QLineEdit::editingFinished, this, [this, i, box] {
            edit_.Inputs.Tones[i] = FinishToneBox(ToCore(box->text()));
            box->setText(ToQt(edit_.Inputs.Tones[i]));
        });
    }
}

void TwoToneDialog::ShowInputs() {
    const TwoToneEditInputs& inputs = edit_.Inputs;
    ShowPosition(pairCombo_, inputs.Pair);
    ShowPosition(time1Combo_, inputs.Time1);
    ShowPosition(time2Combo_, inputs.Time2);
    ShowPosition(time3Combo_, inputs.Time3);
    ShowPosition(intervalCombo_, inputs.Interval);
    ShowPosition(resetTimeCombo_, inputs.ResetTime);
    ShowPosition(responseCombo_, inputs.Response);
    ShowCheck(sideToneCheck_, inputs.SideTone);
    for (std::size_t i = 0; i < kToneBoxCount; ++i) {
        toneEdits_[i]->setText(ToQt(inputs.Tones[i]));
        toneEdits_[i]->setEnabled(inputs.ToneBoxOn[i]);
    }
}

void TwoToneDialog::accept() {
    decodeTable_->CommitOpenCell();
    ApplyTwoToneEdit(image_, edit_);
    QDialog::accept();
}

} // namespace rp70::gui
