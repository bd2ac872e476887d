#pragma once
// The device's own network interface: addresses, subnet class, port, switches
// and time register, each sent on its "設定"; "読み込み" reads them all back
// with the MAC address and version, one request per 200 ms tick.

#include "dialogs/device_setting_dialog.h"

class QLineEdit;
class QProgressBar;

namespace vrq {

class ProtocolDialog : public DeviceSettingDialog {
    Q_OBJECT
public:
    ProtocolDialog(Console& c, QWidget* parent = nullptr);

    // Shows every field from the model again.
    void refill();
    QProgressBar* readProgress() const { return progress_; }

    // Ignored while the requests are still going out.
    void reject() override;

private:
    QLineEdit* addAddressRow(const QString& label, const QString& name, Octets SettingsModel::*field,
                             CommandLine (*build)(const SettingsModel&));
    void startReadBack();
    bool readStep(int i);

    QLineEdit* ip_ = nullptr;
    QLineEdit* gateway_ = nullptr;
    QLineEdit* active_ = nullptr;
    QLineEdit* mac_ = nullptr;
    QLineEdit* port_ = nullptr;
    QLineEdit* version_ = nullptr;
    QComboBox* subnet_ = nullptr;
    QComboBox* connectionTry_ = nullptr;
    QComboBox* keepAlive_ = nullptr;
    QComboBox* timeRegister_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace vrq
