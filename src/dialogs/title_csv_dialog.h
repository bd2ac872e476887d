#pragma once
// What the operator reads about a spreadsheet import: the summary and the
// list of refused rows.

#include <QDialog>
#include <string>
#include <vector>

#include "protocol/title_csv.h"

namespace vrq {

// "3行目・3列目：「☃」（U+2603）はシフトJISにない文字です", in the chosen language.
QString csvProblemText(const CsvProblem& p, Product product);
// The summary as one Japanese text, translated where it is shown.
std::string csvImportSummary(const TitleCsvImport& imp, int changed, const std::string& path);

// Every problem of a refused import, one a line, in a list that scrolls.
class TitleCsvProblemsDialog : public QDialog {
public:
    TitleCsvProblemsDialog(const std::vector<CsvProblem>& problems, Product product, const std::string& path,
                           QWidget* parent = nullptr);
};

}  // namespace vrq
