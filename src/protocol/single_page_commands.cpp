#include "protocol/single_page_commands.h"

#include <algorithm>
#include <string>

#include "model/value_ranges.h"
#include "protocol/codecs.h"

namespace vrq {

namespace {

struct Shape {
    const char* pageTemplate;  // one-page command without CR LF
    std::size_t pagePos;       // where the three page digits go
    const char* mnemonic;      // of the all-pages command
};

Shape shapeOf(SingleSetting s) {
    switch (s) {
        case SingleSetting::AutoSwitch: return {"PAS001S", 3, "PAS"};
        case SingleSetting::Blink: return {"CBS001OF", 3, "CBS"};
        case SingleSetting::Offset: return {"IDO00100", 3, "IDO"};
        case SingleSetting::Position: return {"IDP001T", 3, "IDP"};
        case SingleSetting::Fill: return {"FB001OF", 2, "FB"};
        case SingleSetting::Colour: return {"CABC00170", 4, "CABC"};
        case SingleSetting::CharSize: return {"CFS001L", 3, "CFS"};
        case SingleSetting::ScrollSpeed: return {"ISS0012", 3, "ISS"};
    }
    return {"", 0, ""};
}

char sizeLetter(int code) {
    const int sent = sentSingleCharSize(code);
    return sent == 0 ? 'L' : sent == 1 ? 'M' : 'S';
}
const char* onOffLetter(int v) { return sentOnOff(v) ? "N" : "F"; }

// The characters of page p's value in the all-pages form. Model values may
// come from a damaged document or a garbled read-back: every field is kept in
// its range, so no byte of a value can end or split the line.
std::string pageValue(const SettingsModel& m, SingleSetting s, int p) {
    std::string v;
    switch (s) {
        case SingleSetting::AutoSwitch: return sentOnOff(m.pageAutoSwitch[p]) ? "L" : "S";
        case SingleSetting::Blink: return onOffLetter(m.lineBlink[p][0]);
        case SingleSetting::Position: return sentSinglePosition(m.pageDisplayPosition[p]) == 1 ? "B" : "T";
        case SingleSetting::Fill: return onOffLetter(m.lineFill[p][0]);
        case SingleSetting::CharSize: return std::string(1, sizeLetter(m.lineCharSize[p][0]));
        case SingleSetting::ScrollSpeed: return std::string(1, static_cast<char>('0' + kScrollSpeedRange.sent(m.pageScrollSpeed[p]) + 1));
        case SingleSetting::Offset:
            v = "00";
            putDecimal2(v.data(), kPositionOffsetRange.sent(m.pagePositionOffset[p]));
            return v;
        case SingleSetting::Colour:
            v = "00";
            v[0] = static_cast<char>('0' + kColourRange.sent(m.lineCharColour[p][0]));
            v[1] = static_cast<char>('0' + kColourRange.sent(m.lineEdgeColour[p][0]));
            return v;
    }
    return v;
}

// The one-page value differs from the all-pages letter only for the on/off pairs.
std::string onePageValue(const SettingsModel& m, SingleSetting s, int p) {
    if (s == SingleSetting::Blink) return sentOnOff(m.lineBlink[p][0]) ? "ON" : "OF";
    if (s == SingleSetting::Fill) return sentOnOff(m.lineFill[p][0]) ? "ON" : "OF";
    return pageValue(m, s, p);
}

}  // namespace

CommandLine singlePageCommand(const SettingsModel& m, SingleSetting s, int page) {
    const Shape shape = shapeOf(s);
    CommandLine line(shape.pageTemplate);
    line.putDec3(shape.pagePos, page + 1);
    line.put(shape.pagePos + 3, onePageValue(m, s, page));
    return line;
}

CommandLine singleAllPagesCommand(const SettingsModel& m, SingleSetting s) {
    std::string body = shapeOf(s).mnemonic;
    for (int p = 0; p < kPages; ++p) body += pageValue(m, s, p);
    return CommandLine(body);
}

}  // namespace vrq
