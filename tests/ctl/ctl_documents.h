#pragma once
// Documents and helpers the vrqctl end-to-end tests share.

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "model/console.h"
#include "model/text_cell.h"
#include "protocol/title_decode.h"
#include "protocol/title_encode.h"
#include "support/sim_process.h"

namespace vrq::ctl {

// Shift-JIS titles: hiragana, kanji of both levels, an extension character,
// full-width digits and an empty line between filled ones.
inline void fillRichModel(Console& c) {
    SettingsModel& s = c.settings;
    const char* texts[] = {"\x82\xa0\x82\xa2\x82\xa4",       // あいう
                           "\x88\x9f\x8a\xbf\x8e\x9a",       // 亜漢字
                           "\xfa\x40\xfa\x41",               // extension roman numerals
                           "\x82\x4f\x82\x50\x82\x51\x81\x40\x82\x60"};  // ０１２　Ａ
    for (int p = 0; p < kPages; p += 37) {
        if (c.single()) {
            setCell(s.singleTitleText[p], std::string(texts[p % 4]) + texts[(p + 1) % 4]);
        } else {
            setCell(s.titleText[p][0], texts[p % 4]);
            setCell(s.titleText[p][2], texts[(p + 1) % 4]);  // line 2 stays empty
            if (p % 2) setCell(s.titleText[p][9], texts[(p + 2) % 4]);
        }
    }
    for (int p = 0; p < kPages; ++p) {
        const int lines = c.single() ? 1 : kLines;
        for (int l = 0; l < lines; ++l) {
            s.lineBlink[p][l] = (p + l) % 2;
            s.lineCharColour[p][l] = (p + l) % 9;
            s.lineEdgeColour[p][l] = (p * 3 + l) % 9;
            s.lineCharSize[p][l] = (p + 2 * l) % 3;
            s.lineFill[p][l] = (p / 2 + l) % 2;
            if (!c.single()) s.lineSpacing[p][l] = (p + l) % 64;
        }
        s.pageAutoSwitch[p] = c.single() ? p % 2 : p % 100;
        s.pageCharWhiteLevel[p] = p % 5;
        s.pageCharBlackLevel[p] = (p + 1) % 5;
        if (c.single()) s.pageDisplayPosition[p] = (p / 3) % 2;
        if (c.single()) s.pagePositionOffset[p] = p % 16;
    }
    for (int d = 0; d < kDays; ++d) {
        for (int e = 0; e < kScheduleEntries; ++e) {
            s.scheduleHour[d][e] = (d + e) % 24;
            s.scheduleMinute[d][e] = (d * 7 + e) % 60;
            s.schedulePage[d][e] = e % 3 == 0 ? kSchedulePas : e % 3 == 1 ? kScheduleNone : (d * 24 + e) % kPages;
        }
    }
    s.alarmMode = 1;
    s.alarmPolarity = 1;
    s.alarmDisplay = 0;
    s.alarmReturn = 0;
    setCell(s.alarmHoldTime, "045");
    for (int n = 0; n < kConnectors; ++n) s.connectorAssign[n] = 500 - n * 13;
    s.remoteMode = 2;
    s.connectorInput = 1;
    s.powerOnPage = kPowerOnPas;
    s.videoLossBackColour = 1;
    s.clockDisplayOn = 1;
    s.clockDisplayRange = 5;
}

// Values no dialog could set, as a document from elsewhere may hold; the
// builders send each one corrected.
inline void putOutOfRangeValues(Console& c) {
    SettingsModel& s = c.settings;
    s.lineCharSize[3][0] = 7;
    s.lineCharColour[4][0] = 12;
    s.lineBlink[5][0] = 3;
    s.pageCharWhiteLevel[6] = 9;
    s.scheduleHour[2][3] = 30;
    s.scheduleMinute[2][3] = 75;
    s.schedulePage[2][4] = 900;
    s.connectorAssign[1] = 700;
    s.clockDisplayRange = 9;
    s.powerOnPage = 9000;
    if (c.single()) {
        s.pagePositionOffset[7] = 20;
        s.pageAutoSwitch[8] = 5;
        s.pageDisplayPosition[10] = 2;  // goes out as the top
    } else {
        s.lineSpacing[7][2] = 99;
        s.pageAutoSwitch[8] = 150;
    }
}

// What the device's title read-back gives for the model's titles.
inline void titlesAsReadBack(Console& c) {
    for (int p = 0; p < kPages; ++p) {
        if (c.single()) {
            const auto hex = encodeSingleTitlePage(c.settings, p);
            ASSERT_TRUE(hex);
            storeSingleTitle(c.settings, p, decodeTitleHex(*hex));
        } else {
            const auto hex = encodeTitlePage(c.settings, p);
            ASSERT_TRUE(hex);
            storeTitleLines(c.settings, p, decodeTitleHex(*hex));
        }
    }
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline int listenedPort(const test::SimProcess& sim) {
    const auto colon = sim.firstLine().rfind(':');
    return colon == std::string::npos ? 0 : std::atoi(sim.firstLine().c_str() + colon + 1);
}

}  // namespace vrq::ctl
