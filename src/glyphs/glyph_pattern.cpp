#include "glyphs/glyph_pattern.h"

namespace vrq {

namespace {

constexpr GlyphGeometry kGeometry[3] = {
    {'L', 48, 576, 10, 8, 70, 2, "GRL", "RFBML", ".txl", VRQ_TEXT("Glyphs", "データ(*.txl)"), 580,
     VRQ_TEXT("Glyphs", "外字登録設定（大文字）"), VRQ_TEXT("Glyphs", "外字登録（大文字）の設定 ")},
    {'M', 32, 256, 15, 12, 160, 3, "GRM", "RFBMM", ".txm", VRQ_TEXT("Glyphs", "データ(*.txm)"), 256,
     VRQ_TEXT("Glyphs", "外字登録（中文字）の設定"), VRQ_TEXT("Glyphs", "外字登録（中文字）の設定 ")},
    {'S', 24, 144, 20, 16, 256, 3, "GRS", "RFBMS", ".txs", VRQ_TEXT("Glyphs", "データ(*.txs)"), 144,
     VRQ_TEXT("Glyphs", "外字登録（小文字）の設定"), VRQ_TEXT("Glyphs", "外字登録（小文字）の設定 ")},
};

bool inGrid(const GlyphGeometry& geo, int row, int column) {
    return row >= 0 && row < geo.dots && column >= 0 && column < geo.dots;
}

}  // namespace

const GlyphGeometry& glyphGeometry(GlyphSize size) {
    const int i = static_cast<int>(size);
    return kGeometry[i >= 0 && i < 3 ? i : 0];
}

bool glyphSizeFromLetter(char letter, GlyphSize& size) {
    switch (letter) {
    case 'L': size = GlyphSize::Large; return true;
    case 'M': size = GlyphSize::Medium; return true;
    case 'S': size = GlyphSize::Small; return true;
    default: return false;
    }
}

void clearGlyphPattern(GlyphState& g) { g.pattern.clear(); }

bool glyphDotLit(const GlyphState& g, GlyphSize size, int row, int column) {
    const GlyphGeometry& geo = glyphGeometry(size);
    if (!inGrid(geo, row, column)) return false;
    const int index = (row * geo.dots + column) / 4;
    return (g.pattern.value(static_cast<std::size_t>(index)) & (8 >> (column % 4))) != 0;
}

bool setGlyphDot(GlyphState& g, GlyphSize size, int row, int column, bool lit) {
    const GlyphGeometry& geo = glyphGeometry(size);
    if (!inGrid(geo, row, column)) return false;
    const auto index = static_cast<std::size_t>((row * geo.dots + column) / 4);
    const int bit = 8 >> (column % 4);
    const int v = g.pattern.value(index);
    return g.pattern.setValue(index, lit ? (v | bit) : (v & ~bit));
}

bool glyphDotReachable(GlyphSize size, int row, int column) {
    const int last = glyphGeometry(size).dots - 1;
    return row >= 1 && row < last && column >= 1 && column < last;
}

bool glyphDotAt(GlyphSize size, int x, int y, int& row, int& column) {
    const GlyphGeometry& geo = glyphGeometry(size);
    x -= kGlyphGridOrigin;
    y -= kGlyphGridOrigin;
    // Integer division truncates towards zero: reject the left/top margin first.
    if (x < 0 || y < 0) return false;
    const int c = x / geo.cellWidth, r = y / geo.cellHeight;
    if (!glyphDotReachable(size, r, c)) return false;
    row = r;
    column = c;
    return true;
}

int glyphSlotCode(int n) {
    if (n >= 1 && n <= 26) return 0xA364 + n;
    if (n >= 27 && n <= 120) return 0xA406 + n;
    if (n >= 121 && n <= 214) return 0xA4A8 + n;
    if (n >= 215 && n <= 256) return 0xA54A + n;
    return 0;
}

}  // namespace vrq
