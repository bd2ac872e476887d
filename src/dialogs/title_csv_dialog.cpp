#include "dialogs/title_csv_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "link/ui_language.h"
#include "protocol/title_csv_texts.h"

namespace vrq {

TitleCsvProblemsDialog::TitleCsvProblemsDialog(const std::vector<CsvProblem>& problems, Product product,
                                               const std::string& path, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("タイトルの読み込み（CSV）"));
    auto* layout = new QVBoxLayout(this);
    auto* head = new QLabel(tr("次の問題があるため読み込みませんでした。タイトルは変わっていません。\n%1")
                                .arg(QString::fromStdString(path)),
                            this);
    head->setTextFormat(Qt::PlainText);  // a path is shown as it is
    head->setWordWrap(true);
    layout->addWidget(head);
    auto* list = new QPlainTextEdit(this);
    list->setObjectName(QStringLiteral("problemList"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const CsvProblem& p : problems) lines << vrq::render(csvProblemMessage(p, product));
    list->setPlainText(lines.join(QLatin1Char('\n')));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(640, 360);
}

}  // namespace vrq
