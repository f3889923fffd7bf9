#include "model/model_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "files/data_file.h"
#include "model/bands.h"
#include "shell/caption_width.h"
#include "shell/language_apply.h"
#include "shell/qt_text.h"

namespace rp70::gui {
namespace {

/// The bands a KT-RP70 can be made for, in the order the dialog lists them.
constexpr std::array<std::int16_t, 5> kRp70BandCodes = {2, 3, 4, 5, 6};

} // namespace

ModelDialog::ModelDialog(RadioImage& image, UserContext& ctx, std::filesystem::path programFolder,
                         QWidget* parent)
    : QDialog(parent), image_(image), ctx_(ctx), programFolder_(std::move(programFolder)) {
    SetTextKey(this, 2300);

    auto* modelLabel = new QLabel(this);
    SetTextKey(modelLabel, 2301);
    modelCombo_ = new QComboBox(this);
    modelCombo_->setObjectName(QStringLiteral("modelCombo"));
    modelLabel->setBuddy(modelCombo_);

    auto* bandLabel = new QLabel(this);
    SetTextKey(bandLabel, 2302);
    bandCombo_ = new QComboBox(this);
    bandCombo_->setObjectName(QStringLiteral("bandCombo"));
    bandCombo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bandLabel->setBuddy(bandCombo_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ModelDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ModelDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(modelLabel, modelCombo_);
    form->addRow(bandLabel, bandCombo_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    ApplyLanguage(this, ctx_.Texts);
    SetButtonTexts(buttons, ctx_.Texts);
    KeepCaptionWhole(*this, *layout);

    modelCombo_->addItem(ToQt(kModelDisplayText));
    const int model =
        modelCombo_->findText(ToQt(ModelDisplayName(image_.ModelName, image_.BandIndex)),
                              Qt::MatchFixedString | Qt::MatchCaseSensitive);
    modelCombo_->setCurrentIndex(model < 0 ? 0 : model);
    FillBands();
    connect(modelCombo_, &QComboBox::currentIndexChanged, this, &ModelDialog::FillBands);
}

void ModelDialog::FillBands() {
    if (modelCombo_->currentText() != ToQt(kModelDisplayText)) {
        return; // no band list for a model the program does not know
    }
    bandCombo_->clear();
    for (const std::int16_t code : kRp70BandCodes) {
        bandCombo_->addItem(ToQt(BandCaption(code)));
    }
    const int current =
        bandCombo_->findText(ToQt(image_.BandText), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    bandCombo_->setCurrentIndex(current < 0 ? 0 : current);
}

void ModelDialog::accept() {
    const std::string chosen = ToCore(bandCombo_->currentText());
    if (chosen.empty() || chosen == image_.BandText) {
        QDialog::accept(); // the same band: nothing to change
        return;
    }
    const Answer answer =
        ctx_.Ui.Show(Message{std::string(ctx_.Texts.Builtin(BuiltinText::BandChange)),
                             std::string(ctx_.Texts.Builtin(BuiltinText::BandChangeTitle)),
                             MessageIcon::Warning, MessageButtons::OkCancel});
    if (answer != Answer::Ok) {
        QDialog::reject();
        return;
    }
    SetBand(image_, chosen);
    DataFileReader reader(ctx_);
    ResetImage(image_, programFolder_, &reader);
    imageWasReset_ = true;
    QDialog::accept();
}

bool ModelDialog::ImageWasReset() const {
    return imageWasReset_;
}

} // namespace rp70::gui
