#pragma once
// A transport that keeps every line written to it, in order. Given a
// console, it also plays a device that answers every command at once.

#include <string>
#include <string_view>
#include <vector>

#include "model/console.h"
#include "protocol/transport.h"

namespace vrq {

struct RecordingTransport : Transport {
    void writeLine(std::string_view bytes) override {
        lines.emplace_back(bytes);
        if (answerTo && answerTo->requestEnded) answerTo->requestEnded(RequestEnd::Answered);
    }
    std::vector<std::string> lines;
    Console* answerTo = nullptr;
};

}  // namespace vrq
