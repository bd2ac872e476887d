#pragma once
// vrqctl export-titles and import-titles: the titles of a settings document
// as a spreadsheet file and back, without a device.

#include <iosfwd>
#include <string>

#include "ctl/ctl_options.h"
#include "protocol/title_csv.h"

namespace vrq::ctl {

int runTitleCsv(const Options& o, std::ostream& out, std::ostream& err);

}  // namespace vrq::ctl
