#pragma once
// What may answer a command. A set command is answered by "GO" or a refusal
// (an error code, "MENU", "GN"); a read request by its own row — the same
// kind and the same page, day or glyph code — or a refusal. Any other line
// is not its answer, however well formed.

#include <string>
#include <string_view>

#include "model/settings_model.h"
#include "protocol/reply_dispatch.h"

namespace vrq {

struct ExpectedAnswer {
    bool readBack = false;  // a read request
    std::string rowKey;     // read request: the row its answer belongs to
    std::string index;      // read request: the digits that follow the key
};

// `command` is the line as built, without RS-485 address; CR LF may follow.
ExpectedAnswer expectedAnswer(std::string_view command);

// A line that asks the device for a setting. Only an addressed device answers
// it: a broadcast ("FF") reaches every device and none answers.
inline bool isReadRequest(std::string_view command) { return expectedAnswer(command).readBack; }

enum class AnswerFit {
    Acknowledged,  // "GO" to a set command
    Refused,       // an error code, "MENU" or "GN"
    ReadBack,      // the row the read request asked for
    NotItsAnswer,  // anything else
};

// `line` without address, CR LF included.
AnswerFit fitAnswer(Product p, const ExpectedAnswer& e, std::string_view line, ReplyChannel channel);

}  // namespace vrq
