#include "shell/clock_text.h"

#include <cstdio>

namespace vrq {

namespace {

// Cuts a UTF-8 text after `bytes` bytes as Shift-JIS counts them: ASCII one
// byte, the kanji of the date two. A character is never split.
std::string cutShiftJisBytes(const std::string& utf8, int bytes) {
    std::string out;
    int count = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const int sjis = lead < 0x80 ? 1 : 2;
        if (count + sjis > bytes) break;
        out.append(utf8, i, len);
        count += sjis;
        i += len;
    }
    return out;
}

}  // namespace

std::string clockDateText(int year, int month, int day, int weekday) {
    static const char* const kWeekdays[] = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};  // untranslated: English shows its own date
    char buf[96];
    std::snprintf(buf, sizeof buf, "%4d年%2d月%2d日         ", year, month, day);  // untranslated: as above
    const int w = weekday >= 0 && weekday < 7 ? weekday : 0;
    return cutShiftJisBytes(buf, 16) + kWeekdays[w];
}

std::string clockTimeText(int hour, int minute, int second) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d：%02d：%02d", hour, minute, second);  // untranslated: as above
    return buf;
}

}  // namespace vrq
