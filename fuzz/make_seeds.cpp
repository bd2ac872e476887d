// Writes the seed corpora: the simulated device's answers to the real read-all
// requests, both models' documents, an ini file and glyph files.
// Usage: make_seeds <corpus directory>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "glyphs/glyph_commands.h"
#include "glyphs/glyph_file.h"
#include "model/settings_file.h"
#include "model/text_cell.h"
#include "protocol/bulk_runs.h"
#include "protocol/title_decode.h"
#include "sim/sim_device.h"

using namespace vrq;
namespace fs = std::filesystem;

namespace {

fs::path root;

void put(const std::string& target, const std::string& name, const std::string& bytes) {
    const fs::path dir = root / target;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string header(unsigned flags, unsigned second) {
    return std::string{static_cast<char>(flags), static_cast<char>(second)};
}

// Some titles and values away from the defaults, so answers carry text.
void dressUp(SettingsModel& s, Product p) {
    const char* kanji = "\x83\x65\x83\x58\x83\x67\x81\x40\x95\xb6\x8e\x9a";  // Shift-JIS text
    if (p == Product::Single) {
        setCell(s.singleTitleText[0], kanji);
        setCell(s.singleTitleText[511], "ABC 123");
    } else {
        setCell(s.titleText[0][0], kanji);
        setCell(s.titleText[0][9], "LINE 10");
        setCell(s.titleText[511][4], "ABC 123");
    }
    s.lineCharColour[3][2] = 5;
    s.scheduleHour[30][23] = 23;
    s.schedulePage[30][23] = 511;
    s.powerOnPage = 12;
    setCell(s.deviceVersion, "V1.23");
}

// One answer of each kind the read-all run gets, in the model's words.
std::vector<std::string> answers(Product p) {
    sim::SimDevice device(sim::SimOptions{.product = p});
    dressUp(device.settings(), p);
    std::map<std::string, int> seen;
    std::vector<std::string> out;
    for (int step = 1; step <= readAllStepCount(p); ++step) {
        for (const std::string& a : device.feed(readAllRequest(p, step).text())) {
            if (seen[a.substr(0, std::min<std::size_t>(a.size(), 3))]++ >= 2) continue;
            out.push_back(a);
        }
    }
    for (GlyphSize g : {GlyphSize::Large, GlyphSize::Medium, GlyphSize::Small})
        for (const std::string& a : device.feed(glyphReadCommand(g, 0x2121).text())) out.push_back(a);
    for (const char* fixed : {"GO\r\n", "GN\r\n", "MENU\r\n", "E0\r\n", "E1\r\n", "E2\r\n", "E3\r\n"})
        out.push_back(fixed);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <corpus directory>\n");
        return 2;
    }
    root = argv[1];
    int n = 0;
    auto name = [&n] { return "seed_" + std::to_string(n++); };

    for (Product p : {Product::Multi, Product::Single}) {
        const unsigned model = p == Product::Single ? 1 : 0;
        const std::vector<std::string> all = answers(p);
        std::string together;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const std::string& a = all[i];
            together += a;
            // Every third answer also on RS-485, with its address in front.
            put("serial_reply_fuzz", name(), header(model | (i % 3 == 0 ? 2 : 0) | (i % 2 == 1 ? 8 : 0), 0) + (i % 3 == 0 ? "01" : "") + a);
            put("tcp_reply_fuzz", name(), header(model | (i % 4 == 0 ? 4 : 0) | (i % 2 == 0 ? 8 : 0), static_cast<unsigned>(7 + i % 50)) + a);
            if (a.rfind("CA", 0) == 0 && a.rfind("CABC", 0) != 0 && a.size() >= 5 + kTitleHexDigits) {
                const int page = std::stoi(a.substr(2, 3));
                put("title_decode_fuzz", name(),
                    std::string{static_cast<char>(page >> 8), static_cast<char>(page & 0xFF)} + a.substr(5));
            }
        }
        put("serial_reply_fuzz", name(), header(model, 13) + together.substr(0, 8000));
        put("tcp_reply_fuzz", name(), header(model, 200) + together.substr(0, 8000));

        auto c = makeConsole(p);
        const std::string plain = SettingsFile::serialize(*c);
        dressUp(c->settings, p);
        const std::string dressed = SettingsFile::serialize(*c);
        put("settings_file_fuzz", name(), std::string{static_cast<char>(model), 0, 0} + dressed);
        put("settings_file_fuzz", name(), std::string{static_cast<char>(model), 0x0b, 0x00} + plain);
        put("settings_file_fuzz", name(), std::string{static_cast<char>(model), 0, 1} + dressed.substr(0, 600));
    }

    const std::string ini =
        "[VRQ-700_Section]\r\ncom_port=2\r\nrs_control=1\r\nInterface=1\r\nClientServer=1\r\n"
        "p_port_number=10001\r\nselect_number=1\r\nlist_count=2\r\nip00_0=192\r\nip00_1=168\r\n"
        "ip00_2=0\r\nip00_3=10\r\nip01_0=10\r\nip01_1=0\r\nip01_2=0\r\nip01_3=1\r\n"
        "com1_device=/dev/pts/3\r\n\r\n[VRQ-700S_Section]\r\ncom_port=4\r\nlist_count=1\r\nip00_0=172\r\n";
    put("ini_file_fuzz", name(), std::string{0} + "com_port=3\n" + ini);
    put("ini_file_fuzz", name(), std::string{1} + "ip00_2=255\n" + ini);
    put("ini_file_fuzz", name(), std::string{0} + "select_number=-1\n[VRQ-700_Section]\nlist_count=100\n");
    put("ini_file_fuzz", name(), std::string{1} + "p_port_number=\n");

    GlyphState g;
    const char* hex = "0123456789ABCDEF";
    std::string digits;
    for (std::size_t i = 0; i < GlyphDigits::kCapacity; ++i) digits.push_back(hex[(i * 7 + i / 12) % 16]);
    g.pattern.assign(digits);
    for (GlyphSize s : {GlyphSize::Large, GlyphSize::Medium, GlyphSize::Small}) {
        put("glyph_file_fuzz", name(), std::string{static_cast<char>(s)} + GlyphFile::format(g, s));
        put("glyph_file_fuzz", name(), std::string{static_cast<char>(s)} + GlyphFile::format(g, s).substr(0, 90));
    }
    return 0;
}
