#pragma once
// "RS-232C/485の設定": which COM port and which line kind. Written to the ini
// file at once; an open port keeps its old COM port until the next start, a
// closed one is opened when its COM entry is given a device.
// On systems without COM names each COM entry leads to a device path; the
// operator picks one of the system's ports or types a path for the chosen
// entry (comN_device).

#include <QDialog>
#include <array>
#include <functional>

#include "model/console.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace vrq {

class PortLister;

class SerialSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `ports` lists the system's ports; null uses QSerialPortInfo.
    // `openSerial` opens the port of comPortIndex when it is closed.
    SerialSettingsDialog(Console& c, QWidget* parent = nullptr, const PortLister* ports = nullptr,
                         std::function<void()> openSerial = {});

    QComboBox* portCombo() const { return portCombo_; }
    QComboBox* modeCombo() const { return modeCombo_; }
    // Where the chosen COM entry leads; hidden on systems with COM names.
    QLabel* devicePathLabel() const { return pathLabel_; }
    // Where COM(n+1) leads, in the overview of all six.
    QLabel* comPathLabel(int n) const { return comPaths_[static_cast<std::size_t>(n)]; }
    QTreeWidget* portList() const { return portList_; }
    QLineEdit* pathEdit() const { return pathEdit_; }
    QPushButton* refreshButton() const { return refreshButton_; }
    QPushButton* assignButton() const { return assignButton_; }

    // Lists the system's ports again (adapters plugged in meanwhile).
    void refreshPorts();

private:
    void showDevicePath(int index);
    void assignPath();
    void updateAssignButton();

    Console& c_;
    const PortLister* ports_;
    std::function<void()> openSerial_;
    QComboBox* portCombo_ = nullptr;
    QComboBox* modeCombo_ = nullptr;
    QLabel* pathLabel_ = nullptr;
    std::array<QLabel*, 6> comPaths_{};
    QTreeWidget* portList_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QPushButton* refreshButton_ = nullptr;
    QPushButton* assignButton_ = nullptr;
};

}  // namespace vrq
