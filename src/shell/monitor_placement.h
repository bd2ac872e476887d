#pragma once
// Where the traffic monitor opens: where the operator last left it (kept in
// the ini file), or beside the main window rather than over it.

#include <optional>
#include <string>
#include <string_view>

#include <QRect>

namespace vrq {

inline constexpr std::string_view kMonitorGeometryKey = "monitor_geometry";

// Right of the window if it fits on the screen, else left of it, else below
// it; always inside `screen`.
QRect monitorBeside(const QRect& window, const QSize& size, const QRect& screen);

// "x,y,width,height" as written by geometryText; nothing for a damaged value
// or one that would put the monitor off the screen.
std::optional<QRect> savedMonitorGeometry(std::string_view text, const QRect& screen);
std::string geometryText(const QRect& r);

}  // namespace vrq
