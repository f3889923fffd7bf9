#include "editors/dtmf_special_call_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "editors/dtmf_edit.h"
#include "shell/dialog_inputs.h"
#include "shell/focus_events.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Keys of the OPTION section.
constexpr int kOptionCallType = 60064;
constexpr int kOptionTargetId = 60076;

constexpr int kAniCall = 0;

} // namespace

DtmfSpecialCallDialog::DtmfSpecialCallDialog(const LanguageTexts& texts, std::string separator,
                                             std::string ownId, QWidget* parent)
    : QDialog(parent), separator_(std::move(separator)), ownId_(std::move(ownId)) {
    setWindowTitle(QStringLiteral("DTMF Special Call"));
    callTypeCombo_ = NewCombo(this, "callTypeCombo", {"ANI", "PTTID"});
    callTypeCombo_->setCurrentIndex(kAniCall);
    targetIdEdit_ = new QLineEdit(QStringLiteral("000"), this);
    targetIdEdit_->setObjectName(QStringLiteral("targetIdEdit"));
    targetIdEdit_->setMaxLength(3);
    ApplyTextInputRules(targetIdEdit_, {.Filter = filters::Digits()});
    OnFocusOut(targetIdEdit_,
               [this] { targetIdEdit_->setText(ToQt(PaddedId(ToCore(targetIdEdit_->text())))); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->addWidget(OptionLabel(this, texts, kOptionCallType, callTypeCombo_), 0, 0,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(callTypeCombo_, 0, 1);
    targetIdLabel_ = OptionLabel(this, texts, kOptionTargetId, targetIdEdit_);
    grid->addWidget(targetIdLabel_, 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(targetIdEdit_, 1, 1);
    grid->setColumnStretch(1, 1);
    LayOutWithOkCancel(this, grid, texts);

    connect(callTypeCombo_, &QComboBox::currentIndexChanged, this,
            &DtmfSpecialCallDialog::ShowTargetId);
}

void DtmfSpecialCallDialog::ShowTargetId() {
    const bool ani = callTypeCombo_->currentIndex() == kAniCall;
    targetIdLabel_->setVisible(ani);
    targetIdEdit_->setVisible(ani);
}

void DtmfSpecialCallDialog::accept() {
    code_ = callTypeCombo_->currentIndex() == kAniCall
                ? AniCallCode(ToCore(targetIdEdit_->text()), separator_, ownId_)
                : PttIdCallCode(separator_, ownId_);
    QDialog::accept();
}

} // namespace rp70::gui
