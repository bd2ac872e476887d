#include "sim/sim_device.h"
#include "sim/sim_fields.h"

namespace vrq::sim {

void addDeviceCommands(CommandTable&, Product) {}

}  // namespace vrq::sim
