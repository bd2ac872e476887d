#include "link/shift_jis.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include "protocol/title_chars.h"
#include "model/text_cell.h"
#include "protocol/title_encode.h"

namespace vrq {

namespace {

// One character's bytes as text, or nothing when the code page has no
// character for them.
std::optional<QString> decodeOne(std::string_view piece) {
    // A fresh decoder each time: an ICU decoder's state cannot be reset here.
    QStringDecoder dec("Shift_JIS");
    if (!dec.isValid()) return QString::fromLatin1(piece.data(), static_cast<qsizetype>(piece.size()));
    const QString s = dec.decode(QByteArrayView(piece.data(), static_cast<qsizetype>(piece.size())));
    if (dec.hasError() || s.isEmpty() || s.contains(QChar::ReplacementCharacter)) return std::nullopt;
    // ICU substitutes SUB for a pair it does not know.
    if (piece.size() == 2 && s == QChar(0x1A)) return std::nullopt;
    return s;
}

}  // namespace

// ICU's "Shift_JIS" here is code page 932, but it substitutes instead of
// failing, so every conversion checks hasError().
std::optional<std::string> toShiftJis(const QString& text) {
    QStringEncoder enc("Shift_JIS");
    if (!enc.isValid()) return std::nullopt;
    std::string out;
    QString run;  // characters handed to the encoder together
    auto flush = [&]() -> bool {
        if (run.isEmpty()) return true;
        const QByteArray bytes = enc.encode(run);
        run.clear();
        if (enc.hasError()) return false;
        out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        return true;
    };
    for (const char32_t ch : text.toUcs4()) {
        if (const std::uint16_t code = placeholderCode(ch)) {
            // Only a cell a title may hold; any other placeholder is no character.
            if (titleCharToJis(code) == 0 || !flush()) return std::nullopt;
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
            continue;
        }
        const char32_t mapped = codePageVariant(ch);
        run += QString::fromUcs4(&mapped, 1);
    }
    if (!flush()) return std::nullopt;
    return out;
}

ShiftJisText decodeShiftJis(std::string_view bytes) {
    ShiftJisText out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t len = (isShiftJisLead(lead) && i + 1 < bytes.size()) ? 2 : 1;
        const std::string_view piece = bytes.substr(i, len);
        i += len;
        QString shown;
        if (const std::optional<QString> s = decodeOne(piece)) {
            shown = *s;
        } else {
            const std::uint16_t code =
                len == 2 ? static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(piece[1])) : 0;
            const char32_t placeholder = (code && titleCharToJis(code)) ? titlePlaceholder(code) : 0;
            shown = placeholder ? QString::fromUcs4(&placeholder, 1) : QString(QChar::ReplacementCharacter);
        }
        for (qsizetype k = 0; k < shown.size(); ++k) {
            out.text += shown[k];
            out.bytes.emplace_back(k == 0 ? piece : std::string_view());
        }
    }
    return out;
}

QString fromShiftJis(std::string_view bytes) { return decodeShiftJis(bytes).text; }

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
