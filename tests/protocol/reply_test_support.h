#pragma once
// Shared set-up of the reply tests: a console with a recording notifier.

#include <memory>
#include <string>

#include "model/reset_settings.h"
#include "protocol/notifier.h"
#include "protocol/reply_parser.h"

namespace vrq::test {

struct ReplyConsole {
    explicit ReplyConsole(Product p = Product::Multi) : c(makeConsole(p)) { c->notifier = &notes; }

    // Hands `body` + CR LF to the serial handler.
    void serial(const std::string& body) { handleSerialReply(*c, body + "\r\n"); }

    std::string lastText() const { return notes.notices.empty() ? std::string() : notes.notices.back().text; }

    RecordingNotifier notes;
    std::unique_ptr<Console> c;
};

inline std::string repeat(const std::string& unit, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += unit;
    return s;
}

}  // namespace vrq::test
