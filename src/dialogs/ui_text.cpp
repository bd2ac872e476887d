#include "dialogs/ui_text.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

namespace vrq {

namespace {


// The sources of the translation file: phrases replaced inside composed texts,
// longest first, and texts with %1.. matched as a whole line.
struct Phrase {
    QString source;
    QByteArray utf8;
};
struct Pattern {
    QRegularExpression match;
    std::vector<int> marks;  // the number of each placeholder, in the order they stand
    QByteArray utf8;
};
std::vector<Phrase> g_phrases;
std::vector<Pattern> g_patterns;

QString translated(const QByteArray& utf8) { return QCoreApplication::translate(kTextContext, utf8.constData()); }

bool isAscii(const QString& s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

const QRegularExpression& placeholder() {
    static const QRegularExpression mark(QStringLiteral("%([1-9])"));
    return mark;
}

// `text` with each %n replaced by values[n], in one pass so that a value
// holding "%2" stays as it is.
QString filled(const QString& text, const std::vector<QString>& values) {
    QString out;
    qsizetype at = 0;
    for (auto it = placeholder().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(at, m.capturedStart() - at);
        const auto n = static_cast<std::size_t>(m.captured(1).toInt());
        out += n < values.size() ? values[n] : m.captured();
        at = m.capturedEnd();
    }
    return out + text.mid(at);
}

void addSource(const QString& source) {
    if (source.contains(placeholder())) {
        Pattern p;
        for (auto it = placeholder().globalMatch(source); it.hasNext();)
            p.marks.push_back(it.next().captured(1).toInt());
        QStringList pieces = source.split(placeholder());
        for (QString& piece : pieces) piece = QRegularExpression::escape(piece);
        p.match.setPattern(QStringLiteral("^") + pieces.join(QStringLiteral("(.+?)")) + QStringLiteral("$"));
        p.utf8 = source.toUtf8();
        g_patterns.push_back(std::move(p));
        return;
    }
    // A single letter ("日") is too likely inside a name to be replaced there.
    if (source.size() == 1 && !source.at(0).isPunct()) return;
    g_phrases.push_back({source, source.toUtf8()});
}

// The translation file itself lists the sources; the compiled one cannot.
void loadSources(const QString& tsPath) {
    g_phrases.clear();
    g_patterns.clear();
    QFile f(tsPath);
    if (!f.open(QIODevice::ReadOnly)) return;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source"))
            addSource(xml.readElementText());
    }
    std::stable_sort(g_phrases.begin(), g_phrases.end(),
                     [](const Phrase& a, const Phrase& b) { return a.source.size() > b.source.size(); });
}

// A whole text or line: its own entry, or one with %1.. filled in.
bool translateWhole(const QString& text, QString& out) {
    if (isAscii(text)) {
        out = text;
        return true;
    }
    out = translated(text.toUtf8());
    if (out != text) return true;
    for (const Pattern& p : g_patterns) {
        const QRegularExpressionMatch m = p.match.match(text);
        if (!m.hasMatch()) continue;
        std::vector<QString> values(10);
        for (std::size_t i = 0; i < p.marks.size(); ++i)
            values[static_cast<std::size_t>(p.marks[i])] = m.captured(static_cast<int>(i) + 1);
        out = filled(translated(p.utf8), values);
        return true;
    }
    return false;
}

// Known phrases (some end with a line break) replaced in a composed text,
// except inside a path: a file or device name keeps its own characters
// ("/home/op/設定/a.dat").
QString phrasesReplaced(const QString& text) {
    // A line that is a path (it does not end a sentence), or a word that
    // starts like one ("TCP/IP" does not).
    static const QRegularExpression path(QStringLiteral("^(?:/|[A-Za-z]:\\\\).*(?<![。？])$|"
                                                        "(?:^|(?<=\\s))(?:/|[A-Za-z]:\\\\)\\S*"),
                                         QRegularExpression::UseUnicodePropertiesOption |
                                             QRegularExpression::MultilineOption);
    QString out;
    qsizetype at = 0;
    auto replaced = [](QString text) {
        for (const Phrase& p : g_phrases)
            if (text.contains(p.source)) text.replace(p.source, translated(p.utf8));
        return text;
    };
    for (auto it = path.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += replaced(text.mid(at, m.capturedStart() - at)) + m.captured();
        at = m.capturedEnd();
    }
    return out + replaced(text.mid(at));
}

QTranslator* g_legacyTranslator = nullptr;
std::optional<UiLanguage> g_loadedFor;

// The old translation file follows the installed language.
void followLanguage() {
    if (g_loadedFor == uiLanguage()) return;
    g_loadedFor = uiLanguage();
    if (g_legacyTranslator) QCoreApplication::removeTranslator(g_legacyTranslator);
    delete g_legacyTranslator;
    g_legacyTranslator = nullptr;
    g_phrases.clear();
    g_patterns.clear();
    setLegacyTranslator(uiText);
    if (uiLanguage() == UiLanguage::Japanese) return;
    g_legacyTranslator = new QTranslator;
    if (g_legacyTranslator->load(QStringLiteral("legacy_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(g_legacyTranslator);
    loadSources(QStringLiteral(":/i18n/legacy_en.ts"));
}

}  // namespace

QString uiText(const QString& japanese) {
    followLanguage();
    if (uiLanguage() == UiLanguage::Japanese) return japanese;
    QString out;
    if (translateWhole(japanese, out)) return out;
    QStringList lines = japanese.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (translateWhole(line, out)) line = out;
    }
    return phrasesReplaced(lines.join(QLatin1Char('\n')));
}

QString uiTextAs(std::string_view japanese, const char* use) {
    followLanguage();
    if (uiLanguage() == UiLanguage::Japanese) return uiText(japanese);
    const std::string source(japanese);
    const QString own = QCoreApplication::translate(kTextContext, source.c_str(), use);
    return own != QString::fromStdString(source) ? own : uiText(japanese);
}

QString uiText(std::string_view japanese) {
    return uiText(QString::fromUtf8(japanese.data(), static_cast<qsizetype>(japanese.size())));
}

}  // namespace vrq
