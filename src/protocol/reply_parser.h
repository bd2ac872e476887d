#pragma once
// Every line the device sends back becomes an effect here: a notice, a flag
// that a running sequence watches, or read-back values in the settings model.

#include <string_view>

#include "model/console.h"
#include "protocol/reply_dispatch.h"

namespace vrq {

// One complete serial line as the link assembled it, LF (and CR) included; on
// RS-485 it still begins with the two address characters.
ReplyOutcome handleSerialReply(Console& c, std::string_view line);

// The bytes of one TCP/IP receive; lines are assembled across receives.
void handleTcpReply(Console& c, std::string_view received);
// One complete TCP/IP line, assembled by the link, which has taken out any
// NUL (it has no place in a reply line).
ReplyOutcome handleTcpLine(Console& c, std::string_view line);

// Each tick of the main timer: the serial no-reply timeout and the deferred
// success notice.
void mainTimerStep(Console& c);

}  // namespace vrq
