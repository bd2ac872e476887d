#pragma once
// Glyph files (.txl, .txm, .txs): one pattern character per line, CR LF.
// Large files carry four extra "0" lines that hold no dots.

#include <string>
#include <string_view>

#include "glyphs/glyph_pattern.h"
#include "model/safe_file.h"

namespace vrq {

class GlyphFile {
public:
    // The whole file text for the pattern of `size`.
    static std::string format(const GlyphState& g, GlyphSize size);
    // Reads one character, skips the white space after it, for every line of
    // the size; stops early at the end of the text, leaving the rest of the
    // pattern as it was. Returns the number of characters read. A pattern
    // character that is no hex digit is kept as "0" (lower-case digits as
    // upper-case) and sets `damaged`, so it never reaches the device.
    static int parse(std::string_view text, GlyphState& g, GlyphSize size, bool* damaged = nullptr);

    // Regular files under the size cap only; on a problem the pattern is
    // untouched. `damaged` as for parse.
    static FileResult read(const std::string& path, GlyphState& g, GlyphSize size, bool* damaged = nullptr);
    // Replaces the file as a whole or not at all.
    static FileResult write(const std::string& path, const GlyphState& g, GlyphSize size);
};

}  // namespace vrq
