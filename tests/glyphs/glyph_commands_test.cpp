// Register, read and insertion command lines.

#include <gtest/gtest.h>

#include "glyphs/glyph_commands.h"
#include "protocol/answer_match.h"

namespace vrq {
namespace {

TEST(GlyphCommandsTest, RegisterCarriesNumberAndWholePattern) {
    GlyphState g;
    clearGlyphPattern(g);
    EXPECT_EQ(glyphRegisterCommand(GlyphSize::Large, 1, g).text(), "GRL001" + std::string(576, '0') + "\r\n");
    g.pattern.put(0, 'F');
    g.pattern.put(143, '8');
    g.pattern.put(144, 'E');  // not part of a small pattern
    const std::string small = glyphRegisterCommand(GlyphSize::Small, 256, g).text();
    EXPECT_EQ(small, "GRS256F" + std::string(142, '0') + "8\r\n");
    EXPECT_EQ(glyphRegisterCommand(GlyphSize::Medium, 160, g).text().substr(0, 6), "GRM160");
    EXPECT_EQ(glyphRegisterCommand(GlyphSize::Medium, 160, g).text().size(), 6u + 256 + 2);
}

TEST(GlyphCommandsTest, SampleConvertsLikeTitleText) {
    EXPECT_EQ(glyphSampleCode(""), 0x2121);
    EXPECT_EQ(glyphReadCommand(GlyphSize::Large, glyphSampleCode("")).text(), "RFBML2121\r\n");
    EXPECT_EQ(glyphSampleCode("\x82\xA0"), 0x2422);  // hiragana a
    EXPECT_EQ(glyphSampleCode("\x88\x9F"), 0x3021);  // first level-1 kanji
    EXPECT_EQ(glyphSampleCode("\xFA\x40"), 0x7C71);  // small Roman numeral one
    EXPECT_EQ(glyphSampleCode("\xFA\x5C"), 0x7921);  // IBM extension carried to its NEC code
    // What the title text refuses is asked for as the full-width space.
    EXPECT_EQ(glyphSampleCode("ab"), 0x2121);
    EXPECT_EQ(glyphSampleCode("\xF0\x40"), 0x2121);  // user-defined area
    EXPECT_EQ(glyphSampleCode("\xFA\x4A"), 0x2121);
    EXPECT_EQ(glyphSampleCode("\xFC\xFC"), 0x2121);
    EXPECT_EQ(glyphSampleCode("\x82"), 0x2121);
}

TEST(GlyphCommandsTest, InsertionFieldsAtTheirWidestValues) {
    EXPECT_EQ(glyphInsertCommand(Product::Multi, 256, 511, 9, 28).text(), "G256P512L10I28\r\n");
    EXPECT_EQ(glyphInsertCommand(Product::Single, 1, 0, 9, 280).text(), "G001P001I280\r\n");
}

// A broadcast never carries one: the glyph reads are told apart where the
// protocol layer cannot build them.
TEST(GlyphCommandsTest, ReadsAreReadRequests) {
    for (const GlyphSize size : {GlyphSize::Large, GlyphSize::Medium, GlyphSize::Small}) {
        EXPECT_TRUE(isReadRequest(glyphReadCommand(size, 0x2121).text()));
        EXPECT_TRUE(isReadRequest(glyphReadCommand(size, 0x7E7E).text()));
    }
    GlyphState g;
    clearGlyphPattern(g);
    EXPECT_FALSE(isReadRequest(glyphRegisterCommand(GlyphSize::Small, 1, g).text()));
}

}  // namespace
}  // namespace vrq
