// Titles to a spreadsheet file and back, with the console's own code page
// conversion: what goes out comes back byte for byte, and what a spreadsheet
// writes comes in as the Shift-JIS the device takes.
#include <gtest/gtest.h>

#include "link/title_char_codec.h"
#include "model/console.h"
#include "model/text_cell.h"
#include "protocol/title_chars.h"
#include "protocol/title_csv.h"

namespace vrq {
namespace {

const TitleCharCodec& codec() { return titleCharCodec(); }

// Kanji, kana, a comma and a quote, and every kind of code that has no
// character of its own: gaps of rows 2 and 9 (placeholders), NEC row 13 and
// its twin, an NEC-selected kanji and its IBM twin, a small roman numeral.
const char* const kVaried[] = {
    "\x93\x8c\x8b\x9e\x81\x40\x90\xb0\x82\xea",  // 東京　晴れ
    "\x81\x43\x81\x68\x81\x68\x81\x43",          // ，””， (full-width comma, quotes)
    "\x81\xad\x85\x40",                          // row 2 gap, row 9
    "\x87\x40\x87\x90\x81\xe0",                  // ① ≒(row 13) ≒(row 2)
    "\xed\x40\xfa\x5c\xfa\x40\xee\xef",          // 纊 twice, ⅰ twice
    "",
};

TEST(TitleCsv, EveryTitleRoundTripsByteForByteInBothModels) {
    for (const Product p : {Product::Multi, Product::Single}) {
        auto a = makeConsole(p);
        int k = 0;
        for (int page = 0; page < kPages; page += 7) {
            if (p == Product::Single) {
                setCell(a->settings.singleTitleText[page], std::string(kVaried[k % 6]) + kVaried[(k + 1) % 6]);
                ++k;
            } else {
                for (int line = 0; line < kLines; line += 3) setCell(a->settings.titleText[page][line], kVaried[k++ % 6]);
            }
        }
        if (p == Product::Multi) setCell(a->settings.titleText[511][9], "\x82\xa0\x82");  // damaged: a lead byte alone
        const std::string csv = exportTitlesCsv(a->settings, p, codec());
        ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
        const int rows = p == Product::Single ? kPages : kPages * kLines;
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), rows + 1);
        EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);

        if (p == Product::Multi) {
            EXPECT_EQ(csv.substr(3, 17), "page,line,title\r\n");
            EXPECT_NE(csv.find("\r\n1,4,\xEF\xBC\x8C\xE2\x80\x9D\xE2\x80\x9D\xEF\xBC\x8C\r\n"), std::string::npos);
            EXPECT_NE(csv.find("\r\n512,10,\xE3\x81\x82\xEF\xBF\xBD\r\n"), std::string::npos);
            setCell(a->settings.titleText[511][9], "");
        } else {
            EXPECT_EQ(csv.substr(3, 12), "page,title\r\n");
        }
        const std::string clean = exportTitlesCsv(a->settings, p, codec());
        auto b = makeConsole(p);
        const TitleCsvImport imp = readTitlesCsv(clean, p, codec());
        ASSERT_TRUE(imp) << imp.problems.front().row << " " << static_cast<int>(imp.problems.front().kind);
        EXPECT_EQ(imp.encoding, CsvEncoding::Utf8WithMark);
        EXPECT_EQ(imp.converted, 0);
        EXPECT_EQ(static_cast<int>(imp.rows.size()), rows);
        applyTitleRows(b->settings, p, imp.rows);
        EXPECT_TRUE(a->settings.titleText == b->settings.titleText);
        EXPECT_TRUE(a->settings.singleTitleText == b->settings.singleTitleText);
        EXPECT_EQ(applyTitleRows(b->settings, p, imp.rows), 0);
    }
}

std::string titleOf(std::string_view file, Product p = Product::Multi, int page = 0, int line = 0) {
    const TitleCsvImport imp = readTitlesCsv(file, p, codec());
    EXPECT_TRUE(imp) << file;
    auto c = makeConsole(p);
    applyTitleRows(c->settings, p, imp.rows);
    return std::string(p == Product::Single ? cellText(c->settings.singleTitleText[page])
                                            : cellText(c->settings.titleText[page][line]));
}

TEST(TitleCsv, FilesAsSpreadsheetsWriteThem) {
    // 東京,"大阪" with a doubled quote, as UTF-8 with and without the mark, CP932, CR LF and LF.
    const std::string want = "\x93\x8c\x8b\x9e\x81\x43\x91\xe5\x8d\xe3\xfa\x57";  // 東京，大阪＂
    const std::string utf8Row = "\"\xE6\x9D\xB1\xE4\xBA\xAC,\xE5\xA4\xA7\xE9\x98\xAA\"\"\"";
    const std::string sjisRow = "\"\x93\x8c\x8b\x9e,\x91\xe5\x8d\xe3\"\"\"";
    for (const char* eol : {"\r\n", "\n"}) {
        for (const std::string& file :
             {"\xEF\xBB\xBF" "Page,Line,Title" + std::string(eol) + "1,1," + utf8Row + eol,
              "page,line,title" + std::string(eol) + "1,1," + utf8Row,
              "page,line,title" + std::string(eol) + "1,1," + sjisRow + eol}) {
            EXPECT_EQ(titleOf(file), want);
        }
    }
    EXPECT_EQ(readTitlesCsv("page,line,title\n1,1," + sjisRow, Product::Multi, codec()).encoding,
              CsvEncoding::CodePage932);
    // A title with a line break in a quoted cell refuses; the next row is numbered as the spreadsheet shows it.
    const TitleCsvImport broken = readTitlesCsv("page,line,title\n1,1,\"a\nb\"\n1,0,x\n", Product::Multi, codec());
    ASSERT_EQ(broken.problems.size(), 2u);
    EXPECT_EQ(broken.problems[0].kind, CsvProblemKind::LineBreak);
    EXPECT_EQ(broken.problems[1].row, 3);
    // Rows absent keep their titles, an empty cell clears, an empty row of the range is skipped.
    auto c = makeConsole(Product::Multi);
    setCell(c->settings.titleText[0][0], "\x82\xa0");
    setCell(c->settings.titleText[0][1], "\x82\xa0");
    const TitleCsvImport partial = readTitlesCsv("page,line,title\r\n1,2,\r\n,,\r\n512,10,\xEF\xBD\xB1\r\n", Product::Multi, codec());
    ASSERT_TRUE(partial);
    EXPECT_EQ(applyTitleRows(c->settings, Product::Multi, partial.rows), 2);
    EXPECT_EQ(cellText(c->settings.titleText[0][0]), "\x82\xa0");
    EXPECT_EQ(cellText(c->settings.titleText[0][1]), "");
    EXPECT_EQ(cellText(c->settings.titleText[511][9]), "\x83\x41");  // ｱ -> ア
    std::string full;
    for (int i = 0; i < 280; ++i) full += "\x82\x81";  // ａ
    EXPECT_EQ(titleOf("page,title\n512," + std::string(280, 'a') + "\n", Product::Single, 511), full);
}

TEST(TitleCsv, HalfWidthBecomesFullWidthAndVariantsAreTaken) {
    // "AB c~" ｶﾞｷﾞﾊﾟｳﾞｯﾜﾞｰ
    const std::string half = "AB c~\xEF\xBD\xB6\xEF\xBE\x9E\xEF\xBD\xB7\xEF\xBE\x9E\xEF\xBE\x8A\xEF\xBE\x9F"
                             "\xEF\xBD\xB3\xEF\xBE\x9E\xEF\xBD\xAF\xEF\xBE\x9C\xEF\xBE\x9E\xEF\xBD\xB0";
    const TitleCsvImport imp = readTitlesCsv("page,line,title\n3,4," + half + "\n", Product::Multi, codec());
    ASSERT_TRUE(imp);
    EXPECT_EQ(imp.converted, 13);
    EXPECT_EQ(imp.rows[0].page, 2);
    EXPECT_EQ(imp.rows[0].line, 3);
    EXPECT_EQ(imp.rows[0].bytes,
              "\x82\x60\x82\x61\x81\x40\x82\x83\x81\x60"   // ＡＢ　ｃ～
              "\x83\x4b\x83\x4d\x83\x70\x83\x94\x83\x62"   // ガギパヴッ
              "\x83\x8f\x81\x4a\x81\x5b");                 // ワ゛ー (no voiced wa in the code page)
    // 〜 − ‖ as input methods type them are the code page's ～ － ∥.
    EXPECT_EQ(titleOf("page,line,title\n1,1,\xE3\x80\x9C\xE2\x88\x92\xE2\x80\x96\n"), "\x81\x60\x81\x7c\x81\x61");
}

struct Refusal {
    std::string file;
    int row, column;
    CsvProblemKind kind;
};

TEST(TitleCsv, EveryRefusalNamesItsRowAndKeepsNothing) {
    const std::string head = "page,line,title\n";
    const std::string tooLong = "1,1," + std::string(29, 'x') + "\n";
    const char32_t row94 = titlePlaceholder(0xEFFC);  // JIS 7E7E: the device keeps no row 93/94 code
    const Refusal cases[] = {
        {head + "1,1," + QString::fromUcs4(&row94, 1).toStdString() + "\n", 2, 3, CsvProblemKind::Refused},
        {"page,line,title\n1,1,a\n0,1,b\n", 3, 1, CsvProblemKind::PageRange},
        {"page,line,title\n513,1,b\n", 2, 1, CsvProblemKind::PageRange},
        {"page,line,title\n1,11,b\n", 2, 2, CsvProblemKind::LineRange},
        {"page,line,title\nx,1,b\n", 2, 1, CsvProblemKind::NotNumber},
        {"page,line,title\n1,1,\xE2\x98\x83\n", 2, 3, CsvProblemKind::NoCode},       // ☃
        {"page,line,title\n1,1,\xEE\x80\x80\n", 2, 3, CsvProblemKind::Refused},      // user-defined area
        {"page,line,title\n1,1,\t\n", 2, 3, CsvProblemKind::Refused},
        {"1,1,a\n2,1,b\n", 1, 0, CsvProblemKind::NoHeader},
        {"", 1, 0, CsvProblemKind::NoHeader},
        {"page,title\n1,a\n", 1, 0, CsvProblemKind::OtherModel},
        {"page,line,title\n1,1,a,b\n", 2, 4, CsvProblemKind::ExtraCell},
        {"page,line,title\n1,1\n", 2, 3, CsvProblemKind::MissingCell},
        {"page,line,title\n1,1,a\n2,1,b\n1,1,c\n", 4, 1, CsvProblemKind::Duplicate},
        {"page,line,title\n1,1,\"a\n", 2, 3, CsvProblemKind::UnclosedQuote},
        {std::string("page,line,title\n1,1,a\0\n", 23), 2, 0, CsvProblemKind::NotText},
        {"page,line,title\n\n1,1,\x82\n", 3, 0, CsvProblemKind::NotText},            // lone lead byte
    };
    for (const Refusal& r : cases) {
        const TitleCsvImport imp = readTitlesCsv(r.file, Product::Multi, codec());
        ASSERT_FALSE(imp.problems.empty()) << r.file;
        EXPECT_TRUE(imp.rows.empty()) << r.file;
        const CsvProblem& p = imp.problems.back();
        EXPECT_EQ(p.kind, r.kind) << r.file;
        EXPECT_EQ(p.row, r.row) << r.file;
        EXPECT_EQ(p.column, r.column) << r.file;
    }
    const TitleCsvImport longRow = readTitlesCsv(head + tooLong, Product::Multi, codec());
    ASSERT_EQ(longRow.problems.size(), 1u);
    EXPECT_EQ(longRow.problems[0].kind, CsvProblemKind::TooLong);
    EXPECT_EQ(longRow.problems[0].limit, 28);
    EXPECT_TRUE(readTitlesCsv(head + "1,1," + std::string(28, 'x') + "\n", Product::Multi, codec()));
    // Every problem of a file is listed, not just the first; a flood of them is cut short.
    EXPECT_EQ(readTitlesCsv(head + "0,1,a\n1,0,\xE2\x98\x83\xE2\x98\x83\n", Product::Multi, codec()).problems.size(), 3u);
    std::string flood = head;
    for (int i = 0; i < 1500; ++i) flood += "0,1,a\n";
    const TitleCsvImport many = readTitlesCsv(flood, Product::Multi, codec());
    ASSERT_EQ(many.problems.size(), kCsvProblemsListed + 1);
    EXPECT_EQ(many.problems.back().kind, CsvProblemKind::More);
    EXPECT_EQ(many.problems.back().limit, 500);
    const TitleCsvImport commas = readTitlesCsv(head + "1,1,a" + std::string(1 << 20, ','), Product::Multi, codec());
    ASSERT_EQ(commas.problems.size(), 1u);
    EXPECT_EQ(commas.problems[0].kind, CsvProblemKind::ExtraCell);
}

}  // namespace
}  // namespace vrq
