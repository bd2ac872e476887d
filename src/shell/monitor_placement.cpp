#include "shell/monitor_placement.h"

#include <algorithm>

#include <QString>
#include <QStringList>

namespace vrq {

namespace {
constexpr int kGap = 8;
}

QRect monitorBeside(const QRect& window, const QSize& size, const QRect& screen) {
    const QSize fit = size.boundedTo(screen.size());
    QRect r(QPoint(window.right() + 1 + kGap, window.top()), fit);
    if (r.right() > screen.right()) r.moveLeft(window.left() - kGap - fit.width());
    if (r.left() < screen.left()) r.moveTopLeft(QPoint(window.left(), window.bottom() + 1 + kGap));
    r.moveLeft(std::clamp(r.left(), screen.left(), screen.right() + 1 - fit.width()));
    r.moveTop(std::clamp(r.top(), screen.top(), screen.bottom() + 1 - fit.height()));
    return r;
}

std::optional<QRect> savedMonitorGeometry(std::string_view text, const QRect& screen) {
    const QStringList parts = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    const QRect r(v[0], v[1], v[2], v[3]);
    // A screen that has since shrunk or gone must not hide the monitor.
    if (v[2] < 200 || v[3] < 120 || !screen.contains(r.topLeft()) || !screen.intersects(r)) return std::nullopt;
    return QRect(r.topLeft(), r.size().boundedTo(screen.size()));
}

std::string geometryText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

}  // namespace vrq
