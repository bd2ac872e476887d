// Read-back answers of the display settings: per page and line in the
// multi-line program, one value per page for all pages in the single-line one.

#include "protocol/codecs.h"
#include "protocol/reply_rows.h"
#include "protocol/title_decode.h"

namespace vrq::rows {

namespace {

int sizeCode(char ch) { return ch == 'L' ? 0 : ch == 'M' ? 1 : 2; }

// A page field at `pageAt`, then ten letters from `from`.
template <typename F>
bool tenLetters(Console& c, std::string_view b, std::size_t pageAt, std::size_t from, F store) {
    int page = 0;
    if (b.size() < from + kLines || !pageField(b, pageAt, page)) return false;
    for (int i = 0; i < kLines; ++i) store(c.settings, page, i, b[from + static_cast<std::size_t>(i)]);
    return true;
}

// One character per page for all pages, from `from`.
template <typename F>
bool letterPerPage(Console& c, std::string_view b, std::size_t from, F store) {
    if (b.size() < from + kPages) return false;
    for (int p = 0; p < kPages; ++p) store(c.settings, p, b[from + static_cast<std::size_t>(p)]);
    return true;
}

// Two characters per page for all pages, from `from`.
template <typename F>
bool pairPerPage(Console& c, std::string_view b, std::size_t from, F store) {
    if (b.size() < from + 2 * kPages) return false;
    for (int p = 0; p < kPages; ++p) store(c.settings, p, b.data() + from + 2 * static_cast<std::size_t>(p));
    return true;
}

}  // namespace

bool lineColoursPage(Console& c, std::string_view b) {
    int page = 0;
    if (b.size() < 7 + 2 * kLines || !pageField(b, 4, page)) return false;
    for (int i = 0; i < kLines; ++i) {
        const char* p = b.data() + 7 + 2 * i;
        c.settings.lineCharColour[page][i] = digit(p[0]);
        c.settings.lineEdgeColour[page][i] = digit(p[1]);
    }
    return true;
}

bool titlePage(Console& c, std::string_view b) {
    int page = 0;
    if (b.size() < 5 + kTitleHexDigits || !pageField(b, 2, page)) return false;
    storeTitleLines(c.settings, page, decodeTitleHex(b.substr(5)));
    return true;
}

bool lineBlinkPage(Console& c, std::string_view b) {
    return tenLetters(c, b, 3, 6, [](SettingsModel& s, int p, int l, char ch) { s.lineBlink[p][l] = onUnless(ch, 'F'); });
}

bool lineCharSizePage(Console& c, std::string_view b) {
    return tenLetters(c, b, 3, 6, [](SettingsModel& s, int p, int l, char ch) { s.lineCharSize[p][l] = sizeCode(ch); });
}

bool lineFillPage(Console& c, std::string_view b) {
    return tenLetters(c, b, 2, 5, [](SettingsModel& s, int p, int l, char ch) { s.lineFill[p][l] = onUnless(ch, 'F'); });
}

bool lineSpacingPage(Console& c, std::string_view b) {
    int page = 0;
    if (b.size() < 7 + 2 * kLines || !pageField(b, 4, page)) return false;
    for (int i = 0; i < kLines; ++i) c.settings.lineSpacing[page][i] = getDecimal2(b.data() + 7 + 2 * i);
    return true;
}

bool charLevels(Console& c, std::string_view b) {
    return pairPerPage(c, b, 2, [](SettingsModel& s, int p, const char* f) {
        s.pageCharWhiteLevel[p] = digit(f[0]);
        s.pageCharBlackLevel[p] = digit(f[1]);
    });
}

bool autoSwitchAll(Console& c, std::string_view b) {
    return pairPerPage(c, b, 4, [](SettingsModel& s, int p, const char* f) { s.pageAutoSwitch[p] = getDecimal2(f); });
}

bool scheduleDay(Console& c, std::string_view b) {
    constexpr std::size_t kEntry = 7;
    if (b.size() < 4 + kEntry * kScheduleEntries) return false;
    const int day = getDecimal2(b.data() + 2);
    if (day < 1 || day > kDays) return false;
    const int d = day - 1;
    for (int e = 0; e < kScheduleEntries; ++e) {
        const char* f = b.data() + 4 + kEntry * static_cast<std::size_t>(e);
        c.settings.scheduleHour[d][e] = getDecimal2(f);
        c.settings.scheduleMinute[d][e] = getDecimal2(f + 2);
        const std::string_view page(f + 4, 3);
        c.settings.schedulePage[d][e] = page[0] == 'P' ? kSchedulePas : page == "000" ? kScheduleNone : getDecimal3(f + 4) - 1;
    }
    return true;
}

bool lineColoursAll(Console& c, std::string_view b) {
    return pairPerPage(c, b, 4, [](SettingsModel& s, int p, const char* f) {
        s.lineCharColour[p][0] = digit(f[0]);
        s.lineEdgeColour[p][0] = digit(f[1]);
    });
}

bool singleTitlePage(Console& c, std::string_view b) {
    int page = 0;
    if (b.size() < 5 + kTitleHexDigits || !pageField(b, 2, page)) return false;
    storeSingleTitle(c.settings, page, decodeTitleHex(b.substr(5)));
    return true;
}

bool lineBlinkAll(Console& c, std::string_view b) {
    return letterPerPage(c, b, 3, [](SettingsModel& s, int p, char ch) { s.lineBlink[p][0] = onUnless(ch, 'F'); });
}

bool lineCharSizeAll(Console& c, std::string_view b) {
    return letterPerPage(c, b, 3, [](SettingsModel& s, int p, char ch) { s.lineCharSize[p][0] = sizeCode(ch); });
}

bool lineFillAll(Console& c, std::string_view b) {
    return letterPerPage(c, b, 2, [](SettingsModel& s, int p, char ch) { s.lineFill[p][0] = onUnless(ch, 'F'); });
}

bool positionOffsetAll(Console& c, std::string_view b) {
    return pairPerPage(c, b, 3, [](SettingsModel& s, int p, const char* f) { s.pagePositionOffset[p] = getDecimal2(f); });
}

bool displayPositionAll(Console& c, std::string_view b) {
    return letterPerPage(c, b, 3, [](SettingsModel& s, int p, char ch) { s.pageDisplayPosition[p] = ch == 'T' ? 0 : 1; });
}

bool scrollSpeedAll(Console& c, std::string_view b) {
    return letterPerPage(c, b, 3, [](SettingsModel& s, int p, char ch) { s.pageScrollSpeed[p] = digit(ch) - 1; });
}

bool autoSwitchLetters(Console& c, std::string_view b) {
    return letterPerPage(c, b, 3, [](SettingsModel& s, int p, char ch) { s.pageAutoSwitch[p] = ch == 'S' ? 0 : 1; });
}

}  // namespace vrq::rows
