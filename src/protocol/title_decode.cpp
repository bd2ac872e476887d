#include "protocol/title_decode.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "protocol/codecs.h"
#include "protocol/jis.h"
#include "protocol/title_encode.h"

namespace vrq {

std::string decodeTitleHex(std::string_view hex) {
    std::array<std::uint16_t, kTitleCodes> codes{};
    for (std::size_t i = 0; i < kTitleCodes && i * 4 + 3 < hex.size(); ++i) {
        const char* p = hex.data() + i * 4;
        std::uint16_t jis = static_cast<std::uint16_t>((getHexByte(p) << 8) | getHexByte(p + 2));
        // A code the device does not keep is shown as a blank.
        if (jis > kLastTakenTitleCode) jis = kJisFullWidthSpace;
        codes[i] = jis;
    }
    std::size_t used = kTitleCodes;
    while (used > 0 && codes[used - 1] == kJisFullWidthSpace) --used;

    std::string text(kTitleTextBytes, '\0');
    for (std::size_t i = 0; i < used; ++i) {
        const std::uint16_t sjis = jisToSjis(codes[i]);
        text[i * 2] = static_cast<char>(sjis >> 8);
        text[i * 2 + 1] = static_cast<char>(sjis & 0xFF);
    }
    return text;
}

void storeTitleLines(SettingsModel& s, int page, std::string_view decoded) {
    if (page < 0 || page >= kPages) return;
    for (int line = 0; line < kLines; ++line) {
        auto& cell = s.titleText[page][line];
        cell.fill('\0');
        const std::size_t from = static_cast<std::size_t>(line) * kTitleLineMaxBytes;
        if (from >= decoded.size()) continue;
        const std::size_t n = std::min<std::size_t>(kTitleLineMaxBytes, decoded.size() - from);
        std::memcpy(cell.data(), decoded.data() + from, n);
    }
}

void storeSingleTitle(SettingsModel& s, int page, std::string_view decoded) {
    if (page < 0 || page >= kPages) return;
    auto& cell = s.singleTitleText[page];
    cell.fill('\0');
    // The cell is larger than any decoded text; keep room for the NUL anyway.
    const std::size_t n = std::min<std::size_t>(decoded.size(), cell.size() - 1);
    std::memcpy(cell.data(), decoded.data(), n);
}

}  // namespace vrq
