#include "dialogs/shift_jis.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vrq {

// ICU's "Shift_JIS" here is code page 932, but it substitutes instead of
// failing, so every conversion checks hasError().
std::optional<std::string> toShiftJis(const QString& text) {
    QStringEncoder enc("Shift_JIS");
    if (!enc.isValid()) return std::nullopt;
    const QByteArray bytes = enc.encode(text);
    if (enc.hasError()) return std::nullopt;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString fromShiftJis(std::string_view bytes) {
    QStringDecoder dec("Shift_JIS");
    if (!dec.isValid()) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return dec.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string shiftJisPrefix(const QString& text, int maxBytes, int* stoppedAt) {
    std::string out;
    if (stoppedAt) *stoppedAt = -1;
    qsizetype i = 0;
    while (i < text.size()) {
        // Keep surrogate pairs together.
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const std::optional<std::string> piece = toShiftJis(text.mid(i, len));
        if (!piece || static_cast<int>(out.size() + piece->size()) > maxBytes) {
            if (stoppedAt) *stoppedAt = static_cast<int>(i);
            return out;
        }
        out += *piece;
        i += len;
    }
    return out;
}

}  // namespace vrq
