// Transfers as the desktop runs them, against the simulated radio on a pseudo-terminal.

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <memory>

#include "factory/factory_mode.h"
#include "link/progress_dialog.h"
#include "link/transfer_runner.h"
#include "model/fixed_text.h"
#include "support/gui_test.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

using namespace rp70;
using namespace rp70::gui;
using rp70::test::RecordingInteraction;

namespace {

/// The first channel of the sample radio the simulator holds.
constexpr const char* kSampleFirstName = "CALL";
constexpr const char* kSampleFirstFrequency = "014550000";

/// The progress window on screen, if any.
ProgressDialog* VisibleProgress() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* progress = qobject_cast<ProgressDialog*>(widget);
            progress != nullptr && progress->isVisible()) {
            return progress;
        }
    }
    return nullptr;
}

/// Watches the progress window while a transfer runs, and presses its Cancel at `cancelAt` %.
class ProgressProbe {
public:
    explicit ProgressProbe(int cancelAt = -1) : cancelAt_(cancelAt) {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            ProgressDialog* progress = VisibleProgress();
            if (progress == nullptr) {
                return;
            }
            seen = true;
            modal = modal || progress->isModal();
            highest = std::max(highest, progress->Value());
            if (cancelAt_ >= 0 && progress->Value() >= cancelAt_ && !cancelled) {
                cancelled = true;
                QTest::mouseClick(progress->findChild<QPushButton*>("cancelButton"),
                                  Qt::LeftButton);
            }
        });
        timer_.start();
    }

    bool seen = false;
    bool modal = false;
    bool cancelled = false;
    int highest = 0;

private:
    int cancelAt_;
    QTimer timer_;
};

/// The slot of channel `number`, or nullptr when the image has no such channel.
ChannelRecord* FindChannel(RadioImage& image, int number) {
    for (int slot = 0; slot < image.UsedChannelCount(); ++slot) {
        if (image.Channels[static_cast<std::size_t>(slot)].ChannelNumber == number) {
            return &image.Channels[static_cast<std::size_t>(slot)];
        }
    }
    return nullptr;
}

} // namespace

class TransferRunnerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<rp70::test::TempFolder> folder_;
    std::unique_ptr<QProcess> sim_;
    QString device_;

    ProgramState StartProgram(RadioImage& image) {
        ProgramState state =
            StartUp({folder_->Path(), RP70_LANG_DIR, std::nullopt, nullptr, {}}, image);
        state.Settings.ComDevice = device_.toStdString();
        return state;
    }

    std::string Builtin(const ProgramState& state, BuiltinText text) {
        return std::string(state.Texts.Builtin(text));
    }

private slots:
    void init() {
        folder_ = std::make_unique<rp70::test::TempFolder>();
        sim_ = std::make_unique<QProcess>();
        sim_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim_->start(RP70_SIM_PATH, {"--fast"});
        QVERIFY2(sim_->waitForStarted(5000), "rp70-sim does not start");
        QTRY_VERIFY_WITH_TIMEOUT(sim_->canReadLine(), 5000);
        device_ = QString::fromUtf8(sim_->readLine()).trimmed();
        QVERIFY(device_.startsWith('/'));
    }

    void cleanup() {
        if (sim_) {
            sim_->terminate();
            if (!sim_->waitForFinished(5000)) {
                sim_->kill();
                sim_->waitForFinished(5000);
            }
        }
        sim_.reset();
        folder_.reset();
    }

    void readReplacesTheImageBehindTheProgressWindow() {
        RadioImage image;
        ProgramState state = StartProgram(image);
        state.Features = {};
        RecordingInteraction ui;
        std::size_t messagesAtRedraw = 99;
        int featureChanges = 0;
        const TransferHooks hooks{
            [&] { messagesAtRedraw = ui.shown.size(); }, [&] { ++featureChanges; }, {}};
        ProgressProbe probe;

        const auto outcome = RunTransfer(TransferKind::Read, image, state, ui, nullptr, hooks);

        QCOMPARE(outcome, std::optional(TransferOutcome::Succeeded));
        QCOMPARE(ui.Texts(), (std::vector<std::string>{Builtin(state, BuiltinText::ConfirmRead),
                                                       state.Texts.GetText(2004)}));
        QCOMPARE(ui.shown[0].Buttons, MessageButtons::OkCancel);
        QCOMPARE(messagesAtRedraw, std::size_t{1}); // redrawn before the success message
        QVERIFY(featureChanges >= 1);
        QVERIFY(state.Features.HasDTMF);
        QVERIFY(probe.seen);
        QVERIFY(probe.modal);
        QVERIFY(probe.highest > 0);
        QVERIFY(VisibleProgress() == nullptr);

        const ChannelRecord* first = FindChannel(image, 1);
        QVERIFY(first != nullptr);
        QCOMPARE(TextOf(first->RxFreq), std::string(kSampleFirstFrequency));
        QCOMPARE(TextOf(first->Name), std::string(kSampleFirstName));
        QVERIFY(image.UsedChannelCount() >= 10);
        QCOMPARE(image.CurrentFilePath, std::filesystem::path("new.dat"));
    }

    void writeReachesTheRadio() {
        RadioImage image;
        ProgramState state = StartProgram(image);
        RecordingInteraction ui;
        QCOMPARE(RunTransfer(TransferKind::Read, image, state, ui, nullptr),
                 std::optional(TransferOutcome::Succeeded));
        ChannelRecord* first = FindChannel(image, 1);
        QVERIFY(first != nullptr);
        first->Name = MakeFixedText<7>("WRITTEN");

        RecordingInteraction writeUi;
        ProgressProbe probe;
        QCOMPARE(RunTransfer(TransferKind::Write, image, state, writeUi, nullptr),
                 std::optional(TransferOutcome::Succeeded));
        QCOMPARE(writeUi.Texts(),
                 (std::vector<std::string>{Builtin(state, BuiltinText::ConfirmWrite),
                                           state.Texts.GetText(2005)}));
        QVERIFY(probe.seen);

        RadioImage readBack;
        RecordingInteraction readBackUi;
        QCOMPARE(RunTransfer(TransferKind::Read, readBack, state, readBackUi, nullptr),
                 std::optional(TransferOutcome::Succeeded));
        QVERIFY(FindChannel(readBack, 1) != nullptr);
        QCOMPARE(TextOf(FindChannel(readBack, 1)->Name), std::string("WRITTEN"));
    }

    void factoryWriteAndReadMoveTheTestValues() {
        std::ofstream(MarkerFilePath(folder_->Path())) << kFactoryMarker;
        RadioImage image;
        ProgramState state = StartProgram(image);
        QVERIFY(image.Factory.FactoryMode);
        RecordingInteraction ui;
        QCOMPARE(RunTransfer(TransferKind::Read, image, state, ui, nullptr),
                 std::optional(TransferOutcome::Succeeded));
        const TestValues radio = image.Factory.TestValues;

        TestValues typed{};
        for (std::size_t i = 0; i < kTestValueCount; ++i) {
            typed[i] = static_cast<std::int16_t>(0x40 + i);
        }
        typed[18] = 0x123;
        image.Factory.TestValues = typed;
        RecordingInteraction writeUi;
        QCOMPARE(RunTransfer(TransferKind::Write, image, state, writeUi, nullptr),
                 std::optional(TransferOutcome::Succeeded));

        RadioImage readBack;
        ProgramState readState = StartProgram(readBack);
        RecordingInteraction readBackUi;
        QCOMPARE(RunTransfer(TransferKind::Read, readBack, readState, readBackUi, nullptr),
                 std::optional(TransferOutcome::Succeeded));
        TestValues expected = typed;
        for (const std::size_t own : {0, 1, 14, 15}) { // the radio keeps its own
            expected[own] = radio[own];
        }
        std::fill(expected.begin() + 29, expected.end(), std::int16_t{0}); // no place in the radio
        QCOMPARE(readBack.Factory.TestValues, expected);
        QCOMPARE(readBack.Factory.SavedTestValues, expected);
    }

    void cancelDuringReadLeavesTheImage() {
        RadioImage image;
        ProgramState state = StartProgram(image);
        const RadioImage before = image;
        RecordingInteraction ui;
        ProgressProbe probe(/*cancelAt=*/5);

        const auto outcome = RunTransfer(TransferKind::Read, image, state, ui, nullptr);

        QVERIFY(probe.cancelled);
        QCOMPARE(outcome, std::optional(TransferOutcome::Cancelled));
        QCOMPARE(ui.Texts(), std::vector<std::string>{Builtin(state, BuiltinText::ConfirmRead)});
        QVERIFY(image.Channels == before.Channels);
        QVERIFY(image.Record == before.Record);
        QVERIFY(VisibleProgress() == nullptr);

        // The radio was told the session is over: the next transfer finds it ready.
        RecordingInteraction again;
        QCOMPARE(RunTransfer(TransferKind::Read, image, state, again, nullptr),
                 std::optional(TransferOutcome::Succeeded));
    }

    void nothingStartsWithoutPortOrConsent() {
        RadioImage image;
        ProgramState state = StartProgram(image);
        ProgressProbe probe;

        RecordingInteraction declined;
        declined.answers = {Answer::Cancel};
        QCOMPARE(RunTransfer(TransferKind::Write, image, state, declined, nullptr), std::nullopt);
        QCOMPARE(declined.Texts(),
                 std::vector<std::string>{Builtin(state, BuiltinText::ConfirmWrite)});

        state.Settings.ComDevice = folder_->Path().string() + "/no-such-port";
        RecordingInteraction missing;
        QCOMPARE(RunTransfer(TransferKind::Read, image, state, missing, nullptr), std::nullopt);
        // The port's message names the port that is not there.
        QCOMPARE(missing.Texts().size(), std::size_t{1});
        QVERIFY(missing.Texts().front().starts_with(state.Texts.GetText(2002) + "\n"));
        QVERIFY(missing.Texts().front().find("no-such-port") != std::string::npos);
        QVERIFY(!probe.seen);
    }
};

RP70_GUI_TEST(TransferRunnerTest);

#include "transfer_runner_test.moc"
