// The main window's way into the editors of the radio's settings.

#include "editors/alert_dialog.h"
#include "editors/auto_test_dialog.h"
#include "editors/book_dialog.h"
#include "editors/dtmf_dialog.h"
#include "editors/embedded_message_dialog.h"
#include "editors/five_tone_dialog.h"
#include "editors/options_dialog.h"
#include "editors/scan_dialog.h"
#include "editors/test_data_dialog.h"
#include "editors/two_tone_dialog.h"
#include "shell/main_window.h"

namespace rp70::gui {

void MainWindow::OpenEditor(const QString& key) {
    if (key == QLatin1String("N4")) {
        EditOptions();
    } else if (key == QLatin1String("N5")) {
        EditDtmf();
    } else if (key == QLatin1String("N6")) {
        EditTwoTone();
    } else if (key == QLatin1String("N7")) {
        EditFiveTone();
    } else if (key == QLatin1String("N10")) {
        EditScan();
    } else if (key == QLatin1String("N11")) {
        EditAlert();
    } else if (key == QLatin1String("N8")) {
        EditBook();
    } else if (key == QLatin1String("N9")) {
        ShowEmbeddedMessage();
    } else if (key == QLatin1String("N14")) {
        EditTestData();
    }
}

void MainWindow::EditOptions() {
    Recorded([this] {
        OptionsDialog dialog(image_, state_.Texts, this);
        dialog.exec();
    });
}

void MainWindow::EditDtmf() {
    Recorded([this] {
        DtmfDialog dialog(image_, ctx_, this);
        dialog.exec();
    });
}

void MainWindow::EditTwoTone() {
    Recorded([this] {
        TwoToneDialog dialog(image_, ctx_, this);
        dialog.exec();
    });
}

void MainWindow::EditFiveTone() {
    Recorded([this] {
        FiveToneDialog dialog(image_, ctx_, this);
        dialog.exec();
    });
}

void MainWindow::EditScan() {
    Recorded([this] {
        ScanDialog dialog(image_, ctx_, this);
        dialog.exec();
    });
}

void MainWindow::EditAlert() {
    Recorded([this] {
        AlertDialog dialog(image_, ctx_, this);
        dialog.exec();
    });
}

void MainWindow::EditBook() {
    Recorded([this] {
        BookDialog dialog(image_, ctx_, this);
        dialog.exec();
    });
}

void MainWindow::ShowEmbeddedMessage() {
    if (Transfer(TransferKind::RadioInfo) == TransferOutcome::Succeeded) {
        EmbeddedMessageDialog dialog(state_.Info, state_.Texts, this);
        dialog.exec();
    }
}

void MainWindow::EditTestData() {
    Recorded([this] {
        TestDataDialog dialog(image_, ctx_, this);
        dialog.exec();
    });
}

void MainWindow::ExportAutoTest() {
    AutoTestDialog dialog(image_, ctx_, this);
    dialog.exec();
}

} // namespace rp70::gui
