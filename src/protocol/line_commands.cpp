#include "protocol/line_commands.h"

#include <algorithm>

#include "model/value_ranges.h"

namespace vrq {
namespace {

// Model values may come from a damaged document: keep every field in range.
int clampTo(int v, int lo, int hi) { return std::clamp(v, lo, hi); }
int pageIndex(int p) { return clampTo(p, 0, kPages - 1); }
int lineIndex(int l) { return clampTo(l, 0, kLines - 1); }
char colourDigit(int v) { return static_cast<char>('0' + kColourRange.sent(v)); }
char onOffLetter(int v) { return sentOnOff(v) ? 'N' : 'F'; }
const char* onOffText(int v) { return sentOnOff(v) ? "ON" : "OF"; }

}  // namespace

char charSizeLetter(int code) {
    switch (sentMultiCharSize(code)) {
        case 1: return 'M';
        case 2: return 'S';
        default: return 'L';
    }
}

CommandLine blinkLineCommand(const SettingsModel& m, int page, int line) {
    page = pageIndex(page);
    line = lineIndex(line);
    CommandLine c("CBS001L01OF");
    c.putDec3(3, page + 1);
    c.putDec2(7, line + 1);
    c.put(9, onOffText(m.lineBlink[page][line]));
    return c;
}

CommandLine blinkPageCommand(const SettingsModel& m, int page) {
    page = pageIndex(page);
    CommandLine c("CBS001FFFFFFFFFF");
    c.putDec3(3, page + 1);
    for (int l = 0; l < kLines; ++l) *c.field(6 + l, 1) = onOffLetter(m.lineBlink[page][l]);
    return c;
}

CommandLine charSizeLineCommand(const SettingsModel& m, int page, int line) {
    page = pageIndex(page);
    line = lineIndex(line);
    CommandLine c("CFS001L01L");
    c.putDec3(3, page + 1);
    c.putDec2(7, line + 1);
    *c.field(9, 1) = charSizeLetter(m.lineCharSize[page][line]);
    return c;
}

CommandLine charSizePageCommand(const SettingsModel& m, int page) {
    page = pageIndex(page);
    CommandLine c("CFS001LLLLLLLLLL");
    c.putDec3(3, page + 1);
    for (int l = 0; l < kLines; ++l) *c.field(6 + l, 1) = charSizeLetter(m.lineCharSize[page][l]);
    return c;
}

CommandLine spacingLineCommand(const SettingsModel& m, int page, int line) {
    page = pageIndex(page);
    line = lineIndex(line);
    CommandLine c("IDLS001L0101");
    c.putDec3(4, page + 1);
    c.putDec2(8, line + 1);
    c.putDec2(10, kSpacingRange.sent(m.lineSpacing[page][line]));
    return c;
}

CommandLine spacingPageCommand(const SettingsModel& m, int page) {
    page = pageIndex(page);
    CommandLine c("IDLS00101020304050607080910");
    c.putDec3(4, page + 1);
    for (int l = 0; l < kLines; ++l) c.putDec2(7 + 2 * l, kSpacingRange.sent(m.lineSpacing[page][l]));
    return c;
}

CommandLine colourLineCommand(const SettingsModel& m, int page, int line) {
    page = pageIndex(page);
    line = lineIndex(line);
    CommandLine c("CABC001L0170");
    c.putDec3(4, page + 1);
    c.putDec2(8, line + 1);
    *c.field(10, 1) = colourDigit(m.lineCharColour[page][line]);
    *c.field(11, 1) = colourDigit(m.lineEdgeColour[page][line]);
    return c;
}

CommandLine colourPageCommand(const SettingsModel& m, int page) {
    page = pageIndex(page);
    CommandLine c("CABC00170707070707070707070");
    c.putDec3(4, page + 1);
    for (int l = 0; l < kLines; ++l) {
        *c.field(7 + 2 * l, 1) = colourDigit(m.lineCharColour[page][l]);
        *c.field(8 + 2 * l, 1) = colourDigit(m.lineEdgeColour[page][l]);
    }
    return c;
}

CommandLine fillLineCommand(const SettingsModel& m, int page, int line) {
    page = pageIndex(page);
    line = lineIndex(line);
    CommandLine c("FB001L01OF");
    c.putDec3(2, page + 1);
    c.putDec2(6, line + 1);
    c.put(8, onOffText(m.lineFill[page][line]));
    return c;
}

CommandLine fillPageCommand(const SettingsModel& m, int page) {
    page = pageIndex(page);
    CommandLine c("FB001FFFFFFFFFF");
    c.putDec3(2, page + 1);
    for (int l = 0; l < kLines; ++l) *c.field(5 + l, 1) = onOffLetter(m.lineFill[page][l]);
    return c;
}

}  // namespace vrq
