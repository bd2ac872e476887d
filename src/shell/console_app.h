#pragma once
// Start-up of either program: instance guard, model, configuration, main
// window, serial link, then the event loop.

#include "model/settings_model.h"

namespace vrq {

int runConsole(Product product, int argc, char** argv);

}  // namespace vrq
