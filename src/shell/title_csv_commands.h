#pragma once
// ファイル menu: every title to a spreadsheet file and back.

#include <string>
#include <vector>

#include "model/console.h"
#include "protocol/title_csv.h"

class QWidget;

namespace vrq {

// Where the commands meet the operator; tests replace it.
class TitleCsvUi {
public:
    virtual ~TitleCsvUi() = default;
    virtual std::string chooseCsvToRead() = 0;   // empty: cancelled
    virtual std::string chooseCsvToWrite() = 0;  // empty: cancelled; overwriting was confirmed
    virtual void showProblems(const std::vector<CsvProblem>& problems, Product product, const std::string& path) = 0;
};

class QtTitleCsvUi : public TitleCsvUi {
public:
    explicit QtTitleCsvUi(QWidget* parent) : parent_(parent) {}
    std::string chooseCsvToRead() override;
    std::string chooseCsvToWrite() override;
    void showProblems(const std::vector<CsvProblem>& problems, Product product, const std::string& path) override;

private:
    QWidget* parent_;
};

class TitleCsvCommands {
public:
    TitleCsvCommands(Console& c, TitleCsvUi& ui) : c_(c), ui_(ui) {}
    // True when the file was written.
    bool exportTitles();
    // True when the titles were taken; a refused file changes nothing.
    bool importTitles();

private:
    Console& c_;
    TitleCsvUi& ui_;
};

}  // namespace vrq
