#pragma once
// JIS X 0208 <-> Shift-JIS code arithmetic (the code page 932 rule). Titles
// travel as JIS codes; the model and files keep Shift-JIS bytes.

#include <cstdint>

namespace vrq {

inline constexpr std::uint16_t kJisFullWidthSpace = 0x2121;

// A JIS code whose row or cell lies outside 0x21..0x7E converts to 0.
inline std::uint16_t jisToSjis(std::uint16_t jis) {
    const int j1 = jis >> 8, j2 = jis & 0xFF;
    if (j1 < 0x21 || j1 > 0x7E || j2 < 0x21 || j2 > 0x7E) return 0;
    const int s1 = ((j1 + 1) >> 1) + (j1 < 0x5F ? 0x70 : 0xB0);
    const int s2 = j2 + ((j1 & 1) ? (j2 > 0x5F ? 0x20 : 0x1F) : 0x7E);
    return static_cast<std::uint16_t>((s1 << 8) | s2);
}

// A double-byte Shift-JIS code to its JIS code; 0 when the bytes are no
// Shift-JIS pair (lead 0x81..0x9F / 0xE0..0xEF, trail 0x40..0xFC but 0x7F).
inline std::uint16_t sjisToJis(std::uint16_t sjis) {
    const int s1 = sjis >> 8, s2 = sjis & 0xFF;
    const bool lead = (s1 >= 0x81 && s1 <= 0x9F) || (s1 >= 0xE0 && s1 <= 0xEF);
    if (!lead || s2 < 0x40 || s2 > 0xFC || s2 == 0x7F) return 0;
    const int adjust = s2 < 0x9F ? 1 : 0;
    const int rowOffset = s1 < 0xA0 ? 0x70 : 0xB0;
    const int cellOffset = adjust ? (s2 > 0x7F ? 0x20 : 0x1F) : 0x7E;
    const int j1 = ((s1 - rowOffset) << 1) - adjust;
    const int j2 = s2 - cellOffset;
    return static_cast<std::uint16_t>((j1 << 8) | j2);
}

}  // namespace vrq
