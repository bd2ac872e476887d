#include "protocol/utf8.h"

namespace vrq {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf8(std::u32string_view s) {
    std::string out;
    for (char32_t c : s) appendUtf8(out, c);
    return out;
}

std::optional<std::u32string> fromUtf8(std::string_view s, std::size_t& bad) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = 0;
        char32_t c = 0, min = 0;
        if (b < 0x80) len = 1, c = b;
        else if ((b & 0xE0) == 0xC0) len = 2, c = b & 0x1F, min = 0x80;
        else if ((b & 0xF0) == 0xE0) len = 3, c = b & 0x0F, min = 0x800;
        else if ((b & 0xF8) == 0xF0) len = 4, c = b & 0x07, min = 0x10000;
        bool ok = len > 0 && i + static_cast<std::size_t>(len) <= s.size();
        for (int k = 1; ok && k < len; ++k) {
            const auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            ok = (t & 0xC0) == 0x80;
            c = (c << 6) | (t & 0x3F);
        }
        if (!ok || c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            bad = i;
            return std::nullopt;
        }
        out += c;
        i += static_cast<std::size_t>(len);
    }
    return out;
}

}  // namespace vrq
