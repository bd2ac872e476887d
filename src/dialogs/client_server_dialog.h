#pragma once
// "クライアント/サーバー": the TCP/IP role, written to the ini file at once. The
// main window sets its title from the role when this dialog has closed.

#include <QDialog>

#include "model/console.h"

class QComboBox;

namespace vrq {

class ClientServerDialog : public QDialog {
    Q_OBJECT
public:
    ClientServerDialog(Console& c, QWidget* parent = nullptr);

    QComboBox* roleCombo() const { return combo_; }

private:
    Console& c_;
    QComboBox* combo_ = nullptr;
};

}  // namespace vrq
