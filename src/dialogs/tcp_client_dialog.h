#pragma once
// "TCP/IPの設定(Client)": the saved device addresses, the port, connect and
// disconnect. Address list changes go to the ini file at once; the port when
// the dialog closes, and only a port number.

#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "model/console.h"
#include "model/message.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vrq {

class TcpLink;

// The saved-address text "192.168.1.10".
QString peerListText(const Octets& o);
inline constexpr Text kPeerListFullText =
    VRQ_TEXT("TcpClientDialog", "Host List は100件までです。不要なアドレスを削除してから追加してください。");

// The port field both TCP/IP dialogs share: five printable characters at most.
QLineEdit* makePortEdit(Console& c, QWidget* parent);
// The port both roles use, or nothing after telling the operator it is not one.
std::optional<int> checkedPort(Console& c);
// What both dialogs do with the port as they close: written when it is one;
// refused with the message after "設定" (false: the dialog stays open);
// otherwise put back to `atOpen`, the port when the dialog opened.
bool storePortOnClose(Console& c, int result, const std::string& atOpen);

class TcpClientDialog : public QDialog {
    Q_OBJECT
public:
    TcpClientDialog(Console& c, TcpLink& link, QWidget* parent = nullptr);

    void done(int result) override;

    QLineEdit* addressEdit() const { return addressEdit_; }
    QListWidget* hostList() const { return hostList_; }
    QLineEdit* portEdit() const { return portEdit_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* removeButton() const { return removeButton_; }
    QPushButton* connectButton() const { return connectButton_; }
    QPushButton* disconnectButton() const { return disconnectButton_; }

    void addAddress();
    void removeSelected();
    void chooseRow(int row);
    void connectPeer();
    void disconnectPeer();

private:
    void refresh();
    void onConnected();
    void writeEntry(int index);
    int listCount() const;

    Console& c_;
    TcpLink& link_;
    std::string portAtOpen_;
    QLineEdit* addressEdit_ = nullptr;
    QListWidget* hostList_ = nullptr;
    QLineEdit* portEdit_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* setButton_ = nullptr;
    QPushButton* connectButton_ = nullptr;
    QPushButton* disconnectButton_ = nullptr;
};

}  // namespace vrq
