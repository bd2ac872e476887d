#include "shell/icons.h"

#include <QColor>
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

}  // namespace

// Drawn from the SVG at the sizes toolbars and menus ask for, so no image
// plugin is needed and small sizes stay sharp.
QIcon commandIcon(int command) {
    const char* name = pictogramFor(command);
    if (!name) return {};
    QSvgRenderer svg(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(name)));
    if (!svg.isValid()) return {};
    QIcon icon;
    for (int side : {16, 20, 24, 32, 48, 64}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        svg.render(&p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QIcon appIcon() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(20, 40, 90));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 10, 60, 44), 6, 6);
    p.setBrush(QColor(250, 250, 250));
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(10, 20 + i * 9, 44 - i * 10, 4));
    return QIcon(pm);
}

}  // namespace vrq
