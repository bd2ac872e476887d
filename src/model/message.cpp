#include "model/message.h"

namespace vrq {

Message Message::plain(std::string_view data) {
    Message m;
    m.kind_ = Kind::Plain;
    m.plain_ = std::string(data);
    return m;
}

Message Message::joined(std::vector<Message> items, const Text& separator) {
    Message m;
    m.kind_ = Kind::Joined;
    m.text_ = separator;
    m.args_ = std::move(items);
    return m;
}

Message& Message::arg(std::string_view data) & { return arg(plain(data)); }

Message& Message::arg(long long number) & { return arg(plain(std::to_string(number))); }

Message& Message::arg(Message piece) & {
    args_.push_back(std::move(piece));
    return *this;
}

Message& Message::count(long long n) & {
    count_ = n;
    return *this;
}

std::string fillPlaceholders(std::string_view text, const std::vector<std::string>& values, long long count) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            const char c = text[i + 1];
            if (c >= '1' && c <= '9' && static_cast<std::size_t>(c - '1') < values.size()) {
                out += values[static_cast<std::size_t>(c - '1')];
                ++i;
                continue;
            }
            if (c == 'n' && count >= 0) {
                out += std::to_string(count);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string Message::render(const Translate& translate) const {
    switch (kind_) {
        case Kind::Empty: return {};
        case Kind::Plain: return plain_;
        case Kind::Joined: {
            const std::string separator = translate(text_, -1);
            std::string out;
            for (std::size_t i = 0; i < args_.size(); ++i) out += (i ? separator : "") + args_[i].render(translate);
            return out;
        }
        case Kind::Marked: break;
    }
    std::vector<std::string> values;
    values.reserve(args_.size());
    for (const Message& a : args_) values.push_back(a.render(translate));
    return fillPlaceholders(translate(text_, count_), values, count_);
}

std::string Message::japanese() const {
    return render([](const Text& t, long long) { return std::string(t.source ? t.source : ""); });
}

}  // namespace vrq
