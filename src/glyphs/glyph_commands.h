#pragma once
// Command builders of the glyph editors and the insertion dialog.

#include <string_view>

#include "glyphs/glyph_pattern.h"
#include "model/settings_model.h"
#include "protocol/command_line.h"

namespace vrq {

// "GRL" / "GRM" / "GRS" + number (001..) + the N pattern digits.
CommandLine glyphRegisterCommand(GlyphSize size, int number, const GlyphState& g);

// "RFBML" / "RFBMM" / "RFBMS" + a 16-bit code in four upper-case hex digits.
CommandLine glyphReadCommand(GlyphSize size, int code);

// The JIS code to request for the sample character: its two Shift-JIS bytes
// (high, low) converted as title text is, or the full-width space 0x2121 when
// the sample is empty or does not convert.
int glyphSampleCode(std::string_view sampleBytes);

// Insertion of glyph `number` at a title position. Multi-line:
// "G001P001L01I01"; single-line: "G001P001I001" (no line field).
CommandLine glyphInsertCommand(Product product, int number, int pageIndex, int lineIndex, int position);

}  // namespace vrq
