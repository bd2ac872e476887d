#include "dialogs/slave_address_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/setting_dialog.h"
#include "protocol/run_target.h"

namespace vrq {

SlaveAddressDialog::SlaveAddressDialog(Console& c, QWidget* parent) : QDialog(parent) {
    setObjectName("slaveAddressDialog");
    setModal(true);
    const QString peer = SettingDialog::peerText(c);
    setWindowTitle(peer.isEmpty() ? tr("機器のスレーブアドレス") : tr("スレーブアドレスの設定 %1").arg(peer));

    auto* outer = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("スレーブアドレス"), this);
    auto* inGroup = new QVBoxLayout(group);
    combo_ = new QComboBox(group);
    combo_->setObjectName("slaveAddressCombo");
    // Spelt as the device's own console spells it; English puts it right.
    combo_->addItems(SettingDialog::numberItems(0, 31, 2) << tr("Bloadcast"));
    combo_->setMaxVisibleItems(16);
    const int i = c.app.slaveAddressIndex;
    combo_->setCurrentIndex(i >= 0 && i <= kBroadcastAddress ? i : -1);
    combo_->setEnabled(!c.reply.runActive);
    inGroup->addWidget(combo_);
    outer->addWidget(group);
    connect(combo_, &QComboBox::currentIndexChanged, this, [this, &c](int index) {
        if (!targetChangeAllowed(c)) {
            const QSignalBlocker block(combo_);
            const int kept = c.app.slaveAddressIndex;
            combo_->setCurrentIndex(kept >= 0 && kept <= kBroadcastAddress ? kept : -1);
            return;
        }
        if (index >= 0 && index <= kBroadcastAddress) c.app.slaveAddressIndex = index;
    });

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("closeButton");
    row->addWidget(close);
    outer->addLayout(row);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vrq
