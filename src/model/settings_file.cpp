#include "model/settings_file.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <vector>

#include "model/reset_settings.h"
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
    if (single) {
        // The single-line document keeps the position offset where the first
        // line's spacing would be.
        for (int p = 0; p < kPages; ++p) {
            v.number(s.pagePositionOffset[p]);
            for (int l = 1; l < kLines; ++l) v.number(s.lineSpacing[p][l]);
        }
    } else {
        perLine(s.lineSpacing);
    }
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

// Longest prefix of at most `limit` bytes that does not end inside a
// double-byte character.
std::string_view cutAtCharacter(std::string_view t, std::size_t limit) {
    if (t.size() <= limit) return t;
    std::size_t i = 0;
    while (i < limit) {
        const std::size_t w = isShiftJisLead(static_cast<unsigned char>(t[i])) ? 2 : 1;
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

// FNV-1a over every record with a separator, so moving a byte from one
// record to the next changes it too.
struct Hasher {
    std::uint64_t h = 14695981039346656037ull;
    void byte(unsigned char b) {
        h ^= b;
        h *= 1099511628211ull;
    }
    void number(int value) {
        auto u = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i, u >>= 8) byte(static_cast<unsigned char>(u));
        byte('\n');
    }
    template <std::size_t N>
    void text(const TextCell<N>& cell, TextKind) {
        for (const char ch : cellText(cell)) byte(static_cast<unsigned char>(ch));
        byte('\n');
    }
};

// Splits a document into records as the reader does, without storing any.
template <class F>
void eachLine(std::string_view bytes, F f) {
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!f(line)) return;
    }
}

bool isNumberLine(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) ++i;
    if (i == line.size()) return false;
    for (; i < line.size(); ++i)
        if (line[i] < '0' || line[i] > '9') return false;
    return true;
}

// Which records of a document are numbers, in document order.
struct ShapeOf {
    std::vector<bool> isNumber;
    void number(int) { isNumber.push_back(true); }
    template <std::size_t N>
    void text(const TextCell<N>&, TextKind) {
        isNumber.push_back(false);
    }
};

const std::vector<bool>& numberRecords(Product p) {
    static const std::vector<bool> shapes[2] = {
        [] {
            ShapeOf s;
            visitRecords(makeConsole(Product::Multi)->settings, false, s);
            return s.isNumber;
        }(),
        [] {
            ShapeOf s;
            visitRecords(makeConsole(Product::Single)->settings, true, s);
            return s.isNumber;
        }(),
    };
    return shapes[p == Product::Single ? 1 : 0];
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

FileProblem SettingsFile::check(std::string_view bytes, Product p) {
    // Records from the end of the single-line title block to the end of the
    // multi-line one: titles (mostly "s" or text) in a multi-line document,
    // per-line numbers in a single-line one.
    constexpr int kFrom = 3 + kPages, kTo = 3 + kPages * kLines;
    constexpr int kEnoughToTell = 16;
    const int own = recordCount(p);
    const int other = recordCount(p == Product::Single ? Product::Multi : Product::Single);
    // Our own writer puts decimal text in every number record; a few damaged
    // ones read as 0, but a file whose device-wide records or many numbers are
    // not numbers is something else (a text, an image, random bytes).
    constexpr int kDeviceWide = 3, kDeviceWideTail = 5 + kConnectors + 10;
    const std::vector<bool>& shape = numberRecords(p);
    int records = 0, numbers = 0, others = 0;
    int numberRecordsSeen = 0, misshapen = 0;
    bool deviceWideOk = true;
    int blankTail = 0;  // blank lines or an end-of-file mark after the last record hold nothing
    eachLine(bytes, [&](std::string_view line) {
        if (line.find_first_not_of(" \t\x1a") == std::string_view::npos) {
            ++blankTail;
        } else {
            records += blankTail + 1;
            blankTail = 0;
        }
        const int at = records + blankTail - 1;
        const bool numeric = isNumberLine(line);
        if (at >= kFrom && at < kTo) ++(numeric ? numbers : others);
        if (at < own && shape[static_cast<std::size_t>(at)]) {
            ++numberRecordsSeen;
            if (!numeric) {
                ++misshapen;
                if (at < kDeviceWide || at >= own - kDeviceWideTail) deviceWideOk = false;
            }
        }
        return records <= std::max(own, other);
    });
    const bool documentShaped = deviceWideOk && misshapen * 100 <= numberRecordsSeen;
    // A whole document tells its model by its length, which no title can
    // change; only a document cut short is judged by what its titles look like.
    if (records == own) return documentShaped ? FileProblem::None : FileProblem::NotADocument;
    if (records == other) return FileProblem::OtherModel;
    const bool decided = numbers + others >= kEnoughToTell;
    const bool looksSingle = decided && numbers > others;
    const bool looksMulti = decided && !looksSingle;
    if (!documentShaped && !(p == Product::Single ? looksMulti : looksSingle)) return FileProblem::NotADocument;
    if (p == Product::Single ? looksMulti : looksSingle) return FileProblem::OtherModel;
    if (records > own) return FileProblem::TooManyRecords;
    if (records == 0) return FileProblem::NotADocument;
    return FileProblem::None;
}

FileResult SettingsFile::save(const Console& c, const std::string& path) {
    return writeFileAtomically(path, serialize(c));
}

FileResult SettingsFile::load(Console& c, const std::string& path, int* missing) {
    std::string bytes;
    FileResult r = readRegularFile(path, kDocumentSizeCap, bytes);
    if (!r) return r;
    if (const FileProblem shape = check(bytes, c.product); shape != FileProblem::None) return {shape, {}};
    // Every record starts from its default; settings a document does not
    // carry (the zoom font, the network) stay as they are.
    const auto work = makeConsole(c.product);
    work->settings = c.settings;
    deserialize(*work, serialize(*makeConsole(c.product)));
    const int loaded = deserialize(*work, bytes);
    if (loaded == 0) return {FileProblem::NotADocument, {}};
    c.settings = work->settings;
    if (missing) *missing = recordCount(c.product) - loaded;
    return r;
}

std::uint64_t documentFingerprint(const Console& c) {
    Hasher h;
    visitRecords(c.settings, c.single(), h);
    return h.h;
}

void markDocumentClean(Console& c) {
    c.app.documentModified = false;
    c.app.cleanDocument = documentFingerprint(c);
}

bool noteDocumentChanges(Console& c) {
    if (!c.app.documentModified && documentFingerprint(c) != c.app.cleanDocument) c.app.documentModified = true;
    return c.app.documentModified;
}

}  // namespace vrq
