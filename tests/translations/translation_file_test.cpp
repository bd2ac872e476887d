// The English translation file stays complete: every Japanese text in the
// sources has a finished translation, and every source in the file is still
// in the code byte for byte.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <set>

namespace vrq {
namespace {

struct Literal {
    std::string text;
    std::string where;
};

// The string literals of one C++ file, adjacent ones joined as the compiler
// does; comments and character literals are skipped.
std::vector<Literal> stringLiterals(const std::string& code, const std::string& file) {
    std::vector<Literal> out;
    size_t i = 0;
    int line = 1;
    bool afterLiteral = false;  // only blanks and comments since the last string literal
    while (i < code.size()) {
        const char c = code[i];
        if (c == '\n') ++line;
        if (code.compare(i, 2, "//") == 0) {
            i = code.find('\n', i);
            if (i == std::string::npos) break;
            continue;
        }
        if (code.compare(i, 2, "/*") == 0) {
            const size_t end = code.find("*/", i + 2);
            if (end == std::string::npos) break;
            for (size_t k = i; k < end; ++k) line += code[k] == '\n';
            i = end + 2;
            continue;
        }
        if (c == '\'' || c == '"') {
            std::string text;
            size_t j = i + 1;
            while (j < code.size() && code[j] != c) {
                if (code[j] == '\\' && j + 1 < code.size()) {
                    const char e = code[j + 1];
                    text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                    j += 2;
                } else {
                    text += code[j++];
                }
            }
            if (c == '"') {
                if (afterLiteral)
                    out.back().text += text;
                else
                    out.push_back({text, file + ":" + std::to_string(line)});
            }
            afterLiteral = c == '"';
            i = j + 1;
            continue;
        }
        if (!std::isspace(static_cast<unsigned char>(c))) afterLiteral = false;
        ++i;
    }
    return out;
}

bool isAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Japanese texts of the programs with a window; vrqctl and vrqsim speak English.
std::map<std::string, std::string> japaneseTexts() {
    std::map<std::string, std::string> texts;
    const QString root = QStringLiteral(VRQ_SOURCE_DIR "/src");
    QDirIterator it(root, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    const QRegularExpression english(QStringLiteral("^src/(sim|ctl|apps/vrqctl|apps/vrqsim)/"));
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = path.mid(root.size() - 3);
        if (english.match(rel).hasMatch()) continue;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const std::string code = f.readAll().toStdString();
        std::vector<std::string> lines;
        for (const QByteArray& l : QByteArray::fromStdString(code).split('\n')) lines.push_back(l.toStdString());
        for (const Literal& l : stringLiterals(code, rel.toStdString())) {
            if (isAscii(l.text)) continue;
            // Validator patterns, and texts English replaces as a whole, say so on their line.
            const int n = std::stoi(l.where.substr(l.where.rfind(':') + 1));
            const std::string& source = lines[static_cast<size_t>(n - 1)];
            if (source.find("QRegularExpression") != std::string::npos ||
                source.find("untranslated:") != std::string::npos)
                continue;
            texts.emplace(l.text, l.where);
        }
    }
    return texts;
}

struct Message {
    std::string translation;
    bool finished = false;
};

std::map<std::string, Message> translationFile() {
    std::map<std::string, Message> messages;
    QFile f(QStringLiteral(VRQ_SOURCE_DIR "/translations/vrq_en.ts"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    std::string source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText().toStdString();
        if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value("type").toString() == QLatin1String("unfinished");
            const QString t = xml.readElementText();
            messages[source] = {t.toStdString(), !unfinished && !t.isEmpty()};
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

TEST(TranslationFile, EveryJapaneseTextHasAFinishedEnglishOne) {
    const auto texts = japaneseTexts();
    const auto messages = translationFile();
    ASSERT_GT(texts.size(), 200u);
    for (const auto& [text, where] : texts) {
        const auto m = messages.find(text);
        if (m == messages.end()) {
            ADD_FAILURE() << where << ": no English for \"" << text << "\"";
            continue;
        }
        EXPECT_TRUE(m->second.finished) << where << ": unfinished English for \"" << text << "\"";
        // Filled-in numbers and names must have a place in the English text too.
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        auto marks = [](const std::string& s) {
            std::multiset<QString> found;
            for (auto it = placeholder.globalMatch(QString::fromStdString(s)); it.hasNext();)
                found.insert(it.next().captured());
            return found;
        };
        EXPECT_EQ(marks(text), marks(m->second.translation)) << where << ": placeholders of \"" << text << "\"";
    }
}

TEST(TranslationFile, NoSourceIsLeftThatTheCodeNoLongerHas) {
    const auto texts = japaneseTexts();
    for (const auto& [source, message] : translationFile())
        EXPECT_TRUE(texts.count(source)) << "the code has no \"" << source << "\" (changed or removed?)";
}

TEST(TranslationFile, LiteralsAreReadAsTheCompilerJoinsThem) {
    const auto found = stringLiterals("f(\"a\\n\" // \"no\"\n  \"b\", 'x', \"c\\\"d\"); /* \"e\" */", "t.cpp");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].text, "a\nb");
    EXPECT_EQ(found[1].text, "c\"d");
}

}  // namespace
}  // namespace vrq
