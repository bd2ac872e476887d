#pragma once
// The glyph pattern: rows of upper-case hex digits (model/glyph_digits.h),
// four dots a digit with the leftmost dot in bit 8. The same text is the
// register payload, the read-back payload and the glyph file, so nothing here
// converts between forms.

#include <string_view>

#include "model/app_state.h"
#include "model/message.h"

namespace vrq {

enum class GlyphSize { Large = 0, Medium = 1, Small = 2 };

// Everything that differs between the three editors.
struct GlyphGeometry {
    char letter;              // 'L', 'M', 'S': reply mnemonic suffix and hook argument
    int dots;                 // width and height of the square grid
    int digits;               // pattern digits N
    int cellWidth, cellHeight;
    int numbers;              // glyph numbers in the editor's list
    int numberWidth;          // digits shown per number in the editor's list
    std::string_view registerMnemonic;
    std::string_view readMnemonic;
    std::string_view extension;
    Text filterText;          // the file dialog's filter
    int fileLines;
    Text caption;             // the editor's window title
    Text peerCaption;         // followed by the peer's address text
};

const GlyphGeometry& glyphGeometry(GlyphSize size);
// 'L', 'M' or 'S'; false for any other letter.
bool glyphSizeFromLetter(char letter, GlyphSize& size);

// The grid's top-left corner in the editor's client coordinates.
inline constexpr int kGlyphGridOrigin = 12;
inline constexpr int kGlyphGridWidth = 480;
inline constexpr int kGlyphGridHeight = 384;

// Every digit of the shared pattern "0".
void clearGlyphPattern(GlyphState& g);

// Dot (row, column) of the grid; out-of-grid positions read as unlit.
bool glyphDotLit(const GlyphState& g, GlyphSize size, int row, int column);
// Sets or clears one dot; true when the digit really changed. Positions
// outside the grid change nothing.
bool setGlyphDot(GlyphState& g, GlyphSize size, int row, int column, bool lit);

// The outer ring of dots is reserved: the mouse reaches 1..dots-2 only.
bool glyphDotReachable(GlyphSize size, int row, int column);
// Maps a point of the editor's client area to a reachable dot.
bool glyphDotAt(GlyphSize size, int x, int y, int& row, int& column);

// The device glyph code of slot `number` (1..256); 0 outside that range.
int glyphSlotCode(int number);

}  // namespace vrq
