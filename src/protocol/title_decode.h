#pragma once
// The title read-back: 280 JIS X 0208 codes in 1120 hexadecimal digits, turned
// into the Shift-JIS text the model keeps.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/settings_model.h"

namespace vrq {

inline constexpr std::size_t kTitleCodes = 280;
inline constexpr std::size_t kTitleHexDigits = kTitleCodes * 4;
inline constexpr std::size_t kTitleTextBytes = kTitleCodes * 2;  // 560

// Decodes the first 1120 digits of `hex` (the caller checks there are that
// many) into 560 bytes of Shift-JIS: trailing full-width spaces are dropped
// and the rest of the 560 bytes is NUL.
std::string decodeTitleHex(std::string_view hex);

// Multi-line page: 56 bytes of the decoded text per line into the ten cells.
void storeTitleLines(SettingsModel& s, int page, std::string_view decoded);
// Single-line page: the whole decoded text is the page's one title.
void storeSingleTitle(SettingsModel& s, int page, std::string_view decoded);

}  // namespace vrq
