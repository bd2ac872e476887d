#pragma once
// Splits received serial bytes into reply lines. Every LF ends a line, so two
// answers that arrive in one read stay two lines; the buffer never grows past
// one line of the protocol.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vrq {

class LineAssembler {
public:
    // The longest line, LF included; one more byte would leave no room for
    // the terminator of the 1200-byte line buffer.
    static constexpr std::size_t kMaxLine = 1199;

    // Appends `bytes` and returns every line they complete, LF included. The
    // head of each line dropped for its length goes to `overlong` if given.
    std::vector<std::string> feed(std::string_view bytes, std::vector<std::string>* overlong = nullptr);

    std::size_t pending() const { return line_.size(); }
    // The unfinished line, taken out of the buffer; a line being dropped for
    // its length is forgotten too, so the next line starts clean.
    std::string takePending() {
        std::string s = std::move(line_);
        line_.clear();
        discarding_ = false;
        return s;
    }
    bool discarding() const { return discarding_; }

private:
    std::string line_;
    bool discarding_ = false;  // inside a line that grew too long, until its LF
};

}  // namespace vrq
