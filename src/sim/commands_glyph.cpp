#include "sim/sim_device.h"
#include "sim/sim_fields.h"

namespace vrq::sim {

void addGlyphCommands(CommandTable&, Product) {}

}  // namespace vrq::sim
