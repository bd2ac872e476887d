#include "protocol/command_line.h"

#include "protocol/codecs.h"

namespace vrq {

void CommandLine::putDec2(std::size_t pos, int v) { putDecimal2(field(pos, 2), v); }

void CommandLine::putDec3(std::size_t pos, int v) { putDecimal3(field(pos, 3), v); }

}  // namespace vrq
