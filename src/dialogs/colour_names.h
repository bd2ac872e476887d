#pragma once
// The device's nine colours as the colour dialogs of both programs name them.

#include <QString>
#include <QStringList>

namespace vrq {

QStringList colourItems();
// A colour's name padded with full-width spaces so the next column lines up
// (the English is padded alike); empty for a code out of range.
QString colourCell(int code);
QString unknownColourCell();

}  // namespace vrq
