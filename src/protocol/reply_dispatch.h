#pragma once
// The dispatch table shared by the serial and the TCP/IP reply handlers.

#include <string_view>

#include "model/console.h"
#include "model/message.h"

namespace vrq {

enum class ReplyChannel { Serial, Tcp };

// Which row of the table took a line.
enum class ReplyOutcome {
    Unknown,    // no row matched: ignored
    Malformed,  // a row matched but the line is too short or its page/day is out of range: ignored
    Handled,
};

// What a line is, by the row of the table that takes it (first match wins).
enum class ReplyRowKind {
    None,             // no row takes it
    Acknowledgement,  // "GO"
    Refusal,          // an error code, "MENU" or "GN"
    ReadBack,         // a setting, a glyph pattern or the version
};
struct ReplyRow {
    ReplyRowKind kind = ReplyRowKind::None;
    std::string_view key;  // the row's leading characters
};
ReplyRow replyRowOf(Product p, std::string_view line, ReplyChannel channel);

// A glyph the editor asked for came back cut or with stray characters.
inline constexpr Text kGlyphAnswerDamagedText =
    VRQ_TEXT("Replies", "外字パターンの応答が壊れていたため、読み込みませんでした。");

// `line` is one reply without address prefix, CR LF included. The caller has
// already cleared replyError.
ReplyOutcome dispatchReply(Console& c, std::string_view line, ReplyChannel channel);

}  // namespace vrq
