#pragma once
// The serial port dialog: which port every transfer opens.

#include <QDialog>
#include <QList>
#include <functional>

#include "serial_ports.h"
#include "shell/startup.h"

class QComboBox;
class QLabel;
class QTimer;

namespace rp70::gui {

/// The system's serial ports, in their enumeration order.
using PortLister = std::function<QList<SerialPortEntry>()>;

/// The serial port dialog: the system's ports, refreshed every second while open, or a typed device
/// path.
class ComPortDialog : public QDialog {
    Q_OBJECT

public:
    /// Lists the ports `lister` gives (COM1 … COM255 in the fixed-list mode) and shows the
    /// configured one of `state`, which must outlive the dialog.
    ComPortDialog(ProgramState& state, PortLister lister = ListSerialPorts,
                  QWidget* parent = nullptr);

    /// The refresh timer's tick: lists the ports again and keeps the choice.
    void RefreshPorts();
    /// OK: stores the choice in the program state and in the settings file.
    void accept() override;

protected:
    /// Opening starts the refresh timer (not in the fixed-list mode).
    void showEvent(QShowEvent* event) override;
    /// Closing (OK, Cancel, Escape or the close button) stops it.
    void hideEvent(QHideEvent* event) override;

private:
    /// Lists `ports` in the combo box, replacing what it held.
    void FillPorts(const QList<SerialPortEntry>& ports);
    /// Whether the combo box lists exactly `ports`, in their order.
    bool SameEntries(const QList<SerialPortEntry>& ports) const;
    /// The entry opened by `location`, else the one named `name`; -1 when neither is listed.
    int FindEntry(const QString& location, const QString& name) const;
    /// Shows the configured port (or device) of the program state.
    void ShowConfiguredPort();
    /// Shows the description and, when this user may not open it, the warning of the port
    /// chosen; nothing for a typed device.
    void ShowPortDetails();

    ProgramState& state_;
    PortLister lister_;
    QComboBox* portCombo_;
    QLabel* description_;
    QLabel* warning_;
    QTimer* refreshTimer_;
};

} // namespace rp70::gui
