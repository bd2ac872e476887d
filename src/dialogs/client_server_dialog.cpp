#include "dialogs/client_server_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/interface_dialog.h"
#include "protocol/run_target.h"

namespace vrq {

ClientServerDialog::ClientServerDialog(Console& c, QWidget* parent) : QDialog(parent), c_(c) {
    setWindowTitle(tr("クライアント/サーバー"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("選択"), this);
    auto* groupLayout = new QVBoxLayout(group);
    combo_ = new QComboBox(group);
    combo_->setObjectName("roleCombo");
    combo_->addItems({"Client", "Server"});
    groupLayout->addWidget(combo_);
    layout->addWidget(group);
    auto* setButton = new QPushButton(tr("設定", "button"), this);
    setButton->setObjectName("setButton");
    setButton->setDefault(true);
    layout->addWidget(setButton);

    // The role cannot change under a live connection or an active run.
    auto showRole = [this] {
        const int role = c_.app.tcpRole;
        combo_->setCurrentIndex(role == kTcpClient || role == kTcpServer ? role : -1);
    };
    if (c_.app.tcpConnected) {
        combo_->setEnabled(false);
        combo_->setCurrentIndex(-1);
    } else {
        showRole();
        combo_->setEnabled(!c_.reply.runActive);
    }
    connect(combo_, &QComboBox::currentIndexChanged, this, [this, showRole](int index) {
        if (index < 0) return;
        if (!targetChangeAllowed(c_)) {
            const QSignalBlocker block(combo_);
            showRole();
            return;
        }
        c_.app.tcpRole = index;
        writeConnectionValue(c_, "ClientServer", index);
    });
    connect(setButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace vrq
