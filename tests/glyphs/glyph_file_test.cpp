// Glyph file text: writing, reading with white space, short and damaged files.

#include <gtest/gtest.h>

#include "glyphs/glyph_commands.h"
#include "glyphs/glyph_file.h"

namespace vrq {
namespace {

std::string lines(const std::string& chars) {
    std::string out;
    for (char ch : chars) {
        out.push_back(ch);
        out += "\r\n";
    }
    return out;
}

TEST(GlyphFileTest, FormatWritesOneDigitPerLineAndLargePadding) {
    GlyphState g;
    clearGlyphPattern(g);
    g.pattern.put(0, 'A');
    g.pattern.put(575, 'F');
    const std::string large = GlyphFile::format(g, GlyphSize::Large);
    EXPECT_EQ(large.size(), 580u * 3);
    EXPECT_EQ(large.substr(0, 3), "A\r\n");
    EXPECT_EQ(large.substr(575 * 3), "F\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(GlyphFile::format(g, GlyphSize::Medium).size(), 256u * 3);
    EXPECT_EQ(GlyphFile::format(g, GlyphSize::Small).size(), 144u * 3);
}

TEST(GlyphFileTest, ParseSkipsWhiteSpaceAndStopsAtTheEnd) {
    GlyphState g;
    g.pattern.assign(std::string(GlyphDigits::kCapacity, '7'));
    // Any spacing between characters is accepted.
    EXPECT_EQ(GlyphFile::parse("1\n2 \t 3\r\n\r\n4", g, GlyphSize::Small), 4);
    EXPECT_EQ(std::string(g.pattern.head(5)), "12347");

    // A large file of only 576 lines loads the whole pattern.
    const std::string all(576, 'C');
    clearGlyphPattern(g);
    EXPECT_EQ(GlyphFile::parse(lines(all), g, GlyphSize::Large), 576);
    EXPECT_EQ(std::string(g.pattern.head(576)), all);

    // A short file loads what it has; the rest keeps its previous digits.
    g.pattern.assign(std::string(GlyphDigits::kCapacity, '5'));
    EXPECT_EQ(GlyphFile::parse(lines("AB"), g, GlyphSize::Medium), 2);
    EXPECT_EQ(std::string(g.pattern.head(4)), "AB55");

    // Trailing lines of a longer file are ignored.
    clearGlyphPattern(g);
    EXPECT_EQ(GlyphFile::parse(lines(std::string(300, '1')), g, GlyphSize::Medium), 256);
    EXPECT_EQ(g.pattern.at(256), '0');
}

TEST(GlyphFileTest, CharactersThatAreNoHexDigitsAreKeptAsZeroAndReported) {
    GlyphState g;
    clearGlyphPattern(g);
    bool damaged = false;
    // Leading white space reaches the first read; NUL, high bytes and letters past F are no digits.
    const std::string text = std::string("\r\n") + std::string(1, '\0') + "\n\xff\nq\nZ\nf\n9\n";
    GlyphFile::parse(text, g, GlyphSize::Small, &damaged);
    EXPECT_EQ(std::string(g.pattern.head(7)), "00000F9");
    EXPECT_TRUE(damaged);

    GlyphFile::parse("a\nB\n", g, GlyphSize::Small, &damaged);
    EXPECT_EQ(std::string(g.pattern.head(2)), "AB");
    EXPECT_FALSE(damaged);

    // What a damaged file held reaches the register command as read: hex digits only.
    GlyphFile::parse("Z\ne\n", g, GlyphSize::Small, &damaged);
    const std::string wire(glyphRegisterCommand(GlyphSize::Small, 1, g).text());
    EXPECT_EQ(wire.substr(6, 2), "0E");
}

}  // namespace
}  // namespace vrq
