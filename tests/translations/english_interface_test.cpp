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
#include "link/ui_language.h"
#include "model/reset_settings.h"
#include "link/ui_language.h"
#include "model/safe_file.h"
#include "model/value_ranges.h"
#include "protocol/bulk_runs.h"
#include "protocol/notifier.h"
#include "protocol/run_tally.h"
#include "protocol/send_sequencer.h"
#include "protocol/title_encode.h"
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
}

TEST_F(Languages, ComposedNoticesAreTranslatedByTheirParts) {
    installUiLanguage(UiLanguage::English);
    EXPECT_EQ(render(unansweredStopText(3)),
              "No answer from the device. 3 commands in a row went unanswered, so the run was stopped.");
    EXPECT_EQ(render(unansweredStopText(1)), "No answer from the device. 1 command went unanswered, so the run was stopped.");
    EXPECT_EQ(render(correctedValuesText({ValueKind::Blink, ValueKind::DisplayPosition})),
              "The file held values out of range. They are shown as the values that will be sent:\nBlink, "
              "Display position");
    std::vector<UntakenTitleChar> untaken{{3, 5, 0x9F9F, 0x7E7E}, {7, 1, 0x41, 0}, {10, 0, 0x9F40, 0x7E21}};
    EXPECT_EQ(render(untakenTitlesText({untaken[0]}, Product::Multi)),
              "Titles in 1 place hold characters the device does not take. Correct them in Title Settings.\n"
              "Page 004 line 06: JIS 7E7E");
    untaken.resize(7, untaken[2]);
    EXPECT_EQ(render(untakenTitlesText(untaken, Product::Multi)),
              "Titles in 7 places hold characters the device does not take. Correct them in Title Settings.\n"
              "Page 004 line 06: JIS 7E7E\nPage 008 line 02: a character without a JIS code (41)\n"
              "Page 011 line 01: JIS 7E21\nPage 011 line 01: JIS 7E21\nPage 011 line 01: JIS 7E21\nand 2 more");
    RunTally tally(4);
    tally.record(0, StepOutcome::Answered);
    tally.record(1, StepOutcome::Unanswered);
    EXPECT_EQ(render(runShortfallText(tally, true, pageStepName)),
              "3 settings were not read.\npage 002 (no answer)\npage 003 (not sent)\npage 004 (not sent)");
    tally.record(2, StepOutcome::Answered);
    tally.record(3, StepOutcome::Answered);
    EXPECT_EQ(render(runShortfallText(tally, false, [](int s) { return sendAllStepName(Product::Multi, s); })),
              "1 setting was not sent.\ntitles of page 002 (no answer)");
    // Data stays as it is: a path holding 設定 or "%2" is never translated or filled.
    EXPECT_EQ(render(overwriteQuestion("/tmp/%2/日.dat")), QString::fromUtf8("/tmp/%2/日.dat already exists.\nDo you want to replace it?"));
    EXPECT_EQ(render(overwriteQuestion("/tmp/設定 表示/設定.dat")),
              QString::fromUtf8("/tmp/設定 表示/設定.dat already exists.\nDo you want to replace it?"));
    EXPECT_EQ(render(fileProblemText({FileProblem::ReadFailed, "Input/output error"}, "/home/設定 表示.dat", false)),
              QString::fromUtf8("Cannot read the file.\n/home/設定 表示.dat\n(Input/output error)"));
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
