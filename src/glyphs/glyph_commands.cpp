#include "glyphs/glyph_commands.h"

#include <string>

#include "protocol/jis.h"
#include "protocol/title_encode.h"

namespace vrq {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

}  // namespace

CommandLine glyphRegisterCommand(GlyphSize size, int number, const GlyphState& g) {
    const GlyphGeometry& geo = glyphGeometry(size);
    std::string body(geo.registerMnemonic);
    body.append("001");
    body.append(g.pattern.head(static_cast<std::size_t>(geo.digits)));
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
    // The same check as title text, so a sample never asks for a code a title could not show.
    const int j = titleCharToJis(static_cast<std::uint16_t>(v));
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
