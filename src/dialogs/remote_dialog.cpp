#include "dialogs/remote_dialog.h"

#include "protocol/device_commands.h"

namespace vrq {

RemoteDialog::RemoteDialog(Console& c, QWidget* parent)
    : DeviceSettingDialog(c, parent, tr("リモートの設定"), tr("リモートの設定 %1")) {
    setObjectName("remoteDialog");
    SettingsModel& m = c.settings;
    addSendButton(addRow(tr("コネクター番号割り付け"), connectorLists()), "connectorButton",
                  [&m] { return remoteConnectorCommand(m); });
    addBoundCombo(tr("モード"), {"BINARY   ", "BIT      ", "OPERATION"}, "modeCombo", m.remoteMode);
    addSendButton(lastRow(), "modeButton", [&m] { return remoteModeCommand(m); });
    addSlaveAddressRow();
}

}  // namespace vrq
