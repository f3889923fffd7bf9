#include "editors/scan_dialog.h"

#include <QGridLayout>
#include <algorithm>
#include <utility>

#include "shell/dialog_inputs.h"
#include "shell/language_apply.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Language text keys of the captions.
constexpr int kKeyCaption = 2400;
constexpr int kKeyScanMode = 2402;
constexpr int kKeyPriorityMode = 2403;
constexpr int kKeyPriorityChannel1 = 2404;
constexpr int kKeyPriorityChannel2 = 2405;
constexpr int kKeyRevert = 2406;
constexpr int kKeyLookBackA = 2407;
constexpr int kKeyLookBackB = 2408;
constexpr int kKeyRxResume = 2409;
constexpr int kKeyTxResume = 2410;
constexpr int kKeyEntryTone = 2413;

} // namespace

ScanDialog::ScanDialog(RadioImage& image, UserContext& ctx, QWidget* parent)
    : QDialog(parent), image_(image), lists_(BuildScanEditLists(image, ctx.Texts)) {
    SetTextKey(this, kKeyCaption);
    scanModeCombo_ = NewCombo(this, "scanModeCombo", lists_.ScanModes);
    priorityModeCombo_ = NewCombo(this, "priorityModeCombo", lists_.PriorityModes);
    priorityChannel1Combo_ = NewCombo(this, "priorityChannel1Combo", lists_.PriorityChannels);
    priorityChannel2Combo_ = NewCombo(this, "priorityChannel2Combo", lists_.PriorityChannels);
    revertCombo_ = NewCombo(this, "revertCombo", {}); // filled for the priority mode
    lookBackACombo_ = NewCombo(this, "lookBackACombo", lists_.LookBackTimes);
    lookBackBCombo_ = NewCombo(this, "lookBackBCombo", lists_.LookBackTimes);
    rxResumeCombo_ = NewCombo(this, "rxResumeCombo", lists_.ResumeDelays);
    txResumeCombo_ = NewCombo(this, "txResumeCombo", lists_.ResumeDelays);
    entryToneCheck_ = NewCheck(this, "entryToneCheck", kKeyEntryTone);
    LayOut(ctx.Texts);
    inputs_ = OpenScanEdit(image_, lists_);
    ShowInputs();
    ConnectInputs();
}

void ScanDialog::LayOut(const LanguageTexts& texts) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int row = 0;
    for (auto [key, list] :
         {std::pair{kKeyScanMode, scanModeCombo_}, std::pair{kKeyPriorityMode, priorityModeCombo_},
          std::pair{kKeyPriorityChannel1, priorityChannel1Combo_},
          std::pair{kKeyPriorityChannel2, priorityChannel2Combo_},
          std::pair{kKeyRevert, revertCombo_}, std::pair{kKeyLookBackA, lookBackACombo_},
          std::pair{kKeyLookBackB, lookBackBCombo_}, std::pair{kKeyRxResume, rxResumeCombo_},
          std::pair{kKeyTxResume, txResumeCombo_}}) {
        grid->addWidget(KeyLabel(this, key, list), row, 0);
        grid->addWidget(list, row++, 1);
    }
    grid->addWidget(entryToneCheck_, row, 1);
    grid->setColumnStretch(1, 1);

    LayOutWithOkCancel(this, grid, texts);
}

void ScanDialog::ConnectInputs() {
    auto position = [this](QComboBox* list, int& field, bool reacts = false) {
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, target = &field, reacts](int index) {
                    *target = index;
                    if (reacts) {
                        ReactToPriorityMode(inputs_);
                    }
                    ShowInputs();
                });
    };
    position(scanModeCombo_, inputs_.ScanMode);
    position(priorityModeCombo_, inputs_.PriorityMode, true);
    position(priorityChannel1Combo_, inputs_.PriorityChannel1);
    position(priorityChannel2Combo_, inputs_.PriorityChannel2);
    position(lookBackACombo_, inputs_.LookBackTimeA);
    position(lookBackBCombo_, inputs_.LookBackTimeB);
    position(rxResumeCombo_, inputs_.RxResumeDelay);
    position(txResumeCombo_, inputs_.TxResumeDelay);
    // The revert list offers only some choices; the state keeps the position in the full list.
    connect(revertCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(shownRevertChoices_.size())) {
            inputs_.RevertChoice = shownRevertChoices_[static_cast<std::size_t>(index)];
        }
    });
    connect(entryToneCheck_, &QCheckBox::toggled, this,
            [this](bool on) { inputs_.ScanEntryTone = on; });
}

void ScanDialog::ShowInputs() {
    ShowPosition(scanModeCombo_, inputs_.ScanMode);
    ShowPosition(priorityModeCombo_, inputs_.PriorityMode);
    ShowPosition(priorityChannel1Combo_, inputs_.PriorityChannel1);
    ShowPosition(priorityChannel2Combo_, inputs_.PriorityChannel2);
    shownRevertChoices_ = OfferedRevertChoices(inputs_.PriorityMode);
    std::vector<std::string> revertTexts;
    for (int choice : shownRevertChoices_) {
        revertTexts.push_back(TextAt(lists_.RevertChoices, choice));
    }
    ShowEntries(revertCombo_, revertTexts);
    const auto shown =
        std::find(shownRevertChoices_.begin(), shownRevertChoices_.end(), inputs_.RevertChoice);
    ShowPosition(revertCombo_, static_cast<int>(shown - shownRevertChoices_.begin()));
    ShowPosition(lookBackACombo_, inputs_.LookBackTimeA);
    ShowPosition(lookBackBCombo_, inputs_.LookBackTimeB);
    ShowPosition(rxResumeCombo_, inputs_.RxResumeDelay);
    ShowPosition(txResumeCombo_, inputs_.TxResumeDelay);
    ShowCheck(entryToneCheck_, inputs_.ScanEntryTone);

    const ScanEditStates states = ScanInputStates(inputs_);
    for (QComboBox* list : {priorityModeCombo_, revertCombo_, lookBackACombo_, lookBackBCombo_,
                            rxResumeCombo_, txResumeCombo_}) {
        list->setEnabled(states.ListsOn);
    }
    priorityChannel1Combo_->setEnabled(states.PriorityChannel1On);
    priorityChannel2Combo_->setEnabled(states.PriorityChannel2On);
}

void ScanDialog::accept() {
    ApplyScanEdit(image_, inputs_, lists_);
    QDialog::accept();
}

} // namespace rp70::gui
