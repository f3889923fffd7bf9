// rp70cps: the desktop programming software for KT-RP70 radios.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <memory>

#include "model/radio_image.h"
#include "serial_ports.h"
#include "shell/dialog_interaction.h"
#include "shell/main_window.h"
#include "shell/program_folder.h"
#include "shell/qt_text.h"
#include "shell/startup.h"
#include "shipped_files.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rp70cps"));
    QApplication::setApplicationVersion(QStringLiteral(RP70_VERSION));
    // The window icon, in every size the program's icon is rendered in.
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icons")).entryInfoList()) {
        icon.addFile(size.filePath());
    }
    QApplication::setWindowIcon(icon);
    // Numbers show with "." whatever the user's locale; the user's own setting stays untouched.
    QLocale::setDefault(QLocale::c());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programming software for KT-RP70 radios."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Serial port or device path for this run, e.g. the simulated radio's; not "
                       "stored."),
        QStringLiteral("DEVICE"));
    parser.addOption(portOption);
    parser.process(app);

    // The image is large: it lives on the heap for the whole run.
    auto image = std::make_unique<rp70::RadioImage>();
    // Start-up may ask the password of a protected template before the texts are loaded.
    const rp70::LanguageTexts startupTexts;
    rp70::gui::DialogInteraction startupUi(startupTexts);
    rp70::ProgramState state = rp70::StartUp({rp70::ProgramFolder(rp70::SystemEnvironment()),
                                              rp70::ShippedLanguageFolder(),
                                              rp70::SerialPortNumbers(rp70::ListSerialPorts()),
                                              &startupUi,
                                              {}},
                                             *image);
    if (parser.isSet(portOption)) {
        state.Settings.ComDevice = rp70::gui::ToCore(parser.value(portOption));
    }

    rp70::gui::DialogInteraction ui(state.Texts);
    rp70::gui::MainWindow window(*image, state, ui);
    ui.SetWindow(&window);
    window.show();
    return QApplication::exec();
}
