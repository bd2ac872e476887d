#include "shell/icons.h"

#include <initializer_list>

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "variants/commands.h"

namespace vrq {

namespace {

const char* pictogramFor(int command) {
    switch (command) {
        case cmd::kDateTime: return "clock";
        case cmd::kTitle: return "title";
        case cmd::kCharSize: return "char-size";
        case cmd::kLineSpacing: return "line-spacing";
        case cmd::kBlink: return "blink";
        case cmd::kAutoSwitch: return "auto-switch";
        case cmd::kColour: return "colour";
        case cmd::kFill: return "fill";
        case cmd::kCharLevel: return "level";
        case cmd::kSchedule: return "schedule";
        case cmd::kAlarm: return "alarm";
        case cmd::kRemote: return "remote";
        case cmd::kOther: return "other";
        case cmd::kDisplayPage: return "display-page";
        case cmd::kDisplayPosition: return "display-position";
        case cmd::kDisplayOffset: return "display-offset";
        case cmd::kScrollSpeed: return "scroll-speed";
        default: return nullptr;
    }
}

// Drawn from the SVG at the sizes toolbars and menus ask for, so no image
// plugin is needed and small sizes stay sharp.
QIcon fromSvg(const QString& path, std::initializer_list<int> sides) {
    QSvgRenderer svg(path);
    if (!svg.isValid()) return {};
    QIcon icon;
    for (int side : sides) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        svg.render(&p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace

QIcon commandIcon(int command) {
    const char* name = pictogramFor(command);
    return name ? fromSvg(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(name)), {16, 20, 24, 32, 48, 64})
                : QIcon();
}

QIcon appIcon(Product p) {
    const QString name = p == Product::Single ? QStringLiteral("vrq700s") : QStringLiteral("vrq700");
    return fromSvg(QStringLiteral(":/appicons/%1.svg").arg(name), {16, 24, 32, 48, 64, 128});
}

}  // namespace vrq
