#include "model/app_config.h"

#include <climits>
#include <optional>
#include <vector>

#include "model/product_names.h"
#include "model/safe_file.h"
#include "model/text_cell.h"
#include "platform/files.h"

namespace vrq {
namespace {

constexpr std::size_t kNumberChars = 9;  // what the number keys are read with
constexpr std::size_t kPortChars = 5;
constexpr std::size_t kPathChars = 4095;

bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char lower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Profile names match without regard to ASCII case, as the platform's do.
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

struct IniFile {
    std::vector<std::string> lines;  // without line ends
    bool crlf = true;
};

constexpr std::size_t kIniSizeCap = std::size_t{1} << 20;  // a full peer list is a few KB

std::optional<IniFile> readIni(const std::string& path, FileResult* problem = nullptr) {
    std::string text;
    const FileResult r = readRegularFile(path, kIniSizeCap, text);
    if (problem) *problem = r;
    if (!r) return std::nullopt;
    IniFile f;
    f.crlf = text.empty() || text.find("\r\n") != std::string::npos;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        f.lines.push_back(std::move(line));
        start = end + 1;
    }
    return f;
}

// "[name]" → name; nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key, value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    KeyLine k{trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
    if (k.value.size() >= 2 && (k.value.front() == '"' || k.value.front() == '\'') &&
        k.value.back() == k.value.front())
        k.value = k.value.substr(1, k.value.size() - 2);
    return k;
}

// Line range [first, last) of the section's body, or nullopt when absent.
struct Range {
    std::size_t header, first, last;
};

std::optional<Range> findSection(const IniFile& f, std::string_view section) {
    for (std::size_t i = 0; i < f.lines.size(); ++i) {
        const auto name = sectionName(f.lines[i]);
        if (!name || !sameName(*name, section)) continue;
        std::size_t j = i + 1;
        while (j < f.lines.size() && !sectionName(f.lines[j])) ++j;
        return Range{i, i + 1, j};
    }
    return std::nullopt;
}

std::optional<std::string> lookUp(const IniFile& f, std::string_view section, std::string_view key) {
    const auto r = findSection(f, section);
    if (!r) return std::nullopt;
    for (std::size_t i = r->first; i < r->last; ++i) {
        const auto k = keyLine(f.lines[i]);
        if (k && sameName(k->key, key)) return std::string(k->value);
    }
    return std::nullopt;
}

std::string readValue(const std::optional<IniFile>& f, std::string_view section, std::string_view key,
                      std::string_view fallback, std::size_t maxChars) {
    std::optional<std::string> v;
    if (f) v = lookUp(*f, section, key);
    std::string s = v ? *v : std::string(fallback);
    if (s.size() > maxChars) s.resize(maxChars);
    return s;
}

int readNumber(const std::optional<IniFile>& f, std::string_view section, std::string_view key) {
    return configNumber(readValue(f, section, key, "0", kNumberChars));
}

// A value outside [lo, hi] is replaced by `fallback`: later code indexes tables with it.
int inRange(int v, int lo, int hi, int fallback) { return (v < lo || v > hi) ? fallback : v; }

}  // namespace

int configNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (isBlank(text[i]) || text[i] == '\r' || text[i] == '\n')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > INT_MAX) v = INT_MAX;
    }
    return static_cast<int>(negative ? -v : v);
}

std::string peerAddressKey(int index, int octet) {
    std::string key = "ip00_0";
    key[2] = static_cast<char>('0' + (index / 10) % 10);
    key[3] = static_cast<char>('0' + index % 10);
    key[5] = static_cast<char>('0' + octet % 10);
    return key;
}

std::string readAppConfigValue(const std::string& path, Product p, std::string_view key,
                               std::string_view fallback, std::size_t maxChars) {
    return readValue(readIni(path), iniSection(p), key, fallback, maxChars);
}

bool loadAppConfig(Console& c, const std::string& path) {
    c.app.configPath = path;
    const auto f = readIni(path);
    const std::string_view section = iniSection(c.product);
    AppState& a = c.app;

    a.comPortIndex = inRange(readNumber(f, section, "com_port"), 0, 5, 0);
    a.serialMode = inRange(readNumber(f, section, "rs_control"), 0, 1, 0);
    a.linkInterface = inRange(readNumber(f, section, "Interface"), 0, 1, 0);
    setCell(c.settings.netPortNumber, readValue(f, section, "p_port_number", "09004", kPortChars));
    a.tcpRole = inRange(readNumber(f, section, "ClientServer"), 0, 1, 0);
    // -1 (none) up to the last slot or list entry; both fit in the peer table.
    a.peerIndex = inRange(readNumber(f, section, "select_number"), -1, kMaxPeers - 1, 0);
    const int count = readNumber(f, section, "list_count");
    a.peerListCount = count < 0 ? 0 : (count > kMaxPeers ? kMaxPeers : count);

    for (int n = 0; n < a.peerListCount; ++n)
        for (int k = 0; k < 4; ++k)
            a.peerAddress[n][k] = static_cast<std::uint8_t>(readNumber(f, section, peerAddressKey(n, k)) & 0xFF);

    for (int n = 0; n < 6; ++n) {
        std::string key = "com1_device";
        key[3] = static_cast<char>('1' + n);
        const std::string dev = readValue(f, section, key, "", kPathChars);
        if (!dev.empty()) a.comDevicePath[n] = dev;
    }
    a.fastRuns = readNumber(f, section, "fast_runs") == 1;
    a.retries = inRange(configNumber(readValue(f, section, "retries", "1", kNumberChars)), 0, kMaxRetries, 1);
    a.listenAddress = readValue(f, section, "listen_address", "", kPathChars);
    return f.has_value();
}

bool writeAppConfigValue(const std::string& path, Product p, std::string_view key, std::string_view value) {
    // A line break or '=' would make the file say something else than was written.
    if (trim(key).empty() || key.find_first_of("=\r\n[") != std::string_view::npos) return false;
    if (value.find_first_of("\r\n") != std::string_view::npos) return false;

    // A file that exists but cannot be read is not replaced by one key.
    FileResult read;
    IniFile f = readIni(path, &read).value_or(IniFile{});
    if (!read && !(read.problem == FileProblem::CannotOpen && platform::fileIsMissing(path))) return false;
    const std::string_view section = iniSection(p);
    std::string entry(key);
    entry += '=';
    entry += value;

    if (const auto r = findSection(f, section)) {
        bool replaced = false;
        std::size_t insertAt = r->first;
        for (std::size_t i = r->first; i < r->last; ++i) {
            const auto k = keyLine(f.lines[i]);
            if (k && sameName(k->key, key)) {
                f.lines[i] = entry;
                replaced = true;
                break;
            }
            if (!trim(f.lines[i]).empty()) insertAt = i + 1;
        }
        if (!replaced) f.lines.insert(f.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    } else {
        std::string header = "[";
        header.append(section).append("]");
        f.lines.push_back(std::move(header));
        f.lines.push_back(entry);
    }

    std::string text;
    const char* eol = f.crlf ? "\r\n" : "\n";
    for (const auto& line : f.lines) text.append(line).append(eol);
    return static_cast<bool>(writeFileAtomically(path, text));
}

}  // namespace vrq
