// The model and band dialog: the bands it offers, which one it shows, and the reset that a new
// band costs.

#include <QComboBox>
#include <QTest>

#include "files/modified_check.h"
#include "model/bands.h"
#include "model/model_dialog.h"
#include "shell/qt_text.h"
#include "shell/startup.h"
#include "support/gui_test.h"
#include "support/recording_interaction.h"
#include "support/rich_image.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;
using rp70::test::RecordingInteraction;

namespace {

QString Caption(std::int16_t code) {
    return ToQt(BandCaption(code));
}

} // namespace

class ModelDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<rp70::test::TempFolder> folder_;
    RadioImage image_;
    ProgramState state_;
    RecordingInteraction ui_;
    std::unique_ptr<UserContext> ctx_;

    std::unique_ptr<ModelDialog> OpenDialog() {
        auto dialog = std::make_unique<ModelDialog>(image_, *ctx_, folder_->Path());
        dialog->show();
        return dialog;
    }

private slots:
    void init() {
        folder_ = std::make_unique<rp70::test::TempFolder>();
        image_ = RadioImage();
        state_ = StartUp({folder_->Path(), RP70_LANG_DIR, std::nullopt, nullptr, {}}, image_);
        ui_ = RecordingInteraction();
        ctx_ = std::make_unique<UserContext>(UserContext{ui_, state_.Texts});
        rp70::test::FillRichImage(image_);
    }

    void cleanup() {
        ctx_.reset();
        folder_.reset();
    }

    void listsTheRp70BandsAndShowsTheCurrentOne() {
        auto dialog = OpenDialog();
        auto* model = dialog->findChild<QComboBox*>("modelCombo");
        auto* band = dialog->findChild<QComboBox*>("bandCombo");
        QCOMPARE(dialog->windowTitle(), ToQt(state_.Texts.GetText(2300)));
        QCOMPARE(model->count(), 1);
        QCOMPARE(model->currentText(), QString("KT-RP70"));
        QCOMPARE(band->count(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(band->itemText(i), Caption(static_cast<std::int16_t>(i + 2)));
        }
        QCOMPARE(band->currentText(), Caption(3));
    }

    void sameBandClosesWithoutAQuestion() {
        const RadioImage before = image_;
        auto dialog = OpenDialog();
        dialog->accept();
        QVERIFY(!dialog->isVisible());
        QVERIFY(ui_.shown.empty());
        QVERIFY(!dialog->ImageWasReset());
        QVERIFY(image_.Channels == before.Channels);
        QVERIFY(image_.Record == before.Record);
    }

    void aBandOutsideTheListShowsTheFirstAndOkAsks() {
        SetBandCode(image_, 48);
        auto dialog = OpenDialog();
        QCOMPARE(dialog->findChild<QComboBox*>("bandCombo")->currentText(), Caption(2));
        dialog->accept();

        QCOMPARE(ui_.shown.size(), std::size_t{1});
        const Message& asked = ui_.shown[0];
        QCOMPARE(asked.Text, std::string("Frequency data will be cleared."));
        QCOMPARE(asked.Title, std::string("Warning"));
        QCOMPARE(asked.Icon, MessageIcon::Warning);
        QCOMPARE(asked.Buttons, MessageButtons::OkCancel);
        QVERIFY(!dialog->isVisible());
        QVERIFY(dialog->ImageWasReset());
        QCOMPARE(image_.BandIndex, std::int16_t{2});
        QCOMPARE(image_.BandText, std::string(BandCaption(2)));
    }

    void okOnTheWarningResetsTheImageForTheNewBand() {
        auto dialog = OpenDialog();
        dialog->findChild<QComboBox*>("bandCombo")->setCurrentIndex(2); // code 4
        dialog->accept();

        RadioImage expected;
        SetBand(expected, BandCaption(4));
        ResetImage(expected, folder_->Path(), nullptr);
        QVERIFY(dialog->ImageWasReset());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(image_.BandIndex, std::int16_t{4});
        QCOMPARE(image_.UsedChannelCount(), expected.UsedChannelCount());
        for (int slot = 0; slot < expected.UsedChannelCount(); ++slot) {
            QVERIFY(image_.Channels[static_cast<std::size_t>(slot)] ==
                    expected.Channels[static_cast<std::size_t>(slot)]);
        }
        QVERIFY(image_.Record.Book == expected.Record.Book);
        QVERIFY(IsUnchanged(image_)); // a new image counts as unchanged
    }

    void cancelOnTheWarningKeepsEverything() {
        SetBandCode(image_, 48);
        const RadioImage before = image_;
        ui_.answers = {Answer::Cancel};
        auto dialog = OpenDialog();
        dialog->findChild<QComboBox*>("bandCombo")->setCurrentIndex(2);
        dialog->accept();

        QCOMPARE(ui_.shown.size(), std::size_t{1});
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->ImageWasReset());
        QCOMPARE(image_.BandIndex, std::int16_t{48});
        QCOMPARE(image_.BandText, before.BandText);
        QVERIFY(image_.Channels == before.Channels);
        QVERIFY(image_.Record == before.Record);
    }
};

RP70_GUI_TEST(ModelDialogTest);

#include "model_dialog_test.moc"
