// Per-page settings of the single-line device: a one-page form ("PAS001S")
// and an all-pages form carrying the value of every page ("PAS" + 512 values),
// which is also the answer to the read request ("RPAS").

#include "model/settings_model.h"
#include "sim/sim_device.h"
#include "sim/sim_fields.h"

namespace vrq::sim {

namespace {

// How one page's value looks on the wire and where it lives.
struct PageValue {
    std::string mnemonic;
    std::size_t width;       // characters per page in the all-pages form
    std::size_t onePageWidth;
    int* (*cell)(SettingsModel&, int page);
    // Decodes the characters of one value; false when they are not valid.
    bool (*decode)(std::string_view v, int& out);
    std::string (*encode)(int v);
};

int* autoSwitch(SettingsModel& s, int p) { return &s.pageAutoSwitch[p]; }
int* blink(SettingsModel& s, int p) { return &s.lineBlink[p][0]; }
int* offset(SettingsModel& s, int p) { return &s.pagePositionOffset[p]; }
int* position(SettingsModel& s, int p) { return &s.pageDisplayPosition[p]; }
int* fill(SettingsModel& s, int p) { return &s.lineFill[p][0]; }
int* charSize(SettingsModel& s, int p) { return &s.lineCharSize[p][0]; }
int* scroll(SettingsModel& s, int p) { return &s.pageScrollSpeed[p]; }

bool letterPair(std::string_view v, char off, char on, int& out) {
    if (v.size() != 1 || (v[0] != off && v[0] != on)) return false;
    out = v[0] == on ? 1 : 0;
    return true;
}

const PageValue kValues[] = {
    {"PAS", 1, 1, autoSwitch, [](std::string_view v, int& o) { return letterPair(v, 'S', 'L', o); },
     [](int v) { return std::string(v ? "L" : "S"); }},
    {"CBS", 1, 2, blink,
     [](std::string_view v, int& o) {
         if (v == "ON" || v == "OF") return (o = v == "ON"), true;
         return letterPair(v, 'F', 'N', o);
     },
     [](int v) { return std::string(v ? "N" : "F"); }},
    {"IDO", 2, 2, offset, [](std::string_view v, int& o) { return parseDec(v, o) && o <= 15; },
     [](int v) { return dec(v, 2); }},
    {"IDP", 1, 1, position, [](std::string_view v, int& o) { return letterPair(v, 'T', 'B', o); },
     [](int v) { return std::string(v == 1 ? "B" : "T"); }},
    {"FB", 1, 2, fill,
     [](std::string_view v, int& o) {
         if (v == "ON" || v == "OF") return (o = v == "ON"), true;
         return letterPair(v, 'F', 'N', o);
     },
     [](int v) { return std::string(v ? "N" : "F"); }},
    {"CFS", 1, 1, charSize,
     [](std::string_view v, int& o) {
         if (v.size() != 1) return false;
         o = v[0] == 'L' ? 0 : v[0] == 'M' ? 1 : v[0] == 'S' ? 2 : -1;
         return o >= 0;
     },
     [](int v) { return std::string(v == 0 ? "L" : v == 1 ? "M" : "S"); }},
    {"ISS", 1, 1, scroll,
     [](std::string_view v, int& o) {
         if (!parseDec(v, o) || o < 1 || o > 4) return false;
         o -= 1;
         return true;
     },
     [](int v) { return std::string(1, static_cast<char>('1' + v)); }},
};

void addPageValue(CommandTable& t, const PageValue& pv) {
    const std::size_t m = pv.mnemonic.size();
    // One page: mnemonic, page, value.
    t.push_back({pv.mnemonic, m + 3 + pv.onePageWidth,
                 [pv, m](SettingsModel& s, std::string_view b) {
                     int p = 0, v = 0;
                     if (!parsePage(b, m, p) || !pv.decode(b.substr(m + 3), v)) return false;
                     *pv.cell(s, p) = v;
                     return true;
                 },
                 {}});
    // All pages: mnemonic and 512 values, applied only when every one is valid.
    t.push_back({pv.mnemonic, m + pv.width * kPages,
                 [pv, m](SettingsModel& s, std::string_view b) {
                     int values[kPages];
                     for (int p = 0; p < kPages; ++p) {
                         if (!pv.decode(b.substr(m + pv.width * static_cast<std::size_t>(p), pv.width), values[p]))
                             return false;
                     }
                     for (int p = 0; p < kPages; ++p) *pv.cell(s, p) = values[p];
                     return true;
                 },
                 {}});
    t.push_back({pv.mnemonic, m, {}, [pv](const SettingsModel& s, std::string_view) {
                     std::string a = pv.mnemonic;
                     auto& model = const_cast<SettingsModel&>(s);
                     for (int p = 0; p < kPages; ++p) a += pv.encode(*pv.cell(model, p));
                     return a;
                 }});
}

bool colourDigit(char ch, int& out) {
    if (ch < '0' || ch > '8') return false;
    out = ch - '0';
    return true;
}

void addColour(CommandTable& t) {
    t.push_back({"CABC", 4 + 3 + 2,
                 [](SettingsModel& s, std::string_view b) {
                     int p = 0, ch = 0, edge = 0;
                     if (!parsePage(b, 4, p) || !colourDigit(b[7], ch) || !colourDigit(b[8], edge)) return false;
                     s.lineCharColour[p][0] = ch;
                     s.lineEdgeColour[p][0] = edge;
                     return true;
                 },
                 {}});
    t.push_back({"CABC", 4 + 2 * kPages,
                 [](SettingsModel& s, std::string_view b) {
                     int ch[kPages], edge[kPages];
                     for (int p = 0; p < kPages; ++p) {
                         const std::size_t at = 4 + 2 * static_cast<std::size_t>(p);
                         if (!colourDigit(b[at], ch[p]) || !colourDigit(b[at + 1], edge[p])) return false;
                     }
                     for (int p = 0; p < kPages; ++p) {
                         s.lineCharColour[p][0] = ch[p];
                         s.lineEdgeColour[p][0] = edge[p];
                     }
                     return true;
                 },
                 {}});
    t.push_back({"CABC", 4, {}, [](const SettingsModel& s, std::string_view) {
                     std::string a = "CABC";
                     for (int p = 0; p < kPages; ++p) {
                         a.push_back(static_cast<char>('0' + s.lineCharColour[p][0]));
                         a.push_back(static_cast<char>('0' + s.lineEdgeColour[p][0]));
                     }
                     return a;
                 }});
}

}  // namespace

void addSingleLineCommands(CommandTable& t) {
    for (const PageValue& pv : kValues) addPageValue(t, pv);
    addColour(t);
}

}  // namespace vrq::sim
