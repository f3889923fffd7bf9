#include "shell/dialog_interaction.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

#include "files/file_password_dialog.h"
#include "link/radio_password_dialog.h"
#include "shell/qt_text.h"
#include "shell/window_placement.h"

namespace rp70::gui {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// The answer Escape (or closing the box) gives.
Answer EscapeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return Answer::Cancel;
    case MessageButtons::YesNo:
        return Answer::No;
    case MessageButtons::Ok:
        break;
    }
    return Answer::Ok;
}

// The extension of the filter's first pattern: ".dat" for "Data File (*.dat)".
QString FilterExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[A-Za-z0-9_]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

DialogInteraction::DialogInteraction(const LanguageTexts& texts, QWidget* window)
    : texts_(texts), window_(window) {}

QWidget* DialogInteraction::Parent() const {
    // Over the window on top: a message of the channel dialog or of a transfer belongs to it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return window_;
}

Answer DialogInteraction::Show(const Message& message) {
    const QString title = message.Title.empty() ? ToQt(kApplicationTitle) : ToQt(message.Title);
    QMessageBox box(BoxIcon(message.Icon), title, ToQt(message.Text), BoxButtons(message.Buttons),
                    Parent());
    box.setTextFormat(Qt::PlainText);
    const bool yesNo =
        message.Buttons == MessageButtons::YesNo || message.Buttons == MessageButtons::YesNoCancel;
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    switch (EscapeAnswer(message.Buttons)) {
    case Answer::Cancel:
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Answer::No:
        box.setEscapeButton(QMessageBox::No);
        break;
    default:
        box.setEscapeButton(QMessageBox::Ok);
        break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return EscapeAnswer(message.Buttons);
    }
}

QString DialogInteraction::StartPath(const std::filesystem::path& proposed) const {
    const QString path = PathToQt(proposed);
    if (QDir::isAbsolutePath(path)) {
        return path;
    }
    const QDir folder(lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_);
    return path.isEmpty() ? folder.path() : folder.filePath(path);
}

std::optional<std::filesystem::path> DialogInteraction::Chosen(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return ToCorePath(path);
}

std::optional<std::filesystem::path> DialogInteraction::ChooseOpenFile(const FileChoice& choice) {
    return Chosen(QFileDialog::getOpenFileName(Parent(), QString(), StartPath(choice.ProposedPath),
                                               ToQt(choice.Filter)));
}

std::optional<std::filesystem::path> DialogInteraction::ChooseSaveFile(const FileChoice& choice) {
    QFileDialog dialog(Parent(), QString(), StartPath(choice.ProposedPath), ToQt(choice.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the filter's, so that the file is found again;
    // the dialog asks before replacing a file under the name it really saves to.
    dialog.setDefaultSuffix(FilterExtension(ToQt(choice.Filter)).mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return Chosen(dialog.selectedFiles().constFirst());
}

std::optional<std::string> DialogInteraction::AskFilePassword(std::string_view current) {
    FilePasswordDialog dialog(current, texts_, Parent());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Password();
}

std::optional<std::string> DialogInteraction::AskRadioPassword(std::string_view current) {
    RadioPasswordDialog dialog(current, texts_, Parent());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Password();
}

} // namespace rp70::gui
