#pragma once
// "RS-232C/485の設定": which COM port and which line kind. Written to the ini
// file at once; an open port keeps its old COM port until the next start.

#include <QDialog>

#include "model/console.h"

class QComboBox;
class QLabel;

namespace vrq {

class SerialSettingsDialog : public QDialog {
    Q_OBJECT
public:
    SerialSettingsDialog(Console& c, QWidget* parent = nullptr);

    QComboBox* portCombo() const { return portCombo_; }
    QComboBox* modeCombo() const { return modeCombo_; }
    // Where the chosen COM entry leads; hidden on systems with COM names.
    QLabel* devicePathLabel() const { return pathLabel_; }

private:
    void showDevicePath(int index);

    Console& c_;
    QComboBox* portCombo_ = nullptr;
    QComboBox* modeCombo_ = nullptr;
    QLabel* pathLabel_ = nullptr;
};

}  // namespace vrq
