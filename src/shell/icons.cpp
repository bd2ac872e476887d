#include "shell/icons.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace vrq {

QIcon toolIcon(const QString& text, int index, int width, int height) {
    // A distinct hue per button keeps neighbours apart at a glance.
    const QColor fill = QColor::fromHsv((index * 47) % 360, 90, 235);
    QPixmap pm(width * 2, height * 2);
    pm.setDevicePixelRatio(2.0);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(170), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 4, 4);
    QFont f = p.font();
    f.setPixelSize(height - 7);
    f.setBold(true);
    p.setFont(f);
    p.setPen(fill.darker(260));
    p.drawText(QRectF(0, 0, width, height), Qt::AlignCenter, text);
    return QIcon(pm);
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
