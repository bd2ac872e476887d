#pragma once
// Commands of the per-line settings: one for a single line, one carrying the
// ten lines of a page (also used by the send-all runs).

#include "model/settings_model.h"
#include "protocol/command_line.h"

namespace vrq {

CommandLine blinkLineCommand(const SettingsModel& m, int page, int line);
CommandLine blinkPageCommand(const SettingsModel& m, int page);
CommandLine charSizeLineCommand(const SettingsModel& m, int page, int line);
CommandLine charSizePageCommand(const SettingsModel& m, int page);
CommandLine spacingLineCommand(const SettingsModel& m, int page, int line);
CommandLine spacingPageCommand(const SettingsModel& m, int page);
CommandLine colourLineCommand(const SettingsModel& m, int page, int line);
CommandLine colourPageCommand(const SettingsModel& m, int page);
CommandLine fillLineCommand(const SettingsModel& m, int page, int line);
CommandLine fillPageCommand(const SettingsModel& m, int page);

// "L"/"M"/"S" for the size codes 0..2.
char charSizeLetter(int code);

}  // namespace vrq
