#include "editors/alert_dialog.h"

#include <QGridLayout>
#include <utility>

#include "shell/dialog_inputs.h"
#include "shell/language_apply.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Language text keys of the captions.
constexpr int kKeyCaption = 2600;
constexpr int kKeyAlarmMode = 2602;
constexpr int kKeyIdCodeType = 2603;
constexpr int kKeyIdCode = 2604;
constexpr int kKeyAlarmTime = 2605;
constexpr int kKeyTxTime = 2606;
constexpr int kKeyRxTime = 2607;
constexpr int kKeyChannelSelect = 2608;
constexpr int kKeyEmergencyChannel = 2610;
constexpr int kKeyCycle = 2611;

} // namespace

AlertDialog::AlertDialog(RadioImage& image, UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), lists_(BuildAlertEditLists(image, ctx.Texts)) {
    SetTextKey(this, kKeyCaption);
    alarmModeCombo_ = NewCombo(this, "alarmModeCombo", lists_.AlarmModes);
    idCodeTypeCombo_ = NewCombo(this, "idCodeTypeCombo", lists_.IdCodeTypes);
    idCodeCombo_ = NewCombo(this, "idCodeCombo", {}); // filled for the ID code type
    alarmTimeCombo_ = NewCombo(this, "alarmTimeCombo", lists_.Seconds);
    txTimeCombo_ = NewCombo(this, "txTimeCombo", lists_.Seconds);
    rxTimeCombo_ = NewCombo(this, "rxTimeCombo", lists_.Seconds);
    channelSelectCombo_ = NewCombo(this, "channelSelectCombo", lists_.ChannelSelects);
    emergencyChannelCombo_ = NewCombo(this, "emergencyChannelCombo", lists_.EmergencyChannels);
    cycleCombo_ = NewCombo(this, "cycleCombo", lists_.Cycles);
    LayOut(ctx.Texts);
    inputs_ = ShowAlertRecord(image_.Record.Function.Alert, lists_);
    ShowInputs();
    ConnectInputs();
}

void AlertDialog::LayOut(const LanguageTexts& texts) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int row = 0;
    for (auto [key, list] :
         {std::pair{kKeyAlarmMode, alarmModeCombo_}, std::pair{kKeyIdCodeType, idCodeTypeCombo_},
          std::pair{kKeyIdCode, idCodeCombo_}, std::pair{kKeyAlarmTime, alarmTimeCombo_},
          std::pair{kKeyTxTime, txTimeCombo_}, std::pair{kKeyRxTime, rxTimeCombo_},
          std::pair{kKeyChannelSelect, channelSelectCombo_},
          std::pair{kKeyEmergencyChannel, emergencyChannelCombo_},
          std::pair{kKeyCycle, cycleCombo_}}) {
        // Each label stands right beside its list.
        grid->addWidget(KeyLabel(this, key, list), row, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(list, row++, 1);
    }
    grid->setColumnStretch(1, 1);

    LayOutWithOkCancel(this, grid, texts);
}

void AlertDialog::ConnectInputs() {
    auto position = [this](QComboBox* list, int& field) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, target = &field](int index) {
            *target = index;
            ShowInputs();
        });
    };
    position(alarmModeCombo_, inputs_.AlarmMode);
    position(idCodeCombo_, inputs_.IdCode);
    position(alarmTimeCombo_, inputs_.AlarmTime);
    position(txTimeCombo_, inputs_.TxTime);
    position(rxTimeCombo_, inputs_.RxTime);
    position(channelSelectCombo_, inputs_.ChannelSelect);
    position(emergencyChannelCombo_, inputs_.EmergencyChannel);
    position(cycleCombo_, inputs_.Cycle);
    connect(idCodeTypeCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        inputs_.IdCodeType = index;
        ReactToIdCodeType(inputs_, lists_, image_.Record.Function.Alert.IdCode);
        ShowInputs();
    });
}

void AlertDialog::ShowInputs() {
    ShowPosition(alarmModeCombo_, inputs_.AlarmMode);
    ShowPosition(idCodeTypeCombo_, inputs_.IdCodeType);
    ShowEntries(idCodeCombo_, IdCodes(lists_, inputs_.IdCodeType));
    ShowPosition(idCodeCombo_, inputs_.IdCode);
    ShowPosition(alarmTimeCombo_, inputs_.AlarmTime);
    ShowPosition(txTimeCombo_, inputs_.TxTime);
    ShowPosition(rxTimeCombo_, inputs_.RxTime);
    ShowPosition(channelSelectCombo_, inputs_.ChannelSelect);
    ShowPosition(emergencyChannelCombo_, inputs_.EmergencyChannel);
    ShowPosition(cycleCombo_, inputs_.Cycle);

    const AlertEditStates states = AlertInputStates(inputs_);
    alarmTimeCombo_->setEnabled(states.AlarmTimeOn);
    for (QComboBox* list : {idCodeTypeCombo_, idCodeCombo_, txTimeCombo_, rxTimeCombo_}) {
        list->setEnabled(states.CodeAndTimesOn);
    }
    emergencyChannelCombo_->setEnabled(states.EmergencyChannelOn);
}

void AlertDialog::accept() {
    ApplyAlertEdit(image_, inputs_, lists_);
    QDialog::accept();
}

} // namespace rp70::gui
