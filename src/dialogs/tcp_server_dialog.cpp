#include "dialogs/tcp_server_dialog.h"

#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/interface_dialog.h"
#include "dialogs/tcp_client_dialog.h"
#include "link/tcp_link.h"
#include "model/text_cell.h"
#include "protocol/run_target.h"

namespace vrq {

namespace {
const QString kNoDestination = " ";
}

QString peerText(const ClientSlot& entry) {
    return QStringLiteral("%1:%2").arg(QString::fromStdString(entry.addressText)).arg(entry.port);
}

QString clientRowText(const ClientSlot& entry, bool chosen) {
    // Address and port first, padded so the times line up under each other.
    const QString since = QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(entry.since.time_since_epoch()).count())
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return QStringLiteral("%1  %2  %3")
        .arg(peerText(entry).leftJustified(21), since, chosen ? TcpServerDialog::tr("送信先") : TcpServerDialog::tr("接続中"));
}

TcpServerDialog::TcpServerDialog(Console& c, TcpLink& link, QWidget* parent)
    : QDialog(parent), c_(c), link_(link), portAtOpen_(cellText(c.settings.netPortNumber)) {
    setWindowTitle(tr("TCP/IPの設定(Server)"));
    auto* layout = new QVBoxLayout(this);

    auto* placeGroup = new QGroupBox(tr("Transmission place"), this);
    auto* placeLayout = new QVBoxLayout(placeGroup);
    transmissionEdit_ = new QLineEdit(placeGroup);
    transmissionEdit_->setObjectName("transmissionEdit");
    transmissionEdit_->setReadOnly(true);
    placeLayout->addWidget(transmissionEdit_);
    layout->addWidget(placeGroup);

    auto* listGroup = new QGroupBox(tr("Client List"), this);
    auto* listLayout = new QVBoxLayout(listGroup);
    clientList_ = new QListWidget(listGroup);
    clientList_->setObjectName("clientList");
    listLayout->addWidget(clientList_);
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
    connectButton_ = button(tr("接続", "button"), "connectButton");
    disconnectButton_ = button(tr("切断", "button"), "disconnectButton");
    closeButton_ = button(tr("Close"), "closeButton");
    layout->addLayout(buttons);

    connect(connectButton_, &QPushButton::clicked, this, &TcpServerDialog::startListening);
    connect(disconnectButton_, &QPushButton::clicked, this, &TcpServerDialog::stopAll);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    // One click chooses (a double click, as before, too).
    connect(clientList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseRow(clientList_->row(item)); });
    connect(clientList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { chooseRow(clientList_->row(item)); });
    connect(&link_, &TcpLink::clientsChanged, this, &TcpServerDialog::refresh);

    refresh();
}

void TcpServerDialog::refresh() {
    clientList_->clear();
    rowSlots_.clear();
    const int chosen = c_.app.selectedSlot;
    for (int slot = 1; slot < kClientSlots; ++slot) {
        const ClientSlot& entry = c_.app.clientSlots[static_cast<std::size_t>(slot)];
        if (!entry.inUse) continue;
        clientList_->addItem(clientRowText(entry, slot == chosen));
        rowSlots_.push_back(slot);
    }
    if (!rowSlots_.empty() && chosen >= 1 && chosen < kClientSlots)
        transmissionEdit_->setText(peerText(c_.app.clientSlots[static_cast<std::size_t>(chosen)]));
    else if (c_.app.tcpConnected)
        transmissionEdit_->setText(kNoDestination);  // the chosen device left
    portEdit_->setText(QString::fromLatin1(cellText(c_.settings.netPortNumber)));
    updateButtons();
}

// Driven by what the link is doing, so a listener whose last device left can
// still be stopped.
void TcpServerDialog::updateButtons() {
    const bool busy = link_.isListening() || !rowSlots_.empty();
    connectButton_->setEnabled(!busy);
    disconnectButton_->setEnabled(busy);
    portEdit_->setEnabled(!busy);
}

void TcpServerDialog::startListening() {
    // Only on the port the operator chose: an empty or bad field would let
    // the system pick one nobody knows.
    if (checkedPort(c_) && link_.listen()) updateButtons();
}

void TcpServerDialog::stopAll() {
    link_.closeAll();
    transmissionEdit_->setText(kNoDestination);
    clientList_->clear();
    rowSlots_.clear();
    c_.app.selectedSlot = -1;
    c_.app.tcpConnected = false;
    updateButtons();
}

void TcpServerDialog::chooseRow(int row) {
    if (!targetChangeAllowed(c_)) return;
    if (rowSlots_.empty() || row < 0 || row >= static_cast<int>(rowSlots_.size())) {
        c_.app.selectedSlot = -1;
        return;
    }
    const int slot = rowSlots_[static_cast<std::size_t>(row)];
    c_.app.selectedSlot = slot;
    c_.app.tcpConnected = true;
    refresh();  // the rows' states and the destination
    clientList_->setCurrentRow(row);
}

void TcpServerDialog::done(int result) {
    if (storePortOnClose(c_, result, portAtOpen_)) QDialog::done(result);
}

}  // namespace vrq
