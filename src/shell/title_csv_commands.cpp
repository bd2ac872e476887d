#include "shell/title_csv_commands.h"

#include <QFileDialog>
#include <filesystem>

#include "dialogs/title_csv_dialog.h"
#include "link/title_char_codec.h"
#include "link/ui_language.h"
#include "model/product_names.h"
#include "model/safe_file.h"
#include "model/settings_file.h"
#include "protocol/notifier.h"
#include "protocol/title_csv_texts.h"

namespace vrq {

namespace {

// The first filter is the one chosen when the dialog opens.
QString csvFilters() { return render(VRQ_TEXT("TitleCsv", "CSV(*.csv);;すべて(*.*)")); }

}  // namespace

std::string QtTitleCsvUi::chooseCsvToRead() {
    const QString filters = csvFilters();
    QString filter = filters.section(QStringLiteral(";;"), 0, 0);
    return QFileDialog::getOpenFileName(parent_, render(VRQ_TEXT("TitleCsv", "タイトルの読み込み（CSV）")), QString(),
                                        filters, &filter)
        .toStdString();
}

std::string QtTitleCsvUi::chooseCsvToWrite() {
    const QString filters = csvFilters();
    QString filter = filters.section(QStringLiteral(";;"), 0, 0);
    return QFileDialog::getSaveFileName(parent_, render(VRQ_TEXT("TitleCsv", "タイトルの書き出し（CSV）")), QString(),
                                        filters, &filter)
        .toStdString();
}

void QtTitleCsvUi::showProblems(const std::vector<CsvProblem>& problems, Product product, const std::string& path) {
    TitleCsvProblemsDialog dialog(problems, product, path, parent_);
    dialog.exec();
}

bool TitleCsvCommands::exportTitles() {
    if (c_.reply.runActive) return false;
    std::string path = ui_.chooseCsvToWrite();
    if (path.empty()) return false;
    if (std::filesystem::u8path(path).extension().empty()) {
        path += ".csv";
        // The file dialog asked about the name as typed, not about this one.
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::u8path(path), ec) && c_.notifier &&
            !c_.notifier->ask(Message::plain(productTitle(c_.product)), overwriteQuestion(path)))
            return false;
    }
    const std::string csv = exportTitlesCsv(c_.settings, c_.product, titleCharCodec());
    if (const FileResult r = writeFileAtomically(path, csv); !r) {
        if (c_.notifier) showError(*c_.notifier, fileProblemText(r, path, true));
        return false;
    }
    const int titles = c_.single() ? kPages : kPages * kLines;
    if (c_.notifier)
        showSuccess(*c_.notifier, Message(VRQ_TEXT_N("TitleCsv", "%n件のタイトルをCSVファイルに書き出しました。\n%1"))
                                      .count(titles)
                                      .arg(path));
    return true;
}

bool TitleCsvCommands::importTitles() {
    if (c_.reply.runActive) return false;
    const std::string path = ui_.chooseCsvToRead();
    if (path.empty()) return false;
    std::string bytes;
    if (const FileResult r = readRegularFile(path, kTitleCsvSizeCap, bytes); !r) {
        if (c_.notifier) showError(*c_.notifier, fileProblemText(r, path, false));
        return false;
    }
    const TitleCsvImport imp = readTitlesCsv(bytes, c_.product, titleCharCodec());
    if (!imp) {
        ui_.showProblems(imp.problems, c_.product, path);
        return false;
    }
    const int changed = applyTitleRows(c_.settings, c_.product, imp.rows);
    // The title editor reads the model when it opens: the new titles are there.
    noteDocumentChanges(c_);
    if (c_.notifier) showSuccess(*c_.notifier, csvImportSummary(imp, changed, path));
    return true;
}

}  // namespace vrq
