#include "dialogs/colour_names.h"

#include <QCoreApplication>
#include <iterator>

namespace vrq {

namespace {

const char* const kNames[] = {QT_TRANSLATE_NOOP("Colours", "黒"),       QT_TRANSLATE_NOOP("Colours", "赤"),
                              QT_TRANSLATE_NOOP("Colours", "緑"),       QT_TRANSLATE_NOOP("Colours", "黄"),
                              QT_TRANSLATE_NOOP("Colours", "青"),       QT_TRANSLATE_NOOP("Colours", "マゼンタ"),
                              QT_TRANSLATE_NOOP("Colours", "シアン"),   QT_TRANSLATE_NOOP("Colours", "白"),
                              QT_TRANSLATE_NOOP("Colours", "ブランク")};
const char* const kCells[] = {QT_TRANSLATE_NOOP("Colours", "黒　　　　"), QT_TRANSLATE_NOOP("Colours", "赤　　　　"),
                              QT_TRANSLATE_NOOP("Colours", "緑　　　　"), QT_TRANSLATE_NOOP("Colours", "黄　　　　"),
                              QT_TRANSLATE_NOOP("Colours", "青　　　　"), QT_TRANSLATE_NOOP("Colours", "マゼンタ　"),
                              QT_TRANSLATE_NOOP("Colours", "シアン　　"), QT_TRANSLATE_NOOP("Colours", "白　　　　"),
                              QT_TRANSLATE_NOOP("Colours", "ブランク　")};
static_assert(std::size(kNames) == std::size(kCells));

QString translated(const char* source) { return QCoreApplication::translate("Colours", source); }

}  // namespace

QStringList colourItems() {
    QStringList items;
    for (const char* name : kNames) items << translated(name);
    return items;
}

QString colourCell(int code) {
    return code >= 0 && code < static_cast<int>(std::size(kCells)) ? translated(kCells[code]) : QString();
}

QString unknownColourCell() { return translated(QT_TRANSLATE_NOOP("Colours", "？　　　　")); }

}  // namespace vrq
