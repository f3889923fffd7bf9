#include "editors/embedded_message_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/radio_info_view.h"
#include "shell/caption_width.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

// Lines of the maintenance text shown at once.
constexpr int kMaintenanceLines = 4;

// Object names of the inputs, indexed by RadioInfoField.
constexpr std::array<const char*, kRadioInfoFields.size()> kInputNames = {
    "modelCombo",          "bandCombo",           "areaCodeEdit",       "batchNumberEdit",
    "customerCodeEdit",    "serialNumberEdit",    "productionDateEdit", "maintenanceDateEdit",
    "maintenanceTextEdit", "firmwareVersionEdit", "dealerCodeEdit",     "stockDateEdit",
    "saleDateEdit",        "handlerEdit",
};

QComboBox* NewList(QWidget* parent, const std::vector<std::string>& entries, int shown) {
    auto* combo = new QComboBox(parent);
    for (const std::string& entry : entries) {
        combo->addItem(ToQt(entry));
    }
    combo->setCurrentIndex(shown);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    EnterMovesFocus(combo);
    return combo;
}

// The input of `field` showing `info`.
QWidget* NewInput(QWidget* parent, const RadioInfo& info, RadioInfoField field) {
    const QString shown = ToQt(RadioInfoShown(info, field));
    const int limit = RadioInfoEntryLimit(field);
    QWidget* input = nullptr;
    switch (field) {
    case RadioInfoField::Model:
        input = NewList(parent, {RadioInfoShown(info, field)}, 0);
        break;
    case RadioInfoField::Band:
        input = NewList(parent, RadioInfoBandList(), RadioInfoBandPosition(info.InfoBand));
        break;
    case RadioInfoField::MaintenanceText: {
        auto* text = new QPlainTextEdit(shown.left(limit), parent);
        text->setReadOnly(true);
        text->setTabChangesFocus(true);
        text->setFixedHeight(text->fontMetrics().lineSpacing() * kMaintenanceLines +
                             2 * (text->frameWidth() + int(text->document()->documentMargin())));
        input = text;
        break;
    }
    default: {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(limit);
        edit->setText(shown);
        edit->setReadOnly(true);
        EnterMovesFocus(edit);
        input = edit;
        break;
    }
    }
    input->setObjectName(QLatin1String(kInputNames[static_cast<std::size_t>(field)]));
    return input;
}

// Adds the caption and input of `field` as the next row of `grid`; returns the caption.
QLabel* AddRow(QGridLayout* grid, QWidget* parent, const RadioInfo& info, RadioInfoField field,
               Language language) {
    QWidget* input = NewInput(parent, info, field);
    auto* label = new QLabel(ToQt(RadioInfoCaption(field, language)), parent);
    label->setBuddy(input);
    const int row = grid->rowCount();
    const bool tall = field == RadioInfoField::MaintenanceText;
    grid->addWidget(label, row, 0, tall ? Qt::AlignTop : Qt::Alignment());
    grid->addWidget(input, row, 1);
    return label;
}

} // namespace

EmbeddedMessageDialog::EmbeddedMessageDialog(const RadioInfo& info, const LanguageTexts& texts,
                                             QWidget* parent)
    : QDialog(parent) {
    const Language language = texts.Current();
    setWindowTitle(ToQt(EmbeddedMessageTitle(language)));
    // The language's font first: the inputs are sized for it.
    ApplyLanguage(this, texts);

    auto* grid = new QGridLayout;
    auto* dealer = new QGroupBox(ToQt(DealerInformationCaption(language)), this);
    dealer->setObjectName(QStringLiteral("dealerGroup"));
    auto* dealerGrid = new QGridLayout(dealer);
    const std::size_t firstDealerField = kRadioInfoFields.size() - kDealerFieldCount;
    int captionWidth = 0;
    for (std::size_t i = 0; i < kRadioInfoFields.size(); ++i) {
        QLabel* caption = i < firstDealerField
                              ? AddRow(grid, this, info, kRadioInfoFields[i], language)
                              : AddRow(dealerGrid, dealer, info, kRadioInfoFields[i], language);
        captionWidth = std::max(captionWidth, caption->sizeHint().width());
    }
    // The inputs of the group line up with those above it.
    grid->setColumnMinimumWidth(0, captionWidth);
    dealerGrid->setColumnMinimumWidth(0, captionWidth - dealerGrid->contentsMargins().left());
    grid->setColumnStretch(1, 1);
    dealerGrid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(dealer);
    layout->addWidget(buttons);

    SetCloseButtonText(buttons, texts);
    KeepCaptionWhole(*this, *layout);
}

} // namespace rp70::gui
