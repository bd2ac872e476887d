#include "protocol/title_encode.h"

#include <algorithm>
#include <string>

#include "model/text_cell.h"
#include "protocol/codecs.h"

namespace vrq {
namespace {

// Code page 932 arithmetic; only rows 1..94 of the JIS table count.
std::uint16_t shiftJisRule(std::uint16_t v) {
    const int lead = v >> 8, trail = v & 0xFF;
    if (!isShiftJisLead(static_cast<unsigned char>(lead))) return 0;
    if (!((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC))) return 0;
    const int h = lead < 0xA0 ? lead - 0x81 : lead - 0xC1;
    int j;
    if (trail >= 0x9F) {
        j = (2 * h + 0x22) * 256 + (trail - 0x7E);
    } else {
        j = (2 * h + 0x21) * 256 + (trail <= 0x7E ? trail - 0x1F : trail - 0x20);
    }
    const int low = j & 0xFF;
    if (j < 0x2121 || j > 0x7E7E || low < 0x21 || low > 0x7E) return 0;
    return static_cast<std::uint16_t>(j);
}

// IBM extensions to their NEC-selected equivalents; 0 outside every row.
int necSelected(int v) {
    struct Row {
        int from, to, minus;
    };
    static constexpr Row rows[] = {
        {0xFA5C, 0xFA7E, 0x0D1C}, {0xFA80, 0xFA9B, 0x0D1D}, {0xFA9C, 0xFAFC, 0x0D1C},
        {0xFB40, 0xFB5B, 0x0D5F}, {0xFB5C, 0xFB7E, 0x0D1C}, {0xFB80, 0xFB9B, 0x0D1D},
        {0xFB9C, 0xFBFC, 0x0D1C}, {0xFC40, 0xFC4B, 0x0D5F},
    };
    for (const Row& r : rows)
        if (v >= r.from && v <= r.to) return v - r.minus;
    return 0;
}

void putHex4(std::string& out, std::uint16_t j) {
    static constexpr char digits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(j >> shift) & 0xF];
}

}  // namespace

std::uint16_t titleCharToJis(std::uint16_t sjis) {
    const int v = sjis;
    if (v >= 0xFA40 && v <= 0xFA49) return static_cast<std::uint16_t>(v - 0x7DCF);
    if (v >= 0xFA55 && v <= 0xFA57) return static_cast<std::uint16_t>(v - 0x7DD9);
    if (v >= 0xFA5C) {
        const int nec = necSelected(v);
        return nec ? shiftJisRule(static_cast<std::uint16_t>(nec)) : 0;
    }
    return shiftJisRule(sjis);
}

std::optional<std::string> encodeTitleText(std::string_view text, int widthBytes) {
    const std::size_t n = text.size();
    if (widthBytes <= 0 || n > static_cast<std::size_t>(widthBytes) || n % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(static_cast<std::size_t>(widthBytes) * 2);
    for (std::size_t i = 0; i < n; i += 2) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        const std::uint16_t j = titleCharToJis(static_cast<std::uint16_t>(lead << 8 | trail));
        if (j == 0) return std::nullopt;
        putHex4(out, j);
    }
    for (std::size_t i = n; i < static_cast<std::size_t>(widthBytes); i += 2) putHex4(out, 0x2121);
    return out;
}

std::optional<std::string> encodeTitleLine(const SettingsModel& m, int page, int line) {
    if (page < 0 || page >= kPages || line < 0 || line >= kLines) return std::nullopt;
    return encodeTitleText(cellText(m.titleText[page][line]), kTitleLineMaxBytes);
}

std::optional<std::string> encodeTitlePage(const SettingsModel& m, int page) {
    std::string out;
    for (int l = 0; l < kLines; ++l) {
        std::optional<std::string> line = encodeTitleLine(m, page, l);
        if (!line) return std::nullopt;
        out += *line;
    }
    return out;
}

std::optional<std::string> encodeSingleTitlePage(const SettingsModel& m, int page) {
    if (page < 0 || page >= kPages) return std::nullopt;
    return encodeTitleText(cellText(m.singleTitleText[page]), kSingleTitleMaxBytes);
}

namespace {

// The first character of `text` the device does not take.
bool firstUntaken(std::string_view text, UntakenTitleChar& out) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (isShiftJisLead(lead) && i + 1 < text.size()) {
            const auto code = static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(text[i + 1]));
            i += 2;
            if (takenTitleJis(code)) continue;
            out.code = code;
            out.jis = titleCharToJis(code);
            return true;
        }
        out.code = lead;  // a single byte has no JIS code
        out.jis = 0;
        return true;
    }
    return false;
}

std::string hex(std::uint16_t v, int digits) {
    std::string out;
    putHex4(out, v);
    return out.substr(4 - static_cast<std::size_t>(digits));
}

std::string padded(int n, std::size_t width) {
    std::string digits = std::to_string(n);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

std::vector<UntakenTitleChar> untakenTitleChars(const SettingsModel& m, Product p) {
    std::vector<UntakenTitleChar> found;
    UntakenTitleChar u;
    for (int page = 0; page < kPages; ++page) {
        if (p == Product::Single) {
            if (firstUntaken(cellText(m.singleTitleText[page]), u)) {
                u.page = page;
                u.line = 0;
                found.push_back(u);
            }
            continue;
        }
        for (int line = 0; line < kLines; ++line) {
            if (!firstUntaken(cellText(m.titleText[page][line]), u)) continue;
            u.page = page;
            u.line = line;
            found.push_back(u);
        }
    }
    return found;
}

Message untakenTitlesText(const std::vector<UntakenTitleChar>& found, Product p) {
    if (found.empty()) return {};
    constexpr std::size_t kNamed = 5;
    std::vector<Message> lines;
    lines.push_back(
        Message(VRQ_TEXT_N("Titles", "%nか所のタイトルに、機器が受け付けない文字があります。タイトルの設定で直してください。"))
            .count(static_cast<long long>(found.size())));
    for (std::size_t i = 0; i < found.size() && i < kNamed; ++i) {
        const UntakenTitleChar& u = found[i];
        const std::string page = padded(u.page + 1, 3), line = padded(u.line + 1, 2);
        const std::string code = u.jis ? hex(u.jis, 4) : hex(u.code, u.code > 0xFF ? 4 : 2);
        if (p == Product::Single)
            lines.push_back(Message(u.jis ? VRQ_TEXT("Titles", "ページ %1：JIS %2")
                                          : VRQ_TEXT("Titles", "ページ %1：JISコードのない文字（%2）"))
                                .arg(page)
                                .arg(code));
        else
            lines.push_back(Message(u.jis ? VRQ_TEXT("Titles", "ページ %1 ライン %2：JIS %3")
                                          : VRQ_TEXT("Titles", "ページ %1 ライン %2：JISコードのない文字（%3）"))
                                .arg(page)
                                .arg(line)
                                .arg(code));
    }
    if (found.size() > kNamed)
        lines.push_back(Message(VRQ_TEXT_N("Titles", "ほか%nか所")).count(static_cast<long long>(found.size() - kNamed)));
    return Message::joined(std::move(lines), kLineBreak);
}

std::optional<CommandLine> titleLineCommand(const SettingsModel& m, int page, int line) {
    std::optional<std::string> hex = encodeTitleLine(m, page, line);
    if (!hex) return std::nullopt;
    CommandLine c("CA001L01" + *hex);
    c.putDec3(2, page + 1);
    c.putDec2(6, line + 1);
    return c;
}

std::optional<CommandLine> titlePageCommand(const SettingsModel& m, int page, Product product) {
    std::optional<std::string> hex =
        product == Product::Single ? encodeSingleTitlePage(m, page) : encodeTitlePage(m, page);
    if (!hex) return std::nullopt;
    CommandLine c("CA001" + *hex);
    c.putDec3(2, page + 1);
    return c;
}

}  // namespace vrq
