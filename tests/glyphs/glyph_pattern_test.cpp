// Dot addressing, the reachable area and slot codes of the glyph pattern.

#include <gtest/gtest.h>

#include "glyphs/glyph_pattern.h"

namespace vrq {
namespace {

std::string patternText(const GlyphState& g, GlyphSize s) {
    return std::string(g.pattern.data(), static_cast<std::size_t>(glyphGeometry(s).digits));
}

TEST(GlyphPatternTest, DotBitsRunLeftToRightFromBitEight) {
    GlyphState g;
    clearGlyphPattern(g);
    // Row 1, column 1 of the large grid: second digit row starts at digit 12.
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Large, 1, 1, true));
    EXPECT_EQ(g.pattern[12], '4');
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Large, 1, 0, true));
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Large, 1, 3, true));
    EXPECT_EQ(g.pattern[12], 'D');
    EXPECT_TRUE(glyphDotLit(g, GlyphSize::Large, 1, 3));
    EXPECT_FALSE(glyphDotLit(g, GlyphSize::Large, 1, 2));
    // Setting a lit dot again is no change, so no redraw is due.
    EXPECT_FALSE(setGlyphDot(g, GlyphSize::Large, 1, 1, true));
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Large, 1, 0, false));
    EXPECT_EQ(g.pattern[12], '5');

    // Medium rows are 8 digits; the last dot of the grid is bit 1 of the last digit.
    clearGlyphPattern(g);
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Medium, 31, 31, true));
    EXPECT_EQ(g.pattern[255], '1');
    EXPECT_EQ(patternText(g, GlyphSize::Medium).find_first_not_of('0'), 255u);
}

TEST(GlyphPatternTest, PositionsOutsideTheGridChangeNothing) {
    GlyphState g;
    clearGlyphPattern(g);
    EXPECT_FALSE(setGlyphDot(g, GlyphSize::Small, -1, 3, true));
    EXPECT_FALSE(setGlyphDot(g, GlyphSize::Small, 3, 24, true));
    EXPECT_FALSE(setGlyphDot(g, GlyphSize::Small, 24, 0, true));
    EXPECT_FALSE(glyphDotLit(g, GlyphSize::Small, 99, 99));
    EXPECT_EQ(std::string(g.pattern.data(), g.pattern.size()), std::string(580, '0'));
}

TEST(GlyphPatternTest, DamagedDigitsDrawAndEditWithoutFault) {
    GlyphState g;
    clearGlyphPattern(g);
    g.pattern[0] = 'z';
    g.pattern[1] = '\x80';
    g.pattern[2] = 'f';
    for (int c = 0; c < 12; ++c) (void)glyphDotLit(g, GlyphSize::Large, 0, c);
    EXPECT_EQ(glyphDigitValue('A'), 10);
    EXPECT_EQ(glyphDigitValue('F'), 15);
    for (char ch : {'z', '\x80', 'f', '\0', ' '}) {
        EXPECT_GE(glyphDigitValue(ch), 0);
        EXPECT_LE(glyphDigitValue(ch), 15);
    }
    // An edit rewrites the digit as a proper upper-case hex digit.
    setGlyphDot(g, GlyphSize::Large, 0, 4, true);
    const std::string hex = "0123456789ABCDEF";
    EXPECT_NE(hex.find(g.pattern[1]), std::string::npos);
}

TEST(GlyphPatternTest, SlotCodesFollowTheFourRuns) {
    EXPECT_EQ(glyphSlotCode(1), 0xA365);
    EXPECT_EQ(glyphSlotCode(26), 0xA37E);
    EXPECT_EQ(glyphSlotCode(27), 0xA421);
    EXPECT_EQ(glyphSlotCode(70), 0xA44C);
    EXPECT_EQ(glyphSlotCode(120), 0xA47E);
    EXPECT_EQ(glyphSlotCode(121), 0xA521);
    EXPECT_EQ(glyphSlotCode(160), 0xA548);
    EXPECT_EQ(glyphSlotCode(214), 0xA57E);
    EXPECT_EQ(glyphSlotCode(215), 0xA621);
    EXPECT_EQ(glyphSlotCode(256), 0xA64A);
    EXPECT_EQ(glyphSlotCode(0), 0);
    EXPECT_EQ(glyphSlotCode(257), 0);
}

}  // namespace
}  // namespace vrq
