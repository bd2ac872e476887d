#pragma once
// The device's remote input: the pages of the eight connectors (shared with the
// alarm dialog) and the remote mode.

#include "dialogs/device_setting_dialog.h"

namespace vrq {

class RemoteDialog : public DeviceSettingDialog {
    Q_OBJECT
public:
    RemoteDialog(Console& c, QWidget* parent = nullptr);
};

}  // namespace vrq
