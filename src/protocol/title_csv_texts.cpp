#include "protocol/title_csv_texts.h"

#include <cstdio>

#include "protocol/utf8.h"

namespace vrq {

namespace {

// The character itself, empty for a control character; its code beside it.
std::string shownChar(char32_t ch) {
    if (ch < 0x20 || ch == 0x7F || (ch >= 0x80 && ch < 0xA0)) return {};
    std::string s;
    appendUtf8(s, ch);
    return s;
}

std::string codeOf(char32_t ch) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(ch));
    return buf;
}

const char* headerOf(Product p) { return p == Product::Single ? "page,title" : "page,line,title"; }

Message reason(const CsvProblem& p, Product product) {
    const Product other = product == Product::Single ? Product::Multi : Product::Single;
    switch (p.kind) {
    case CsvProblemKind::NotText: return VRQ_TEXT("TitleCsv", "UTF-8またはシフトJISのテキストではありません");
    case CsvProblemKind::NoHeader:
        return Message(VRQ_TEXT("TitleCsv", "見出しの行（%1）がありません")).arg(headerOf(product));
    case CsvProblemKind::OtherModel:
        return Message(VRQ_TEXT("TitleCsv", "別の機種の見出しです（%1）")).arg(headerOf(other));
    case CsvProblemKind::UnclosedQuote: return VRQ_TEXT("TitleCsv", "「\"」で始まるセルが閉じていません");
    case CsvProblemKind::MissingCell: return VRQ_TEXT("TitleCsv", "セルが足りません");
    case CsvProblemKind::ExtraCell:
        return VRQ_TEXT("TitleCsv", "タイトルの後にもセルがあります（「,」を含むタイトルは「\"」で囲みます）");
    case CsvProblemKind::NotNumber: return Message(VRQ_TEXT("TitleCsv", "「%1」は数字ではありません")).arg(p.cell);
    case CsvProblemKind::PageRange:
        return Message(VRQ_TEXT("TitleCsv", "ページ%1は1～512の範囲にありません")).arg(p.cell);
    case CsvProblemKind::LineRange:
        return Message(VRQ_TEXT("TitleCsv", "ライン%1は1～10の範囲にありません")).arg(p.cell);
    case CsvProblemKind::Duplicate: return Message(VRQ_TEXT("TitleCsv", "%1行目と同じタイトルです")).arg(p.limit);
    case CsvProblemKind::LineBreak: return VRQ_TEXT("TitleCsv", "タイトルに改行があります");
    case CsvProblemKind::NoCode:
        return Message(VRQ_TEXT("TitleCsv", "「%1」（%2）はシフトJISにない文字です")).arg(shownChar(p.ch)).arg(codeOf(p.ch));
    case CsvProblemKind::Refused:
        return Message(VRQ_TEXT("TitleCsv", "「%1」（%2）は機器が表示できない文字です")).arg(shownChar(p.ch)).arg(codeOf(p.ch));
    case CsvProblemKind::TooLong: return Message(VRQ_TEXT("TitleCsv", "タイトルは%1文字までです")).arg(p.limit);
    case CsvProblemKind::More: break;
    }
    return {};
}

}  // namespace

Message csvProblemMessage(const CsvProblem& p, Product product) {
    if (p.kind == CsvProblemKind::More) return Message(VRQ_TEXT_N("TitleCsv", "ほかに%n件の問題があります")).count(p.limit);
    if (p.column > 0)
        return Message(VRQ_TEXT("TitleCsv", "%1行目・%2列目：%3")).arg(p.row).arg(p.column).arg(reason(p, product));
    return Message(VRQ_TEXT("TitleCsv", "%1行目：%2")).arg(p.row).arg(reason(p, product));
}

std::size_t csvProblemCount(const std::vector<CsvProblem>& problems) {
    if (problems.empty()) return 0;
    const CsvProblem& last = problems.back();
    return problems.size() + static_cast<std::size_t>(last.kind == CsvProblemKind::More ? last.limit - 1 : 0);
}

Text csvEncodingText(CsvEncoding e) {
    switch (e) {
    case CsvEncoding::CodePage932: return VRQ_TEXT("TitleCsv", "シフトJIS（CP932）");
    case CsvEncoding::Utf8WithMark: return VRQ_TEXT("TitleCsv", "UTF-8（BOM付き）");
    case CsvEncoding::Utf8: break;
    }
    return VRQ_TEXT("TitleCsv", "UTF-8");
}

Message csvImportSummary(const TitleCsvImport& imp, int changed, const std::string& path) {
    return Message(VRQ_TEXT("TitleCsv",
                            "CSVファイルからタイトルを読み込みました。\n変更したタイトル：%1件\n全角にした文字：%2字\n"
                            "文字コード：%3\n%4"))
        .arg(changed)
        .arg(static_cast<long long>(imp.converted))
        .arg(Message(csvEncodingText(imp.encoding)))
        .arg(path);
}

}  // namespace vrq
