// Dot addressing, the reachable area and slot codes of the glyph pattern.

#include <gtest/gtest.h>

#include "glyphs/glyph_pattern.h"

namespace vrq {
namespace {

std::string patternText(const GlyphState& g, GlyphSize s) {
    return std::string(g.pattern.head(static_cast<std::size_t>(glyphGeometry(s).digits)));
}

TEST(GlyphPatternTest, DotBitsRunLeftToRightFromBitEight) {
    GlyphState g;
    clearGlyphPattern(g);
    // Row 1, column 1 of the large grid: second digit row starts at digit 12.
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Large, 1, 1, true));
    EXPECT_EQ(g.pattern.at(12), '4');
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Large, 1, 0, true));
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Large, 1, 3, true));
    EXPECT_EQ(g.pattern.at(12), 'D');
    EXPECT_TRUE(glyphDotLit(g, GlyphSize::Large, 1, 3));
    EXPECT_FALSE(glyphDotLit(g, GlyphSize::Large, 1, 2));
    // Setting a lit dot again is no change, so no redraw is due.
    EXPECT_FALSE(setGlyphDot(g, GlyphSize::Large, 1, 1, true));
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Large, 1, 0, false));
    EXPECT_EQ(g.pattern.at(12), '5');

    // Medium rows are 8 digits; the last dot of the grid is bit 1 of the last digit.
    clearGlyphPattern(g);
    EXPECT_TRUE(setGlyphDot(g, GlyphSize::Medium, 31, 31, true));
    EXPECT_EQ(g.pattern.at(255), '1');
    EXPECT_EQ(patternText(g, GlyphSize::Medium).find_first_not_of('0'), 255u);
}

TEST(GlyphPatternTest, PositionsOutsideTheGridChangeNothing) {
    GlyphState g;
    clearGlyphPattern(g);
    EXPECT_FALSE(setGlyphDot(g, GlyphSize::Small, -1, 3, true));
    EXPECT_FALSE(setGlyphDot(g, GlyphSize::Small, 3, 24, true));
    EXPECT_FALSE(setGlyphDot(g, GlyphSize::Small, 24, 0, true));
    EXPECT_FALSE(glyphDotLit(g, GlyphSize::Small, 99, 99));
    EXPECT_EQ(g.pattern, GlyphDigits{});
}

TEST(GlyphPatternTest, OnlyHexDigitsComeIn) {
    GlyphDigits d;
    // One character at a time (a file): lower case is raised, anything else is "0" and reported.
    EXPECT_TRUE(d.put(0, 'f'));
    EXPECT_FALSE(d.put(1, 'z'));
    EXPECT_FALSE(d.put(2, '\r'));
    EXPECT_FALSE(d.put(3, '\x80'));
    EXPECT_TRUE(d.put(4, 'B'));
    EXPECT_EQ(std::string(d.head(5)), "F000B");
    EXPECT_EQ(d.value(0), 15);
    // Past the end nothing is stored, and nothing reads but "0".
    EXPECT_TRUE(d.put(GlyphDigits::kCapacity, 'F'));
    EXPECT_EQ(d.at(GlyphDigits::kCapacity), '0');
    EXPECT_FALSE(d.setValue(GlyphDigits::kCapacity, 1));
    EXPECT_FALSE(d.setValue(5, 16));
    EXPECT_EQ(d.head(1000).size(), GlyphDigits::kCapacity);

    // A whole head (an answer) is taken only when all of it is hex digits and it fits.
    const GlyphDigits before = d;
    EXPECT_FALSE(d.assign("12G4"));
    EXPECT_FALSE(d.assign(std::string(GlyphDigits::kCapacity + 1, '1')));
    EXPECT_EQ(d, before);
    EXPECT_TRUE(d.assign("a1"));
    EXPECT_EQ(std::string(d.head(5)), "A100B");
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
