#pragma once
// The console's own icons, drawn at start-up so nothing external is needed.

#include <QIcon>
#include <QString>

namespace vrq {

QIcon toolIcon(const QString& text, int index, int width, int height);
QIcon appIcon();

}  // namespace vrq
