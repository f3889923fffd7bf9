#include "link/com_port_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/caption_width.h"
#include "shell/language_apply.h"
#include "shell/program_folder.h"
#include "shell/qt_text.h"
#include "shell/settings_file.h"
#include "shell/text_input_rules.h"

namespace rp70::gui {
namespace {

/// Milliseconds between two looks at the system's ports.
constexpr int kRefreshIntervalMs = 1000;

/// Item data roles of the port list beside the device path (Qt::UserRole).
constexpr int kDescriptionRole = Qt::UserRole + 1;
constexpr int kWarningRole = Qt::UserRole + 2;

/// The highest port of the fixed port list.
constexpr int kFixedPortCount = 255;

/// COM1 … COM255: the port list of the fixed-list mode.
QList<SerialPortEntry> FixedPortList() {
    QList<SerialPortEntry> ports;
    for (int n = 1; n <= kFixedPortCount; ++n) {
        const QString name = QStringLiteral("COM") + QString::number(n);
        ports.append(SerialPortEntry{name, name, {}, {}});
    }
    return ports;
}

} // namespace

ComPortDialog::ComPortDialog(ProgramState& state, PortLister lister, QWidget* parent)
    : QDialog(parent), state_(state), lister_(std::move(lister)) {
    SetTextKey(this, 1401);

    auto* label = new QLabel(this);
    SetTextKey(label, 1402);
    portCombo_ = new QComboBox(this);
    portCombo_->setObjectName(QStringLiteral("portCombo"));
    portCombo_->setEditable(true);
    ApplyTextInputRules(portCombo_->lineEdit());
    portCombo_->setInsertPolicy(QComboBox::NoInsert);
    portCombo_->setMinimumContentsLength(18);
    label->setBuddy(portCombo_);
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("portDescription"));
    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("portWarning"));
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #b00000"));
    connect(portCombo_, &QComboBox::currentIndexChanged, this, &ComPortDialog::ShowPortDetails);
    connect(portCombo_, &QComboBox::editTextChanged, this, &ComPortDialog::ShowPortDetails);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ComPortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ComPortDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(label, portCombo_);
    form->addRow(QString(), description_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(warning_);
    layout->addWidget(buttons);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setInterval(kRefreshIntervalMs);
    connect(refreshTimer_, &QTimer::timeout, this, &ComPortDialog::RefreshPorts);

    ApplyLanguage(this, state_.Texts);
    SetButtonTexts(buttons, state_.Texts);
    KeepCaptionWhole(*this, *layout);

    if (state_.IsVista) {
        FillPorts(FixedPortList());
    } else if (lister_) {
        FillPorts(lister_());
    }
    ShowConfiguredPort();
}

void ComPortDialog::FillPorts(const QList<SerialPortEntry>& ports) {
    portCombo_->clear();
    for (const SerialPortEntry& port : ports) {
        portCombo_->addItem(port.PortName, port.SystemLocation);
        const int index = portCombo_->count() - 1;
        if (!port.Description.isEmpty()) {
            portCombo_->setItemData(index, port.Description, Qt::ToolTipRole);
        }
        QString description = port.Description;
        if (!port.Manufacturer.isEmpty()) {
            description += (description.isEmpty() ? "(" : " (") + port.Manufacturer + ")";
        }
        if (port.VendorId && port.ProductId) {
            description += QStringLiteral(" USB %1:%2")
                               .arg(*port.VendorId, 4, 16, QLatin1Char('0'))
                               .arg(*port.ProductId, 4, 16, QLatin1Char('0'));
        }
        portCombo_->setItemData(index, description.trimmed(), kDescriptionRole);
        portCombo_->setItemData(index, ToQt(PortAccessWarning(CheckOf(port), state_.Texts)),
                                kWarningRole);
    }
    ShowPortDetails();
}

void ComPortDialog::ShowPortDetails() {
    const int index = portCombo_->currentIndex();
    const bool listed = index >= 0 && portCombo_->itemText(index) == portCombo_->currentText();
    description_->setText(listed ? portCombo_->itemData(index, kDescriptionRole).toString()
                                 : QString());
    const QString warning =
        listed ? portCombo_->itemData(index, kWarningRole).toString() : QString();
    warning_->setText(warning);
    warning_->setVisible(!warning.isEmpty());
}

bool ComPortDialog::SameEntries(const QList<SerialPortEntry>& ports) const {
    if (ports.size() != portCombo_->count()) {
        return false;
    }
    for (int i = 0; i < portCombo_->count(); ++i) {
        const SerialPortEntry& port = ports[i];
        if (port.PortName != portCombo_->itemText(i) ||
            port.SystemLocation != portCombo_->itemData(i).toString()) {
            return false;
        }
    }
    return true;
}

int ComPortDialog::FindEntry(const QString& location, const QString& name) const {
    const int found = portCombo_->findData(location);
    return found >= 0 ? found
                      : portCombo_->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

void ComPortDialog::ShowConfiguredPort() {
    const QString device = ToQt(state_.Settings.ComDevice);
    if (!device.isEmpty()) {
        const int found = FindEntry(device, device);
        portCombo_->setCurrentIndex(found);
        if (found < 0) {
            portCombo_->setEditText(device); // a device the system does not list, as typed
        }
        return;
    }
    if (portCombo_->count() == 0) {
        portCombo_->setCurrentIndex(-1);
        return;
    }
    const int found =
        portCombo_->findText(QStringLiteral("COM") + QString::number(state_.Settings.ComPort),
                             Qt::MatchFixedString | Qt::MatchCaseSensitive);
    portCombo_->setCurrentIndex(found < 0 ? 0 : found);
}

void ComPortDialog::RefreshPorts() {
    if (state_.IsVista || !lister_) {
        return; // the fixed list never changes
    }
    const QList<SerialPortEntry> ports = lister_();
    if (SameEntries(ports)) {
        return; // nothing plugged in or out: leave the list (and an open popup) alone
    }
    QLineEdit* edit = portCombo_->lineEdit();
    const bool editing = edit->isModified();
    const QString text = portCombo_->currentText();
    const int cursor = edit->cursorPosition();
    const int selectionStart = edit->selectionStart();
    const int selectionLength = edit->selectionLength();
    const int index = portCombo_->currentIndex();
    const bool entryChosen = !editing && index >= 0 && portCombo_->itemText(index) == text;
    const QString chosenLocation = entryChosen ? portCombo_->itemData(index).toString() : QString();

    const QSignalBlocker blocker(portCombo_);
    FillPorts(ports);

    if (editing || (!entryChosen && !text.isEmpty())) {
        // Typed text (being edited, or a configured device the system does not list) stays as it
        // is, cursor and selection included.
        portCombo_->setCurrentIndex(-1);
        portCombo_->setEditText(text);
        if (selectionLength > 0) {
            edit->setSelection(selectionStart, selectionLength);
        } else {
            edit->setCursorPosition(cursor);
        }
        edit->setModified(editing);
        ShowPortDetails();
        return;
    }
    int found = entryChosen ? FindEntry(chosenLocation, text) : -1;
    if (found < 0 && portCombo_->count() > 0) {
        found = 0; // the chosen port left (or none was chosen): the first one
    }
    portCombo_->setCurrentIndex(found);
    if (found < 0) {
        portCombo_->setEditText(QString());
    }
    ShowPortDetails();
}

void ComPortDialog::accept() {
    const QString text = portCombo_->currentText().trimmed();
    SettingsFileValues& settings = state_.Settings;
    if (text.isEmpty()) {
        // Nothing chosen: no port for this run; the settings file keeps its port.
        settings.ComPort = 0;
        settings.ComDevice.clear();
        QDialog::accept();
        return;
    }
    const int index = portCombo_->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index >= 0) {
        if (const std::optional<std::int16_t> number = ComPortNumber(text)) {
            settings.ComPort = *number;
            settings.ComDevice.clear();
        } else {
            settings.ComDevice = ToCore(portCombo_->itemData(index).toString());
        }
    } else {
        settings.ComDevice = ToCore(text);
    }
    if (!WriteLinkPort(SettingsFilePath(state_.Folder), settings.ComPort, settings.ComDevice)) {
        // The choice holds for this run all the same; only the next start will not know it.
        QMessageBox::warning(this, windowTitle(),
                             ToQt(state_.Texts.Builtin(BuiltinText::FileError)));
    }
    QDialog::accept();
}

void ComPortDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!state_.IsVista && lister_) {
        refreshTimer_->start();
    }
}

void ComPortDialog::hideEvent(QHideEvent* event) {
    refreshTimer_->stop();
    QDialog::hideEvent(event);
}

} // namespace rp70::gui
