#include "model/field_text.h"

namespace vrq {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The value of 1..maxDigits ASCII digits, or nothing.
std::optional<long> digitsValue(std::string_view s, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) return std::nullopt;
    long v = 0;
    for (const char ch : s) {
        if (ch < '0' || ch > '9') return std::nullopt;
        v = v * 10 + (ch - '0');
    }
    return v;
}

}  // namespace

std::string narrowDigits(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // U+FF10..U+FF19 are EF BC 90..99, U+FF0E is EF BC 8E.
        if (i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xEF &&
            static_cast<unsigned char>(text[i + 1]) == 0xBC) {
            const auto third = static_cast<unsigned char>(text[i + 2]);
            if (third >= 0x90 && third <= 0x99) {
                out += static_cast<char>('0' + (third - 0x90));
                i += 2;
                continue;
            }
            if (third == 0x8E) {
                out += '.';
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::optional<int> parsePortNumber(std::string_view text) {
    const std::string narrow = narrowDigits(text);
    const std::optional<long> v = digitsValue(trimmed(narrow), 5);
    if (!v || *v < 1 || *v > 65535) return std::nullopt;
    return static_cast<int>(*v);
}

std::optional<Octets> parseIpv4Address(std::string_view text) {
    const std::string narrow = narrowDigits(text);
    std::string_view rest = trimmed(narrow);
    Octets o{};
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t dot = rest.find('.');
        if ((k < 3) != (dot != std::string_view::npos)) return std::nullopt;
        const std::optional<long> v = digitsValue(rest.substr(0, dot), 3);
        if (!v || *v > 255) return std::nullopt;
        o[k] = static_cast<std::uint8_t>(*v);
        rest = k < 3 ? rest.substr(dot + 1) : std::string_view();
    }
    return o;
}

}  // namespace vrq
