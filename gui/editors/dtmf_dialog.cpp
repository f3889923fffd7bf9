#include "editors/dtmf_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <utility>

#include "editors/dtmf_special_call_dialog.h"
#include "shell/dialog_inputs.h"
#include "shell/focus_events.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Language text keys of the captions.
constexpr int kKeyCodesGroup = 1602;
constexpr int kKeyInputHint = 1603;
constexpr int kKeySpecialCall = 3003;
constexpr int kKeyAni = 1740;
constexpr int kKeySendTime = 1741;
constexpr int kKeyOwnId = 3002;
constexpr int kKeySeparator = 1604;
constexpr int kKeyGroupCode = 1605;
constexpr int kKeyDecodeResponse = 1606;
constexpr int kKeyFirstDigitDelay = 1607;
constexpr int kKeyPreSendDelay = 1608;
constexpr int kKeyResetTime = 1609;
constexpr int kKeyPostSendDelay = 1610;
constexpr int kKeyPauseTime = 1611;
constexpr int kKeySideTone = 1612;
// Keys of the OPTION section, by code field from the begin code on.
constexpr std::array<int, 4> kOptionCodeKeys = {60302, 60303, 60069, 60093};

std::optional<QChar> DtmfCharacter(QChar typed) {
    const char code = DtmfCodeCharacter(typed.toLatin1());
    if (typed.unicode() > 127 || code == '\0') {
        return std::nullopt;
    }
    return QChar::fromLatin1(code);
}

QLineEdit* NewTextInput(QWidget* parent, const QString& name, int width, CharacterFilter filter) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(width);
    ApplyTextInputRules(edit, {.Filter = std::move(filter)});
    return edit;
}

// Shows `text` unless the input shows it already, so typing keeps its cursor.
void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = ToQt(text);
    if (edit->text() != shown) {
        edit->setText(shown);
    }
}

} // namespace

DtmfDialog::DtmfDialog(RadioImage& image, UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), ctx_(ctx), lists_(BuildDtmfEditLists(ctx.Texts)) {
    setWindowTitle(QStringLiteral("DTMF"));
    for (int field = 0; field < kDtmfCodeFieldCount; ++field) {
        codeEdits_[static_cast<std::size_t>(field)] = NewTextInput(
            this, QStringLiteral("code%1Edit").arg(field), DtmfCodeWidth(field), DtmfCharacter);
    }
    ownIdEdit_ = NewTextInput(this, QStringLiteral("ownIdEdit"), 3, filters::Digits());
    aniCombo_ = NewCombo(this, "aniCombo", lists_.OffOn);
    sendTimeCombo_ = NewCombo(this, "sendTimeCombo", lists_.SendTimes);
    separatorCombo_ = NewCombo(this, "separatorCombo", lists_.Separators);
    groupCodeCombo_ = NewCombo(this, "groupCodeCombo", lists_.GroupCodes);
    decodeResponseCombo_ = NewCombo(this, "decodeResponseCombo", lists_.DecodeResponses);
    firstDigitDelayCombo_ = NewCombo(this, "firstDigitDelayCombo", lists_.FirstDigitDelays);
    preSendDelayCombo_ = NewCombo(this, "preSendDelayCombo", lists_.SendDelays);
    resetTimeCombo_ = NewCombo(this, "resetTimeCombo", lists_.ResetTimes);
    postSendDelayCombo_ = NewCombo(this, "postSendDelayCombo", lists_.SendDelays);
    pauseTimeCombo_ = NewCombo(this, "pauseTimeCombo", lists_.PauseTimes);
    sideToneCheck_ = NewCheck(this, "sideToneCheck", kKeySideTone);
    LayOut(ctx.Texts);
    inputs_ = OpenDtmfRecord(image_.Record.Function.Dtmf, lists_);
    ShowInputs();
    ConnectInputs();
}

void DtmfDialog::LayOut(const LanguageTexts& texts) {
    auto* codesGroup = new QGroupBox(this);
    SetTextKey(codesGroup, kKeyCodesGroup);
    auto* codesGrid = new QGridLayout(codesGroup);
    codesGrid->setHorizontalSpacing(10);
    const int memories = static_cast<int>(kDTMFCodeCount);
    for (int memory = 0; memory < memories; ++memory) {
        QLineEdit* edit = codeEdits_[static_cast<std::size_t>(memory)];
        auto* label = new QLabel(QStringLiteral("M%1").arg(memory + 1), codesGroup);
        label->setBuddy(edit);
        codesGrid->addWidget(label, memory, 0, Qt::AlignRight | Qt::AlignVCenter);
        codesGrid->addWidget(edit, memory, 1);
    }
    auto* hint = new QLabel(codesGroup);
    SetTextKey(hint, kKeyInputHint);
    codesGrid->addWidget(hint, memories, 0, 1, 2);

    auto* settings = new QGridLayout;
    settings->setHorizontalSpacing(10);
    int row = 0;
    auto add = [&](QLabel* label, QWidget* input) {
        settings->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        settings->addWidget(input, row++, 1);
    };
    for (int field = kDtmfBeginCode; field < kDtmfCodeFieldCount; ++field) {
        QLineEdit* edit = codeEdits_[static_cast<std::size_t>(field)];
        add(OptionLabel(this, texts,
                        kOptionCodeKeys[static_cast<std::size_t>(field - kDtmfBeginCode)], edit),
            edit);
    }
    for (auto [key, input] : {std::pair<int, QWidget*>{kKeyAni, aniCombo_},
                              {kKeySendTime, sendTimeCombo_},
                              {kKeyOwnId, ownIdEdit_},
                              {kKeySeparator, separatorCombo_},
                              {kKeyGroupCode, groupCodeCombo_},
                              {kKeyDecodeResponse, decodeResponseCombo_},
                              {kKeyFirstDigitDelay, firstDigitDelayCombo_},
                              {kKeyPreSendDelay, preSendDelayCombo_},
                              {kKeyResetTime, resetTimeCombo_},
                              {kKeyPostSendDelay, postSendDelayCombo_},
                              {kKeyPauseTime, pauseTimeCombo_}}) {
        add(KeyLabel(this, key, input), input);
    }
    settings->addWidget(sideToneCheck_, row++, 1);
    settings->setColumnStretch(1, 1);

    auto* special = new QPushButton(this);
    special->setObjectName(QStringLiteral("specialButton"));
    special->setAutoDefault(false);
    SetTextKey(special, kKeySpecialCall);
    EnterMovesFocus(special);
    connect(special, &QPushButton::clicked, this, &DtmfDialog::OpenSpecialCall);

    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(16);
    inputs->addWidget(codesGroup, 0, 0);
    inputs->addLayout(settings, 0, 1);
    inputs->addWidget(special, 1, 0, Qt::AlignLeft);
    LayOutWithOkCancel(this, inputs, texts);

    // Each code input is wide enough for its longest code in the dialog's font.
    for (int field = 0; field < kDtmfCodeFieldCount; ++field) {
        QLineEdit* edit = codeEdits_[static_cast<std::size_t>(field)];
        edit->setMinimumWidth(
            edit->fontMetrics().horizontalAdvance(QString(DtmfCodeWidth(field), QLatin1Char('D'))) +
            12);
    }
}

void DtmfDialog::ConnectInputs() {
    for (int field = 0; field < kDtmfCodeFieldCount; ++field) {
        QLineEdit* edit = codeEdits_[static_cast<std::size_t>(field)];
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            inputs_.Codes[static_cast<std::size_t>(field)] = ToCore(text);
        });
        OnFocusIn(edit, [this, field] { inputs_.CurrentCode = field; });
    }
    connect(ownIdEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { inputs_.OwnId = ToCore(text); });
    OnFocusOut(ownIdEdit_, [this] {
        ReactToOwnIdLeft(inputs_, lists_);
        ShowInputs();
    });
    auto position = [this](QComboBox* list, int& field) {
        connect(list, &QComboBox::currentIndexChanged, this,
                [target = &field](int index) { *target = index; });
    };
    position(aniCombo_, inputs_.Ani);
    position(sendTimeCombo_, inputs_.SendTime);
    position(groupCodeCombo_, inputs_.GroupCode);
    position(decodeResponseCombo_, inputs_.DecodeResponse);
    position(firstDigitDelayCombo_, inputs_.FirstDigitDelay);
    position(preSendDelayCombo_, inputs_.PreSendDelay);
    position(resetTimeCombo_, inputs_.ResetTime);
    position(postSendDelayCombo_, inputs_.PostSendDelay);
    position(pauseTimeCombo_, inputs_.PauseTime);
    connect(separatorCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        inputs_.Separator = index;
        ReactToSeparator(inputs_, lists_);
        ShowInputs();
    });
    connect(sideToneCheck_, &QCheckBox::toggled, this, [this](bool on) { inputs_.SideTone = on; });
}

void DtmfDialog::ShowInputs() {
    for (int field = 0; field < kDtmfCodeFieldCount; ++field) {
        ShowText(codeEdits_[static_cast<std::size_t>(field)],
                 inputs_.Codes[static_cast<std::size_t>(field)]);
    }
    ShowText(ownIdEdit_, inputs_.OwnId);
    ShowPosition(aniCombo_, inputs_.Ani);
    ShowPosition(sendTimeCombo_, inputs_.SendTime);
    ShowPosition(separatorCombo_, inputs_.Separator);
    ShowPosition(groupCodeCombo_, inputs_.GroupCode);
    ShowPosition(decodeResponseCombo_, inputs_.DecodeResponse);
    ShowPosition(firstDigitDelayCombo_, inputs_.FirstDigitDelay);
    ShowPosition(preSendDelayCombo_, inputs_.PreSendDelay);
    ShowPosition(resetTimeCombo_, inputs_.ResetTime);
    ShowPosition(postSendDelayCombo_, inputs_.PostSendDelay);
    ShowPosition(pauseTimeCombo_, inputs_.PauseTime);
    ShowCheck(sideToneCheck_, inputs_.SideTone);
}

void DtmfDialog::OpenSpecialCall() {
    if (!SpecialCallOffered(inputs_)) {
        return;
    }
    DtmfSpecialCallDialog special(ctx_.Texts, SeparatorText(inputs_, lists_), inputs_.OwnId, this);
    if (special.exec() == QDialog::Accepted) {
        inputs_.Codes[static_cast<std::size_t>(inputs_.CurrentCode)] = special.Code();
        ShowInputs();
    }
}

void DtmfDialog::accept() {
    // The store runs at once rather than after a delay: leaving the own ID input is the only
    // pending work, and when OK is reached without leaving it (a shortcut) it is done here.
    if (ownIdEdit_->hasFocus()) {
        ReactToOwnIdLeft(inputs_, lists_);
        ShowInputs();
    }
    if (ApplyDtmfEdit(ctx_, image_, inputs_, lists_)) {
        QDialog::accept();
    }
}

} // namespace rp70::gui
