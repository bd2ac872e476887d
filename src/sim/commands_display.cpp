// Per-line display attributes: blink, and (as they arrive) size, spacing,
// colour and fill. Multi-line shapes carry a page and a line or ten lines;
// single-line shapes carry one value per page for all 512 pages.

#include "model/settings_model.h"
#include "sim/sim_device.h"
#include "sim/sim_fields.h"

namespace vrq::sim {

namespace {

// An on/off table with per-line "ON"/"OF" and per-page "N"/"F" letters.
void addOnOffFamily(CommandTable& t, Product product, const std::string& mn, PageLineInt SettingsModel::*field) {
    const std::size_t m = mn.size();
    if (product == Product::Multi) {
        t.push_back({mn, m + 3 + 3 + 2,
                     [=](SettingsModel& s, std::string_view b) {
                         int p = 0, l = 0;
                         const std::string_view v = b.substr(m + 6, 2);
                         if (!parsePage(b, m, p) || !parseLine(b, m + 3, l) || (v != "ON" && v != "OF")) return false;
                         (s.*field)[p][l] = v == "ON" ? 1 : 0;
                         return true;
                     },
                     {}});
        t.push_back({mn, m + 3 + 10,
                     [=](SettingsModel& s, std::string_view b) {
                         int p = 0;
                         if (!parsePage(b, m, p)) return false;
                         for (int i = 0; i < kLines; ++i) {
                             const char ch = b[m + 3 + static_cast<std::size_t>(i)];
                             if (ch != 'N' && ch != 'F') return false;
                         }
                         for (int i = 0; i < kLines; ++i) (s.*field)[p][i] = b[m + 3 + static_cast<std::size_t>(i)] == 'N';
                         return true;
                     },
                     {}});
        t.push_back({mn, m + 3, {}, [=](const SettingsModel& s, std::string_view b) {
                         int p = 0;
                         if (!parsePage(b, m, p)) return std::string();
                         std::string a(b.substr(0, m + 3));
                         for (int i = 0; i < kLines; ++i) a.push_back((s.*field)[p][i] ? 'N' : 'F');
                         return a;
                     }});
    } else {
        t.push_back({mn, m + kPages,
                     [=](SettingsModel& s, std::string_view b) {
                         for (int p = 0; p < kPages; ++p) {
                             const char ch = b[m + static_cast<std::size_t>(p)];
                             if (ch != 'N' && ch != 'F') return false;
                         }
                         for (int p = 0; p < kPages; ++p) (s.*field)[p][0] = b[m + static_cast<std::size_t>(p)] == 'N';
                         return true;
                     },
                     {}});
        t.push_back({mn, m, {}, [=](const SettingsModel& s, std::string_view) {
                         std::string a = mn;
                         for (int p = 0; p < kPages; ++p) a.push_back((s.*field)[p][0] ? 'N' : 'F');
                         return a;
                     }});
    }
}

}  // namespace

void addDisplayCommands(CommandTable& t, Product product) {
    addOnOffFamily(t, product, "CBS", &SettingsModel::lineBlink);
}

}  // namespace vrq::sim
