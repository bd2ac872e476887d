#pragma once
// Fixed-width field codecs of the command lines. They do not validate: callers
// pass values in range, and read-back fields decode as the device sent them.

namespace vrq {

inline void putDecimal2(char* p, int v) {
    p[0] = static_cast<char>('0' + v / 10);
    p[1] = static_cast<char>('0' + v % 10);
}

inline void putDecimal3(char* p, int v) {
    p[0] = static_cast<char>('0' + v / 100);
    p[1] = static_cast<char>('0' + (v % 100) / 10);
    p[2] = static_cast<char>('0' + v % 10);
}

inline int getDecimal2(const char* p) {
    const auto* s = reinterpret_cast<const signed char*>(p);
    return (s[0] - '0') * 10 + (s[1] - '0');
}

inline int getDecimal3(const char* p) {
    const auto* s = reinterpret_cast<const signed char*>(p);
    return (s[0] - '0') * 100 + (s[1] - '0') * 10 + (s[2] - '0');
}

inline int hexNibble(char ch) {
    const int c = static_cast<signed char>(ch);
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

inline int getHexByte(const char* p) {
    return ((hexNibble(p[0]) << 4) | hexNibble(p[1])) & 0xFF;
}

}  // namespace vrq
