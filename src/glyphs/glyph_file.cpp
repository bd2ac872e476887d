#include "glyphs/glyph_file.h"


namespace vrq {

namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f'; }

}  // namespace

std::string GlyphFile::format(const GlyphState& g, GlyphSize size) {
    const GlyphGeometry& geo = glyphGeometry(size);
    std::string out;
    out.reserve(static_cast<std::size_t>(geo.fileLines) * 3);
    for (int i = 0; i < geo.fileLines; ++i) {
        out.push_back(i < geo.digits ? g.pattern.at(static_cast<std::size_t>(i)) : '0');
        out.append("\r\n");
    }
    return out;
}

int GlyphFile::parse(std::string_view text, GlyphState& g, GlyphSize size, bool* damaged) {
    bool bad = false;
    const GlyphGeometry& geo = glyphGeometry(size);
    std::size_t at = 0;
    int count = 0;
    for (; count < geo.fileLines && at < text.size(); ++count) {
        const char ch = text[at++];
        // Lines past the pattern (the large file's padding) are read and dropped.
        // Anything but a hex digit would reach the device inside the register
        // command (a CR or LF would even split it); it is kept as "0".
        if (count < geo.digits && !g.pattern.put(static_cast<std::size_t>(count), ch)) bad = true;
        while (at < text.size() && isBlank(text[at])) ++at;
    }
    if (damaged) *damaged = bad;
    return count;
}

FileResult GlyphFile::read(const std::string& path, GlyphState& g, GlyphSize size, bool* damaged) {
    std::string text;
    FileResult r = readRegularFile(path, kGlyphFileSizeCap, text);
    if (r) parse(text, g, size, damaged);
    return r;
}

FileResult GlyphFile::write(const std::string& path, const GlyphState& g, GlyphSize size) {
    return writeFileAtomically(path, format(g, size));
}

}  // namespace vrq
