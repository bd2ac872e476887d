#pragma once
// vrqctl's work: one device as the console programs do it, several devices
// side by side, or two documents compared offline.

#include <iosfwd>

#include "ctl/ctl_options.h"
#include "ctl/device_run.h"

namespace vrq::ctl {

// Needs a running Qt application object. `out` gets answers and results,
// `err` notices and progress.
int runCtl(const Options& o, std::ostream& out, std::ostream& err);

}  // namespace vrq::ctl
