#pragma once
// Commands of the per-page settings: automatic switching, the displayed page,
// character levels and the schedule of one day.

#include "model/settings_model.h"
#include "protocol/command_line.h"

namespace vrq {

CommandLine autoSwitchPageCommand(const SettingsModel& m, int page);
CommandLine autoSwitchAllCommand(const SettingsModel& m);  // 512 values, no page numbers
CommandLine displayOnOffCommand(bool displayPageOn);        // IDON / IDOF
CommandLine displayPageCommand(int choice);                // P001..P512, or PAS for 512
CommandLine charLevelPageCommand(const SettingsModel& m, int page);
CommandLine charLevelAllCommand(const SettingsModel& m);
CommandLine scheduleDayCommand(const SettingsModel& m, int day);

}  // namespace vrq
