#pragma once
// send-changes --dry-run: what a send-changes would send, named as the
// operator knows it, with the settings that differ; no device is needed.

#include <iosfwd>

#include "ctl/ctl_options.h"

namespace vrq::ctl {

// 0 listed (also when nothing differs), 2 a document cannot be read.
int runChangesDryRun(const Options& o, std::ostream& out, std::ostream& err);

}  // namespace vrq::ctl
