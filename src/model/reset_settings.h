#pragma once

#include "model/console.h"

namespace vrq {

// Restores every default; leaves the link choice, peer list, slave address,
// current file name and the open port or connection as they are.
void resetSettings(Console& c);

}  // namespace vrq
