#pragma once
// Other device settings: connector input, power-on page, video-loss background
// and zoom font.

#include "dialogs/device_setting_dialog.h"

namespace vrq {

class OtherDialog : public DeviceSettingDialog {
    Q_OBJECT
public:
    OtherDialog(Console& c, QWidget* parent = nullptr);
};

}  // namespace vrq
