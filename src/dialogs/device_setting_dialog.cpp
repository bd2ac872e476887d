#include "dialogs/device_setting_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "protocol/send_path.h"

namespace vrq {

QComboBox* DeviceSettingDialog::addBoundCombo(const QString& label, const QStringList& items,
                                              const QString& objectName, int& field) {
    QComboBox* combo = addCombo(label, items, objectName);
    select(combo, field);
    const int count = static_cast<int>(items.size());
    connect(combo, &QComboBox::currentIndexChanged, this, [&field, count](int i) {
        if (i >= 0 && i < count) field = i;
    });
    return combo;
}

int DeviceSettingDialog::addRow(const QString& label, QWidget* w) {
    const int row = controlGrid()->rowCount();
    addControl(label, w);
    return row;
}

int DeviceSettingDialog::lastRow() const { return controlGrid()->rowCount() - 1; }

QPushButton* DeviceSettingDialog::addSendButton(int row, const QString& objectName, Builder build) {
    auto* b = new QPushButton(tr("設定", "button"), this);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    controlGrid()->addWidget(b, row, 2);
    connect(b, &QPushButton::clicked, this, [this, build = std::move(build)] {
        if (auto line = build()) send(*line);
    });
    return b;
}

void DeviceSettingDialog::send(const CommandLine& line) { sendCommand(console(), line); }

QWidget* DeviceSettingDialog::connectorLists() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QStringList pages = pageItems();
    for (int n = 0; n < kConnectors; ++n) {
        auto* combo = new QComboBox(box);
        combo->setObjectName(QStringLiteral("connector%1Combo").arg(n + 1));
        combo->addItems(pages);
        combo->setMaxVisibleItems(16);
        int& field = console().settings.connectorAssign[static_cast<std::size_t>(n)];
        select(combo, field);
        connect(combo, &QComboBox::currentIndexChanged, this, [&field](int i) {
            if (i >= 0 && i < kPages) field = i;
        });
        grid->addWidget(new QLabel(QStringLiteral("No.%1").arg(n + 1), box), (n / 4) * 2, n % 4);
        grid->addWidget(combo, (n / 4) * 2 + 1, n % 4);
    }
    return box;
}

}  // namespace vrq
