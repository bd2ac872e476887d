#pragma once
// Many devices in one run: TCP/IP devices side by side, the slaves of one
// RS-485 bus one after another (buses side by side), devices that connect
// in the server role as they come. One device failing never holds up another.

#include <iosfwd>

#include "ctl/ctl_options.h"

namespace vrq::ctl {

// Progress goes to `err` (a live table when it is a terminal), the summary to `out`.
int runFleet(const Options& o, std::ostream& out, std::ostream& err);

}  // namespace vrq::ctl
