#include "protocol/read_requests.h"

#include <set>
#include <string>

#include "protocol/bulk_runs.h"
#include "protocol/device_commands.h"

namespace vrq {

namespace {

// A request with its numbers (page, line, day) as '#': set commands that
// begin with "R" ("RCA" + 24 digits, "RMBIN") have other shapes.
std::string shapeOf(std::string_view line) {
    std::string s(line);
    for (char& ch : s)
        if (ch >= '0' && ch <= '9') ch = '#';
    return s;
}

const std::set<std::string>& requestShapes() {
    static const std::set<std::string> shapes = [] {
        std::set<std::string> all;
        for (const Product p : {Product::Multi, Product::Single})
            for (int step = 1; step <= readAllStepCount(p); ++step) all.insert(shapeOf(readAllRequest(p, step).body()));
        for (int i = 0; i < kNetworkReadRequests; ++i) all.insert(shapeOf(networkReadRequest(i).body()));
        return all;
    }();
    return shapes;
}

bool isHex(char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'); }

// The glyph editor's "RFBML" / "RFBMM" / "RFBMS" + a code in four hex digits
// (glyphs/glyph_commands.h, a layer above this one).
bool isGlyphRead(std::string_view line) {
    if (line.size() != 9 || line.substr(0, 4) != "RFBM") return false;
    if (line[4] != 'L' && line[4] != 'M' && line[4] != 'S') return false;
    for (const char ch : line.substr(5))
        if (!isHex(ch)) return false;
    return true;
}

}  // namespace

bool isReadRequest(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return isGlyphRead(line) || requestShapes().count(shapeOf(line)) > 0;
}

}  // namespace vrq
