#include "protocol/page_commands.h"

#include <algorithm>
#include <string>

#include "model/value_ranges.h"

namespace vrq {
namespace {

int pageInRange(int p) { return std::clamp(p, 0, kPages - 1); }
char levelDigit(int v) { return static_cast<char>('0' + kCharLevelRange.sent(v)); }

}  // namespace

CommandLine autoSwitchPageCommand(const SettingsModel& m, int page) {
    page = pageInRange(page);
    CommandLine c("PAST00101");
    c.putDec3(4, page + 1);
    c.putDec2(7, kAutoSwitchSecondsRange.sent(m.pageAutoSwitch[page]));
    return c;
}

CommandLine autoSwitchAllCommand(const SettingsModel& m) {
    CommandLine c("PAST" + std::string(2 * kPages, '0'));
    for (int p = 0; p < kPages; ++p) c.putDec2(4 + 2 * p, kAutoSwitchSecondsRange.sent(m.pageAutoSwitch[p]));
    return c;
}

CommandLine displayOnOffCommand(bool displayPageOn) { return CommandLine(displayPageOn ? "IDON" : "IDOF"); }

CommandLine displayPageCommand(int choice) {
    if (choice >= kPages) return CommandLine("PAS");
    CommandLine c("P001");
    c.putDec3(1, std::max(choice, 0) + 1);
    return c;
}

CommandLine charLevelPageCommand(const SettingsModel& m, int page) {
    page = pageInRange(page);
    CommandLine c("CL00122");
    c.putDec3(2, page + 1);
    *c.field(5, 1) = levelDigit(m.pageCharWhiteLevel[page]);
    *c.field(6, 1) = levelDigit(m.pageCharBlackLevel[page]);
    return c;
}

CommandLine charLevelAllCommand(const SettingsModel& m) {
    CommandLine c("CL" + std::string(2 * kPages, '2'));
    for (int p = 0; p < kPages; ++p) {
        *c.field(2 + 2 * p, 1) = levelDigit(m.pageCharWhiteLevel[p]);
        *c.field(3 + 2 * p, 1) = levelDigit(m.pageCharBlackLevel[p]);
    }
    return c;
}

CommandLine scheduleDayCommand(const SettingsModel& m, int day) {
    day = std::clamp(day, 0, kDays - 1);
    CommandLine c("SD01" + std::string(7 * kScheduleEntries, '0'));
    c.putDec2(2, day + 1);
    for (int k = 0; k < kScheduleEntries; ++k) {
        const std::size_t at = 4 + 7 * static_cast<std::size_t>(k);
        c.putDec2(at, kHourRange.sent(m.scheduleHour[day][k]));
        c.putDec2(at + 2, kMinuteRange.sent(m.scheduleMinute[day][k]));
        const int page = sentSchedulePage(m.schedulePage[day][k]);
        if (page == kSchedulePas) {
            c.put(at + 4, "PAS");
        } else if (page == kScheduleNone) {
            c.put(at + 4, "000");
        } else {
            c.putDec3(at + 4, page + 1);
        }
    }
    return c;
}

}  // namespace vrq
