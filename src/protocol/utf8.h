#pragma once
// UTF-8 as the spreadsheet files and the terminal take it, without Qt.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vrq {

void appendUtf8(std::string& out, char32_t c);
std::string utf8(std::u32string_view s);
// Strict UTF-8 (no overlong forms, no surrogates); `bad` gets the offset of
// the first byte that is none.
std::optional<std::u32string> fromUtf8(std::string_view s, std::size_t& bad);

}  // namespace vrq
