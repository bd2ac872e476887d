#include "dialogs/remote_dialog.h"

#include "protocol/device_commands.h"

namespace vrq {

RemoteDialog::RemoteDialog(Console& c, QWidget* parent)
    : DeviceSettingDialog(c, parent, "リモートの設定", "リモートの設定 ") {
    setObjectName("remoteDialog");
    SettingsModel& m = c.settings;
    addSendButton(addRow("コネクター番号割り付け", connectorLists()), "connectorButton",
                  [&m] { return remoteConnectorCommand(m); });
    addBoundCombo("モード", {"BINARY   ", "BIT      ", "OPERATION"}, "modeCombo", m.remoteMode);
    addSendButton(lastRow(), "modeButton", [&m] { return remoteModeCommand(m); });
    addSlaveAddressRow();
}

}  // namespace vrq
