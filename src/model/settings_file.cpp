#include "model/settings_file.h"

#include <charconv>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/text_cell.h"

namespace vrq {
namespace {

enum class TextKind { Title, Plain };  // only titles write "s" for empty

// The one list of records, in document order. `M` is SettingsModel or its
// const; the visitor sees every number and every text cell once.
template <class M, class V>
void visitRecords(M& s, bool single, V& v) {
    v.number(s.clockDisplayOn);
    v.number(s.clockDisplayRange);
    v.number(s.clockDisplaySize);
    if (single) {
        for (auto& cell : s.singleTitleText) v.text(cell, TextKind::Title);
    } else {
        for (auto& page : s.titleText)
            for (auto& cell : page) v.text(cell, TextKind::Title);
    }
    auto perLine = [&v](auto& table) {
        for (auto& page : table)
            for (auto& value : page) v.number(value);
    };
    auto perPage = [&v](auto& table) {
        for (auto& value : table) v.number(value);
    };
    perLine(s.lineCharSize);
    perLine(s.lineSpacing);
    perLine(s.lineBlink);
    perPage(s.pageAutoSwitch);
    perLine(s.lineCharColour);
    perLine(s.lineEdgeColour);
    perLine(s.lineFill);
    perPage(s.pageCharWhiteLevel);
    perPage(s.pageCharBlackLevel);
    perPage(s.pageDisplayPosition);
    perLine(s.scheduleHour);  // day-outer, entry-inner
    perLine(s.scheduleMinute);
    perLine(s.schedulePage);
    v.number(s.alarmMode);
    v.number(s.alarmPolarity);
    v.number(s.alarmReturn);
    v.number(s.alarmDisplay);
    v.text(s.alarmHoldTime, TextKind::Plain);
    for (auto& value : s.connectorAssign) v.number(value);
    v.number(s.remoteMode);
    v.number(s.connectorInput);
    v.number(s.powerOnPage);
    v.number(s.videoLossBackColour);
    v.number(s.displayOffsetH);
    v.number(s.displayOffsetV);
    v.number(s.netSubnetClass);
    v.number(s.netConnectionTry);
    v.number(s.netKeepAlive);
    v.number(s.netTimeRegister);
}

struct Writer {
    std::string out;
    void number(int value) {
        char buf[16];
        auto r = std::to_chars(buf, buf + sizeof buf, value);
        out.append(buf, r.ptr);
        out.append("\r\n");
    }
    template <std::size_t N>
    void text(const TextCell<N>& cell, TextKind kind) {
        const std::string_view t = cellText(cell);
        if (t.empty() && kind == TextKind::Title) {
            out.append("s\r\n");
            return;
        }
        // A line break inside a text would shift every later record; Shift-JIS
        // trail bytes never take these values, so a blank is safe here.
        const std::size_t at = out.size();
        out.append(t);
        for (std::size_t i = at; i < out.size(); ++i)
            if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
        out.append("\r\n");
    }
};

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Longest prefix of at most `limit` bytes that does not end inside a
// double-byte character.
std::string_view cutAtCharacter(std::string_view t, std::size_t limit) {
    if (t.size() <= limit) return t;
    std::size_t i = 0;
    while (i < limit) {
        const std::size_t w = isLeadByte(static_cast<unsigned char>(t[i])) ? 2 : 1;
        if (i + w > limit) break;
        i += w;
    }
    return t.substr(0, i);
}

int parseNumber(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\v' || line[i] == '\f')) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    long long v = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        v = v * 10 + (line[i] - '0');
        if (v > INT_MAX) v = INT_MAX;  // a damaged value stays a valid int
    }
    return static_cast<int>(negative ? -v : v);
}

struct Reader {
    std::string_view rest;
    int loaded = 0;
    bool done = false;

    bool nextLine(std::string_view& line) {
        if (done || rest.empty()) {
            done = true;
            return false;
        }
        const std::size_t lf = rest.find('\n');
        if (lf == std::string_view::npos) {
            line = rest;
            rest = {};
        } else {
            line = rest.substr(0, lf);
            rest.remove_prefix(lf + 1);
        }
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++loaded;
        return true;
    }
    void number(int& value) {
        std::string_view line;
        if (nextLine(line)) value = parseNumber(line);
    }
    template <std::size_t N>
    void text(TextCell<N>& cell, TextKind kind) {
        std::string_view line;
        if (!nextLine(line)) return;
        if (kind == TextKind::Title && line == "s") line = line.substr(0, 0);
        setCell(cell, cutAtCharacter(line.substr(0, line.find('\0')), N - 1));
    }
};

std::filesystem::path fsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

int SettingsFile::recordCount(Product p) {
    const int titles = p == Product::Single ? kPages : kPages * kLines;
    const int perLine = kPages * kLines, perPage = kPages, perDay = kDays * kScheduleEntries;
    return 3 + titles + 6 * perLine + 4 * perPage + 3 * perDay + 5 + kConnectors + 10;
}

std::string SettingsFile::serialize(const Console& c) {
    Writer w;
    w.out.reserve(c.single() ? 200000 : 250000);
    visitRecords(c.settings, c.single(), w);
    return std::move(w.out);
}

int SettingsFile::deserialize(Console& c, std::string_view bytes) {
    Reader r{bytes};
    visitRecords(c.settings, c.single(), r);
    return r.loaded;
}

bool SettingsFile::save(const Console& c, const std::string& path) {
    if (path.empty()) return false;
    std::ofstream out(fsPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::string bytes = serialize(c);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return true;
}

bool SettingsFile::load(Console& c, const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    if (std::filesystem::is_directory(fsPath(path), ec)) return false;
    std::ifstream in(fsPath(path), std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    deserialize(c, bytes);
    return true;
}

}  // namespace vrq
