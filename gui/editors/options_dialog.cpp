#include "editors/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "shell/dialog_inputs.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

constexpr int kPasswordLength = 6;
// Room around the one character of a welcome box (frame and margins), in pixels.
constexpr int kWelcomeBoxPadding = 14;
// The shown lists fill two columns of this many rows.
constexpr int kListRows = 6;
constexpr int kKeysPerKind = 4;

// The welcome boxes and the password hold stored bytes; Latin-1 keeps every byte as it is.
QString ByteText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string TextBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = ByteText(text);
    if (edit->text() != shown) {
        const QSignalBlocker blocker(edit);
        edit->setText(shown);
    }
}

// A hidden input keeps its place, so the dialog does not jump when it shows again.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

OptionsDialog::OptionsDialog(RadioImage& image, const LanguageTexts& texts, QWidget* parent)
    : QDialog(parent), image_(image), texts_(texts), lists_(BuildOptionsEditLists(image, texts)),
      state_(ShowOptions(image, lists_)) {
    SetTextKey(this, kOptionsCaptionKey);
    BuildInputs();
    LayOut();
    ShowInputs();
    ConnectInputs();
}

void OptionsDialog::BuildInputs() {
    auto list = [this](int n) {
        const auto index = static_cast<std::size_t>(n);
        listCombos_[index] =
            NewCombo(this, qPrintable(QStringLiteral("listCombo%1").arg(n)), lists_.Lists[index]);
    };
    for (int n : kShownOptionLists) {
        list(n);
        if (n == kDisplayModeList) {
            list(kChannelDisplayList);
        }
    }
    for (int box = 0; box < kOptionCheckCount; ++box) {
        if (box == kHiddenOptionCheck) {
            continue;
        }
        auto* check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("checkBox%1").arg(box));
        SetTextKey(check, OptionCheckLabelKey(box));
        EnterMovesFocus(check);
        checks_[static_cast<std::size_t>(box)] = check;
    }
    for (std::size_t i = 0; i < welcomeBoxes_.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("welcomeBox%1").arg(i));
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('W')) +
                           kWelcomeBoxPadding);
        ApplyTextInputRules(box, {filters::NameCharacters()});
        welcomeBoxes_[i] = box;
    }
    passwordCheck_ = new QCheckBox(this);
    passwordCheck_->setObjectName(QStringLiteral("passwordCheck"));
    SetTextKey(passwordCheck_, kPasswordEnableKey);
    EnterMovesFocus(passwordCheck_);
    passwordEdit_ = new QLineEdit(this);
    passwordEdit_->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit_->setMaxLength(kPasswordLength);
    ApplyTextInputRules(passwordEdit_, {filters::Digits()});
    for (std::size_t row = 0; row < keyCombos_.size(); ++row) {
        keyCombos_[row] =
            NewCombo(this, qPrintable(QStringLiteral("keyCombo%1").arg(row)), lists_.KeyRows[row]);
    }
}

void OptionsDialog::LayOut() {
    // The lists in two columns; the channel display sits beside the display mode.
    auto* lists = new QGridLayout;
    auto* displayModes = new QHBoxLayout;
    lists->setHorizontalSpacing(10);
    for (std::size_t i = 0; i < kShownOptionLists.size(); ++i) {
        const int n = kShownOptionLists[i];
        QComboBox* combo = listCombos_[static_cast<std::size_t>(n)];
        const int row = static_cast<int>(i) % kListRows;
        const int column = static_cast<int>(i) / kListRows * 3;
        lists->addWidget(KeyLabel(this, OptionListLabelKey(n), combo), row, column);
        if (n == kDisplayModeList) {
            QComboBox* channelDisplay = listCombos_[kChannelDisplayList];
            SetToolTipKey(channelDisplay, OptionListLabelKey(kChannelDisplayList));
            KeepPlaceWhenHidden(channelDisplay);
            displayModes->addWidget(combo, 1);
            displayModes->addWidget(channelDisplay, 1);
            lists->addLayout(displayModes, row, column + 1);
        } else {
            lists->addWidget(combo, row, column + 1);
        }
    }
    lists->setColumnMinimumWidth(2, 16);
    lists->setColumnStretch(1, 1);
    lists->setColumnStretch(4, 1);

    auto* checks = new QGridLayout;
    int shownBox = 0;
    for (QCheckBox* check : checks_) {
        if (check != nullptr) {
            checks->addWidget(check, shownBox / 3, shownBox % 3);
            ++shownBox;
        }
    }

    // Power-on text and password.
    auto* welcome = new QHBoxLayout;
    welcome->setSpacing(2);
    for (QLineEdit* box : welcomeBoxes_) {
        welcome->addWidget(box);
    }
    welcome->addStretch(1);
    passwordLabel_ = KeyLabel(this, kPasswordKey, passwordEdit_);
    KeepPlaceWhenHidden(passwordLabel_);
    KeepPlaceWhenHidden(passwordEdit_);
    auto* password = new QHBoxLayout;
    password->addWidget(passwordCheck_);
    password->addSpacing(16);
    password->addWidget(passwordLabel_);
    password->addWidget(passwordEdit_);
    password->addStretch(1);
    auto* powerOn = new QGridLayout;
    powerOn->addWidget(KeyLabel(this, kWelcomeKey, welcomeBoxes_[0]), 0, 0);
    powerOn->addLayout(welcome, 0, 1);
    powerOn->addLayout(password, 1, 0, 1, 2);
    powerOn->setColumnStretch(1, 1);

    // The key rows: Short, Long and FUNC side by side, P1 … P4 downwards.
    auto* keysBox = new QGroupBox(this);
    auto* keys = new QGridLayout(keysBox);
    keys->setHorizontalSpacing(10);
    for (std::size_t row = 0; row < keyCombos_.size(); ++row) {
        const int line = static_cast<int>(row) % kKeysPerKind;
        const int column = static_cast<int>(row) / kKeysPerKind * 2;
        auto* label = new QLabel(ToQt(KeyRowCaption(row)), keysBox);
        label->setBuddy(keyCombos_[row]);
        keys->addWidget(label, line, column);
        keys->addWidget(keyCombos_[row], line, column + 1);
        keys->setColumnStretch(column + 1, 1);
    }

    QDialogButtonBox* buttons = NewOkCancel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addSpacing(6);
    layout->addLayout(checks);
    layout->addSpacing(6);
    layout->addLayout(powerOn);
    layout->addWidget(keysBox);
    layout->addWidget(buttons);

    ApplyLanguage(this, texts_);
    SetButtonTexts(buttons, texts_);
    // Both columns of lists as wide as the two display mode lists.
    lists->setColumnMinimumWidth(4, displayModes->sizeHint().width());
}

void OptionsDialog::ConnectInputs() {
    for (int n = 0; n < kOptionListCount; ++n) {
        if (QComboBox* combo = listCombos_[static_cast<std::size_t>(n)]) {
            connect(combo, &QComboBox::currentIndexChanged, this, [this, n](int position) {
                ChangeOptionList(state_, lists_, n, position);
                ShowInputs();
            });
        }
    }
    for (std::size_t row = 0; row < keyCombos_.size(); ++row) {
        connect(keyCombos_[row], &QComboBox::currentIndexChanged, this,
                [this, row](int position) { ChangeKeyFunction(state_, lists_, row, position); });
    }
    for (int box = 0; box < kOptionCheckCount; ++box) {
        if (QCheckBox* check = checks_[static_cast<std::size_t>(box)]) {
            connect(check, &QCheckBox::toggled, this,
                    [this, box](bool on) { ChangeOptionCheck(state_, box, on); });
        }
    }
    for (std::size_t i = 0; i < welcomeBoxes_.size(); ++i) {
        connect(welcomeBoxes_[i], &QLineEdit::textChanged, this,
                [this, i](const QString& text) { state_.Welcome[i] = TextBytes(text); });
        // A typed character moves on to the next box.
        connect(welcomeBoxes_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (text.isEmpty()) {
                return;
            }
            QWidget* next = i + 1 < welcomeBoxes_.size()
                                ? static_cast<QWidget*>(welcomeBoxes_[i + 1])
                                : static_cast<QWidget*>(passwordCheck_);
            next->setFocus(Qt::TabFocusReason);
        });
    }
    connect(passwordCheck_, &QCheckBox::toggled, this, [this](bool on) {
        state_.PasswordEnabled = on;
        EnablePassWord(OptionsInputStates(state_).PasswordShown);
    });
    connect(passwordEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { state_.Password = TextBytes(text); });
}

void OptionsDialog::ShowInputs() {
    for (std::size_t n = 0; n < listCombos_.size(); ++n) {
        if (listCombos_[n] != nullptr) {
            ShowPosition(listCombos_[n], state_.Lists[n]);
        }
    }
    for (std::size_t row = 0; row < keyCombos_.size(); ++row) {
        ShowPosition(keyCombos_[row], state_.Keys[row]);
    }
    for (std::size_t box = 0; box < checks_.size(); ++box) {
        if (checks_[box] != nullptr) {
            ShowCheck(checks_[box], state_.Checks[box]);
        }
    }
    for (std::size_t i = 0; i < welcomeBoxes_.size(); ++i) {
        ShowText(welcomeBoxes_[i], state_.Welcome[i]);
    }
    ShowCheck(passwordCheck_, state_.PasswordEnabled);
    ShowText(passwordEdit_, state_.Password);

    const OptionsEditStates states = OptionsInputStates(state_);
    listCombos_[kWorkModeList]->setEnabled(states.WorkModeEnabled);
    listCombos_[kChannelDisplayList]->setVisible(states.ChannelDisplayShown);
    EnablePassWord(states.PasswordShown);
}

void OptionsDialog::EnablePassWord(bool shown) {
    passwordLabel_->setVisible(shown);
    passwordEdit_->setVisible(shown);
}

void OptionsDialog::accept() {
    ApplyOptionsEdit(image_, state_);
    QDialog::accept();
}

} // namespace rp70::gui
