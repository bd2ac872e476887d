#pragma once
// Bounded copies into fixed text cells: a text never runs past its cell and
// always keeps its terminating NUL.

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace vrq {

// The first byte of a two-byte Shift-JIS (code page 932) character.
constexpr bool isShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

template <std::size_t N>
void setCell(std::array<char, N>& cell, std::string_view text) {
    cell.fill('\0');
    const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(cell.data(), text.data(), n);
}

template <std::size_t N>
std::string_view cellText(const std::array<char, N>& cell) {
    return std::string_view(cell.data(), strnlen(cell.data(), N));
}

}  // namespace vrq
