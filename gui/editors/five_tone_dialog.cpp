#include "editors/five_tone_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>

#include "editors/five_tone_code_table.h"
#include "editors/five_tone_digits.h"
#include "editors/five_tone_special_call_dialog.h"
#include "shell/dialog_inputs.h"
#include "shell/focus_events.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Language text keys: general ones, then those of the OPTION section.
constexpr int kKeyStandard = 3004;
constexpr int kKeyInfoCaption = 3005;
constexpr int kKeyOk = 60024;
constexpr int kKeyCancel = 60025;
constexpr int kKeyCaption = 60052;
constexpr int kKeySpecialCall = 60062;
constexpr int kKeyDecodeResponse = 60070;
constexpr int kKeyToneLength = 60071;
constexpr int kKeyOwnId = 60072;
constexpr int kKeyCode = 60079;
constexpr int kKeyPreSendDelay = 60081;
constexpr int kKeyInfoNumber = 60095;
constexpr int kKeyInfoFunction = 60096;
constexpr int kKeyInfoCode = 60097;
constexpr std::array<int, kPttIdCodeCount> kKeyPttIdGroups = {60302, 60303};
constexpr int kKeyInfoName = 60306;
constexpr int kKeyResetTime = 60307;
constexpr int kKeyPostSendDelay = 60308;
constexpr int kKeyPauseTime = 60309;
constexpr int kKeyFirstDigitDelay = 60310;
constexpr int kKeyCodePauseTime = 60311;
constexpr int kKeySideTone = 60312;
constexpr int kKeyPauseCode = 60314;
constexpr int kKeyDecodeTime = 60315;

constexpr int kPttIdCodeWidth = 24;
constexpr int kInfoCodeWidth = 12;
constexpr int kInfoNameWidth = 7;

constexpr int kOpeningHeight = 720;

// A standard's table text: its name, the heading, 16 digits, duration, group and repeat tone.
constexpr int kTableTextLines = 21;

constexpr std::array<const char*, kPttIdCodeCount> kPttIdNames = {"begin", "end"};

QLineEdit* NewLineEdit(QWidget* parent, const QString& name, int maxLength,
                       TextInputOptions options) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    ApplyTextInputRules(edit, std::move(options));
    return edit;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    EnterMovesFocus(button);
    return button;
}

void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = ToQt(text);
    if (edit->text() != shown) {
        edit->setText(shown);
    }
}

// A table text as the read-only text input shows it: plain line ends, no empty last line.
QString TableLines(const std::string& text) {
    QString lines = ToQt(text).remove(QLatin1Char('\r'));
    while (lines.endsWith(QLatin1Char('\n'))) {
        lines.chop(1);
    }
    return lines;
}

// The width of the longest line of any standard's table text.
int WidestTableLine(const QFontMetrics& metrics, const LanguageTexts& texts) {
    int widest = 0;
    for (int standard = 0; standard < kFiveToneStandardCount; ++standard) {
        for (const QString& line : TableLines(StandardTableText(standard, texts)).split(u'\n')) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
    }
    return widest;
}

std::vector<std::string> FirstEntries(const std::vector<std::string>& list, int count) {
    return {list.begin(), list.begin() + std::min<std::ptrdiff_t>(count, std::ssize(list))};
}

} // namespace

FiveToneDialog::FiveToneDialog(RadioImage& image, UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), ctx_(ctx), lists_(BuildFiveToneEditLists(ctx.Texts)),
      edit_(OpenFiveToneEdit(image, lists_, ctx.Texts)) {
    const LanguageTexts& texts = ctx.Texts;

    tableText_ = new QPlainTextEdit(this);
    tableText_->setObjectName(QStringLiteral("tableText"));
    tableText_->setReadOnly(true);
    tableText_->setFocusPolicy(Qt::NoFocus);
    tableText_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* settingsRow = new QHBoxLayout;
    settingsRow->addLayout(NewSystemSettings(), 1);
    settingsRow->addWidget(tableText_);
    auto* left = new QVBoxLayout;
    left->addLayout(settingsRow);
    left->addWidget(NewInfoGroup());
    left->addStretch(1);

    codeTable_ = new FiveToneCodeTable(edit_.Record, edit_.Rows, texts, this);
    auto* special =
        NewButton(this, QStringLiteral("specialButton"), ToQt(texts.Option(kKeySpecialCall)));
    connect(special, &QPushButton::clicked, this,
            [this] { OpenSpecialCall(SpecialCallTarget::CodeList); });
    auto* pttIdRow = new QHBoxLayout;
    pttIdRow->addWidget(NewPttIdGroup(kBeginCode));
    pttIdRow->addWidget(NewPttIdGroup(kEndCode));
    auto* right = new QVBoxLayout;
    right->addWidget(codeTable_, 1);
    right->addWidget(special, 0, Qt::AlignLeft);
    right->addLayout(pttIdRow);

    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(16);
    inputs->addLayout(left);
    inputs->addLayout(right, 1);
    LayOutWithOkCancel(this, inputs, texts);
    // Height to spare goes to the code list rather than below the inputs.
    auto* body = static_cast<QBoxLayout*>(layout());
    body->setStretch(0, 1);
    body->setStretch(1, 0);
    auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(ToQt(texts.Option(kKeyOk)));
    buttons->button(QDialogButtonBox::Cancel)->setText(ToQt(texts.Option(kKeyCancel)));
    setWindowTitle(ToQt(texts.Option(kKeyCaption)));

    // The table text shows the whole table of any standard without scrolling.
    const QFontMetrics metrics = tableText_->fontMetrics();
    tableText_->setFixedWidth(WidestTableLine(metrics, texts) + 32);
    tableText_->setMinimumHeight(metrics.lineSpacing() * kTableTextLines + 16);
    // Tall enough for a good part of the code list, and still within a 1280 × 800 screen.
    resize(sizeHint().width(), std::max(sizeHint().height(), kOpeningHeight));
    ShowInputs();
    ConnectInputs();
}

QLayout* FiveToneDialog::NewSystemSettings() {
    const LanguageTexts& texts = ctx_.Texts;
    ownIdEdit_ = NewLineEdit(this, QStringLiteral("ownIdEdit"),
                             static_cast<int>(kFiveToneOwnIdLength), {filters::Digits(), true});
    standardCombo_ = NewCombo(this, "standardCombo", lists_.Standards);
    decodeResponseCombo_ = NewCombo(this, "decodeResponseCombo", lists_.Responses);
    toneLengthCombo_ = NewCombo(this, "toneLengthCombo", lists_.ToneLengths);
    preSendDelayCombo_ = NewCombo(this, "preSendDelayCombo", lists_.SendDelays);
    resetTimeCombo_ = NewCombo(this, "resetTimeCombo", lists_.ResetTimes);
    postSendDelayCombo_ = NewCombo(this, "postSendDelayCombo", lists_.SendDelays);
    pauseTimeCombo_ = NewCombo(this, "pauseTimeCombo", lists_.PauseTimes);
    firstDigitDelayCombo_ = NewCombo(this, "firstDigitDelayCombo", lists_.SendDelays);
    codePauseTimeCombo_ = NewCombo(this, "codePauseTimeCombo", lists_.CodePauseTimes);
    pauseCodeCombo_ = NewCombo(this, "pauseCodeCombo", lists_.PauseCodes);
    decodeTimeCombo_ = NewCombo(this, "decodeTimeCombo", lists_.DecodeTimes);
    sideToneCheck_ = NewCheck(this, "sideToneCheck");
    sideToneCheck_->setText(ToQt(texts.Option(kKeySideTone)));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    int row = 0;
    auto add = [&](QLabel* label, QWidget* input) {
        grid->addWidget(label, row, 0);
        grid->addWidget(input, row++, 1);
    };
    add(OptionLabel(this, texts, kKeyOwnId, ownIdEdit_), ownIdEdit_);
    add(KeyLabel(this, kKeyStandard, standardCombo_), standardCombo_);
    for (auto [key, list] :
         {std::pair{kKeyDecodeResponse, decodeResponseCombo_},
          std::pair{kKeyToneLength, toneLengthCombo_},
          std::pair{kKeyPreSendDelay, preSendDelayCombo_},
          std::pair{kKeyResetTime, resetTimeCombo_},
          std::pair{kKeyPostSendDelay, postSendDelayCombo_},
          std::pair{kKeyPauseTime, pauseTimeCombo_},
          std::pair{kKeyFirstDigitDelay, firstDigitDelayCombo_},
          std::pair{kKeyCodePauseTime, codePauseTimeCombo_},
          std::pair{kKeyPauseCode, pauseCodeCombo_}, std::pair{kKeyDecodeTime, decodeTimeCombo_}}) {
        add(OptionLabel(this, texts, key, list), list);
    }
    grid->addWidget(sideToneCheck_, row, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QGroupBox* FiveToneDialog::NewPttIdGroup(int code) {
    const LanguageTexts& texts = ctx_.Texts;
    const auto index = static_cast<std::size_t>(code);
    const QString name = QLatin1String(kPttIdNames[index]);
    auto* group = new QGroupBox(ToQt(texts.Option(kKeyPttIdGroups[index])), this);
    PttIdGroup& inputs = pttIdGroups_[index];
    inputs.Code = NewLineEdit(group, name + QStringLiteral("CodeEdit"), kPttIdCodeWidth,
                              {filters::HexDigits(), true});
    inputs.Code->setMinimumWidth(
        inputs.Code->fontMetrics().horizontalAdvance(QString(kPttIdCodeWidth, QLatin1Char('D'))) +
        12);
    inputs.Standard =
        NewCombo(group, qPrintable(name + QStringLiteral("StandardCombo")), lists_.Standards);
    inputs.ToneLength =
        NewCombo(group, qPrintable(name + QStringLiteral("ToneLengthCombo")), lists_.ToneLengths);
    auto* special = NewButton(group, name + QStringLiteral("SpecialButton"),
                              ToQt(texts.Option(kKeySpecialCall)));
    const auto target =
        code == kBeginCode ? SpecialCallTarget::BeginCode : SpecialCallTarget::EndCode;
    connect(special, &QPushButton::clicked, this, [this, target] { OpenSpecialCall(target); });

    auto* grid = new QGridLayout(group);
    grid->addWidget(OptionLabel(group, texts, kKeyCode, inputs.Code), 0, 0);
    grid->addWidget(inputs.Code, 0, 1);
    grid->addWidget(KeyLabel(group, kKeyStandard, inputs.Standard), 1, 0);
    grid->addWidget(inputs.Standard, 1, 1);
    grid->addWidget(OptionLabel(group, texts, kKeyToneLength, inputs.ToneLength), 2, 0);
    grid->addWidget(inputs.ToneLength, 2, 1);
    grid->addWidget(special, 3, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* FiveToneDialog::NewInfoGroup() {
    const LanguageTexts& texts = ctx_.Texts;
    infoGroup_ = new QGroupBox(this);
    infoGroup_->setObjectName(QStringLiteral("infoGroup"));
    infoNumberCombo_ = NewCombo(infoGroup_, "infoNumberCombo", lists_.Info.Numbers);
    infoFunctionCombo_ = NewCombo(infoGroup_, "infoFunctionCombo", lists_.Info.Functions);
    infoResponseCombo_ = NewCombo(infoGroup_, "infoResponseCombo", lists_.Info.Responses);
    infoCodeEdit_ = NewLineEdit(infoGroup_, QStringLiteral("infoCodeEdit"), kInfoCodeWidth,
                                {filters::HexDigits()});
    infoNameEdit_ = NewLineEdit(infoGroup_, QStringLiteral("infoNameEdit"), kInfoNameWidth, {});

    auto* grid = new QGridLayout(infoGroup_);
    grid->setHorizontalSpacing(10);
    grid->addWidget(OptionLabel(infoGroup_, texts, kKeyInfoNumber, infoNumberCombo_), 0, 0);
    grid->addWidget(infoNumberCombo_, 0, 1);
    grid->addWidget(OptionLabel(infoGroup_, texts, kKeyInfoFunction, infoFunctionCombo_), 1, 0);
    grid->addWidget(infoFunctionCombo_, 1, 1);
    grid->addWidget(OptionLabel(infoGroup_, texts, kKeyDecodeResponse, infoResponseCombo_), 2, 0);
    grid->addWidget(infoResponseCombo_, 2, 1);
    grid->addWidget(OptionLabel(infoGroup_, texts, kKeyInfoCode, infoCodeEdit_), 0, 2);
    grid->addWidget(infoCodeEdit_, 0, 3);
    grid->addWidget(OptionLabel(infoGroup_, texts, kKeyInfoName, infoNameEdit_), 1, 2);
    grid->addWidget(infoNameEdit_, 1, 3);
    grid->setColumnMinimumWidth(2, 20);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return infoGroup_;
}

void FiveToneDialog::ConnectInputs() {
    FiveToneEditInputs& inputs = edit_.Inputs;
    const LanguageTexts& texts = ctx_.Texts;
    auto position = [this](QComboBox* list, int& field) {
        connect(list, &QComboBox::currentIndexChanged, this,
                [target = &field](int index) { *target = index; });
    };
    position(decodeResponseCombo_, inputs.DecodeResponse);
    position(toneLengthCombo_, inputs.ToneLength);
    position(preSendDelayCombo_, inputs.PreSendDelay);
    position(resetTimeCombo_, inputs.ResetTime);
    position(postSendDelayCombo_, inputs.PostSendDelay);
    position(pauseTimeCombo_, inputs.PauseTime);
    position(firstDigitDelayCombo_, inputs.FirstDigitDelay);
    position(codePauseTimeCombo_, inputs.CodePauseTime);
    position(decodeTimeCombo_, inputs.DecodeTime);
    position(infoResponseCombo_, inputs.Info.Response);
    connect(pauseCodeCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit_.Inputs.PauseCode = index;
        ShowInputs();
    });
    connect(standardCombo_, &QComboBox::currentIndexChanged, this, [this, &texts](int index) {
        edit_.Inputs.Standard = index;
        ReactToStandard(edit_.Inputs, texts);
        ShowInputs();
    });
    connect(sideToneCheck_, &QCheckBox::toggled, this,
            [this](bool on) { edit_.Inputs.SideTone = on; });

    connect(ownIdEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit_.Inputs.OwnId = ToCore(text);
        codeTable_->SetOwnId(edit_.Inputs.OwnId);
    });
    OnFocusOut(ownIdEdit_, [this] {
        // The own ID is taken when the focus moves on inside the dialog; OK takes it itself, and
        // Cancel must stay within reach of a refused own ID.
        QWidget* next = QApplication::focusWidget();
        auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        if (next != nullptr && next->window() == this && !buttons->isAncestorOf(next)) {
            LeaveOwnIdField();
        }
    });

    for (int code = 0; code < kPttIdCodeCount; ++code) {
        const PttIdGroup& group = pttIdGroups_[static_cast<std::size_t>(code)];
        PttIdCodeInputs& state = inputs.PttIdCodes[static_cast<std::size_t>(code)];
        connect(group.Code, &QLineEdit::textEdited, this,
                [&state](const QString& text) { state.Code = ToCore(text); });
        OnFocusOut(group.Code, [this, code] {
            FinishPttIdCode(edit_.Inputs, code);
            ShowInputs();
        });
        connect(group.Standard, &QComboBox::currentIndexChanged, this,
                [this, &state, &texts, code](int index) {
                    state.Standard = index;
                    ReactToPttIdStandard(edit_.Inputs, code, texts);
                    ShowInputs();
                });
        position(group.ToneLength, state.ToneLength);
    }

    connect(codeTable_, &FiveToneCodeTable::standardChosen, this, [this, &texts](int standard) {
        edit_.Inputs.TableText = StandardTableText(standard, texts);
        ShowInputs();
    });

    connect(infoNumberCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        SelectInfoCode(edit_.Record, edit_.Inputs.Info, index + 1);
        ShowInputs();
    });
    connect(infoFunctionCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit_.Inputs.Info.Function = index;
        ReactToInfoFunction(edit_.Inputs.Info);
        ShowInputs();
    });
    connect(infoCodeEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit_.Inputs.Info.Code = ToCore(text); });
    connect(infoNameEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit_.Inputs.Info.Name = ToCore(text); });
}

void FiveToneDialog::ShowInputs() {
    const FiveToneEditInputs& inputs = edit_.Inputs;
    ShowText(ownIdEdit_, inputs.OwnId);
    ShowPosition(standardCombo_, inputs.Standard);
    ShowPosition(decodeResponseCombo_, inputs.DecodeResponse);
    ShowPosition(toneLengthCombo_, inputs.ToneLength);
    ShowPosition(preSendDelayCombo_, inputs.PreSendDelay);
    ShowPosition(resetTimeCombo_, inputs.ResetTime);
    ShowPosition(postSendDelayCombo_, inputs.PostSendDelay);
    ShowPosition(pauseTimeCombo_, inputs.PauseTime);
    ShowPosition(firstDigitDelayCombo_, inputs.FirstDigitDelay);
    ShowPosition(codePauseTimeCombo_, inputs.CodePauseTime);
    codePauseTimeCombo_->setEnabled(CodePauseTimeOn(inputs));
    ShowPosition(pauseCodeCombo_, inputs.PauseCode);
    ShowPosition(decodeTimeCombo_, inputs.DecodeTime);
    ShowCheck(sideToneCheck_, inputs.SideTone);
    for (std::size_t code = 0; code < pttIdGroups_.size(); ++code) {
        const PttIdGroup& group = pttIdGroups_[code];
        ShowText(group.Code, inputs.PttIdCodes[code].Code);
        ShowPosition(group.Standard, inputs.PttIdCodes[code].Standard);
        ShowPosition(group.ToneLength, inputs.PttIdCodes[code].ToneLength);
    }
    const QString table = TableLines(inputs.TableText);
    if (tableText_->toPlainText() != table) {
        tableText_->setPlainText(table);
    }

    const InfoCodeInputs& info = inputs.Info;
    infoGroup_->setTitle(ToQt(ctx_.Texts.GetText(kKeyInfoCaption)) + QString::number(info.Number));
    ShowPosition(infoNumberCombo_, info.Number - 1);
    ShowPosition(infoFunctionCombo_, info.Function);
    ShowEntries(infoResponseCombo_, FirstEntries(lists_.Info.Responses, info.ResponseCount));
    ShowPosition(infoResponseCombo_, info.Response);
    infoResponseCombo_->setEnabled(info.ResponseOn);
    ShowText(infoCodeEdit_, info.Code);
    ShowText(infoNameEdit_, info.Name);
    infoNameEdit_->setEnabled(info.NameOn);
    codeTable_->SetOwnId(inputs.OwnId);
}

bool FiveToneDialog::LeaveOwnIdField() {
    codeTable_->CommitOpenCell();
    if (!LeaveOwnId(ctx_, image_, edit_, lists_)) {
        ownIdEdit_->setFocus();
        return false;
    }
    codeTable_->ShowRows();
    ShowInputs();
    return true;
}

void FiveToneDialog::OpenSpecialCall(SpecialCallTarget target) {
    const int entry = codeTable_->CurrentEntry();
    if (target == SpecialCallTarget::CodeList) {
        codeTable_->CommitOpenCell();
    }
    FiveToneSpecialCallDialog special(edit_.Record, edit_.Rows, target, entry, edit_.Inputs.OwnId,
                                      ctx_, this);
    if (special.exec() != QDialog::Accepted) {
        return;
    }
    if (target == SpecialCallTarget::CodeList) {
        codeTable_->ShowRows();
        return;
    }
    const int code = target == SpecialCallTarget::BeginCode ? kBeginCode : kEndCode;
    edit_.Inputs.PttIdCodes[static_cast<std::size_t>(code)].Code = special.Code();
    FinishPttIdCode(edit_.Inputs, code);
    ShowInputs();
}

void FiveToneDialog::accept() {
    codeTable_->CommitOpenCell();
    const bool ownIdChanged = edit_.Inputs.OwnId != TextOf(edit_.Record.OwnId);
    if (ownIdChanged && !LeaveOwnIdField()) {
        return;
    }
    if (ApplyFiveToneEdit(ctx_, image_, edit_, lists_)) {
        QDialog::accept();
        return;
    }
    ShowInputs();
    if (edit_.Inputs.OwnId.size() != kFiveToneOwnIdLength) {
        ownIdEdit_->setFocus();
    }
}

} // namespace rp70::gui
