#pragma once
// The two status-bar texts of the main window.

#include <string>

namespace vrq {

// "%4d年%2d月%2d日" padded with blanks and cut after 16 Shift-JIS bytes, then the
// weekday name (0 = Sunday).
std::string clockDateText(int year, int month, int day, int weekday);
// "%02d：%02d：%02d" with full-width colons.
std::string clockTimeText(int hour, int minute, int second);

}  // namespace vrq
