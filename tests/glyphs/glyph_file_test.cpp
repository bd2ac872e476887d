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
    g.pattern[0] = 'A';
    g.pattern[575] = 'F';
    g.pattern[576] = '9';  // beyond the large pattern: never written
    const std::string large = GlyphFile::format(g, GlyphSize::Large);
    EXPECT_EQ(large.size(), 580u * 3);
    EXPECT_EQ(large.substr(0, 3), "A\r\n");
    EXPECT_EQ(large.substr(575 * 3), "F\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(GlyphFile::format(g, GlyphSize::Medium).size(), 256u * 3);
    EXPECT_EQ(GlyphFile::format(g, GlyphSize::Small).size(), 144u * 3);
}

TEST(GlyphFileTest, ParseSkipsWhiteSpaceAndStopsAtTheEnd) {
    GlyphState g;
    g.pattern.fill('7');
    // Any spacing between characters is accepted.
    EXPECT_EQ(GlyphFile::parse("1\n2 \t 3\r\n\r\n4", g, GlyphSize::Small), 4);
    EXPECT_EQ(std::string(g.pattern.data(), 5), "12347");

    // A large file of only 576 lines loads the whole pattern.
    const std::string all(576, 'C');
    clearGlyphPattern(g);
    EXPECT_EQ(GlyphFile::parse(lines(all), g, GlyphSize::Large), 576);
    EXPECT_EQ(std::string(g.pattern.data(), 576), all);

    // A short file loads what it has; the rest keeps its previous digits.
    g.pattern.fill('5');
    EXPECT_EQ(GlyphFile::parse(lines("AB"), g, GlyphSize::Medium), 2);
    EXPECT_EQ(std::string(g.pattern.data(), 4), "AB55");

    // Trailing lines of a longer file are ignored.
    clearGlyphPattern(g);
    EXPECT_EQ(GlyphFile::parse(lines(std::string(300, '1')), g, GlyphSize::Medium), 256);
    EXPECT_EQ(g.pattern[256], '0');
}

TEST(GlyphFileTest, CharactersThatAreNoHexDigitsAreKeptAsZeroAndReported) {
    GlyphState g;
    clearGlyphPattern(g);
    bool damaged = false;
    // Leading white space reaches the first read; NUL, high bytes and letters past F are no digits.
    const std::string text = std::string("\r\n") + std::string(1, '\0') + "\n\xff\nq\nZ\nf\n9\n";
    GlyphFile::parse(text, g, GlyphSize::Small, &damaged);
    EXPECT_EQ(std::string(g.pattern.data(), 7), "00000F9");
    EXPECT_TRUE(damaged);

    GlyphFile::parse("a\nB\n", g, GlyphSize::Small, &damaged);
    EXPECT_EQ(std::string(g.pattern.data(), 2), "AB");
    EXPECT_FALSE(damaged);

    // The register command never carries anything but hex digits, whatever the buffer holds.
    g.pattern[0] = 'Z';
    g.pattern[1] = 'e';
    const std::string wire(glyphRegisterCommand(GlyphSize::Small, 1, g).text());
    EXPECT_EQ(wire.substr(6, 2), "0E");
}

}  // namespace
}  // namespace vrq
