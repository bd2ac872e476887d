#pragma once
// Field parsing shared by the simulated device's command families. Unlike the
// console's codecs these validate: the device refuses what it cannot parse.

#include <string>
#include <string_view>

namespace vrq::sim {

// Decimal digits only.
bool parseDec(std::string_view s, int& out);

// A page field "001".."512" at `pos`, as a page index.
inline bool parsePage(std::string_view body, std::size_t pos, int& page) {
    int v = 0;
    if (!parseDec(body.substr(pos, 3), v) || v < 1 || v > 512) return false;
    page = v - 1;
    return true;
}

// A line field "L01".."L10" at `pos`, as a line index.
inline bool parseLine(std::string_view body, std::size_t pos, int& line) {
    int v = 0;
    if (body.substr(pos, 1) != "L" || !parseDec(body.substr(pos + 1, 2), v) || v < 1 || v > 10) return false;
    line = v - 1;
    return true;
}

inline std::string dec(int v, int width) {
    std::string s(static_cast<std::size_t>(width), '0');
    for (int i = width - 1; i >= 0; --i, v /= 10) s[static_cast<std::size_t>(i)] = static_cast<char>('0' + v % 10);
    return s;
}

}  // namespace vrq::sim
