#include "dialogs/other_dialog.h"

#include "protocol/device_commands.h"

namespace vrq {

OtherDialog::OtherDialog(Console& c, QWidget* parent) : DeviceSettingDialog(c, parent, tr("その他"), tr("その他の設定 %1")) {
    setObjectName("otherDialog");
    SettingsModel& m = c.settings;
    addBoundCombo(tr("コネクター入力"), {"ALARM ", "REMOTE"}, "inputCombo", m.connectorInput);
    addSendButton(lastRow(), "inputButton", [&m] { return connectorInputCommand(m); });
    addBoundCombo(tr("電源投入時ページ"), pageItems() << "PAS", "powerOnCombo", m.powerOnPage);
    addSendButton(lastRow(), "powerOnButton", [&m] { return powerOnPageCommand(m); });
    addBoundCombo(tr("ビデオロス背景色"), {"Normal", "Blue  "}, "videoLossCombo", m.videoLossBackColour);
    addSendButton(lastRow(), "videoLossButton", [&m] { return videoLossCommand(m); });
    addBoundCombo(tr("Zoomフォント"), {"OFF", "ON "}, "zoomCombo", m.zoomFont);
    addSendButton(lastRow(), "zoomButton", [&m] { return zoomFontCommand(m); });
    addSlaveAddressRow();
}

}  // namespace vrq
