// Display settings: titles, the per-line attributes (blink, size, spacing,
// colour, fill) of the multi-line device, and the per-page settings both
// devices share (levels, schedule, displayed page) or the multi-line one
// owns (automatic switching). The single-line per-page shapes live in
// commands_single.cpp. Every read request is answered in the set shape.

#include <string>

#include "model/settings_model.h"
#include "model/text_cell.h"
#include "protocol/jis.h"
#include "protocol/line_commands.h"
#include "protocol/title_encode.h"
#include "sim/sim_device.h"
#include "sim/sim_fields.h"

namespace vrq::sim {

namespace {

int hexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// JIS codes in hex to Shift-JIS bytes, trailing full-width spaces dropped;
// false on anything that is no JIS X 0208 cell.
bool decodeTitle(std::string_view hex, std::string& out) {
    if (hex.size() % 4 != 0) return false;
    out.clear();
    for (std::size_t i = 0; i < hex.size(); i += 4) {
        int code = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const int d = hexDigit(hex[i + k]);
            if (d < 0) return false;
            code = code << 4 | d;
        }
        const std::uint16_t sjis = jisToSjis(static_cast<std::uint16_t>(code));
        if (sjis == 0) return false;
        out.push_back(static_cast<char>(sjis >> 8));
        out.push_back(static_cast<char>(sjis & 0xFF));
    }
    while (out.size() >= 2 && static_cast<unsigned char>(out[out.size() - 2]) == 0x81 &&
           static_cast<unsigned char>(out[out.size() - 1]) == 0x40)
        out.resize(out.size() - 2);
    return true;
}

// A stored text this device cannot encode reads back as blanks.
std::string encodedOrBlank(std::string_view text, int width) {
    std::optional<std::string> hex = encodeTitleText(text, width);
    return hex ? *hex : *encodeTitleText("", width);
}

void addTitles(CommandTable& t, Product product) {
    constexpr std::size_t kLineHex = 4 * kTitleLineMaxBytes / 2;  // 112
    constexpr std::size_t kPageHex = 10 * kLineHex;                 // 1120
    if (product == Product::Multi) {
        addSet(t, "CA", 2 + 3 + 3 + kLineHex, [](SettingsModel& s, std::string_view b) {
            int p = 0, l = 0;
            std::string text;
            if (!parsePage(b, 2, p) || !parseLine(b, 5, l) || !decodeTitle(b.substr(8), text)) return false;
            setCell(s.titleText[p][l], text);
            return true;
        });
        addSet(t, "CA", 2 + 3 + kPageHex, [](SettingsModel& s, std::string_view b) {
            int p = 0;
            if (!parsePage(b, 2, p)) return false;
            std::string lines[kLines];
            for (int l = 0; l < kLines; ++l)
                if (!decodeTitle(b.substr(5 + kLineHex * static_cast<std::size_t>(l), kLineHex), lines[l])) return false;
            for (int l = 0; l < kLines; ++l) setCell(s.titleText[p][l], lines[l]);
            return true;
        });
        addRead(t, "CA", 2 + 3, [](const SettingsModel& s, std::string_view b) {
            int p = 0;
            if (!parsePage(b, 2, p)) return std::string();
            std::string a(b.substr(0, 5));
            for (int l = 0; l < kLines; ++l) a += encodedOrBlank(cellText(s.titleText[p][l]), kTitleLineMaxBytes);
            return a;
        });
    } else {
        addSet(t, "CA", 2 + 3 + kPageHex, [](SettingsModel& s, std::string_view b) {
            int p = 0;
            std::string text;
            if (!parsePage(b, 2, p) || !decodeTitle(b.substr(5), text)) return false;
            setCell(s.singleTitleText[p], text);
            return true;
        });
        addRead(t, "CA", 2 + 3, [](const SettingsModel& s, std::string_view b) {
            int p = 0;
            if (!parsePage(b, 2, p)) return std::string();
            return std::string(b.substr(0, 5)) + encodedOrBlank(cellText(s.singleTitleText[p]), kSingleTitleMaxBytes);
        });
    }
}

// A per-line table whose value is `width` characters, with a line form
// (page, "L", line, value), a page form (page, ten values) and a page read.
struct LineValue {
    std::string mnemonic;
    std::size_t width;
    bool (*decode)(std::string_view v, SettingsModel& s, int page, int line, bool apply);
    std::string (*encode)(const SettingsModel& s, int page, int line);
};

void addLineFamily(CommandTable& t, const LineValue& f) {
    const std::size_t m = f.mnemonic.size(), w = f.width;
    addSet(t, f.mnemonic, m + 3 + 3 + w, [=](SettingsModel& s, std::string_view b) {
        int p = 0, l = 0;
        if (!parsePage(b, m, p) || !parseLine(b, m + 3, l)) return false;
        return f.decode(b.substr(m + 6, w), s, p, l, true);
    });
    addSet(t, f.mnemonic, m + 3 + kLines * w, [=](SettingsModel& s, std::string_view b) {
        int p = 0;
        if (!parsePage(b, m, p)) return false;
        // Check every value before storing any.
        for (int l = 0; l < kLines; ++l)
            if (!f.decode(b.substr(m + 3 + w * static_cast<std::size_t>(l), w), s, p, l, false)) return false;
        for (int l = 0; l < kLines; ++l) f.decode(b.substr(m + 3 + w * static_cast<std::size_t>(l), w), s, p, l, true);
        return true;
    });
    addRead(t, f.mnemonic, m + 3, [=](const SettingsModel& s, std::string_view b) {
        int p = 0;
        if (!parsePage(b, m, p)) return std::string();
        std::string a(b.substr(0, m + 3));
        for (int l = 0; l < kLines; ++l) a += f.encode(s, p, l);
        return a;
    });
}

bool onOffLetter(std::string_view v, int& out) {
    if (v == "ON" || v == "N") out = 1;
    else if (v == "OF" || v == "F") out = 0;
    else return false;
    return true;
}

void addLineFamilies(CommandTable& t) {
    // Blink and fill: "ON"/"OF" in the line form, "N"/"F" in the page form.
    auto onOff = [&t](const std::string& mn, PageLineInt SettingsModel::*field) {
        const std::size_t m = mn.size();
        addSet(t, mn, m + 3 + 3 + 2, [=](SettingsModel& s, std::string_view b) {
            int p = 0, l = 0, v = 0;
            const std::string_view f = b.substr(m + 6, 2);
            if (!parsePage(b, m, p) || !parseLine(b, m + 3, l) || f.size() != 2 || !onOffLetter(f, v)) return false;
            (s.*field)[p][l] = v;
            return true;
        });
        addSet(t, mn, m + 3 + kLines, [=](SettingsModel& s, std::string_view b) {
            int p = 0, v = 0;
            if (!parsePage(b, m, p)) return false;
            for (int l = 0; l < kLines; ++l)
                if (!onOffLetter(b.substr(m + 3 + static_cast<std::size_t>(l), 1), v)) return false;
            for (int l = 0; l < kLines; ++l) (s.*field)[p][l] = b[m + 3 + static_cast<std::size_t>(l)] == 'N';
            return true;
        });
        addRead(t, mn, m + 3, [=](const SettingsModel& s, std::string_view b) {
            int p = 0;
            if (!parsePage(b, m, p)) return std::string();
            std::string a(b.substr(0, m + 3));
            for (int l = 0; l < kLines; ++l) a.push_back((s.*field)[p][l] ? 'N' : 'F');
            return a;
        });
    };
    onOff("CBS", &SettingsModel::lineBlink);
    onOff("FB", &SettingsModel::lineFill);

    addLineFamily(t, {"CFS", 1,
                      [](std::string_view v, SettingsModel& s, int p, int l, bool apply) {
                          const std::string_view letters = "LMS";
                          const auto at = v.size() == 1 ? letters.find(v[0]) : std::string_view::npos;
                          if (at == std::string_view::npos) return false;
                          if (apply) s.lineCharSize[p][l] = static_cast<int>(at);
                          return true;
                      },
                      [](const SettingsModel& s, int p, int l) {
                          return std::string(1, charSizeLetter(s.lineCharSize[p][l]));
                      }});
    addLineFamily(t, {"IDLS", 2,
                      [](std::string_view v, SettingsModel& s, int p, int l, bool apply) {
                          int n = 0;
                          if (!parseDec(v, n) || n > 63) return false;
                          if (apply) s.lineSpacing[p][l] = n;
                          return true;
                      },
                      [](const SettingsModel& s, int p, int l) { return dec(s.lineSpacing[p][l] % 100, 2); }});
    addLineFamily(t, {"CABC", 2,
                      [](std::string_view v, SettingsModel& s, int p, int l, bool apply) {
                          if (v.size() != 2 || v[0] < '0' || v[0] > '8' || v[1] < '0' || v[1] > '8') return false;
                          if (apply) {
                              s.lineCharColour[p][l] = v[0] - '0';
                              s.lineEdgeColour[p][l] = v[1] - '0';
                          }
                          return true;
                      },
                      [](const SettingsModel& s, int p, int l) {
                          return dec(s.lineCharColour[p][l] % 10, 1) + dec(s.lineEdgeColour[p][l] % 10, 1);
                      }});
}

// Values of all 512 pages in `width` digits each.
bool parseAllPages(std::string_view digits, int width, int max, PageInt& out) {
    PageInt v{};
    for (int p = 0; p < kPages; ++p) {
        int n = 0;
        if (!parseDec(digits.substr(static_cast<std::size_t>(p * width), static_cast<std::size_t>(width)), n) || n > max)
            return false;
        v[static_cast<std::size_t>(p)] = n;
    }
    out = v;
    return true;
}

void addPageSettings(CommandTable& t, Product product) {
    if (product == Product::Multi) {
        addSet(t, "PAST", 4 + 3 + 2, [](SettingsModel& s, std::string_view b) {
            int p = 0, v = 0;
            if (!parsePage(b, 4, p) || !parseDec(b.substr(7, 2), v)) return false;
            s.pageAutoSwitch[p] = v;
            return true;
        });
        addSet(t, "PAST", 4 + 2 * kPages, [](SettingsModel& s, std::string_view b) {
            return parseAllPages(b.substr(4), 2, 99, s.pageAutoSwitch);
        });
        addRead(t, "PAST", 4, [](const SettingsModel& s, std::string_view) {
            std::string a = "PAST";
            for (int p = 0; p < kPages; ++p) a += dec(s.pageAutoSwitch[p] % 100, 2);
            return a;
        });
    }

    addSet(t, "IDON", 4, [](SettingsModel&, std::string_view) { return true; });
    addSet(t, "IDOF", 4, [](SettingsModel&, std::string_view) { return true; });
    addSet(t, "P", 4, [](SettingsModel&, std::string_view b) {
        int p = 0;
        return parsePage(b, 1, p);
    });
    addSet(t, "PAS", 3, [](SettingsModel&, std::string_view) { return true; });

    addSet(t, "CL", 2 + 3 + 2, [](SettingsModel& s, std::string_view b) {
        int p = 0, w = 0, k = 0;
        if (!parsePage(b, 2, p) || !parseDec(b.substr(5, 1), w) || !parseDec(b.substr(6, 1), k) || w > 4 || k > 4)
            return false;
        s.pageCharWhiteLevel[p] = w;
        s.pageCharBlackLevel[p] = k;
        return true;
    });
    addSet(t, "CL", 2 + 2 * kPages, [](SettingsModel& s, std::string_view b) {
        for (std::size_t i = 2; i < b.size(); ++i)
            if (b[i] < '0' || b[i] > '4') return false;
        for (int p = 0; p < kPages; ++p) {
            s.pageCharWhiteLevel[p] = b[2 + 2 * static_cast<std::size_t>(p)] - '0';
            s.pageCharBlackLevel[p] = b[3 + 2 * static_cast<std::size_t>(p)] - '0';
        }
        return true;
    });
    addRead(t, "CL", 2, [](const SettingsModel& s, std::string_view) {
        std::string a = "CL";
        for (int p = 0; p < kPages; ++p)
            a += dec(s.pageCharWhiteLevel[p] % 10, 1) + dec(s.pageCharBlackLevel[p] % 10, 1);
        return a;
    });

    addSet(t, "SD", 4 + 7 * kScheduleEntries, [](SettingsModel& s, std::string_view b) {
        int day = 0;
        if (!parseDec(b.substr(2, 2), day) || day < 1 || day > kDays) return false;
        int hour[kScheduleEntries], minute[kScheduleEntries], page[kScheduleEntries];
        for (int e = 0; e < kScheduleEntries; ++e) {
            const std::string_view f = b.substr(4 + 7 * static_cast<std::size_t>(e), 7);
            if (!parseDec(f.substr(0, 2), hour[e]) || hour[e] > 23) return false;
            if (!parseDec(f.substr(2, 2), minute[e]) || minute[e] > 59) return false;
            const std::string_view pf = f.substr(4, 3);
            int n = 0;
            if (pf == "PAS") page[e] = kSchedulePas;
            else if (pf == "000") page[e] = kScheduleNone;
            else if (parseDec(pf, n) && n >= 1 && n <= kPages) page[e] = n - 1;
            else return false;
        }
        for (int e = 0; e < kScheduleEntries; ++e) {
            s.scheduleHour[day - 1][e] = hour[e];
            s.scheduleMinute[day - 1][e] = minute[e];
            s.schedulePage[day - 1][e] = page[e];
        }
        return true;
    });
    addRead(t, "SD", 4, [](const SettingsModel& s, std::string_view b) {
        int day = 0;
        if (!parseDec(b.substr(2, 2), day) || day < 1 || day > kDays) return std::string();
        std::string a(b.substr(0, 4));
        for (int e = 0; e < kScheduleEntries; ++e) {
            a += dec(s.scheduleHour[day - 1][e] % 100, 2) + dec(s.scheduleMinute[day - 1][e] % 100, 2);
            const int page = s.schedulePage[day - 1][e];
            a += page >= 0 && page < kPages ? dec(page + 1, 3) : page == kSchedulePas ? "PAS" : "000";
        }
        return a;
    });
}

}  // namespace

void addDisplayCommands(CommandTable& t, Product product) {
    addTitles(t, product);
    if (product == Product::Multi) addLineFamilies(t);
    addPageSettings(t, product);
}

}  // namespace vrq::sim
