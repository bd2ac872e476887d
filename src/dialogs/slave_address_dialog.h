#pragma once
// Chooses the RS-485 address every later command carries.

#include <QDialog>

#include "model/console.h"

class QComboBox;

namespace vrq {

class SlaveAddressDialog : public QDialog {
    Q_OBJECT
public:
    SlaveAddressDialog(Console& c, QWidget* parent = nullptr);
    QComboBox* addressCombo() const { return combo_; }

private:
    QComboBox* combo_ = nullptr;
};

}  // namespace vrq
