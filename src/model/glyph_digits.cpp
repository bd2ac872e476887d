#include "model/glyph_digits.h"

namespace vrq {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// The upper-case digit of ch, or NUL when ch is no hex digit.
char hexDigit(char ch) {
    if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F')) return ch;
    if (ch >= 'a' && ch <= 'f') return static_cast<char>(ch - 'a' + 'A');
    return '\0';
}

}  // namespace

int GlyphDigits::value(std::size_t i) const {
    const char ch = at(i);
    return ch <= '9' ? ch - '0' : ch - 'A' + 10;
}

bool GlyphDigits::setValue(std::size_t i, int v) {
    if (i >= kCapacity || v < 0 || v > 15 || digits_[i] == kHex[v]) return false;
    digits_[i] = kHex[v];
    return true;
}

bool GlyphDigits::put(std::size_t i, char ch) {
    const char digit = hexDigit(ch);
    if (i < kCapacity) digits_[i] = digit ? digit : '0';
    return digit != '\0';
}

bool GlyphDigits::assign(std::string_view text) {
    if (text.size() > kCapacity) return false;
    for (const char ch : text)
        if (!hexDigit(ch)) return false;
    for (std::size_t i = 0; i < text.size(); ++i) digits_[i] = hexDigit(text[i]);
    return true;
}

}  // namespace vrq
