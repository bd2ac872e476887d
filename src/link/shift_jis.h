#pragma once
// Unicode <-> Shift-JIS (code page 932) at the widget boundary. The model and
// every file keep Shift-JIS bytes; widgets hold QString.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

namespace vrq {

// The code page 932 bytes of `text`, or nothing when a character has no code.
// The reference forms input methods type (〜 for ～ ...) count as the code
// page's character, and title placeholders as the cell they stand for.
std::optional<std::string> toShiftJis(const QString& text);

// Shift-JIS bytes as text, together with the bytes behind each UTF-16 unit
// (the second unit of a pair holds none), so that untouched characters can be
// written back exactly as they were read.
struct ShiftJisText {
    QString text;
    std::vector<std::string> bytes;
};

// A JIS cell the code page cannot show becomes its placeholder; other bytes
// that do not decode become replacement characters, their bytes still kept.
ShiftJisText decodeShiftJis(std::string_view bytes);
QString fromShiftJis(std::string_view bytes);

// The longest prefix of `text` whose bytes fit in `maxBytes` and all encode;
// `stoppedAt` (when given) receives the index of the first character left out,
// or -1 when the whole text was taken.
std::string shiftJisPrefix(const QString& text, int maxBytes, int* stoppedAt = nullptr);

}  // namespace vrq
