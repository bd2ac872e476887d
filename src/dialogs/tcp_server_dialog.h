#pragma once
// "TCP/IPの設定(Server)": listen, the connected devices in slot order (address
// and port, since when, destination or not), and the one commands go to,
// chosen with one click. The port is written to the ini file when it closes.

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "model/console.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vrq {

class TcpLink;

// A device as the list shows it: "127.0.0.1:41234", then when it connected
// and whether it is the destination.
QString peerText(const ClientSlot& entry);
QString clientRowText(const ClientSlot& entry, bool chosen);

class TcpServerDialog : public QDialog {
    Q_OBJECT
public:
    TcpServerDialog(Console& c, TcpLink& link, QWidget* parent = nullptr);

    void done(int result) override;

    QLineEdit* transmissionEdit() const { return transmissionEdit_; }
    QListWidget* clientList() const { return clientList_; }
    QLineEdit* portEdit() const { return portEdit_; }
    QPushButton* connectButton() const { return connectButton_; }
    QPushButton* disconnectButton() const { return disconnectButton_; }
    // The client-table slot shown on each row.
    const std::vector<int>& rowSlots() const { return rowSlots_; }

    void startListening();
    void stopAll();
    void chooseRow(int row);

private:
    void refresh();
    void updateButtons();

    Console& c_;
    TcpLink& link_;
    std::string portAtOpen_;
    QLineEdit* transmissionEdit_ = nullptr;
    QListWidget* clientList_ = nullptr;
    QLineEdit* portEdit_ = nullptr;
    QPushButton* connectButton_ = nullptr;
    QPushButton* disconnectButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    std::vector<int> rowSlots_;
};

}  // namespace vrq
