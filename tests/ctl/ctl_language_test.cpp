// vrqctl speaks the operator's language: English in any other locale,
// Japanese in a Japanese one, --lang over both. The in-process tests of this
// folder run in English.

#include <gtest/gtest.h>

#include <QProcess>

#include "link/ui_language.h"

namespace vrq::ctl {
namespace {

class EnglishRuns : public ::testing::Environment {
public:
    void SetUp() override { installUiLanguage(UiLanguage::English); }
    void TearDown() override { installUiLanguage(UiLanguage::Japanese); }
};
[[maybe_unused]] ::testing::Environment* const kEnglish = ::testing::AddGlobalTestEnvironment(new EnglishRuns);

struct Ran {
    int rc = -1;
    QString out, err;
};

Ran runVrqctl(const char* lang, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VRQCTL_PATH), args);
    if (!p.waitForFinished(60000)) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

TEST(CtlLanguageTest, FollowsTheLocaleAndLang) {
    const QStringList missing{QStringLiteral("diff"), QStringLiteral("/nonexistent/a.dat"), QStringLiteral("b.dat")};
    const Ran en = runVrqctl("en_US.UTF-8", missing);
    EXPECT_EQ(en.rc, 2);
    EXPECT_TRUE(en.err.startsWith(QStringLiteral("vrqctl: cannot read the settings document /nonexistent/a.dat: ")))
        << en.err.toStdString();

    const Ran ja = runVrqctl("ja_JP.UTF-8", missing);
    EXPECT_EQ(ja.rc, 2);
    EXPECT_TRUE(ja.err.startsWith(QStringLiteral("vrqctl: 設定ファイル /nonexistent/a.dat を読み込めませんでした")))
        << ja.err.toStdString();

    const Ran chosen = runVrqctl("ja_JP.UTF-8", QStringList{QStringLiteral("--lang=en"), QStringLiteral("send")});
    EXPECT_EQ(chosen.rc, 2);
    EXPECT_TRUE(chosen.err.startsWith(QStringLiteral("vrqctl: 'send' takes exactly one argument\nusage: vrqctl")))
        << chosen.err.toStdString();
    EXPECT_EQ(runVrqctl("en_US.UTF-8", {QStringLiteral("--lang"), QStringLiteral("fr")}).err,
              QStringLiteral("vrqctl: unknown language 'fr': use ja or en\n"));
}

// The runs by their English menu names, the Japanese menu text beside them.
TEST(CtlLanguageTest, HelpNamesTheRunsAsTheMenusDo) {
    const Ran en = runVrqctl("en_US.UTF-8", {QStringLiteral("--help")});
    EXPECT_EQ(en.rc, 0);
    for (const char* run : {"(\"Send All Settings\", 全項目の設定)", "(\"Read All Settings\", 設定項目の読み込み)",
                            "(\"Send Changes\", 変更分の送信)", "(\"Export Titles (CSV)\", タイトルの書き出し（CSV）)",
                            "(\"Import Titles (CSV)\", タイトルの読み込み（CSV）)", "--lang ja|en"})
        EXPECT_TRUE(en.out.contains(QString::fromUtf8(run))) << run;
    EXPECT_TRUE(runVrqctl("ja_JP.UTF-8", {QStringLiteral("--help")}).out.contains(QStringLiteral("（「全項目の設定」）")));
}

}  // namespace
}  // namespace vrq::ctl
