#include "glyphs/glyph_file.h"

#include <fstream>
#include <iterator>

namespace vrq {

namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f'; }

// A control byte or a non-ASCII byte in a pattern would later break a command
// line in two (CR, LF) or leave the 7-bit wire; such a byte is kept as "0".
char patternChar(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 0x21 || c > 0x7E ? '0' : ch;
}

}  // namespace

std::string GlyphFile::format(const GlyphState& g, GlyphSize size) {
    const GlyphGeometry& geo = glyphGeometry(size);
    std::string out;
    out.reserve(static_cast<std::size_t>(geo.fileLines) * 3);
    for (int i = 0; i < geo.fileLines; ++i) {
        out.push_back(i < geo.digits ? g.pattern[static_cast<std::size_t>(i)] : '0');
        out.append("\r\n");
    }
    return out;
}

int GlyphFile::parse(std::string_view text, GlyphState& g, GlyphSize size) {
    const GlyphGeometry& geo = glyphGeometry(size);
    std::size_t at = 0;
    int count = 0;
    for (; count < geo.fileLines && at < text.size(); ++count) {
        const char ch = text[at++];
        // Lines past the pattern (the large file's padding) are read and dropped.
        if (count < geo.digits) g.pattern[static_cast<std::size_t>(count)] = patternChar(ch);
        while (at < text.size() && isBlank(text[at])) ++at;
    }
    return count;
}

bool GlyphFile::read(const std::string& path, GlyphState& g, GlyphSize size) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    // A valid file is a few kilobytes; reading stops after 1 MiB.
    std::string text(std::size_t{1} << 20, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    parse(text, g, size);
    return true;
}

bool GlyphFile::write(const std::string& path, const GlyphState& g, GlyphSize size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::string text = format(g, size);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace vrq
