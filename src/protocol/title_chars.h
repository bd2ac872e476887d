#pragma once
// Characters of a title as the operator sees and types them.
//
// Input methods on Linux and macOS type the JIS/Unicode reference forms of a
// few symbols where code page 932 has other code points (the wave dash and
// its fellows); they are taken as the code page's character. ASCII stays
// ASCII: a backslash is not made a full-width one.
//
// Cells the code page cannot show (rows 93/94, gaps in rows 2..15 and 84..88)
// are shown as a private-use character of plane 15 that carries the JIS code
// in its low 16 bits, U+F2121..U+F7E7E, so they survive editing unchanged.

#include <cstdint>

#include "protocol/jis.h"

namespace vrq {

// The code page 932 form of `ch`, or `ch` itself when it has no other form.
constexpr char32_t codePageVariant(char32_t ch) {
    switch (ch) {
        case 0x301C: return 0xFF5E;  // 〜 wave dash -> ～
        case 0x2016: return 0x2225;  // ‖ -> ∥
        case 0x2212: return 0xFF0D;  // − minus -> －
        case 0x00A2: return 0xFFE0;  // ¢ -> ￠
        case 0x00A3: return 0xFFE1;  // £ -> ￡
        case 0x00AC: return 0xFFE2;  // ¬ -> ￢
        case 0x2014: return 0x2015;  // — em dash -> ―
        case 0x00A6: return 0xFFE4;  // ¦ -> ￤
        // The JIS roman forms of 0x5C and 0x7E: the code page has them only
        // full-width.
        case 0x00A5: return 0xFFE5;  // ¥ -> ￥
        case 0x203E: return 0xFFE3;  // ‾ overline -> ￣
        default: return ch;
    }
}

inline constexpr char32_t kTitlePlaceholderBase = 0xF0000;

// The placeholder of a double-byte Shift-JIS code, 0 when it names no JIS cell.
inline char32_t titlePlaceholder(std::uint16_t sjis) {
    const std::uint16_t jis = sjisToJis(sjis);
    return jis ? kTitlePlaceholderBase + jis : 0;
}

// The Shift-JIS code a placeholder stands for, 0 for any other character.
inline std::uint16_t placeholderCode(char32_t ch) {
    if (ch < kTitlePlaceholderBase + 0x2121 || ch > kTitlePlaceholderBase + 0x7E7E) return 0;
    return jisToSjis(static_cast<std::uint16_t>(ch - kTitlePlaceholderBase));
}

}  // namespace vrq
