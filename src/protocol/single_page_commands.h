#pragma once
// Per-page settings of the single-line program: one command for one page, and
// one line carrying the value of all 512 pages.

#include "model/settings_model.h"
#include "protocol/command_line.h"

namespace vrq {

enum class SingleSetting { AutoSwitch, Blink, Offset, Position, Fill, Colour, CharSize, ScrollSpeed };

inline constexpr SingleSetting kSingleSettings[] = {
    SingleSetting::AutoSwitch, SingleSetting::Blink,  SingleSetting::Offset,   SingleSetting::Position,
    SingleSetting::Fill,       SingleSetting::Colour, SingleSetting::CharSize, SingleSetting::ScrollSpeed};

CommandLine singlePageCommand(const SettingsModel& m, SingleSetting s, int page);
CommandLine singleAllPagesCommand(const SettingsModel& m, SingleSetting s);

}  // namespace vrq
