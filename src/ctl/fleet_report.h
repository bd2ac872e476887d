#pragma once
// What vrqctl prints about many devices and about documents that differ:
// the summary table or JSON, and the offline diff of two documents.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "ctl/ctl_options.h"
#include "model/document_diff.h"

namespace vrq::ctl {

struct DeviceRow {
    std::string name;
    std::string file;     // read-all: the document written
    int rc = -1;          // -1 while it runs
    std::string reason;   // why it failed
    std::string percent;  // progress of the run under way
    double seconds = 0;
    DocumentDiff diff;    // verify
};

// A name that can be a file name: "192.0.2.10_9004", "ttyUSB0_05".
std::string deviceName(const Device& d);
// Shift-JIS as UTF-8 for a terminal or JSON; bytes that do not decode as \xNN.
std::string shownText(std::string_view shiftJis);
// "ok", "failed", "differs" or "running".
std::string resultText(const Options& o, const DeviceRow& r);

// Each difference on a line behind `prefix`; `first`/`second` name the two
// sides: document and device, or A and B.
void printDifferences(const DocumentDiff& diff, const std::string& prefix, const char* first, const char* second,
                      std::ostream& out);

// The summary table, then each difference; or all of it as one JSON object.
void printSummary(const Options& o, const std::vector<DeviceRow>& rows, std::ostream& out);

// diff A B: 0 the same, 1 they differ, 2 a document cannot be read.
int runDiff(const Options& o, std::ostream& out, std::ostream& err);

}  // namespace vrq::ctl
