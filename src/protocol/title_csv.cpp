#include "protocol/title_csv.h"

#include <map>
#include <unordered_map>

#include "model/text_cell.h"
#include "protocol/title_chars.h"
#include "protocol/title_encode.h"
#include "protocol/utf8.h"

namespace vrq {

namespace {

constexpr std::string_view kMark = "\xEF\xBB\xBF";

CsvProblem problemAt(int row, int column, CsvProblemKind kind, char32_t ch = 0, std::string cell = {}, int limit = 0) {
    return CsvProblem{row, column, kind, ch, std::move(cell), limit};
}

// Remembers the codec's answers: a full document has 150,000 characters but
// only a few hundred different ones.
class CachedCodec {
public:
    explicit CachedCodec(const TitleCharCodec& c) : codec_(c) {}
    const std::optional<std::string>& encode(char32_t ch) {
        auto it = encoded_.find(ch);
        if (it == encoded_.end()) it = encoded_.emplace(ch, codec_.encode ? codec_.encode(ch) : std::nullopt).first;
        return it->second;
    }
    std::optional<char32_t> decode(std::string_view piece) {
        const unsigned key = piece.size() == 2 ? (static_cast<unsigned char>(piece[0]) << 8 | static_cast<unsigned char>(piece[1]))
                                               : static_cast<unsigned char>(piece[0]) | 0x10000u;
        auto it = decoded_.find(key);
        if (it == decoded_.end()) it = decoded_.emplace(key, codec_.decode ? codec_.decode(piece) : std::nullopt).first;
        return it->second;
    }

private:
    const TitleCharCodec& codec_;
    std::unordered_map<char32_t, std::optional<std::string>> encoded_;
    std::unordered_map<unsigned, std::optional<char32_t>> decoded_;
};

// A stored title as characters that import back to the same bytes: a code
// whose character encodes to another code (a row-13 twin) or that has no
// character (rows 93/94) is written as the title editor's placeholder.
std::u32string titleChars(std::string_view bytes, CachedCodec& codec) {
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t len = isShiftJisLead(lead) && i + 1 < bytes.size() ? 2 : 1;
        const std::string_view piece = bytes.substr(i, len);
        i += len;
        const std::optional<char32_t> ch = codec.decode(piece);
        if (ch && codec.encode(*ch) == std::optional<std::string>(piece)) {
            out += *ch;
            continue;
        }
        const char32_t placeholder =
            len == 2 ? titlePlaceholder(static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(piece[1]))) : 0;
        out += placeholder ? placeholder : ch ? *ch : char32_t{0xFFFD};
    }
    return out;
}

void putCell(std::string& out, std::u32string_view cell) {
    const bool quote = cell.find_first_of(U",\"\r\n") != std::u32string_view::npos;
    if (!quote) {
        for (char32_t c : cell) appendUtf8(out, c);
        return;
    }
    out += '"';
    for (char32_t c : cell) {
        if (c == U'"') out += '"';
        appendUtf8(out, c);
    }
    out += '"';
}

// Code page 932 text; `bad` gets the offset of the first byte that is none.
std::optional<std::u32string> fromCodePage(std::string_view s, CachedCodec& codec, std::size_t& bad) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out += b;
            ++i;
            continue;
        }
        const std::size_t len = isShiftJisLead(b) ? 2 : 1;
        const std::optional<char32_t> ch = i + len <= s.size() ? codec.decode(s.substr(i, len)) : std::nullopt;
        if (!ch || *ch == 0xFFFD) {
            bad = i;
            return std::nullopt;
        }
        out += *ch;
        i += len;
    }
    return out;
}

constexpr std::size_t kMaxCells = 8;

struct Record {
    int row = 0;
    std::vector<std::u32string> cells;
};

// RFC 4180 records; CR LF, LF or a lone CR end a record outside quotes. A
// quote inside an unquoted cell is taken as it stands, as spreadsheets do.
// Rows are numbered as a spreadsheet shows the file: a record is one row,
// whatever line breaks its quoted cells hold.
std::vector<Record> records(std::u32string_view text, std::vector<CsvProblem>& problems) {
    std::vector<Record> out;
    Record rec{1, {{}}};
    int row = 1;
    bool quoted = false, inQuotes = false, any = false;
    int quoteRow = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        std::u32string& cell = rec.cells.back();
        if (inQuotes) {
            if (c == U'"') {
                if (i + 1 < text.size() && text[i + 1] == U'"') {
                    cell += U'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == U'"' && cell.empty() && !quoted) {
            quoted = inQuotes = any = true;
            quoteRow = rec.row;
            continue;
        }
        if (c == U',') {
            // Cells past any header's stay one cell: a row of commas cannot
            // make millions of them.
            if (rec.cells.size() >= kMaxCells) {
                cell += c;
                continue;
            }
            rec.cells.emplace_back();
            quoted = false;
            any = true;
            continue;
        }
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            if (any) out.push_back(std::move(rec));
            rec = Record{++row, {{}}};
            quoted = any = false;
            continue;
        }
        cell += c;
        any = true;
    }
    if (inQuotes) problems.push_back(problemAt(quoteRow, static_cast<int>(rec.cells.size()), CsvProblemKind::UnclosedQuote));
    else if (any) out.push_back(std::move(rec));
    return out;
}

std::u32string trimmed(std::u32string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == U' ' || s[b] == U'\t')) ++b;
    while (e > b && (s[e - 1] == U' ' || s[e - 1] == U'\t')) --e;
    return std::u32string(s.substr(b, e - b));
}

std::u32string lower(std::u32string s) {
    for (char32_t& c : s)
        if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
    return s;
}

bool isHeader(const Record& r, const std::vector<std::u32string>& names) {
    if (r.cells.size() < names.size()) return false;
    for (std::size_t k = 0; k < r.cells.size(); ++k) {
        const std::u32string cell = lower(trimmed(r.cells[k]));
        if (k < names.size() ? cell != names[k] : !cell.empty()) return false;
    }
    return true;
}

// A whole number in `lo..hi`, else the problem.
std::optional<int> number(const Record& r, std::size_t column, int lo, int hi, CsvProblemKind range,
                          std::vector<CsvProblem>& problems) {
    const std::u32string cell = trimmed(r.cells[column]);
    long v = 0;
    bool ok = !cell.empty() && cell.size() <= 6;
    for (char32_t c : cell) {
        ok = ok && c >= U'0' && c <= U'9';
        if (ok) v = v * 10 + static_cast<long>(c - U'0');
    }
    const CsvProblem p{r.row, static_cast<int>(column) + 1, ok ? range : CsvProblemKind::NotNumber, 0,
                       utf8(r.cells[column].substr(0, 40)), 0};
    if (!ok || v < lo || v > hi) {
        problems.push_back(p);
        return std::nullopt;
    }
    return static_cast<int>(v);
}

}  // namespace

std::u32string fullWidthTitle(std::u32string_view text, int* converted) {
    // Half-width katakana U+FF61..U+FF9F in order.
    static constexpr char16_t kana[] = {
        0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5,
        0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3,
        0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC,
        0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4,
        0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};
    static_assert(sizeof kana / sizeof kana[0] == 0xFF9F - 0xFF61 + 1);
    const auto voiced = [](char32_t k) {  // カ..ト (not ッ) and ハ..ホ take ゛; ウ becomes ヴ
        return (k >= 0x30AB && k <= 0x30C8 && k != 0x30C3) || (k >= 0x30CF && k <= 0x30DB && (k - 0x30CF) % 3 == 0);
    };
    std::u32string out;
    out.reserve(text.size());
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c == U' ') {
            c = 0x3000;
        } else if (c >= 0x21 && c <= 0x7E) {
            c += 0xFEE0;
        } else if (c >= 0xFF61 && c <= 0xFF9F) {
            c = kana[c - 0xFF61];
            const char32_t next = i + 1 < text.size() ? text[i + 1] : 0;
            if (next == 0xFF9E && (voiced(c) || c == 0x30A6)) {
                c = c == 0x30A6 ? char32_t{0x30F4} : c + 1;
                ++i;
            } else if (next == 0xFF9F && c >= 0x30CF && c <= 0x30DB) {
                c += 2;
                ++i;
            }
        } else {
            out += c;
            continue;
        }
        out += c;
        ++n;
    }
    if (converted) *converted += n;
    return out;
}

std::string exportTitlesCsv(const SettingsModel& m, Product p, const TitleCharCodec& codec) {
    CachedCodec cached(codec);
    const bool single = p == Product::Single;
    std::string out(kMark);
    out.reserve(single ? 512 * 900 : 5120 * 100);
    out += single ? "page,title\r\n" : "page,line,title\r\n";
    for (int page = 0; page < kPages; ++page) {
        for (int line = 0; line < (single ? 1 : kLines); ++line) {
            out += std::to_string(page + 1);
            out += ',';
            if (!single) {
                out += std::to_string(line + 1);
                out += ',';
            }
            const std::string_view bytes =
                single ? cellText(m.singleTitleText[page]) : cellText(m.titleText[page][line]);
            putCell(out, titleChars(bytes, cached));
            out += "\r\n";
        }
    }
    return out;
}

TitleCsvImport readTitlesCsv(std::string_view file, Product p, const TitleCharCodec& codec) {
    TitleCsvImport result;
    CachedCodec cached(codec);
    const auto rowAt = [&file](std::size_t offset) {
        int row = 1;
        for (std::size_t i = 0; i < offset && i < file.size(); ++i) row += file[i] == '\n';
        return row;
    };
    std::optional<std::u32string> text;
    std::size_t bad = 0;
    if (const std::size_t nul = file.find('\0'); nul != std::string_view::npos) {
        bad = nul;
    } else if (file.substr(0, kMark.size()) == kMark) {
        result.encoding = CsvEncoding::Utf8WithMark;
        text = fromUtf8(file.substr(kMark.size()), bad);
        bad += kMark.size();
    } else if ((text = fromUtf8(file, bad))) {
        result.encoding = CsvEncoding::Utf8;
    } else {
        result.encoding = CsvEncoding::CodePage932;
        text = fromCodePage(file, cached, bad);
    }
    if (!text) {
        result.problems.push_back(problemAt(rowAt(bad), 0, CsvProblemKind::NotText));
        return result;
    }

    std::vector<CsvProblem>& problems = result.problems;
    const std::vector<Record> recs = records(*text, problems);
    const bool single = p == Product::Single;
    const std::vector<std::u32string> header = single ? std::vector<std::u32string>{U"page", U"title"}
                                                      : std::vector<std::u32string>{U"page", U"line", U"title"};
    const std::vector<std::u32string> otherHeader = single ? std::vector<std::u32string>{U"page", U"line", U"title"}
                                                           : std::vector<std::u32string>{U"page", U"title"};
    std::size_t first = 0;
    if (recs.empty() || !isHeader(recs[0], header)) {
        const bool other = !recs.empty() && isHeader(recs[0], otherHeader);
        problems.push_back(problemAt(recs.empty() ? 1 : recs[0].row, 0, other ? CsvProblemKind::OtherModel : CsvProblemKind::NoHeader));
        // The other model's rows would all be wrong: that one line says it.
        if (other) return result;
        // A file without its header is still checked row by row, unless its
        // first row is no title either.
    } else {
        first = 1;
    }

    const std::size_t titleColumn = header.size() - 1;
    const std::size_t maxBytes = single ? kSingleTitleMaxBytes : kTitleLineMaxBytes;
    std::map<int, int> seen;  // page * lines + line -> row
    std::vector<CsvProblem> rowProblems;
    for (std::size_t r = first; r < recs.size(); ++r) {
        const Record& rec = recs[r];
        bool blank = true;
        for (const std::u32string& c : rec.cells) blank = blank && trimmed(c).empty();
        if (blank) continue;  // spreadsheets write empty rows of their range
        if (rec.cells.size() < header.size()) {
            problems.push_back(problemAt(rec.row, static_cast<int>(rec.cells.size()) + 1, CsvProblemKind::MissingCell));
            continue;
        }
        for (std::size_t k = header.size(); k < rec.cells.size(); ++k) {
            if (!trimmed(rec.cells[k]).empty()) {
                problems.push_back(problemAt(rec.row, static_cast<int>(k) + 1, CsvProblemKind::ExtraCell));
                break;
            }
        }
        const std::optional<int> page = number(rec, 0, 1, kPages, CsvProblemKind::PageRange, problems);
        const std::optional<int> line =
            single ? std::optional<int>(1) : number(rec, 1, 1, kLines, CsvProblemKind::LineRange, problems);
        if (page && line) {
            const int key = (*page - 1) * kLines + (*line - 1);
            if (const auto [it, fresh] = seen.emplace(key, rec.row); !fresh)
                problems.push_back(problemAt(rec.row, 1, CsvProblemKind::Duplicate, 0, {}, it->second));
        }

        const int column = static_cast<int>(titleColumn) + 1;
        const std::u32string chars = fullWidthTitle(rec.cells[titleColumn], &result.converted);
        std::string bytes;
        std::u32string reported;  // each refused character once a cell
        bool lineBreak = false;
        for (const char32_t c : chars) {
            if (c == U'\r' || c == U'\n') {
                if (!lineBreak) problems.push_back(problemAt(rec.row, column, CsvProblemKind::LineBreak));
                lineBreak = true;
                continue;
            }
            const std::optional<std::string>& b = cached.encode(c);
            CsvProblemKind why = CsvProblemKind::NoCode;
            if (b && b->size() == 2 &&
                takenTitleJis(static_cast<std::uint16_t>(static_cast<unsigned char>((*b)[0]) << 8 |
                                                         static_cast<unsigned char>((*b)[1]))) != 0) {
                bytes += *b;
                continue;
            }
            if (b) why = CsvProblemKind::Refused;
            if (reported.find(c) == std::u32string::npos) {
                reported += c;
                problems.push_back(problemAt(rec.row, column, why, c));
            }
            bytes += "\x81\x40";  // keeps the length check honest
        }
        if (bytes.size() > maxBytes)
            problems.push_back(problemAt(rec.row, column, CsvProblemKind::TooLong, 0, {}, static_cast<int>(maxBytes / 2)));
        if (page && line && problems.empty()) result.rows.push_back({*page - 1, *line - 1, std::move(bytes)});
    }
    if (!problems.empty()) result.rows.clear();
    if (problems.size() > kCsvProblemsListed) {
        const int more = static_cast<int>(problems.size() - kCsvProblemsListed);
        problems.resize(kCsvProblemsListed);
        problems.push_back(problemAt(0, 0, CsvProblemKind::More, 0, {}, more));
    }
    return result;
}

int applyTitleRows(SettingsModel& m, Product p, const std::vector<TitleCsvRow>& rows) {
    int changed = 0;
    for (const TitleCsvRow& r : rows) {
        if (r.page < 0 || r.page >= kPages || r.line < 0 || r.line >= kLines) continue;
        if (p == Product::Single) {
            auto& cell = m.singleTitleText[r.page];
            if (cellText(cell) == r.bytes) continue;
            setCell(cell, r.bytes);
        } else {
            auto& cell = m.titleText[r.page][r.line];
            if (cellText(cell) == r.bytes) continue;
            setCell(cell, r.bytes);
        }
        ++changed;
    }
    return changed;
}

}  // namespace vrq
