#pragma once
// The glyph pattern the three editors share: upper-case hex digits, as many
// as the large glyph has. Bytes from a file or an answer are checked as they
// come in, so the digits are always fit to draw, save and send as they are.

#include <cstddef>
#include <string>
#include <string_view>

namespace vrq {

class GlyphDigits {
public:
    static constexpr std::size_t kCapacity = 576;  // the large glyph's 48 x 48 dots

    GlyphDigits() : digits_(kCapacity, '0') {}

    // Every digit "0": all dots unlit.
    void clear() { digits_.assign(kCapacity, '0'); }

    // Digit i, or "0" past the end.
    char at(std::size_t i) const { return i < kCapacity ? digits_[i] : '0'; }
    // Its value 0..15; 0 past the end.
    int value(std::size_t i) const;
    // Sets digit i to the value v (0..15); true when it changed. Nothing
    // changes past the end or for a value out of range.
    bool setValue(std::size_t i, int v);

    // One character from outside at i: lower-case digits become upper-case,
    // anything else "0". False when the character was no hex digit.
    bool put(std::size_t i, char ch);
    // Takes `text` as the head of the pattern only when it fits and is all
    // hex digits; otherwise nothing changes and the answer is false.
    bool assign(std::string_view text);

    // The first n digits (at most all of them): the payload as it goes out.
    std::string_view head(std::size_t n) const { return std::string_view(digits_).substr(0, n); }

    bool operator==(const GlyphDigits&) const = default;

private:
    std::string digits_;
};

}  // namespace vrq
