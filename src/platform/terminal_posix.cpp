#include "platform/terminal.h"

#include <unistd.h>

namespace vrq::platform {

bool standardErrorIsTerminal() { return ::isatty(2) != 0; }

}  // namespace vrq::platform
