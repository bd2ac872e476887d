#pragma once
// One command line: ASCII mnemonic, fixed-width fields, CR LF. Built from a
// template whose width fixes every field; fields are overwritten in place.

#include <stdexcept>
#include <string>
#include <string_view>

namespace vrq {

class CommandLine {
public:
    static constexpr std::size_t kMaxLength = 1199;  // with the RS-485 prefix

    // `body` is the template without CR LF; CR LF is appended. A line that
    // could not go out whole is a programming error, never silently cut.
    explicit CommandLine(std::string_view body) {
        if (body.size() + 2 > kMaxLength) throw std::length_error("command line too long");
        text_.reserve(body.size() + 2);
        text_.append(body);
        text_.append("\r\n");
    }

    // Field access inside the template; `pos` counts from the first mnemonic
    // character. Writing past the body is refused.
    char* field(std::size_t pos, std::size_t width) {
        if (pos + width > bodyLength()) throw std::out_of_range("field outside the template");
        return text_.data() + pos;
    }
    void put(std::size_t pos, std::string_view value) {
        value.copy(field(pos, value.size()), value.size());
    }
    void putDec2(std::size_t pos, int v);
    void putDec3(std::size_t pos, int v);

    std::size_t bodyLength() const { return text_.size() - 2; }
    const std::string& text() const { return text_; }
    std::string_view body() const { return std::string_view(text_).substr(0, bodyLength()); }

private:
    std::string text_;
};

}  // namespace vrq
