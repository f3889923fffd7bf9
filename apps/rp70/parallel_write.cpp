// `rp70 write` with several --port: the same data file written into several radios at once, one
// engine and port per radio on the one event loop, one progress line each and a summary.

#include <QEventLoop>
#include <QMetaObject>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "console.h"
#include "files/backups.h"
#include "interrupt_watch.h"
#include "link_options.h"
#include "link_session.h"
#include "model/feature_flags.h"

namespace rp70::cli {
namespace {

/// One line per radio on stderr. On a terminal each line is redrawn in place as its transfer
/// moves on; otherwise a plain line tells when a radio starts a pass.
class ProgressBoard {
public:
    ProgressBoard(const QStringList& ports, const LanguageTexts& texts)
        : texts_(texts), terminal_(ErrorIsTerminal()) {
        for (const QString& port : ports) {
            width_ = std::max(width_, static_cast<int>(port.size()));
            rows_.push_back({port.toStdString(), {}, 0});
        }
        if (terminal_) {
            for (std::size_t row = 0; row < rows_.size(); ++row) {
                std::fprintf(stderr, "%s\n", Text(row).c_str());
            }
            std::fflush(stderr);
        }
    }

    /// Row `row` starts a pass under `caption`.
    void Show(std::size_t row, BuiltinText caption) {
        rows_[row].Caption = std::string(texts_.Builtin(caption));
        rows_[row].Percent = 0;
        if (terminal_) {
            Draw(row);
        } else {
            std::fprintf(stderr, "%s: %s\n", rows_[row].Port.c_str(), rows_[row].Caption.c_str());
        }
    }

    void Set(std::size_t row, int percent) {
        percent = std::clamp(percent, 0, 100);
        if (rows_[row].Percent != percent) {
            rows_[row].Percent = percent;
            Draw(row);
        }
    }

    /// Row `row` is over: its line shows `result` instead of a bar.
    void End(std::size_t row, const std::string& result) {
        rows_[row].Caption = result;
        rows_[row].Percent = -1;
        Draw(row);
    }

private:
    struct Row {
        std::string Port;
        std::string Caption;
        int Percent = 0; ///< -1: no bar
    };

    std::string Text(std::size_t row) const {
        const Row& line = rows_[row];
        std::string text = line.Port;
        text.append(static_cast<std::size_t>(width_) - line.Port.size() + 2, ' ');
        text += line.Caption;
        if (line.Percent >= 0 && !line.Caption.empty()) {
            constexpr int kWidth = 20;
            const auto filled = static_cast<std::size_t>(line.Percent * kWidth / 100);
            char percent[8];
            std::snprintf(percent, sizeof percent, "%3d%%", line.Percent);
            text += " [" + std::string(filled, '#') + std::string(kWidth - filled, '-') + "] " +
                    percent;
        }
        return text;
    }

    void Draw(std::size_t row) {
        if (!terminal_) {
            return;
        }
        // Up to the row's line, redraw it, and back below the last row.
        const auto up = static_cast<int>(rows_.size() - row);
        std::fprintf(stderr, "\x1b[%dA\r%s\x1b[K\x1b[%dB\r", up, Text(row).c_str(), up);
        std::fflush(stderr);
    }

    const LanguageTexts& texts_;
    const bool terminal_;
    std::vector<Row> rows_;
    int width_ = 0;
};

/// One radio of the parallel write: its own copy of the image and of the program state, its own
/// session, its messages kept for the summary instead of printed.
class RadioWrite {
public:
    RadioWrite(CliProgram& program, const QString& port, std::size_t row, ProgressBoard& board,
               std::function<void()> done)
        : program_(program), port_(port), row_(row), board_(board), done_(std::move(done)),
          toWrite_(std::make_unique<RadioImage>(*program.Image)),
          image_(std::make_unique<RadioImage>(*program.Image)), state_(program.State),
          session_(port, *image_, state_, ui_) {
        // Several prompts at once cannot be answered: --radio-password is for every radio.
        ui_.AllowPasswordPrompt(false);
        ui_.SetMessageSink([this](const std::string& line) {
            messages_ += (messages_.empty() ? "" : " ") + line;
        });
        session_.transfer().ConfirmBeforeTransfer = false;
        QObject::connect(&session_, &LinkSession::progressShown, [this](TransferKind kind) {
            if (kind == TransferKind::Write) {
                KeepBackup(program_, *image_, BackupKind::Written);
            }
            board_.Show(row_, kind == TransferKind::Write ? BuiltinText::ProgressTitleWrite
                                                          : BuiltinText::ProgressTitleRead);
        });
        QObject::connect(&session_, &LinkSession::progressValue,
                         [this](int percent) { board_.Set(row_, percent); });
        QObject::connect(&session_, &LinkSession::verifyPassShown,
                         [this] { board_.Show(row_, BuiltinText::ProgressTitleVerify); });
        QObject::connect(&session_, &LinkSession::finished,
                         [this](TransferKind kind, TransferOutcome outcome) {
                             // The next step starts once the engine has left its handler.
                             QMetaObject::invokeMethod(
                                 &session_, [this, kind, outcome] { Finished(kind, outcome); },
                                 Qt::QueuedConnection);
                         });
    }

    /// Starts on the next turn of the event loop: a backup read of the radio first when
    /// `backupFirst`, then the Write, read back when `verify`.
    void Start(bool backupFirst, bool verify) {
        session_.transfer().VerifyAfterWrite = verify;
        QMetaObject::invokeMethod(
            &session_,
            [this, backupFirst] { Begin(backupFirst ? TransferKind::Read : TransferKind::Write); },
            Qt::QueuedConnection);
    }

    void Cancel() {
        if (session_.isRunning()) {
            session_.cancel();
        }
    }

    const QString& Port() const { return port_; }
    bool Succeeded() const { return result_ == "OK"; }
    /// "OK", or what went wrong.
    const std::string& Result() const { return result_; }
    const FeatureFlags& Features() const { return state_.Features; }

private:
    void Begin(TransferKind kind) {
        if (!session_.start(kind)) {
            End(TransferOutcome::Failed);
        }
    }

    void Finished(TransferKind kind, TransferOutcome outcome) {
        if (kind == TransferKind::Read && outcome == TransferOutcome::Succeeded) {
            // The backup of what the radio held; then the file goes in.
            KeepBackup(program_, *image_, BackupKind::Read);
            *image_ = *toWrite_;
            Begin(TransferKind::Write);
            return;
        }
        End(outcome);
    }

    void End(TransferOutcome outcome) {
        session_.port().Close();
        if (outcome == TransferOutcome::Succeeded) {
            result_ = "OK";
        } else if (outcome == TransferOutcome::Cancelled) {
            result_ = "cancelled";
        } else {
            result_ = "failed: " + (messages_.empty() ? std::string("no answer") : messages_);
        }
        board_.End(row_, Succeeded()                             ? "OK"
                         : outcome == TransferOutcome::Cancelled ? "cancelled"
                                                                 : "failed");
        done_();
    }

    CliProgram& program_;
    QString port_;
    std::size_t row_;
    ProgressBoard& board_;
    std::function<void()> done_;
    std::unique_ptr<RadioImage> toWrite_; ///< the file, kept aside while a backup read runs
    std::unique_ptr<RadioImage> image_;
    ProgramState state_;
    TerminalInteraction ui_;
    std::string messages_; ///< every message of this radio, on one line
    std::string result_;
    LinkSession session_;
};

} // namespace

int WriteToRadios(CliProgram& program, const QStringList& ports, bool backupFirst, bool verify) {
    ProgressBoard board(ports, program.State.Texts);
    QEventLoop loop;
    std::size_t running = static_cast<std::size_t>(ports.size());
    std::vector<std::unique_ptr<RadioWrite>> radios;
    for (const QString& port : ports) {
        radios.push_back(
            std::make_unique<RadioWrite>(program, port, radios.size(), board, [&running, &loop] {
                if (--running == 0) {
                    loop.quit();
                }
            }));
    }
    bool cancelling = false;
    InterruptWatch interrupt([&] {
        if (cancelling) {
            loop.quit(); // a second Ctrl+C does not wait for the radios' goodbyes
            return;
        }
        cancelling = true;
        for (const auto& radio : radios) {
            radio->Cancel();
        }
    });
    for (const auto& radio : radios) {
        radio->Start(backupFirst, verify);
    }
    loop.exec();

    const FeatureFlags featuresBefore = program.State.Features;
    std::vector<std::vector<std::string>> summary;
    int failed = 0;
    for (const auto& radio : radios) {
        MergeFeatureFlags(program.State.Features, radio->Features());
        const std::string result = radio->Result().empty() ? "cancelled" : radio->Result();
        failed += radio->Succeeded() ? 0 : 1;
        summary.push_back({radio->Port().toStdString(), result});
    }
    StoreFeaturesIfChanged(program, featuresBefore);
    PrintTable(summary);
    if (failed == 0) {
        return 0;
    }
    return Fail(std::to_string(failed) + " of " + std::to_string(radios.size()) + " radios failed");
}

} // namespace rp70::cli
