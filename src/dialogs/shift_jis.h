#pragma once
// Unicode <-> Shift-JIS (code page 932) at the widget boundary. The model and
// every file keep Shift-JIS bytes; widgets hold QString.

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace vrq {

// The code page 932 bytes of `text`, or nothing when a character has no code.
std::optional<std::string> toShiftJis(const QString& text);

// Bytes that do not decode come out as replacement characters.
QString fromShiftJis(std::string_view bytes);

// The longest prefix of `text` whose bytes fit in `maxBytes` and all encode;
// `stoppedAt` (when given) receives the index of the first character left out,
// or -1 when the whole text was taken.
std::string shiftJisPrefix(const QString& text, int maxBytes, int* stoppedAt = nullptr);

}  // namespace vrq
