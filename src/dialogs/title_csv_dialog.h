#pragma once
// The list of refused rows of a spreadsheet import.

#include <QDialog>
#include <string>
#include <vector>

#include "protocol/title_csv.h"

namespace vrq {

// Every problem of a refused import, one a line, in a list that scrolls.
class TitleCsvProblemsDialog : public QDialog {
    Q_OBJECT
public:
    TitleCsvProblemsDialog(const std::vector<CsvProblem>& problems, Product product, const std::string& path,
                           QWidget* parent = nullptr);
};

}  // namespace vrq
