#pragma once
// Operator texts below the widgets. A text is a Japanese source marked for
// lupdate (the VRQ_TEXT markers are read as Qt's QT_TRANSLATE_NOOP family,
// see scripts/update-translations); a message is a text with the data that
// goes into its %1.. kept apart, so a title, a path or a device name is
// placed into the translated text and never translated itself.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vrq {

struct Text {
    const char* context = nullptr;
    const char* source = nullptr;   // UTF-8; may hold %1..%9 and %n
    const char* comment = nullptr;  // tells two uses of one source apart
    bool numerus = false;           // has a plural form for %n
};

#define VRQ_TEXT(context, source) (::vrq::Text{context, source, nullptr, false})
#define VRQ_TEXT3(context, source, comment) (::vrq::Text{context, source, comment, false})
#define VRQ_TEXT_N(context, source) (::vrq::Text{context, source, nullptr, true})
#define VRQ_TEXT_N3(context, source, comment) (::vrq::Text{context, source, comment, true})

// The separators of lists: "、" between names in a sentence, a line break
// between the lines of a notice.
inline constexpr Text kListSeparator = VRQ_TEXT("Lists", "、");
inline constexpr Text kLineBreak = VRQ_TEXT("Lists", "\n");

class Message {
public:
    Message() = default;
    Message(const Text& text) : kind_(Kind::Marked), text_(text) {}  // NOLINT: a text is a message

    // Data shown as it is, in every language.
    static Message plain(std::string_view data);
    // `items` with `separator` ("、" / ", ") between them.
    static Message joined(std::vector<Message> items, const Text& separator);

    // Fill the next %1.. with data, a number or a translated piece.
    Message& arg(std::string_view data) &;
    Message& arg(const char* data) & { return arg(std::string_view(data)); }
    Message& arg(const std::string& data) & { return arg(std::string_view(data)); }
    Message& arg(long long number) &;
    Message& arg(int number) & { return arg(static_cast<long long>(number)); }
    Message& arg(std::size_t number) & { return arg(static_cast<long long>(number)); }
    Message& arg(Message piece) &;
    template <typename T>
    Message&& arg(T&& v) && { return std::move(arg(std::forward<T>(v))); }
    // The count of %n, which also picks the plural form.
    Message& count(long long n) &;
    Message&& count(long long n) && { return std::move(count(n)); }

    bool empty() const { return kind_ == Kind::Empty; }
    const Text& text() const { return text_; }

    // The text in the language `translate` gives: it returns the UTF-8
    // translation of a text (with its count), or the source.
    using Translate = std::function<std::string(const Text&, long long count)>;
    std::string render(const Translate& translate) const;
    // In the source language, as tests and logs compare it.
    std::string japanese() const;

private:
    enum class Kind { Empty, Marked, Plain, Joined };
    Kind kind_ = Kind::Empty;
    Text text_{};
    std::string plain_;
    long long count_ = -1;
    std::vector<Message> args_;
};

// %1..%9 of `text` replaced by `values` and %n by `count` in one pass, so a
// value holding "%2" stays as it is.
std::string fillPlaceholders(std::string_view text, const std::vector<std::string>& values, long long count);

}  // namespace vrq
