#include "dialogs/tcp_client_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/interface_dialog.h"
#include "link/tcp_link.h"
#include "model/app_config.h"
#include "model/field_text.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"

namespace vrq {

QString peerListText(const Octets& o) { return QString::fromStdString(TcpLink::dottedAddress(o)); }

std::optional<int> checkedPort(Console& c) {
    const std::optional<int> port = parsePortNumber(cellText(c.settings.netPortNumber));
    if (!port && c.notifier) showError(*c.notifier, kPortRefusedText);
    return port;
}

bool storePortOnClose(Console& c, int result, const std::string& atOpen) {
    if (!parsePortNumber(cellText(c.settings.netPortNumber))) {
        if (result == QDialog::Accepted) {
            // "設定" keeps nothing that is not a port: the dialog stays open.
            if (c.notifier) showError(*c.notifier, kPortRefusedText);
            return false;
        }
        // Closed without "設定": the port stays what it was.
        setCell(c.settings.netPortNumber, atOpen);
    }
    writeConnectionValue(c, "p_port_number", cellText(c.settings.netPortNumber));
    return true;
}

QLineEdit* makePortEdit(Console& c, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName("portEdit");
    edit->setMaxLength(5);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(5, QChar(0xFF18))) + 16);
    // Plain ASCII is kept and written byte for byte; full-width digits are
    // taken as the digits they are.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7e０-９]{0,5}"), edit));
    edit->setText(QString::fromLatin1(cellText(c.settings.netPortNumber)));
    QObject::connect(edit, &QLineEdit::textChanged, edit, [&c](const QString& text) {
        setCell(c.settings.netPortNumber, narrowDigits(text.toStdString()));
    });
    return edit;
}

TcpClientDialog::TcpClientDialog(Console& c, TcpLink& link, QWidget* parent)
    : QDialog(parent), c_(c), link_(link), portAtOpen_(cellText(c.settings.netPortNumber)) {
    setWindowTitle(tr("TCP/IPの設定(Client)"));
    auto* layout = new QVBoxLayout(this);

    auto* addressGroup = new QGroupBox(tr("Host IP Address"), this);
    auto* addressLayout = new QVBoxLayout(addressGroup);
    addressEdit_ = new QLineEdit(addressGroup);
    addressEdit_->setObjectName("ipAddressEdit");
    addressEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9０-９]{0,3}([.．][0-9０-９]{0,3}){0,3}"), addressEdit_));
    // Wide enough for the widest text it takes: fifteen full-width characters.
    addressEdit_->setMinimumWidth(addressEdit_->fontMetrics().horizontalAdvance(QString(15, QChar(0xFF18))) + 16);
    addressLayout->addWidget(addressEdit_);
    layout->addWidget(addressGroup);

    auto* listGroup = new QGroupBox(tr("Host List"), this);
    auto* listLayout = new QVBoxLayout(listGroup);
    hostList_ = new QListWidget(listGroup);
    hostList_->setObjectName("hostList");
    listLayout->addWidget(hostList_);
    layout->addWidget(listGroup);

    auto* portGroup = new QGroupBox(tr("Port Number"), this);
    auto* portLayout = new QVBoxLayout(portGroup);
    portEdit_ = makePortEdit(c_, portGroup);
    portLayout->addWidget(portEdit_);
    layout->addWidget(portGroup);

    auto* buttons = new QHBoxLayout();
    auto button = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    addButton_ = button(tr("追加"), "addButton");
    removeButton_ = button(tr("削除"), "removeButton");
    setButton_ = button(tr("設定", "button"), "setButton");
    connectButton_ = button(tr("接続", "button"), "connectButton");
    disconnectButton_ = button(tr("切断", "button"), "disconnectButton");
    setButton_->setDefault(true);
    layout->addLayout(buttons);

    connect(addButton_, &QPushButton::clicked, this, &TcpClientDialog::addAddress);
    connect(removeButton_, &QPushButton::clicked, this, &TcpClientDialog::removeSelected);
    connect(setButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(connectButton_, &QPushButton::clicked, this, &TcpClientDialog::connectPeer);
    connect(disconnectButton_, &QPushButton::clicked, this, &TcpClientDialog::disconnectPeer);
    connect(hostList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { chooseRow(hostList_->row(item)); });
    connect(&link_, &TcpLink::connected, this, &TcpClientDialog::onConnected);
    connect(&link_, &TcpLink::connectionClosed, this, &TcpClientDialog::refresh);

    refresh();
}

int TcpClientDialog::listCount() const { return std::clamp(c_.app.peerListCount, 0, kMaxPeers); }

void TcpClientDialog::refresh() {
    const int count = listCount();
    if (count != 0) {
        const int index = c_.app.peerIndex;
        if (index >= 0 && index < kMaxPeers)
            addressEdit_->setText(
                QString::fromStdString(TcpLink::dottedAddress(c_.app.peerAddress[static_cast<std::size_t>(index)])));
        hostList_->clear();
        for (int i = 0; i < count; ++i) hostList_->addItem(peerListText(c_.app.peerAddress[static_cast<std::size_t>(i)]));
    }
    portEdit_->setText(QString::fromLatin1(cellText(c_.settings.netPortNumber)));
    connectButton_->setEnabled(!c_.app.tcpConnected);
    disconnectButton_->setEnabled(c_.app.tcpConnected);
}

void TcpClientDialog::writeEntry(int index) {
    const Octets& o = c_.app.peerAddress[static_cast<std::size_t>(index)];
    for (int k = 0; k < 4; ++k) writeConnectionValue(c_, peerAddressKey(index, k), o[static_cast<std::size_t>(k)]);
}

void TcpClientDialog::addAddress() {
    const int count = c_.app.peerListCount;
    // The ini keys have two digits for the index: a hundredth entry has no home.
    if (count < 0 || count >= kMaxPeers) {
        if (c_.notifier) showError(*c_.notifier, kPeerListFullText);
        return;
    }
    const std::optional<Octets> address = parseIpv4Address(addressEdit_->text().toStdString());
    if (!address) {
        if (c_.notifier) showError(*c_.notifier, kAddressRefusedText);
        return;
    }
    c_.app.peerAddress[static_cast<std::size_t>(count)] = *address;
    hostList_->addItem(peerListText(c_.app.peerAddress[static_cast<std::size_t>(count)]));
    c_.app.peerListCount = count + 1;
    writeConnectionValue(c_, "list_count", c_.app.peerListCount);
    writeEntry(count);
}

void TcpClientDialog::removeSelected() {
    const int count = listCount();
    // Only a row the operator sees selected (keyboard focus gives a current row
    // without one); after a removal nothing is selected, so a second press
    // never takes the next entry unasked.
    const QModelIndexList selected = hostList_->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    const int row = selected.first().row();
    if (count == 0 || row < 0 || row >= count) return;
    delete hostList_->takeItem(row);
    hostList_->clearSelection();
    c_.app.peerListCount = count - 1;
    writeConnectionValue(c_, "list_count", c_.app.peerListCount);
    for (int i = row; i < count - 1; ++i) {
        c_.app.peerAddress[static_cast<std::size_t>(i)] = c_.app.peerAddress[static_cast<std::size_t>(i) + 1];
        writeEntry(i);
    }
}

void TcpClientDialog::chooseRow(int row) {
    if (listCount() == 0 || row < 0 || row >= listCount()) return;
    c_.app.peerIndex = row;
    writeConnectionValue(c_, "select_number", row);
    addressEdit_->setText(QString::fromStdString(TcpLink::dottedAddress(c_.app.peerAddress[static_cast<std::size_t>(row)])));
}

void TcpClientDialog::connectPeer() {
    if (!checkedPort(c_) || !link_.connectToPeer()) c_.app.tcpConnected = false;
}

void TcpClientDialog::onConnected() {
    c_.app.tcpConnected = true;
    connectButton_->setEnabled(false);
    disconnectButton_->setEnabled(true);
    if (c_.notifier) showSuccess(*c_.notifier, VRQ_TEXT("TcpClientDialog", "Socket 接続 OK"));
}

void TcpClientDialog::disconnectPeer() {
    if (!c_.app.tcpConnected) return;
    link_.closeAll();
    c_.app.tcpConnected = false;
    connectButton_->setEnabled(true);
    disconnectButton_->setEnabled(false);
    if (c_.notifier) showSuccess(*c_.notifier, VRQ_TEXT("TcpClientDialog", "Socket 切断 OK"));
}

void TcpClientDialog::done(int result) {
    if (storePortOnClose(c_, result, portAtOpen_)) QDialog::done(result);
}

}  // namespace vrq
