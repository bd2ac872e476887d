// Glyph file reader of the three sizes; what it read is written and read
// again and must come back the same.
//
// Input: the size (0 large, 1 medium, 2 small, modulo 3), then the file bytes.

#include "fuzz_support.h"
#include "glyphs/glyph_file.h"

using namespace vrq;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const auto glyphSize = static_cast<GlyphSize>(data[0] % 3);
    const std::string_view text = fuzz::bytesOf(data + 1, size - 1);
    const GlyphGeometry& geo = glyphGeometry(glyphSize);

    GlyphState g;
    g.pattern.clear();
    const int read = GlyphFile::parse(text, g, glyphSize);
    if (read < 0 || read > geo.fileLines) fuzz::fail("more characters read than the file has lines");

    // Only upper-case hex digits are kept: nothing else may reach the device.
    for (int i = 0; i < geo.digits; ++i) {
        const char ch = g.pattern.at(static_cast<std::size_t>(i));
        if (!((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'))) fuzz::fail("pattern character that is no hex digit");
    }

    // The editor draws every dot of whatever the file held.
    for (int row = 0; row < geo.dots; ++row)
        for (int column = 0; column < geo.dots; ++column) (void)glyphDotLit(g, glyphSize, row, column);

    const std::string written = GlyphFile::format(g, glyphSize);
    GlyphState again;
    again.pattern.clear();
    if (GlyphFile::parse(written, again, glyphSize) != geo.fileLines) fuzz::fail("written file reads short");
    if (again.pattern != g.pattern) fuzz::fail("glyph file does not read back as written");
    return 0;
}
