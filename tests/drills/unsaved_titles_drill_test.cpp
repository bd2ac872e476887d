// Titles typed in the editor survive every way out of the program and every
// New and Open question, until they are on disk or the operator lets them go.

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <deque>
#include <filesystem>

#include "dialogs/title_editor.h"
#include "drills/drill_support.h"
#include "model/settings_file.h"
#include "dialogs/clock_source.h"
#include "shell/document_commands.h"
#include "shell/main_window.h"
#include "variants/variant.h"

namespace vrq::drill {
namespace {

struct ScriptedFiles : FileChooser {
    std::deque<std::string> answers;  // empty text = cancelled
    int opens = 0, saves = 0;
    std::string next() {
        if (answers.empty()) return {};
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string chooseOpenFile() override { return ++opens, next(); }
    std::string chooseSaveFile() override { return ++saves, next(); }
};

class UnsavedTitlesDrill : public ::testing::TestWithParam<Product> {};

TEST_P(UnsavedTitlesDrill, TitlesOutliveEveryExitAndQuestion) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
    auto c = makeConsole(GetParam());
    RecordingNotifier notes;
    c->notifier = &notes;
    c->app.appRunning = true;
    ClockSource clock;
    MainWindow w(*c, variantFor(GetParam()), clock);
    ScriptedFiles files;
    DocumentCommands docs(*c, files, [](const std::string&) {});
    w.setConfirmExit([&] { return docs.confirmExit(); });
    w.show();

    {
        // The operator types a title; only the editor marks the document.
        TitleEditor editor(*c, &w);
        QWidget* field = editor.findChild<QWidget*>("titleEdit");
        ASSERT_NE(field, nullptr);
        QInputMethodEvent typed;  // a title takes full-width characters only
        typed.setCommitString(QString::fromUtf8("ＡＢ"));
        QApplication::sendEvent(field, &typed);
    }
    ASSERT_EQ(firstTitle(*c), "\x82\x60\x82\x61");
    ASSERT_TRUE(c->app.documentModified);

    // New and Open, declined: nothing changes, no file dialog.
    notes.answers = {false};
    docs.newDocument();
    notes.answers = {false};
    docs.openDocument();
    EXPECT_EQ(files.opens, 0);
    EXPECT_EQ(firstTitle(*c), "\x82\x60\x82\x61");

    // Exit, "save first", no file name yet: the save dialog is cancelled.
    notes.answers = {false};
    ASSERT_FALSE(w.close());
    EXPECT_EQ(files.saves, 1);
    // The save fails (a folder that does not exist).
    notes.answers = {false};
    files.answers = {path("missing/t.dat")};
    ASSERT_FALSE(w.close());
    ASSERT_FALSE(notes.notices.empty());
    EXPECT_NE(notes.notices.back().text.find(path("missing/t.dat")), std::string::npos);
    EXPECT_TRUE(c->app.appRunning);
    EXPECT_EQ(firstTitle(*c), "\x82\x60\x82\x61");
    EXPECT_TRUE(c->app.documentModified);

    // With a file name whose save fails, the program stays open too.
    c->app.currentFileName = dir.path().toStdString();
    notes.answers = {false};
    EXPECT_FALSE(w.close());
    c->app.currentFileName.clear();

    // The save succeeds: the program ends, the titles are on disk.
    notes.answers = {false};
    files.answers = {path("t")};
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(c->app.appRunning);
    auto back = makeConsole(GetParam());
    ASSERT_TRUE(SettingsFile::load(*back, path("t.dat")));
    EXPECT_EQ(firstTitle(*back), "\x82\x60\x82\x61");
}

INSTANTIATE_TEST_SUITE_P(Drills, UnsavedTitlesDrill, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return std::string(info.param == Product::Single ? "Single" : "Multi"); });

}  // namespace
}  // namespace vrq::drill
