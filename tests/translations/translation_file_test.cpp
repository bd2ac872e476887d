// The English translation file is what lupdate makes of the marked texts, and
// every entry in it is finished and keeps its source's placeholders and
// shortcut marks.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <set>

namespace vrq {
namespace {

struct Entry {
    QString context, source, comment;
    QStringList translations;  // one, or the plural forms
    bool unfinished = false;
    bool numerus = false;
    bool operator==(const Entry&) const = default;
};

// Every entry of a .ts file, locations left out: they move with every edit.
std::vector<Entry> entriesOf(const QString& path) {
    std::vector<Entry> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() != QLatin1String("message")) continue;
        Entry e{context, {}, {}, {}, false, xml.attributes().value("numerus") == QLatin1String("yes")};
        while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("message"))) {
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("source")) e.source = xml.readElementText();
            if (xml.name() == QLatin1String("comment")) e.comment = xml.readElementText();
            if (xml.name() == QLatin1String("translation")) {
                e.unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
                if (!e.numerus) e.translations << xml.readElementText();
            }
            if (xml.name() == QLatin1String("numerusform")) e.translations << xml.readElementText();
        }
        out.push_back(e);
    }
    return out;
}

const QString kTsFile = QStringLiteral(VRQ_SOURCE_DIR "/translations/vrq_en.ts");

TEST(TranslationFile, IsWhatLupdateMakesOfTheMarkedTexts) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath("vrq_en.ts");
    QProcess p;
    p.start(QStringLiteral(VRQ_SOURCE_DIR "/scripts/update-translations"), {fresh});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const auto kept = entriesOf(kTsFile), made = entriesOf(fresh);
    ASSERT_FALSE(kept.empty());
    std::set<std::pair<QString, QString>> keptKeys, madeKeys;
    for (const Entry& e : kept) keptKeys.insert({e.context, e.source + "|" + e.comment});
    for (const Entry& e : made) madeKeys.insert({e.context, e.source + "|" + e.comment});
    for (const auto& k : madeKeys)
        EXPECT_TRUE(keptKeys.count(k)) << "not in the file (run scripts/update-translations): "
                                       << k.first.toStdString() << " " << k.second.toStdString();
    for (const auto& k : keptKeys)
        EXPECT_TRUE(madeKeys.count(k)) << "no longer in the code: " << k.first.toStdString() << " "
                                       << k.second.toStdString();
}

// What Linguist's validation checks: %1.. and %n, and the shortcut mark.
TEST(TranslationFile, EveryEntryIsFinishedWithItsPlaceholders) {
    static const QRegularExpression mark(QStringLiteral("%[1-9n]"));
    auto marks = [](const QString& s) {
        std::multiset<QString> m;
        for (auto it = mark.globalMatch(s); it.hasNext();) m.insert(it.next().captured());
        return m;
    };
    // A mark is "&" before a letter or digit; "&&" is an ampersand, and a
    // lone "& " in a window title is plain text.
    static const QRegularExpression shortcut(QStringLiteral("&[\\p{L}\\p{N}]"));
    auto shortcuts = [](QString s) { return s.remove(QStringLiteral("&&")).count(shortcut); };
    for (const Entry& e : entriesOf(kTsFile)) {
        const std::string where = e.context.toStdString() + " " + e.source.toStdString();
        EXPECT_FALSE(e.unfinished) << where;
        ASSERT_EQ(e.translations.size(), e.numerus ? 2 : 1) << where;
        for (const QString& t : e.translations) {
            EXPECT_FALSE(t.isEmpty()) << where;
            auto want = marks(e.source);
            if (e.numerus) want.insert(QStringLiteral("%n"));
            auto have = marks(t);
            if (e.numerus) have.insert(QStringLiteral("%n"));
            EXPECT_EQ(std::set<QString>(have.begin(), have.end()), std::set<QString>(want.begin(), want.end()))
                << where << " -> " << t.toStdString();
            EXPECT_EQ(shortcuts(t), shortcuts(e.source)) << where << " -> " << t.toStdString();
        }
    }
}

}  // namespace
}  // namespace vrq
