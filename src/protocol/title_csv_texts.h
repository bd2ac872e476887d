#pragma once
// What the operator reads about a spreadsheet import, the same texts for the
// consoles and vrqctl, each shown in the operator's language.

#include <string>

#include "model/message.h"
#include "protocol/title_csv.h"

namespace vrq {

// "3行目・3列目：「☃」（U+2603）はシフトJISにない文字です"
Message csvProblemMessage(const CsvProblem& p, Product product);
// How many problems a refused file had, counting those behind "ほかに".
std::size_t csvProblemCount(const std::vector<CsvProblem>& problems);
Text csvEncodingText(CsvEncoding e);
// The summary of a taken file, `path` on its last line.
Message csvImportSummary(const TitleCsvImport& imp, int changed, const std::string& path);

}  // namespace vrq
