#include "channels/channel_edit_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "shell/dialog_inputs.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Language text keys of the captions.
constexpr int kKeyCaption = 1300;
constexpr int kKeyRxFreq = 1101;
constexpr int kKeyOffset = 1102;
constexpr int kKeyTxFreq = 1140;
constexpr int kKeyName = 1103;
constexpr int kKeyStep = 1104;
constexpr int kKeyBandwidth = 1106;
constexpr int kKeyPower = 1109;
constexpr int kKeySignalling = 1110;
constexpr int kKeyTone = 1107;
constexpr int kKeyDecode = 1112;
constexpr int kKeyEncode = 1113;
constexpr int kKeyInverted = 1301;
constexpr int kKeyScrambler = 1742;
constexpr int kKeyDtmfPttId = 1743;
constexpr int kKeyFiveTonePttId = 1744;
constexpr int kKeySquelch = 1745;
constexpr int kKeyExtraDisplay = 1116;
constexpr int kKeyBusyLock = 1717;
constexpr int kKeyTxInhibit = 1105;
constexpr int kKeyReverse = 1207;
constexpr int kKeyTalkAround = 1114;
constexpr int kKeyCompander = 1746;
constexpr int kKeyScanSkip = 1111;

constexpr int kFrequencyLength = 9;
constexpr int kPttIdCodeLength = 5;
// Room around the one character of a name box (frame and margins), in pixels.
constexpr int kNameBoxPadding = 14;

QLineEdit* NewEdit(QWidget* parent, const char* name, int maxLength, TextInputOptions options) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    ApplyTextInputRules(edit, std::move(options));
    return edit;
}

QLabel* TextLabel(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// A name box holds one stored byte; Latin-1 keeps every byte as it is.
QString NameBoxText(const std::string& box) {
    return QString::fromLatin1(box.data(), static_cast<qsizetype>(box.size()));
}

std::string NameBoxByte(const QString& text) {
    return text.isEmpty() ? std::string() : std::string(1, text.front().toLatin1());
}

void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = ToQt(text);
    if (edit->text() != shown) {
        const QSignalBlocker blocker(edit);
        edit->setText(shown);
    }
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch(1);
    return row;
}

} // namespace

ChannelEditDialog::ChannelEditDialog(RadioImage& image, int number, const FeatureFlags& features,
                                     UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), number_(number), ctx_(ctx),
      lists_(BuildChannelEditLists(image, OfferedFeatures(features, EditRecordFor(image, number)),
                                   ctx.Texts)) {
    SetTextKey(this, kKeyCaption);
    BuildInputs();
    LayOut();
    inputs_ = ShowChannelRecord(EditRecordFor(image_, number_), lists_, image_.Limits, ctx_);
    ShowInputs();
    ConnectInputs();
}

void ChannelEditDialog::BuildInputs() {
    // Created in the order Tab and Enter walk through them.
    rxFreqEdit_ =
        NewEdit(this, "rxFreqEdit", kFrequencyLength, {filters::DigitsAndPoint(), true, true});
    offsetEdit_ =
        NewEdit(this, "offsetEdit", kFrequencyLength, {filters::DigitsAndPoint(), true, true});
    shiftCombo_ = NewCombo(this, "shiftCombo", lists_.ShiftDirections);
    txFreqEdit_ = NewEdit(this, "txFreqEdit", kFrequencyLength, {{}, true, true});
    for (std::size_t i = 0; i < nameBoxes_.size(); ++i) {
        const QByteArray name = "nameBox" + QByteArray::number(static_cast<int>(i));
        nameBoxes_[i] = NewEdit(this, name.constData(), 1, {filters::NameCharacters()});
        nameBoxes_[i]->setAlignment(Qt::AlignCenter);
        nameBoxes_[i]->setFixedWidth(
            nameBoxes_[i]->fontMetrics().horizontalAdvance(QLatin1Char('W')) + kNameBoxPadding);
    }
    stepCombo_ = NewCombo(this, "stepCombo", lists_.Steps);
    bandwidthCombo_ = NewCombo(this, "bandwidthCombo", lists_.Bandwidths);
    powerCombo_ = NewCombo(this, "powerCombo", lists_.Powers);
    signallingCombo_ = NewCombo(this, "signallingCombo", lists_.Signalling);
    dtmfCodeCombo_ = NewCombo(this, "dtmfCodeCombo", lists_.DtmfCodes);
    twoToneCombo_ = NewCombo(this, "twoToneCombo", lists_.TwoToneEntries);
    fiveToneCombo_ = NewCombo(this, "fiveToneCombo", lists_.FiveToneEntries);
    pttIdCheck_ = NewCheck(this, "pttIdCheck");
    pttIdCheck_->setText(QStringLiteral("PTT ID"));
    decode_.Type = NewCombo(this, "rxToneTypeCombo", lists_.ToneTypes);
    decode_.Ctcss = NewCombo(this, "rxCtcssCombo", lists_.CtcssTones);
    decode_.Dcs = NewCombo(this, "rxDcsCombo", lists_.DcsCodes);
    decode_.Inverted = NewCheck(this, "rxInvertCheck", kKeyInverted);
    encode_.Type = NewCombo(this, "txToneTypeCombo", lists_.ToneTypes);
    encode_.Ctcss = NewCombo(this, "txCtcssCombo", lists_.CtcssTones);
    encode_.Dcs = NewCombo(this, "txDcsCombo", lists_.DcsCodes);
    encode_.Inverted = NewCheck(this, "txInvertCheck", kKeyInverted);
    scramblerCombo_ = NewCombo(this, "scramblerCombo", lists_.ScramblerModes);
    dtmfPttIdCombo_ = NewCombo(this, "dtmfPttIdCombo", lists_.PttIdModes);
    fiveTonePttIdCombo_ = NewCombo(this, "fiveTonePttIdCombo", lists_.PttIdModes);
    squelchCombo_ = NewCombo(this, "squelchCombo", {});
    extraDisplayCombo_ = NewCombo(this, "extraDisplayCombo", lists_.ExtraDisplays);
    busyLockCombo_ = NewCombo(this, "busyLockCombo", lists_.BusyLockModes);
    txInhibitCheck_ = NewCheck(this, "txInhibitCheck", kKeyTxInhibit);
    reverseCheck_ = NewCheck(this, "reverseCheck", kKeyReverse);
    talkAroundCheck_ = NewCheck(this, "talkAroundCheck", kKeyTalkAround);
    companderCheck_ = NewCheck(this, "companderCheck", kKeyCompander);
    scanSkipCheck_ = NewCheck(this, "scanSkipCheck", kKeyScanSkip);
    pttIdDecodeCheck_ = NewCheck(this, "pttIdDecodeCheck");
    pttIdDecodeCheck_->setText(QStringLiteral("PTTID Decode"));
    pttIdCodeEdit_ = NewEdit(this, "pttIdCodeEdit", kPttIdCodeLength, {filters::Digits()});
}

void ChannelEditDialog::LayOut() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    const QString toneLabel = ToQt(ctx_.Texts.GetText(kKeyTone)) + QLatin1Char(' ');

    // Left: frequencies, name and the channel's signalling.
    int row = 0;
    grid->addWidget(KeyLabel(this, kKeyRxFreq, rxFreqEdit_), row, 0);
    grid->addLayout(Row({rxFreqEdit_}), row++, 1);
    grid->addWidget(KeyLabel(this, kKeyOffset, offsetEdit_), row, 0);
    grid->addLayout(Row({offsetEdit_, shiftCombo_}), row++, 1);
    grid->addWidget(KeyLabel(this, kKeyTxFreq, txFreqEdit_), row, 0);
    grid->addLayout(Row({txFreqEdit_}), row++, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(2);
    for (QLineEdit* box : nameBoxes_) {
        nameRow->addWidget(box);
    }
    nameRow->addStretch(1);
    grid->addWidget(KeyLabel(this, kKeyName, nameBoxes_[0]), row, 0);
    grid->addLayout(nameRow, row++, 1);
    grid->addWidget(KeyLabel(this, kKeyStep, stepCombo_), row, 0);
    grid->addLayout(Row({stepCombo_}), row++, 1);
    grid->addWidget(KeyLabel(this, kKeyBandwidth, bandwidthCombo_), row, 0);
    grid->addLayout(Row({bandwidthCombo_}), row++, 1);
    grid->addWidget(KeyLabel(this, kKeyPower, powerCombo_), row, 0);
    grid->addLayout(Row({powerCombo_}), row++, 1);
    grid->addWidget(KeyLabel(this, kKeySignalling, signallingCombo_), row, 0);
    grid->addLayout(
        Row({signallingCombo_, dtmfCodeCombo_, twoToneCombo_, fiveToneCombo_, pttIdCheck_}), row++,
        1);
    grid->addWidget(TextLabel(this, toneLabel + ToQt(ctx_.Texts.GetText(kKeyDecode)), decode_.Type),
                    row, 0);
    grid->addLayout(Row({decode_.Type, decode_.Ctcss, decode_.Dcs, decode_.Inverted}), row++, 1);
    grid->addWidget(TextLabel(this, toneLabel + ToQt(ctx_.Texts.GetText(kKeyEncode)), encode_.Type),
                    row, 0);
    grid->addLayout(Row({encode_.Type, encode_.Ctcss, encode_.Dcs, encode_.Inverted}), row++, 1);

    // Right: modes and switches.
    row = 0;
    grid->addWidget(KeyLabel(this, kKeyScrambler, scramblerCombo_), row, 2);
    grid->addWidget(scramblerCombo_, row++, 3);
    dtmfPttIdLabel_ = KeyLabel(this, kKeyDtmfPttId, dtmfPttIdCombo_);
    grid->addWidget(dtmfPttIdLabel_, row, 2);
    grid->addWidget(dtmfPttIdCombo_, row++, 3);
    fiveTonePttIdLabel_ = KeyLabel(this, kKeyFiveTonePttId, fiveTonePttIdCombo_);
    grid->addWidget(fiveTonePttIdLabel_, row, 2);
    grid->addWidget(fiveTonePttIdCombo_, row++, 3);
    grid->addWidget(KeyLabel(this, kKeySquelch, squelchCombo_), row, 2);
    grid->addWidget(squelchCombo_, row++, 3);
    grid->addWidget(KeyLabel(this, kKeyExtraDisplay, extraDisplayCombo_), row, 2);
    grid->addWidget(extraDisplayCombo_, row++, 3);
    grid->addWidget(KeyLabel(this, kKeyBusyLock, busyLockCombo_), row, 2);
    grid->addWidget(busyLockCombo_, row++, 3);
    grid->addWidget(txInhibitCheck_, row, 2);
    grid->addWidget(reverseCheck_, row++, 3);
    grid->addWidget(talkAroundCheck_, row, 2);
    grid->addWidget(companderCheck_, row++, 3);
    grid->addWidget(scanSkipCheck_, row, 2);
    grid->addWidget(pttIdDecodeCheck_, row++, 3);
    grid->addWidget(TextLabel(this, QStringLiteral("PTTID Code"), pttIdCodeEdit_), row, 2);
    grid->addWidget(pttIdCodeEdit_, row++, 3);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ChannelEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ChannelEditDialog::reject);
    for (QAbstractButton* button : buttons->buttons()) {
        EnterMovesFocus(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    ApplyLanguage(this, ctx_.Texts);
    SetButtonTexts(buttons, ctx_.Texts);
}

void ChannelEditDialog::ConnectInputs() {
    auto text = [this](QLineEdit* edit, std::string& field) {
        connect(edit, &QLineEdit::textChanged, this, [this, target = &field](const QString& value) {
            *target = ToCore(value);
            ShowInputs();
        });
    };
    text(rxFreqEdit_, inputs_.RxText);
    text(offsetEdit_, inputs_.OffsetText);
    text(txFreqEdit_, inputs_.TxText);
    text(pttIdCodeEdit_, inputs_.PttIdCode);

    for (std::size_t i = 0; i < nameBoxes_.size(); ++i) {
        connect(nameBoxes_[i], &QLineEdit::textChanged, this,
                [this, i](const QString& value) { inputs_.Name[i] = NameBoxByte(value); });
        // A typed character moves on to the next box.
        connect(nameBoxes_[i], &QLineEdit::textEdited, this, [this, i](const QString& value) {
            if (value.isEmpty()) {
                return;
            }
            QWidget* next = i + 1 < nameBoxes_.size() ? static_cast<QWidget*>(nameBoxes_[i + 1])
                                                      : static_cast<QWidget*>(stepCombo_);
            next->setFocus(Qt::TabFocusReason);
        });
    }

    auto position = [this](QComboBox* combo, int& field,
                           std::optional<ChannelEditChange> change = std::nullopt) {
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, target = &field, change](int index) {
                    *target = index;
                    if (change) {
                        ReactToChange(inputs_, lists_, *change);
                    }
                    ShowInputs();
                });
    };
    position(shiftCombo_, inputs_.Shift);
    position(stepCombo_, inputs_.Step);
    position(bandwidthCombo_, inputs_.Bandwidth);
    position(powerCombo_, inputs_.Power);
    position(signallingCombo_, inputs_.Signalling, ChannelEditChange::Signalling);
    position(dtmfCodeCombo_, inputs_.DtmfCode);
    position(twoToneCombo_, inputs_.TwoTone);
    position(fiveToneCombo_, inputs_.FiveTone);
    position(decode_.Type, inputs_.Decode.Type, ChannelEditChange::DecodeType);
    position(decode_.Ctcss, inputs_.Decode.Ctcss);
    position(decode_.Dcs, inputs_.Decode.Dcs);
    position(encode_.Type, inputs_.Encode.Type, ChannelEditChange::EncodeType);
    position(encode_.Ctcss, inputs_.Encode.Ctcss);
    position(encode_.Dcs, inputs_.Encode.Dcs);
    position(scramblerCombo_, inputs_.Scrambler);
    position(dtmfPttIdCombo_, inputs_.DtmfPttId, ChannelEditChange::DtmfPttId);
    position(fiveTonePttIdCombo_, inputs_.FiveTonePttId, ChannelEditChange::FiveTonePttId);
    position(extraDisplayCombo_, inputs_.ExtraDisplay);
    position(busyLockCombo_, inputs_.BusyLock);
    connect(squelchCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(shownSquelchModes_.size())) {
            inputs_.SquelchMode = shownSquelchModes_[static_cast<std::size_t>(index)];
        }
    });

    auto check = [this](QCheckBox* box, bool& field,
                        std::optional<ChannelEditChange> change = std::nullopt) {
        connect(box, &QCheckBox::toggled, this, [this, target = &field, change](bool on) {
            *target = on;
            if (change) {
                ReactToChange(inputs_, lists_, *change);
            }
            ShowInputs();
        });
    };
    check(pttIdCheck_, inputs_.PttId);
    check(decode_.Inverted, inputs_.Decode.Inverted);
    check(encode_.Inverted, inputs_.Encode.Inverted);
    check(txInhibitCheck_, inputs_.TxInhibit);
    check(reverseCheck_, inputs_.Reverse, ChannelEditChange::Reverse);
    check(talkAroundCheck_, inputs_.TalkAround, ChannelEditChange::TalkAround);
    check(companderCheck_, inputs_.Compander);
    check(scanSkipCheck_, inputs_.ScanSkip);
    check(pttIdDecodeCheck_, inputs_.PttIdDecode);
}

void ChannelEditDialog::ShowInputs() {
    ShowText(rxFreqEdit_, inputs_.RxText);
    ShowText(offsetEdit_, inputs_.OffsetText);
    ShowPosition(shiftCombo_, inputs_.Shift);
    ShowText(txFreqEdit_, inputs_.TxText);
    for (std::size_t i = 0; i < nameBoxes_.size(); ++i) {
        if (nameBoxes_[i]->text() != NameBoxText(inputs_.Name[i])) {
            const QSignalBlocker blocker(nameBoxes_[i]);
            nameBoxes_[i]->setText(NameBoxText(inputs_.Name[i]));
        }
    }
    ShowPosition(stepCombo_, inputs_.Step);
    ShowPosition(bandwidthCombo_, inputs_.Bandwidth);
    ShowPosition(powerCombo_, inputs_.Power);
    ShowPosition(signallingCombo_, inputs_.Signalling);
    ShowPosition(dtmfCodeCombo_, inputs_.DtmfCode);
    ShowPosition(twoToneCombo_, inputs_.TwoTone);
    ShowPosition(fiveToneCombo_, inputs_.FiveTone);
    ShowCheck(pttIdCheck_, inputs_.PttId);
    for (auto [widgets, tone] :
         {std::pair{&decode_, &inputs_.Decode}, std::pair{&encode_, &inputs_.Encode}}) {
        ShowPosition(widgets->Type, tone->Type);
        ShowPosition(widgets->Ctcss, tone->Ctcss);
        ShowPosition(widgets->Dcs, tone->Dcs);
        ShowCheck(widgets->Inverted, tone->Inverted);
    }
    ShowPosition(scramblerCombo_, inputs_.Scrambler);
    ShowPosition(dtmfPttIdCombo_, inputs_.DtmfPttId);
    ShowPosition(fiveTonePttIdCombo_, inputs_.FiveTonePttId);
    ShowSquelchList();
    ShowPosition(extraDisplayCombo_, inputs_.ExtraDisplay);
    ShowPosition(busyLockCombo_, inputs_.BusyLock);
    ShowCheck(txInhibitCheck_, inputs_.TxInhibit);
    ShowCheck(reverseCheck_, inputs_.Reverse);
    ShowCheck(talkAroundCheck_, inputs_.TalkAround);
    ShowCheck(companderCheck_, inputs_.Compander);
    ShowCheck(scanSkipCheck_, inputs_.ScanSkip);
    ShowCheck(pttIdDecodeCheck_, inputs_.PttIdDecode);
    ShowText(pttIdCodeEdit_, inputs_.PttIdCode);

    const ChannelEditStates states = InputStates(inputs_, lists_, number_, image_.BandIndex);
    dtmfCodeCombo_->setVisible(states.CodeList == kSignallingDtmf);
    twoToneCombo_->setVisible(states.CodeList == kSignallingTwoTone);
    fiveToneCombo_->setVisible(states.CodeList == kSignallingFiveTone);
    pttIdCheck_->setVisible(states.PttIdShown);
    for (auto [widgets, shown] : {std::pair{&decode_, states.DecodeListsShown},
                                  std::pair{&encode_, states.EncodeListsShown}}) {
        widgets->Ctcss->setVisible(shown == kToneCtcss);
        widgets->Dcs->setVisible(shown == kToneDcs);
        widgets->Inverted->setVisible(shown == kToneDcs);
    }
    dtmfPttIdLabel_->setVisible(lists_.DtmfPttIdOffered);
    dtmfPttIdCombo_->setVisible(lists_.DtmfPttIdOffered);
    fiveTonePttIdLabel_->setVisible(lists_.FiveTonePttIdOffered);
    fiveTonePttIdCombo_->setVisible(lists_.FiveTonePttIdOffered);

    // The receive frequency stays open for typing and the offset is always open; everything
    // else needs a receive frequency.
    rxFreqEdit_->setEnabled(states.RxEditable);
    offsetEdit_->setEnabled(true);
    txFreqEdit_->setEnabled(states.TxEditable);
    pttIdCodeEdit_->setEnabled(states.PttIdCodeEditable);
    pttIdDecodeCheck_->setEnabled(states.PttIdCodeEditable);
    const std::initializer_list<QWidget*> others = {
        shiftCombo_,      stepCombo_,         bandwidthCombo_, powerCombo_,
        signallingCombo_, dtmfCodeCombo_,     twoToneCombo_,   fiveToneCombo_,
        pttIdCheck_,      decode_.Type,       decode_.Ctcss,   decode_.Dcs,
        decode_.Inverted, encode_.Type,       encode_.Ctcss,   encode_.Dcs,
        encode_.Inverted, scramblerCombo_,    dtmfPttIdCombo_, fiveTonePttIdCombo_,
        squelchCombo_,    extraDisplayCombo_, busyLockCombo_,  txInhibitCheck_,
        reverseCheck_,    talkAroundCheck_,   companderCheck_, scanSkipCheck_};
    for (QWidget* widget : others) {
        widget->setEnabled(states.InputsOn);
    }
    for (QLineEdit* box : nameBoxes_) {
        box->setEnabled(states.InputsOn);
    }
}

void ChannelEditDialog::ShowSquelchList() {
    const std::vector<int> offered = OfferedSquelchModes(inputs_, lists_);
    const QSignalBlocker blocker(squelchCombo_);
    if (offered != shownSquelchModes_) {
        squelchCombo_->clear();
        for (int mode : offered) {
            squelchCombo_->addItem(ToQt(ItemByIndex(lists_.SquelchModes, mode)));
        }
        shownSquelchModes_ = offered;
    }
    const auto found = std::find(offered.begin(), offered.end(), inputs_.SquelchMode);
    squelchCombo_->setCurrentIndex(
        found == offered.end() ? 0 : static_cast<int>(found - offered.begin()));
}

void ChannelEditDialog::accept() {
    const ChannelEditOutcome outcome = ApplyChannelEdit(image_, number_, inputs_, lists_, ctx_);
    ShowInputs();
    if (outcome == ChannelEditOutcome::StayOpen) {
        rxFreqEdit_->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}

} // namespace rp70::gui
