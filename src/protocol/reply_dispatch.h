#pragma once
// The dispatch table shared by the serial and the TCP/IP reply handlers.

#include <string_view>

#include "model/console.h"

namespace vrq {

enum class ReplyChannel { Serial, Tcp };

// Which row of the table took a line.
enum class ReplyOutcome {
    Unknown,    // no row matched: ignored
    Malformed,  // a row matched but the line is too short or its page/day is out of range: ignored
    Handled,
};

// A glyph the editor asked for came back cut or with stray characters.
inline constexpr std::string_view kGlyphAnswerDamagedText =
    "外字パターンの応答が壊れていたため、読み込みませんでした。";

// `line` is one reply without address prefix, CR LF included. The caller has
// already cleared replyError.
ReplyOutcome dispatchReply(Console& c, std::string_view line, ReplyChannel channel);

}  // namespace vrq
