#include "dialogs/title_csv_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "dialogs/ui_text.h"

namespace vrq {

namespace {

// The character itself, empty for a control character; its code beside it.
QString shownChar(char32_t ch) {
    if (ch < 0x20 || ch == 0x7F || (ch >= 0x80 && ch < 0xA0)) return {};
    return QString::fromUcs4(&ch, 1);
}

QString codeOf(char32_t ch) {
    return QStringLiteral("U+") + QStringLiteral("%1").arg(static_cast<uint>(ch), 4, 16, QLatin1Char('0')).toUpper();
}

const char* headerOf(Product p) { return p == Product::Single ? "page,title" : "page,line,title"; }

}  // namespace

QString csvProblemText(const CsvProblem& p, Product product) {
    if (p.kind == CsvProblemKind::More) return uiText("ほかに%1件の問題があります").arg(p.limit);
    const QString where = p.column > 0 ? uiText("%1行目・%2列目：").arg(p.row).arg(p.column)
                                       : uiText("%1行目：").arg(p.row);
    const QString cell = plainText(p.cell);
    const Product other = product == Product::Single ? Product::Multi : Product::Single;
    QString why;
    switch (p.kind) {
    case CsvProblemKind::NotText: why = uiText("UTF-8またはシフトJISのテキストではありません"); break;
    case CsvProblemKind::NoHeader: why = uiText("見出しの行（%1）がありません").arg(headerOf(product)); break;
    case CsvProblemKind::OtherModel: why = uiText("別の機種の見出しです（%1）").arg(headerOf(other)); break;
    case CsvProblemKind::UnclosedQuote: why = uiText("「\"」で始まるセルが閉じていません"); break;
    case CsvProblemKind::MissingCell: why = uiText("セルが足りません"); break;
    case CsvProblemKind::ExtraCell: why = uiText("タイトルの後にもセルがあります（「,」を含むタイトルは「\"」で囲みます）"); break;
    case CsvProblemKind::NotNumber: why = uiText("「%1」は数字ではありません").arg(cell); break;
    case CsvProblemKind::PageRange: why = uiText("ページ%1は1～512の範囲にありません").arg(cell); break;
    case CsvProblemKind::LineRange: why = uiText("ライン%1は1～10の範囲にありません").arg(cell); break;
    case CsvProblemKind::Duplicate: why = uiText("%1行目と同じタイトルです").arg(p.limit); break;
    case CsvProblemKind::LineBreak: why = uiText("タイトルに改行があります"); break;
    case CsvProblemKind::NoCode: why = uiText("「%1」（%2）はシフトJISにない文字です").arg(shownChar(p.ch), codeOf(p.ch)); break;
    case CsvProblemKind::Refused: why = uiText("「%1」（%2）は機器が表示できない文字です").arg(shownChar(p.ch), codeOf(p.ch)); break;
    case CsvProblemKind::TooLong: why = uiText("タイトルは%1文字までです").arg(p.limit); break;
    case CsvProblemKind::More: break;
    }
    return where + why;
}

std::string csvImportSummary(const TitleCsvImport& imp, int changed, const std::string& path) {
    const char* encoding = imp.encoding == CsvEncoding::CodePage932 ? "シフトJIS（CP932）"
                           : imp.encoding == CsvEncoding::Utf8WithMark ? "UTF-8（BOM付き）"
                                                                       : "UTF-8";
    // One template a line: each is translated as a whole with its number.
    return uiText("CSVファイルからタイトルを読み込みました。").toStdString() + "\n" +
           uiText("変更したタイトル：%1件").arg(changed).toStdString() + "\n" +
           uiText("全角にした文字：%1字").arg(imp.converted).toStdString() + "\n" +
           uiText("文字コード：%1").arg(uiText(encoding)).toStdString() + "\n" + path;
}

TitleCsvProblemsDialog::TitleCsvProblemsDialog(const std::vector<CsvProblem>& problems, Product product,
                                               const std::string& path, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText("タイトルの読み込み（CSV）"));
    auto* layout = new QVBoxLayout(this);
    auto* head = new QLabel(uiText("次の問題があるため読み込みませんでした。タイトルは変わっていません。") +
                                QStringLiteral("\n") + plainText(path),
                            this);
    head->setWordWrap(true);
    layout->addWidget(head);
    auto* list = new QPlainTextEdit(this);
    list->setObjectName(QStringLiteral("problemList"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const CsvProblem& p : problems) lines << csvProblemText(p, product);
    list->setPlainText(lines.join(QLatin1Char('\n')));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(640, 360);
}

}  // namespace vrq
