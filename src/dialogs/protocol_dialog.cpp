#include "dialogs/protocol_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "model/field_text.h"
#include "model/text_cell.h"
#include "protocol/device_commands.h"
#include "protocol/notifier.h"
#include "protocol/run_target.h"

namespace vrq {

namespace {

template <std::size_t N>
QString cellString(const TextCell<N>& cell) {
    const std::string_view t = cellText(cell);
    return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
}

constexpr int kReadSteps = kNetworkReadRequests + 1;  // the last tick only refills the fields

}  // namespace

ProtocolDialog::ProtocolDialog(Console& c, QWidget* parent)
    : DeviceSettingDialog(c, parent, tr("プロトコル"), tr("プロトコルの設定 %1")) {
    setObjectName("protocolDialog");
    slaveAddressCombo()->hide();  // commands use the address chosen elsewhere
    SettingsModel& m = c.settings;

    ip_ = addAddressRow(tr("IP Address"), "ip", &SettingsModel::netIpAddress, ipAddressCommand);
    gateway_ = addAddressRow(tr("Gateway Address"), "gateway", &SettingsModel::netGatewayAddress, gatewayAddressCommand);
    active_ = addAddressRow(tr("Active Address"), "active", &SettingsModel::netActiveAddress, activeAddressCommand);

    mac_ = new QLineEdit(this);
    mac_->setObjectName("macText");
    mac_->setReadOnly(true);
    auto* read = addSendButton(addRow(tr("MAC Address"), mac_), "readButton", [] { return std::nullopt; });
    read->setText(tr("読み込み"));
    connect(read, &QPushButton::clicked, this, &ProtocolDialog::startReadBack);

    subnet_ = addBoundCombo(tr("Subnet Mask"), {"Class A", "Class B", "Class C"}, "subnetCombo", m.netSubnetClass);
    addSendButton(lastRow(), "subnetButton", [&m] { return subnetCommand(m); });

    port_ = new QLineEdit(this);
    port_->setObjectName("portEdit");
    port_->setMaxLength(5);
    port_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9０-９]{0,5}"), port_));
    connect(port_, &QLineEdit::textChanged, this, [&m](const QString& text) {
        setCell(m.netPortNumber, narrowDigits(text.left(5).toStdString()));
    });
    // A port the device could not listen on is refused, never sent as zeros.
    addSendButton(addRow(tr("Port Number"), port_), "portButton", [this, &m]() -> std::optional<CommandLine> {
        if (!parsePortNumber(cellText(m.netPortNumber))) {
            if (console().notifier) showError(*console().notifier, kPortRefusedText);
            return std::nullopt;
        }
        return portCommand(m);
    });

    connectionTry_ = addBoundCombo(tr("Connection Try"), {"OFF", "ON "}, "connectionTryCombo", m.netConnectionTry);
    addSendButton(lastRow(), "connectionTryButton", [&m] { return connectionTryCommand(m); });
    keepAlive_ = addBoundCombo(tr("Keep Alive"), {"OFF", "ON "}, "keepAliveCombo", m.netKeepAlive);
    addSendButton(lastRow(), "keepAliveButton", [&m] { return keepAliveCommand(m); });
    timeRegister_ =
        addBoundCombo(tr("Time Register"), {"10", "20", "30", "40", "50", "60"}, "timeRegisterCombo", m.netTimeRegister);
    addSendButton(lastRow(), "timeRegisterButton", [&m] { return timeRegisterCommand(m); });

    version_ = new QLineEdit(this);
    version_->setObjectName("versionText");
    version_->setReadOnly(true);
    addRow(tr("Version Number"), version_);

    progress_ = new QProgressBar(this);
    progress_->setObjectName("progressBar");
    progress_->setRange(0, kReadSteps);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    static_cast<QVBoxLayout*>(layout())->addWidget(progress_);

    refill();
}

QLineEdit* ProtocolDialog::addAddressRow(const QString& label, const QString& name, Octets SettingsModel::*field,
                                         CommandLine (*build)(const SettingsModel&)) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name + "Edit");
    edit->setMaxLength(15);
    // Wide enough for the widest text it takes: fifteen full-width characters.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(15, QChar(0xFF18))) + 16);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9０-９.．]{0,15}"), edit));
    SettingsModel& m = console().settings;
    // The field is read only when its address is sent; an address that is not
    // four groups of 0..255 is refused and nothing is sent.
    addSendButton(addRow(label, edit), name + "Button", [this, edit, &m, field, build]() -> std::optional<CommandLine> {
        const std::optional<Octets> o = parseIpv4Address(edit->text().toStdString());
        if (!o) {
            if (console().notifier) showError(*console().notifier, kAddressRefusedText);
            return std::nullopt;
        }
        m.*field = *o;
        return build(m);
    });
    return edit;
}

void ProtocolDialog::refill() {
    const SettingsModel& m = console().settings;
    ip_->setText(QString::fromStdString(dottedAddressText(m.netIpAddress)));
    gateway_->setText(QString::fromStdString(dottedAddressText(m.netGatewayAddress)));
    active_->setText(QString::fromStdString(dottedAddressText(m.netActiveAddress)));
    mac_->setText(cellString(m.netMacAddress));
    version_->setText(cellString(m.deviceVersion));
    {
        // Showing the port must not write a cut copy of it back.
        const QSignalBlocker block(port_);
        port_->setText(cellString(m.netPortNumber));
    }
    select(subnet_, m.netSubnetClass);
    select(connectionTry_, m.netConnectionTry);
    select(keepAlive_, m.netKeepAlive);
    select(timeRegister_, m.netTimeRegister);
}

void ProtocolDialog::startReadBack() {
    if (!readAllowed(console())) return;
    RunPlan plan;
    plan.steps = kReadSteps;
    plan.periodMs = 200;
    plan.check = SendSequencer::ErrorCheck::BeforeStep;
    plan.step = [this](int i) { return readStep(i); };
    // Close is ours to enable once the last request is out; the base then
    // lets it end the remaining refill tick.
    plan.closeEndsRun = true;
    if (startRun(std::move(plan))) closeButton()->setEnabled(false);
}

bool ProtocolDialog::readStep(int i) {
    if (i < kNetworkReadRequests) {
        send(networkReadRequest(i));
        progress_->setValue(i + 1);
        if (i == kNetworkReadRequests - 1) closeButton()->setEnabled(true);
    } else {
        progress_->setValue(0);
        refill();
    }
    return true;
}

void ProtocolDialog::reject() {
    if (!closeButton()->isEnabled()) return;  // the requests are still going out
    DeviceSettingDialog::reject();
}

}  // namespace vrq
