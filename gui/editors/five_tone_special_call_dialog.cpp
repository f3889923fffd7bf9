#include "editors/five_tone_special_call_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "shell/dialog_inputs.h"
#include "shell/focus_events.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Keys of the OPTION section.
constexpr int kOptionTitle = 60062;
constexpr int kOptionEntry = 60063;
constexpr int kOptionCallType = 60064;
constexpr int kOptionDataMessage = 60073;
constexpr int kOptionTargetId = 60076;
constexpr int kOptionMessage = 60077;
constexpr int kOptionSeparator = 60313;
constexpr int kOptionBeginCode = 60302;
constexpr int kOptionEndCode = 60303;

constexpr int kIdLength = 5;
constexpr int kMinimumWidth = 280;

int CaptionKey(SpecialCallTarget target) {
    switch (target) {
    case SpecialCallTarget::BeginCode:
        return kOptionBeginCode;
    case SpecialCallTarget::EndCode:
        return kOptionEndCode;
    case SpecialCallTarget::CodeList:
        break;
    }
    return kOptionEntry;
}

// "0" … "9" and "A", lower-case "a" turned into "A".
std::optional<QChar> TargetIdCharacter(QChar c) {
    if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
        return QLatin1Char('A');
    }
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        return c;
    }
    return std::nullopt;
}

// Puts `input` with its caption into row `row` of `grid`.
void AddRow(QGridLayout* grid, int row, QLabel* caption, QWidget* input) {
    grid->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(input, row, 1);
}

// Gives the captions in column 0 of `grids` one width, so the inputs of the groups line up with
// those above them.
void AlignCaptions(std::initializer_list<QGridLayout*> grids) {
    int width = 0;
    std::vector<QWidget*> captions;
    for (QGridLayout* grid : grids) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            QLayoutItem* cell = grid->itemAtPosition(row, 0);
            QWidget* caption = cell != nullptr ? cell->widget() : nullptr;
            if (caption != nullptr && grid->itemAtPosition(row, 1) != cell) {
                captions.push_back(caption);
                width = std::max(width, caption->sizeHint().width());
            }
        }
    }
    for (QWidget* caption : captions) {
        caption->setMinimumWidth(width);
    }
}

} // namespace

FiveToneSpecialCallDialog::FiveToneSpecialCallDialog(FiveToneRecord& record, CodeRows& rows,
                                                     SpecialCallTarget target, int entry,
                                                     std::string ownId, UserContext& ctx,
                                                     QWidget* parent)
    : QDialog(parent), record_(record), rows_(rows), target_(target), ownId_(std::move(ownId)),
      ctx_(ctx), opened_(OpenSpecialCall(record, entry)) {
    const LanguageTexts& texts = ctx.Texts;
    const SpecialCallLists lists = BuildSpecialCallLists(texts);
    setWindowTitle(ToQt(texts.Option(kOptionTitle)));

    entryCombo_ = NewCombo(this, "entryCombo", lists.Entries);
    entryCombo_->setCurrentIndex(opened_.Entry);
    entryCombo_->setVisible(target == SpecialCallTarget::CodeList);
    callTypeCombo_ = NewCombo(this, "callTypeCombo", lists.CallTypes);
    callTypeCombo_->setCurrentIndex(static_cast<int>(opened_.Type));

    messageTargetIdEdit_ = NewTargetIdInput("messageTargetIdEdit");
    messageEdit_ = new QLineEdit(this);
    messageEdit_->setObjectName(QStringLiteral("messageEdit"));
    messageEdit_->setMaxLength(MessageLimit(target));
    ApplyTextInputRules(messageEdit_, {.Filter = filters::UpperCaseLettersAndDigits()});
    aniTargetIdEdit_ = NewTargetIdInput("aniTargetIdEdit");
    separatorCombo_ = NewCombo(this, "separatorCombo", lists.Separators);
    separatorCombo_->setCurrentIndex(opened_.Separator);

    messageGroup_ = new QGroupBox(ToQt(texts.Option(kOptionDataMessage)), this);
    auto* messageGrid = new QGridLayout(messageGroup_);
    AddRow(messageGrid, 0, OptionLabel(this, texts, kOptionTargetId, messageTargetIdEdit_),
           messageTargetIdEdit_);
    AddRow(messageGrid, 1, OptionLabel(this, texts, kOptionMessage, messageEdit_), messageEdit_);
    messageGrid->setColumnStretch(1, 1);

    aniGroup_ = new QGroupBox(QStringLiteral("ANI"), this);
    auto* aniGrid = new QGridLayout(aniGroup_);
    AddRow(aniGrid, 0, OptionLabel(this, texts, kOptionTargetId, aniTargetIdEdit_),
           aniTargetIdEdit_);
    AddRow(aniGrid, 1, OptionLabel(this, texts, kOptionSeparator, separatorCombo_),
           separatorCombo_);
    aniGrid->setColumnStretch(1, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    auto* entryCaption = new QLabel(ToQt(texts.Option(CaptionKey(target))), this);
    if (target == SpecialCallTarget::CodeList) {
        entryCaption->setBuddy(entryCombo_);
        AddRow(grid, 0, entryCaption, entryCombo_);
    } else {
        // Without the entry list its caption names the code being composed.
        grid->addWidget(entryCaption, 0, 0, 1, 2);
    }
    AddRow(grid, 1, OptionLabel(this, texts, kOptionCallType, callTypeCombo_), callTypeCombo_);
    grid->addWidget(messageGroup_, 2, 0, 1, 2);
    grid->addWidget(aniGroup_, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    LayOutWithOkCancel(this, grid, texts);
    AlignCaptions({grid, messageGrid, aniGrid});
    setMinimumWidth(kMinimumWidth);

    connect(callTypeCombo_, &QComboBox::currentIndexChanged, this,
            &FiveToneSpecialCallDialog::ShowGroups);
    ShowGroups();
}

std::string FiveToneSpecialCallDialog::Code() const {
    return code_;
}

void FiveToneSpecialCallDialog::accept() {
    const std::optional<std::string> code =
        ApplySpecialCall(ctx_, record_, rows_, Inputs(), target_, ownId_);
    if (!code) {
        return;
    }
    code_ = *code;
    QDialog::accept();
}

void FiveToneSpecialCallDialog::ShowGroups() {
    const SpecialCallGroups groups =
        VisibleGroups(static_cast<SpecialCallType>(callTypeCombo_->currentIndex()));
    messageGroup_->setVisible(groups.DataMessage);
    aniGroup_->setVisible(groups.Ani);
    separatorCombo_->setCurrentIndex(opened_.Separator);
}

QLineEdit* FiveToneSpecialCallDialog::NewTargetIdInput(const char* name) {
    auto* edit = new QLineEdit(ToQt(opened_.AniTargetId), this);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(kIdLength);
    ApplyTextInputRules(edit, {.Filter = TargetIdCharacter});
    // Only moving on to another input tells; OK refuses with the same message, Cancel needs none.
    OnFocusOut(edit, [this, edit] {
        const QWidget* next = QApplication::focusWidget();
        const auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        if (!edit->isVisible() || next == nullptr || !isAncestorOf(next) ||
            (buttons != nullptr && buttons->isAncestorOf(next)) ||
            IsTargetIdComplete(ToCore(edit->text()))) {
            return;
        }
        ctx_.Ui.Show(Message{ctx_.Texts.Msg("900C"), "", MessageIcon::None, MessageButtons::Ok});
    });
    return edit;
}

SpecialCallInputs FiveToneSpecialCallDialog::Inputs() const {
    SpecialCallInputs inputs = opened_;
    inputs.Entry = entryCombo_->currentIndex();
    inputs.Type = static_cast<SpecialCallType>(callTypeCombo_->currentIndex());
    inputs.MessageTargetId = ToCore(messageTargetIdEdit_->text());
    inputs.Message = ToCore(messageEdit_->text());
    inputs.AniTargetId = ToCore(aniTargetIdEdit_->text());
    inputs.Separator = separatorCombo_->currentIndex();
    return inputs;
}

} // namespace rp70::gui
