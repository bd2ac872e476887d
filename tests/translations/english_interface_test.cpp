// The English interface: every window of both programs in English, the
// Japanese one unchanged, and the command line of the consoles.
#include <gtest/gtest.h>

#include <map>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QComboBox>
#include <QCommandLineParser>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include "dialogs/clock_source.h"
#include "dialogs/traffic_monitor.h"
#include "dialogs/ui_text.h"
#include "model/reset_settings.h"
#include "model/safe_file.h"
#include "protocol/notifier.h"
#include "shell/command_wiring.h"
#include "shell/console_app.h"
#include "shell/main_window.h"
#include "variants/commands.h"
#include "variants/variant.h"

namespace vrq {
namespace {

const QRegularExpression kJapanese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));

// The texts a window shows, apart from what the operator typed.
QStringList shownTexts(QWidget* top) {
    QStringList out{top->windowTitle()};
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        out << w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w)) out << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) out << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) out << g->title();
        if (auto* e = qobject_cast<QLineEdit*>(w)) out << e->placeholderText();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        if (auto* t = qobject_cast<QTreeWidget*>(w))
            for (int i = 0; i < t->columnCount(); ++i) out << t->headerItem()->text(i);
        for (QAction* a : w->actions()) out << a->text() << a->toolTip();
    }
    return out;
}

std::vector<std::string> japaneseIn(const QStringList& texts) {
    std::vector<std::string> found;
    for (const QString& t : texts)
        if (t.contains(kJapanese)) found.push_back(t.toStdString());
    return found;
}

// Every menu item as "Menu/Item", depth first; separators as "-".
QStringList menuPaths(const QList<QAction*>& actions, const QString& prefix = {}) {
    QStringList out;
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            out << prefix + "-";
            continue;
        }
        out << prefix + a->text();
        if (a->menu()) out << menuPaths(a->menu()->actions(), prefix + a->text() + "/");
    }
    return out;
}

// The English menus of each program, Title Case, && for a literal ampersand.
QStringList englishMenus(Product p) {
    const bool single = p == Product::Single;
    QStringList out{"File", "File/New", "File/Open…", "File/Save", "File/Save As…", "File/-",
                    "File/Export Titles (CSV)…", "File/Import Titles (CSV)…", "File/-", "File/Exit", "Settings"};
    const QStringList settings =
        single ? QStringList{"Date and Time", "Titles", "Character Size", "Display Position", "Display Offset",
                             "Scroll Speed", "Blinking", "Auto Switching", "Character && Edge Colour",
                             "Background Fill", "Character Level", "Schedule", "Alarm", "Remote", "Other Settings",
                             "Display Page"}
               : QStringList{"Date and Time", "Titles", "Character Size", "Line Spacing", "Blinking", "Auto Switching",
                             "Character && Edge Colour", "Background Fill", "Character Level", "Schedule", "Alarm",
                             "Remote", "Other Settings", "Display Page"};
    for (const QString& s : settings) out << "Settings/" + s;
    out << QStringList{"Settings/-", "Settings/User Glyphs", "Settings/User Glyphs/Small Glyphs",
                       "Settings/User Glyphs/Medium Glyphs", "Settings/User Glyphs/Large Glyphs",
                       "Settings/Insert User Glyph", "Settings/-", "Settings/Send All Settings",
                       "Settings/Send Changes", "Settings/Device Slave Address", "Settings/Maintenance",
                       "Settings/Maintenance/Read All Settings", "Interface", "Interface/Interface Settings",
                       "Interface/RS-232C/485 Settings", "Interface/Client/Server", "Interface/TCP/IP Settings",
                       "Protocol", "Protocol/Protocol Settings", "Information",
                       single ? "Information/About VRQ700S" : "Information/About VRQ700", "Information/Traffic Monitor"};
    return out;
}

class Languages : public ::testing::Test {
protected:
    void TearDown() override { installUiLanguage(UiLanguage::Japanese); }
};

TEST_F(Languages, EveryWindowOfBothProgramsSpeaksEnglish) {
    installUiLanguage(UiLanguage::English);
    for (Product p : {Product::Multi, Product::Single}) {
        auto c = makeConsole(p);
        c->app.linkInterface = kLinkTcp;
        RecordingNotifier notifier;
        c->notifier = &notifier;
        ClockSource clock;
        const Variant& v = variantFor(p);
        MainWindow window(*c, v, clock);
        ConsoleServices services(*c, window, clock);
        services.start();

        EXPECT_EQ(menuPaths(window.menuBar()->actions()), englishMenus(p));
        EXPECT_EQ(japaneseIn(shownTexts(&window)), std::vector<std::string>());

        for (int command : menuCommands(v)) {
            if (command == cmd::kExit) continue;
            QStringList seen;
            // Modal windows are looked at from inside their own loop.
            QTimer probe;
            probe.setSingleShot(true);
            QObject::connect(&probe, &QTimer::timeout, [&seen] {
                if (QWidget* w = QApplication::activeModalWidget()) {
                    seen = shownTexts(w);
                    w->close();
                }
            });
            probe.start(0);
            window.dispatch(command);
            if (command == cmd::kTrafficMonitor) seen = shownTexts(services.trafficMonitor());
            EXPECT_EQ(japaneseIn(seen), std::vector<std::string>()) << "command " << command;
        }
    }
}

// The menu bar of each program as started with --lang, and every menu item of
// the Japanese one byte for byte as before.
TEST_F(Languages, EachProgramStartedWithLangShowsItsMenus) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    // The program's own ini file, recovery copies and instance lock, apart from the operator's.
    struct Folders {
        std::map<std::string, QByteArray> old;
        explicit Folders(const QString& path) {
            for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
                old[var] = qgetenv(var);
                qputenv(var, path.toUtf8());
            }
        }
        ~Folders() {
            for (const auto& [var, value] : old) value.isEmpty() ? qunsetenv(var.c_str()) : qputenv(var.c_str(), value);
        }
    } folders(home.path());
    QDir(home.path()).mkpath("vrq700-console");
    for (Product p : {Product::Multi, Product::Single}) {
        const Variant& v = variantFor(p);
        // Over TCP/IP the start opens no port, so no notice waits in the queue.
        QFile ini(home.path() + (p == Product::Single ? "/vrq700-console/vrq700s.ini" : "/vrq700-console/vrq700.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(p == Product::Single ? "[VRQ-700S_Section]\r\nInterface=1\r\n" : "[VRQ-700_Section]\r\nInterface=1\r\n");
        ini.close();
        {
            RunningConsole run;
            ASSERT_EQ(startConsole(p, {"VRQ700", "--lang", "en"}, run), std::nullopt);
            EXPECT_EQ(menuPaths(run.window->menuBar()->actions()), englishMenus(p));
        }
        RunningConsole run;
        ASSERT_EQ(startConsole(p, {"VRQ700", "--lang=ja"}, run), std::nullopt);
        std::function<void(const QList<QAction*>&, const std::vector<MenuEntry>&)> same =
            [&same](const QList<QAction*>& actions, const std::vector<MenuEntry>& entries) {
                ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size()));
                for (std::size_t i = 0; i < entries.size(); ++i) {
                    QAction* a = actions[static_cast<qsizetype>(i)];
                    EXPECT_EQ(a->text().toStdString(), entries[i].isSeparator() ? "" : entries[i].label.source);
                    if (a->menu()) same(a->menu()->actions(), entries[i].children);
                }
            };
        same(run.window->menuBar()->actions(), v.menuBar);
    }
    EXPECT_EQ(uiText("ファイルを開けません。"), QString::fromUtf8("ファイルを開けません。"));
}

TEST_F(Languages, ComposedNoticesAreTranslatedByTheirParts) {
    installUiLanguage(UiLanguage::English);
    EXPECT_EQ(uiText("装置から応答がありません。3件のコマンドに続けて応答がなかったため、中止しました。"),
              "No answer from the device. 3 commands in a row went unanswered, so the run was stopped.");
    EXPECT_EQ(uiText("シリアルポート /dev/ttyUSB0 が使えなくなりました。つなぎ直してから、インターフェイスの設定でシリアルを選び直してください。"),
              "Serial port /dev/ttyUSB0 is no longer available. Plug it in again, then choose serial again in "
              "Interface Settings.");
    EXPECT_EQ(uiText("ファイルに範囲外の値がありました。送信される値に直して表示します。\n点滅、表示位置"),
              "The file held values out of range. They are shown as the values that will be sent:\nBlink, "
              "Display position");
    EXPECT_EQ(uiText("7か所のタイトルに、機器が受け付けない文字があります。タイトルの設定で直してください。\n"
                     "ページ 004 ライン 06：JIS 7E7E\nページ 008 ライン 02：JISコードのない文字（41）\n"
                     "ページ 011：JIS 7E21\nほか2か所"),
              "Titles in 7 places hold characters the device does not take. Correct them in Title Settings.\n"
              "Page 004 line 06: JIS 7E7E\nPage 008 line 02: a character without a JIS code (41)\n"
              "Page 011: JIS 7E21\nand 2 more");
    EXPECT_EQ(uiText("前回、保存されずに終了したデータがあります。\n/tmp/a.dat\n開きますか？"),
              "The program ended last time with unsaved data.\n/tmp/a.dat\nOpen it?");
    // A name the operator gave stays as it is, even one with %2 in it.
    EXPECT_EQ(uiText("シリアルポート /dev/%2 が使えなくなりました。つなぎ直してから、インターフェイスの設定でシリアルを選び直してください。")
                  .left(20),
              "Serial port /dev/%2 ");
    EXPECT_EQ(uiText("/tmp/日.dat は既に存在します。\n上書きしますか？"), QString::fromUtf8("/tmp/日.dat already exists.\nOverwrite it?"));
    // Known words inside a path are its own characters, not phrases.
    EXPECT_EQ(uiText(QString::fromStdString(overwriteQuestion("/tmp/設定 表示/設定.dat").japanese())),
              QString::fromUtf8("/tmp/設定 表示/設定.dat already exists.\nOverwrite it?"));
    EXPECT_TRUE(uiText(QString::fromStdString(fileProblemText({FileProblem::CannotOpen, {}}, "/home/設定 表示.dat", false)))
                    .endsWith(QString::fromUtf8("\n/home/設定 表示.dat")));
}

TEST_F(Languages, MessageBoxButtonsFollowTheLanguage) {
    auto yes = [] {
        QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    };
    installUiLanguage(UiLanguage::English);
    EXPECT_EQ(yes(), "&Yes");
    installUiLanguage(UiLanguage::Japanese);
    EXPECT_EQ(yes(), QString::fromUtf8("はい(&Y)"));
}

TEST(LanguageChoice, FollowsTheLocaleAndDefaultsToJapanese) {
    EXPECT_EQ(languageForLocale("", "", ""), UiLanguage::Japanese);
    EXPECT_EQ(languageForLocale("", "", "ja_JP.UTF-8"), UiLanguage::Japanese);
    EXPECT_EQ(languageForLocale("", "", "en_GB.UTF-8"), UiLanguage::English);
    EXPECT_EQ(languageForLocale("", "de_DE.UTF-8", "ja_JP.UTF-8"), UiLanguage::English);
    EXPECT_EQ(languageForLocale("ja_JP.UTF-8", "de_DE.UTF-8", ""), UiLanguage::Japanese);
}

TEST(ConsoleCommandLine, LangOverridesAndBadUsageIsNamed) {
    auto parse = [](QStringList args, QString& error) {
        QCommandLineParser parser;
        args.prepend("VRQ700");
        return parseConsoleArguments(parser, args, error);
    };
    QString error;
    EXPECT_EQ(parse({"--lang", "en"}, error), UiLanguage::English);
    EXPECT_EQ(parse({"--lang=ja"}, error), UiLanguage::Japanese);
    EXPECT_FALSE(parse({"--lang", "fr"}, error));
    EXPECT_TRUE(error.contains("fr"));
    EXPECT_FALSE(parse({"--colour"}, error));
    EXPECT_TRUE(error.contains("colour"));
    // --version gives the number the version box shows.
    for (Product p : {Product::Multi, Product::Single})
        EXPECT_TRUE(QString::fromStdString(variantFor(p).versionText).endsWith(" " + consoleVersion(p)));
}

struct Finished {
    int status = -1;
    QByteArray out;
};

Finished runProgram(const QString& program, const QStringList& args) {
    QProcess proc;
    // As on a machine without a display: nothing a window needs may be asked.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    proc.setProcessEnvironment(env);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&proc, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&proc, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(60000);
    proc.start(program, args);
    loop.exec();
    if (proc.state() != QProcess::NotRunning) return {};
    return {proc.exitStatus() == QProcess::NormalExit ? proc.exitCode() : -1, proc.readAllStandardOutput()};
}

TEST(ConsoleCommandLine, HelpAndVersionOfTheProgramsThemselves) {
    for (const char* program : {VRQ700_PATH, VRQ700S_PATH}) {
        const Finished version = runProgram(program, {"--version"});
        EXPECT_EQ(version.status, 0);
        EXPECT_TRUE(version.out.contains("1.00")) << program;
        const Finished help = runProgram(program, {"--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.contains("--lang")) << program;
        EXPECT_EQ(help.out.contains("VRQ-700S"), QString(program).endsWith("S")) << help.out.constData();
        const Finished helpAll = runProgram(program, {"--help-all"});
        EXPECT_EQ(helpAll.status, 0);
        EXPECT_TRUE(helpAll.out.contains("--lang")) << program;
        EXPECT_EQ(runProgram(program, {"--lang", "xx"}).status, 1);
        EXPECT_EQ(runProgram(program, {"--colour"}).status, 1);
    }
}

}  // namespace
}  // namespace vrq
