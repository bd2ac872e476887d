#pragma once
// Sets the device's clock field by field from the computer's local time, starts
// its 30-second correction and chooses how the clock is shown on screen.

#include "dialogs/device_setting_dialog.h"
#include "dialogs/clock_source.h"

namespace vrq {

class DateTimeDialog : public DeviceSettingDialog {
    Q_OBJECT
public:
    // `clock` gives the local time read once at opening; null for the system clock.
    DateTimeDialog(Console& c, QWidget* parent = nullptr, const ClockSource* clock = nullptr);

private:
    // A date or time list with its button; sends nothing without a selection.
    void addClockRow(const QString& label, const QStringList& items, int selected, const QString& name,
                     CommandLine (*build)(int), int base);

    ClockSource systemClock_;
};

}  // namespace vrq
