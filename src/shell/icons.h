#pragma once
// The console's icons: one pictogram per setting (data/toolbar/*.svg, in the
// resources), the same in the toolbar and the menus.

#include <QIcon>
#include <QString>

#include "model/product_names.h"

namespace vrq {

// The pictogram of a menu command; a null icon for a command without one.
QIcon commandIcon(int command);
// The program's own icon, as installed in the icon theme.
QIcon appIcon(Product p);

}  // namespace vrq
