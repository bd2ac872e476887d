#include "link/line_assembler.h"

namespace vrq {

std::vector<std::string> LineAssembler::feed(std::string_view bytes, std::vector<std::string>* overlong) {
    std::vector<std::string> lines;
    for (const char ch : bytes) {
        if (discarding_) {
            // An over-long line is dropped whole: its tail could look like a reply.
            if (ch == '\n') discarding_ = false;
            continue;
        }
        if (ch != '\n' && line_.size() + 1 >= kMaxLine) {
            if (overlong) overlong->push_back(std::move(line_));
            line_.clear();
            discarding_ = true;
            continue;
        }
        line_.push_back(ch);
        if (ch == '\n') {
            lines.push_back(std::move(line_));
            line_.clear();
        }
    }
    return lines;
}

}  // namespace vrq
