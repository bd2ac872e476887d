#pragma once
// The device's alarm input: mode, hold time, polarity, display, return and the
// pages of the eight connectors (shared with the remote dialog).

#include "dialogs/device_setting_dialog.h"

class QLineEdit;

namespace vrq {

class AlarmDialog : public DeviceSettingDialog {
    Q_OBJECT
public:
    AlarmDialog(Console& c, QWidget* parent = nullptr);

private:
    std::optional<CommandLine> holdTimeCommand();
};

}  // namespace vrq
