#pragma once
// Every title of a document as a spreadsheet file: CSV with a header row,
// one row a title ("page,line,title", single-line model "page,title").
// Written UTF-8 with a byte-order mark and CR LF; read as UTF-8 (mark or not)
// or code page 932, whichever the bytes are. An import is checked as a whole
// before anything changes: one refused row refuses the file.
//
// The code page conversion is the console's own (placeholders for cells
// without Unicode, the input-method variants); it is handed in, as it lives
// with Qt.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/settings_model.h"

namespace vrq {

// A spreadsheet of every title is well under 1 MB.
inline constexpr std::size_t kTitleCsvSizeCap = std::size_t{4} << 20;

struct TitleCharCodec {
    // The code page bytes of one character, nothing when it has none.
    std::function<std::optional<std::string>(char32_t)> encode;
    // The character of one code page character's bytes, nothing when none.
    std::function<std::optional<char32_t>(std::string_view)> decode;
};

// The file: header, then every title in page and line order, empty ones too.
std::string exportTitlesCsv(const SettingsModel& m, Product p, const TitleCharCodec& codec);

enum class CsvEncoding { Utf8, Utf8WithMark, CodePage932 };

enum class CsvProblemKind {
    NotText,         // neither UTF-8 nor code page 932, or holds NUL bytes
    NoHeader,        // first row is not the header of this model
    OtherModel,      // first row is the other model's header
    UnclosedQuote,   // a quoted cell runs to the end of the file
    MissingCell,     // fewer cells than the header
    ExtraCell,       // a cell beyond the title that is not empty
    NotNumber,       // page or line is not a whole number
    PageRange,       // page outside 1..512
    LineRange,       // line outside 1..10
    Duplicate,       // the same title in an earlier row (`limit` holds that row)
    LineBreak,       // a line break inside a title
    NoCode,          // the character has no code page 932 code
    Refused,         // the character is not one the device shows
    TooLong,         // more characters than the line takes (`limit` characters)
    More,            // the list stops here; `limit` more problems were found
};

// A file of nothing but wrong rows is named by its first problems.
inline constexpr std::size_t kCsvProblemsListed = 1000;

struct CsvProblem {
    int row = 0;          // 1 is the header row
    int column = 0;       // 1-based; 0 for the whole row
    CsvProblemKind kind = CsvProblemKind::NotText;
    char32_t ch = 0;      // NoCode, Refused
    std::string cell;     // the cell as read (UTF-8), for NotNumber, ranges
    int limit = 0;
};

struct TitleCsvRow {
    int page = 0;  // 0-based
    int line = 0;  // 0-based; 0 in the single-line model
    std::string bytes;  // Shift-JIS
};

struct TitleCsvImport {
    CsvEncoding encoding = CsvEncoding::Utf8;
    std::vector<TitleCsvRow> rows;      // only when there is no problem
    std::vector<CsvProblem> problems;   // in row order, at most kCsvProblemsListed and a More
    int converted = 0;                  // half-width characters made full-width
    explicit operator bool() const { return problems.empty(); }
};

// Checks every row of `file`; nothing is kept from a file with any problem.
TitleCsvImport readTitlesCsv(std::string_view file, Product p, const TitleCharCodec& codec);

// Sets the titles of the rows; returns how many differ from before.
int applyTitleRows(SettingsModel& m, Product p, const std::vector<TitleCsvRow>& rows);

// Half-width ASCII and katakana as their full-width forms (ｶﾞ -> ガ, one
// character); `converted` counts the characters that changed.
std::u32string fullWidthTitle(std::u32string_view text, int* converted = nullptr);

}  // namespace vrq
