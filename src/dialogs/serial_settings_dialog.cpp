#include "dialogs/serial_settings_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/interface_dialog.h"

namespace vrq {

namespace {

#ifdef Q_OS_WIN
constexpr bool kComNames = true;
#else
constexpr bool kComNames = false;
#endif

int inRange(int value, int count) { return value >= 0 && value < count ? value : -1; }

}  // namespace

SerialSettingsDialog::SerialSettingsDialog(Console& c, QWidget* parent) : QDialog(parent), c_(c) {
    setWindowTitle("RS-232C/485の設定");
    auto* layout = new QVBoxLayout(this);

    auto* portGroup = new QGroupBox("コム ポート", this);
    auto* portLayout = new QVBoxLayout(portGroup);
    portCombo_ = new QComboBox(portGroup);
    portCombo_->setObjectName("comPortCombo");
    portCombo_->addItems({"COM 1", "COM 2", "COM 3", "COM 4", "COM 5", "COM 6"});
    portLayout->addWidget(portCombo_);
    pathLabel_ = new QLabel(portGroup);
    pathLabel_->setObjectName("comDevicePathLabel");
    portLayout->addWidget(pathLabel_);
    if (!kComNames) {
        for (int i = 0; i < portCombo_->count(); ++i)
            portCombo_->setItemData(i, QString::fromStdString(c_.app.comDevicePath[static_cast<std::size_t>(i)]),
                                    Qt::ToolTipRole);
    }
    pathLabel_->setVisible(!kComNames);
    layout->addWidget(portGroup);

    auto* modeGroup = new QGroupBox("コントロール", this);
    auto* modeLayout = new QVBoxLayout(modeGroup);
    modeCombo_ = new QComboBox(modeGroup);
    modeCombo_->setObjectName("serialModeCombo");
    modeCombo_->addItems({"RS-232C", "RS-485"});
    modeLayout->addWidget(modeCombo_);
    layout->addWidget(modeGroup);

    auto* setButton = new QPushButton("設定", this);
    setButton->setObjectName("setButton");
    setButton->setDefault(true);
    layout->addWidget(setButton);

    portCombo_->setCurrentIndex(inRange(c_.app.comPortIndex, portCombo_->count()));
    modeCombo_->setCurrentIndex(inRange(c_.app.serialMode, modeCombo_->count()));
    showDevicePath(portCombo_->currentIndex());

    connect(portCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        c_.app.comPortIndex = index;
        writeConnectionValue(c_, "com_port", index);
        showDevicePath(index);
    });
    connect(modeCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        c_.app.serialMode = index;
        writeConnectionValue(c_, "rs_control", index);
    });
    connect(setButton, &QPushButton::clicked, this, &QDialog::accept);
}

void SerialSettingsDialog::showDevicePath(int index) {
    if (kComNames || index < 0) {
        pathLabel_->clear();
        return;
    }
    pathLabel_->setText(QString::fromStdString(c_.app.comDevicePath[static_cast<std::size_t>(index)]));
}

}  // namespace vrq
