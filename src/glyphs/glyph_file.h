#pragma once
// Glyph files (.txl, .txm, .txs): one pattern character per line, CR LF.
// Large files carry four extra "0" lines that hold no dots.

#include <string>
#include <string_view>

#include "glyphs/glyph_pattern.h"

namespace vrq {

class GlyphFile {
public:
    // The whole file text for the pattern of `size`.
    static std::string format(const GlyphState& g, GlyphSize size);
    // Reads one character, skips the white space after it, for every line of
    // the size; stops early at the end of the text, leaving the rest of the
    // pattern as it was. Returns the number of characters read.
    static int parse(std::string_view text, GlyphState& g, GlyphSize size);

    // False when the file cannot be opened or created; the pattern is then
    // untouched (read) and nothing is promised about the file (write).
    static bool read(const std::string& path, GlyphState& g, GlyphSize size);
    static bool write(const std::string& path, const GlyphState& g, GlyphSize size);
};

}  // namespace vrq
