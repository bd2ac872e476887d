#include "glyphs/glyph_commands.h"

#include <string>

#include "protocol/jis.h"

namespace vrq {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// A code page 932 character to JIS X 0208, as the title text is checked:
// the IBM extension rows are first carried to their NEC-selected codes.
int sjisCharToJis(int v) {
    if (v >= 0xFA40 && v <= 0xFA49) return v - 0x7DCF;
    if (v >= 0xFA55 && v <= 0xFA57) return v - 0x7DD9;
    if (v >= 0xFA5C) {
        struct Row { int from, to, minus; };
        static constexpr Row rows[] = {
            {0xFA5C, 0xFA7E, 0x0D1C}, {0xFA80, 0xFA9B, 0x0D1D}, {0xFA9C, 0xFAFC, 0x0D1C},
            {0xFB40, 0xFB5B, 0x0D5F}, {0xFB5C, 0xFB7E, 0x0D1C}, {0xFB80, 0xFB9B, 0x0D1D},
            {0xFB9C, 0xFBFC, 0x0D1C}, {0xFC40, 0xFC4B, 0x0D5F},
        };
        int carried = 0;
        for (const Row& r : rows) {
            if (v >= r.from && v <= r.to) carried = v - r.minus;
        }
        v = carried;
    }
    const int j = sjisToJis(static_cast<std::uint16_t>(v & 0xFFFF));
    if (j < 0x2121 || j > 0x7E7E || (j & 0xFF) < 0x21 || (j & 0xFF) > 0x7E) return 0;
    return j;
}

}  // namespace

CommandLine glyphRegisterCommand(GlyphSize size, int number, const GlyphState& g) {
    const GlyphGeometry& geo = glyphGeometry(size);
    std::string body(geo.registerMnemonic);
    body.append("001");
    for (int i = 0; i < geo.digits; ++i) {
        // A stray control byte would split the line on the wire.
        const auto ch = static_cast<unsigned char>(g.pattern[static_cast<std::size_t>(i)]);
        body.push_back(ch < 0x21 || ch > 0x7E ? '0' : static_cast<char>(ch));
    }
    CommandLine line(body);
    line.putDec3(geo.registerMnemonic.size(), number);
    return line;
}

CommandLine glyphReadCommand(GlyphSize size, int code) {
    const GlyphGeometry& geo = glyphGeometry(size);
    CommandLine line(std::string(geo.readMnemonic) + "2121");
    const char digits[4] = {kHex[(code >> 12) & 0xF], kHex[(code >> 8) & 0xF], kHex[(code >> 4) & 0xF],
                            kHex[code & 0xF]};
    line.put(geo.readMnemonic.size(), std::string_view(digits, 4));
    return line;
}

int glyphSampleCode(std::string_view sample) {
    if (sample.size() < 2) return kJisFullWidthSpace;
    const int v = (static_cast<unsigned char>(sample[0]) << 8) | static_cast<unsigned char>(sample[1]);
    const int j = sjisCharToJis(v);
    return j == 0 ? kJisFullWidthSpace : j;
}

CommandLine glyphInsertCommand(Product product, int number, int pageIndex, int lineIndex, int position) {
    if (product == Product::Single) {
        CommandLine line("G001P001I001");
        line.putDec3(1, number);
        line.putDec3(5, pageIndex + 1);
        line.putDec3(9, position);
        return line;
    }
    CommandLine line("G001P001L01I01");
    line.putDec3(1, number);
    line.putDec3(5, pageIndex + 1);
    line.putDec2(9, lineIndex + 1);
    line.putDec2(12, position);
    return line;
}

}  // namespace vrq
