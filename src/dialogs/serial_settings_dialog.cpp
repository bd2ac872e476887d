#include "dialogs/serial_settings_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string>

#include "dialogs/interface_dialog.h"
#include "link/port_lister.h"
#include "platform/serial_line.h"
#include "protocol/run_target.h"

namespace vrq {

namespace {

constexpr bool kComNames = platform::kPortsByComNumber;

// The longest device path the ini file is read back with.
constexpr int kMaxPathChars = 4095;

int inRange(int value, int count) { return value >= 0 && value < count ? value : -1; }

const PortLister& systemPorts() {
    static const SystemPortLister lister;
    return lister;
}

QString comName(int index) { return QStringLiteral("COM %1").arg(index + 1); }

}  // namespace

SerialSettingsDialog::SerialSettingsDialog(Console& c, QWidget* parent, const PortLister* ports,
                                           std::function<void()> openSerial)
    : QDialog(parent), c_(c), ports_(ports ? ports : &systemPorts()), openSerial_(std::move(openSerial)) {
    setWindowTitle(tr("RS-232C/485の設定"));
    auto* layout = new QVBoxLayout(this);

    auto* portGroup = new QGroupBox(tr("コム ポート"), this);
    auto* portLayout = new QVBoxLayout(portGroup);
    auto* portRow = new QHBoxLayout;
    portCombo_ = new QComboBox(portGroup);
    portCombo_->setObjectName("comPortCombo");
    portCombo_->addItems({"COM 1", "COM 2", "COM 3", "COM 4", "COM 5", "COM 6"});
    portRow->addWidget(portCombo_);
    pathLabel_ = new QLabel(portGroup);
    pathLabel_->setObjectName("comDevicePathLabel");
    portRow->addWidget(pathLabel_, 1);
    portLayout->addLayout(portRow);
    // Every entry with the device it leads to, so a choice is made knowingly.
    auto* overview = new QWidget(portGroup);
    auto* grid = new QGridLayout(overview);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QLabel(comName(i), overview), i / 2, (i % 2) * 2);
        auto* label = new QLabel(overview);
        label->setObjectName(QStringLiteral("comDevicePath%1").arg(i + 1));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        comPaths_[static_cast<std::size_t>(i)] = label;
        grid->addWidget(label, i / 2, (i % 2) * 2 + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    portLayout->addWidget(overview);
    overview->setVisible(!kComNames);
    pathLabel_->setVisible(!kComNames);
    layout->addWidget(portGroup);

    auto* chooserGroup = new QGroupBox(tr("接続先のデバイス"), this);
    auto* chooserLayout = new QVBoxLayout(chooserGroup);
    portList_ = new QTreeWidget(chooserGroup);
    portList_->setObjectName("systemPortList");
    portList_->setRootIsDecorated(false);
    portList_->setHeaderLabels({tr("デバイス"), tr("説明"), tr("メーカー"), tr("シリアル番号")});
    portList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    portList_->setMinimumHeight(110);
    chooserLayout->addWidget(portList_);
    auto* editRow = new QHBoxLayout;
    pathEdit_ = new QLineEdit(chooserGroup);
    pathEdit_->setObjectName("devicePathEdit");
    pathEdit_->setPlaceholderText("/dev/ttyUSB0");
    pathEdit_->setMaxLength(kMaxPathChars);
    // A control character would break the ini line the path is kept in.
    pathEdit_->setValidator(new QRegularExpressionValidator(QRegularExpression("[^\\x00-\\x1f\\x7f]*"), pathEdit_));
    editRow->addWidget(pathEdit_, 1);
    refreshButton_ = new QPushButton(tr("更新"), chooserGroup);
    refreshButton_->setObjectName("refreshPortsButton");
    editRow->addWidget(refreshButton_);
    assignButton_ = new QPushButton(chooserGroup);
    assignButton_->setObjectName("assignPathButton");
    // Room for the widest caption: the fallback CJK font is measured short.
    assignButton_->setMinimumWidth(assignButton_->fontMetrics().horizontalAdvance(tr("%1 に割り当て").arg(comName(5))) +
                                   3 * assignButton_->fontMetrics().height());
    editRow->addWidget(assignButton_);
    chooserLayout->addLayout(editRow);
    chooserGroup->setVisible(!kComNames);
    layout->addWidget(chooserGroup);

    auto* modeGroup = new QGroupBox(tr("コントロール"), this);
    auto* modeLayout = new QVBoxLayout(modeGroup);
    modeCombo_ = new QComboBox(modeGroup);
    modeCombo_->setObjectName("serialModeCombo");
    modeCombo_->addItems({"RS-232C", "RS-485"});
    modeLayout->addWidget(modeCombo_);
    layout->addWidget(modeGroup);

    auto* setButton = new QPushButton(tr("設定", "button"), this);
    setButton->setObjectName("setButton");
    setButton->setDefault(true);
    layout->addWidget(setButton);

    portCombo_->setCurrentIndex(inRange(c_.app.comPortIndex, portCombo_->count()));
    modeCombo_->setCurrentIndex(inRange(c_.app.serialMode, modeCombo_->count()));
    showDevicePath(portCombo_->currentIndex());
    if (!kComNames) refreshPorts();
    // The port and the mode say where a run's commands go.
    if (c_.reply.runActive) {
        portCombo_->setEnabled(false);
        modeCombo_->setEnabled(false);
    }

    connect(portCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        if (!targetChangeAllowed(c_)) {
            const QSignalBlocker block(portCombo_);
            portCombo_->setCurrentIndex(inRange(c_.app.comPortIndex, portCombo_->count()));
            return;
        }
        c_.app.comPortIndex = index;
        writeConnectionValue(c_, "com_port", index);
        showDevicePath(index);
    });
    connect(modeCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        if (!targetChangeAllowed(c_)) {
            const QSignalBlocker block(modeCombo_);
            modeCombo_->setCurrentIndex(inRange(c_.app.serialMode, modeCombo_->count()));
            return;
        }
        c_.app.serialMode = index;
        writeConnectionValue(c_, "rs_control", index);
    });
    connect(portList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) pathEdit_->setText(item->text(0));
    });
    connect(portList_, &QTreeWidget::itemDoubleClicked, this, [this] { assignPath(); });
    connect(pathEdit_, &QLineEdit::textChanged, this, [this] { updateAssignButton(); });
    connect(pathEdit_, &QLineEdit::returnPressed, this, [this] { assignPath(); });
    connect(refreshButton_, &QPushButton::clicked, this, &SerialSettingsDialog::refreshPorts);
    connect(assignButton_, &QPushButton::clicked, this, [this] { assignPath(); });
    connect(setButton, &QPushButton::clicked, this, &QDialog::accept);
}

void SerialSettingsDialog::refreshPorts() {
    portList_->clear();
    for (const PortEntry& p : ports_->ports()) {
        auto* item = new QTreeWidgetItem(portList_, {p.path, p.description, p.manufacturer, p.serialNumber});
        item->setToolTip(0, p.path);
    }
}

void SerialSettingsDialog::showDevicePath(int index) {
    for (int i = 0; i < 6; ++i) {
        QLabel* label = comPaths_[static_cast<std::size_t>(i)];
        label->setText(QString::fromStdString(c_.app.comDevicePath[static_cast<std::size_t>(i)]));
        QFont f = label->font();
        f.setBold(i == index);
        label->setFont(f);
        if (!kComNames) portCombo_->setItemData(i, label->text(), Qt::ToolTipRole);
    }
    if (kComNames || index < 0) pathLabel_->clear();
    else pathLabel_->setText(comPaths_[static_cast<std::size_t>(index)]->text());
    updateAssignButton();
}

void SerialSettingsDialog::updateAssignButton() {
    const int index = portCombo_->currentIndex();
    assignButton_->setText(index < 0 ? tr("割り当て") : tr("%1 に割り当て").arg(comName(index)));
    assignButton_->setEnabled(index >= 0 && !pathEdit_->text().trimmed().isEmpty() && !c_.reply.runActive);
}

void SerialSettingsDialog::assignPath() {
    const int index = portCombo_->currentIndex();
    const QString path = pathEdit_->text().trimmed();
    if (index < 0 || path.isEmpty() || !targetChangeAllowed(c_)) return;
    c_.app.comDevicePath[static_cast<std::size_t>(index)] = path.toStdString();
    writeConnectionValue(c_, "com" + std::to_string(index + 1) + "_device", path.toStdString());
    showDevicePath(index);
    if (c_.app.linkInterface == kLinkSerial && !c_.app.serialPortOpen && openSerial_) openSerial_();
}

}  // namespace vrq
