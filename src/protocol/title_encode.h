#pragma once
// Title texts travel as JIS X 0208 codes, four upper-case hex digits each.
// The model keeps Shift-JIS (code page 932) bytes; a line is filled with
// full-width spaces to its fixed width before it is converted.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/settings_model.h"
#include "protocol/command_line.h"

namespace vrq {

inline constexpr std::string_view kJisRefusedText = "ＪＩＳ第１水準,第２水準以外の字が選択されてます";

// The JIS code of one double-byte code, 0 when it may not be shown: the
// extension rows FA/FB/FC are carried to their equivalents first.
std::uint16_t titleCharToJis(std::uint16_t sjis);

// Hex digits of `text` filled to `widthBytes` (56 for a line, 560 for a
// single-line page); nothing when too long, odd or holding a refused code.
std::optional<std::string> encodeTitleText(std::string_view text, int widthBytes);

std::optional<std::string> encodeTitleLine(const SettingsModel& m, int page, int line);
// Multi-line program: ten lines; one bad line refuses the page.
std::optional<std::string> encodeTitlePage(const SettingsModel& m, int page);
// Single-line program: the page's one text.
std::optional<std::string> encodeSingleTitlePage(const SettingsModel& m, int page);

std::optional<CommandLine> titleLineCommand(const SettingsModel& m, int page, int line);
std::optional<CommandLine> titlePageCommand(const SettingsModel& m, int page, Product product);

}  // namespace vrq
