#pragma once
// vrqctl's work: one link, then one command, a send-all or a read-all run,
// on the same core as the console programs.

#include <iosfwd>
#include <string>

#include "ctl/ctl_options.h"

namespace vrq::ctl {

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

// Needs a running Qt application object. `out` gets answers, `err` notices
// and progress.
int runCtl(const Options& o, std::ostream& out, std::ostream& err);

}  // namespace vrq::ctl
