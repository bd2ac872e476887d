#pragma once
// Title texts travel as JIS X 0208 codes, four upper-case hex digits each.
// The model keeps Shift-JIS (code page 932) bytes; a line is filled with
// full-width spaces to its fixed width before it is converted.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/message.h"
#include "model/settings_model.h"
#include "protocol/command_line.h"

namespace vrq {

inline constexpr Text kJisRefusedText = VRQ_TEXT("Titles", "ＪＩＳ第１水準,第２水準以外の字が選択されてます");

// The JIS code of one double-byte code, 0 when it may not be shown: the
// extension rows FA/FB/FC are carried to their equivalents first.
std::uint16_t titleCharToJis(std::uint16_t sjis);

// The last code a device keeps in a title: rows 93 and 94 come back as blanks.
inline constexpr std::uint16_t kLastTakenTitleCode = 0x7C7E;
constexpr bool titleJisTaken(std::uint16_t jis) { return jis != 0 && jis <= kLastTakenTitleCode; }

// The JIS code of a double-byte title character the device takes, 0 when it
// does not: what the send path converts, up to the last row a device keeps.
// The title editor takes nothing else.
inline std::uint16_t takenTitleJis(std::uint16_t sjis) {
    const std::uint16_t jis = titleCharToJis(sjis);
    return titleJisTaken(jis) ? jis : 0;
}

// The first character of a stored title line the device does not take.
struct UntakenTitleChar {
    int page = 0;
    int line = 0;             // 0 in the single-line program
    std::uint16_t code = 0;   // its Shift-JIS code, one byte or two
    std::uint16_t jis = 0;    // its JIS code, 0 when it has none
};
// One for each title line that holds such a character, in page order.
std::vector<UntakenTitleChar> untakenTitleChars(const SettingsModel& m, Product p);
// The notice naming the first few by page and line, with their count; empty
// for none.
Message untakenTitlesText(const std::vector<UntakenTitleChar>& found, Product p);

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
