#include "link/title_char_codec.h"

#include <QList>
#include <QString>

#include "link/shift_jis.h"

namespace vrq {

const TitleCharCodec& titleCharCodec() {
    static const TitleCharCodec codec{
        [](char32_t ch) { return toShiftJis(QString::fromUcs4(&ch, 1)); },
        [](std::string_view piece) -> std::optional<char32_t> {
            // Cells without a character come back as their placeholder.
            const QList<uint> chars = decodeShiftJis(piece).text.toUcs4();
            if (chars.size() != 1 || chars[0] == QChar::ReplacementCharacter) return std::nullopt;
            return static_cast<char32_t>(chars[0]);
        }};
    return codec;
}

}  // namespace vrq
