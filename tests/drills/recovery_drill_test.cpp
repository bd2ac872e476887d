// The program is told to end (SIGTERM, as a desktop session ending sends it)
// with a title typed but not saved: a recovery copy keeps the title, and the
// next start offers it under the original's name.

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "dialogs/title_editor.h"
#include "glyph_ui/glyph_editor_dialog.h"
#include "drills/drill_support.h"
#include "model/settings_file.h"
#include "dialogs/clock_source.h"
#include "shell/command_wiring.h"
#include "shell/console_app.h"
#include "shell/document_commands.h"
#include "shell/main_window.h"
#include "shell/recovery.h"
#include "variants/commands.h"
#include "variants/variant.h"

namespace vrq::drill {
namespace {

class RecoveryDrill : public ::testing::TestWithParam<Product> {};

unsigned modeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void setFirstTitle(Console& c, const char* text) {
    if (c.single())
        setCell(c.settings.singleTitleText[0], text);
    else
        setCell(c.settings.titleText[0][0], text);
}

struct NoFiles : FileChooser {
    std::string chooseOpenFile() override { return {}; }
    std::string chooseSaveFile() override { return {}; }
};

TEST_P(RecoveryDrill, SigtermKeepsTheUnsavedTitleForTheNextStart) {
    QTemporaryDir dir;
    const std::string data = dir.filePath("data").toStdString();
    const std::string original = dir.filePath("titles.dat").toStdString();
    const RecoveryCopy copy(data, GetParam());

    auto c = makeConsole(GetParam());
    RecordingNotifier notes;
    c->notifier = &notes;
    c->app.currentFileName = original;
    ClockSource clock;
    MainWindow w(*c, variantFor(GetParam()), clock);
    w.show();
    TerminationSignals termination;
    int received = 0;
    QObject::connect(&termination, &TerminationSignals::requested, [&](int signo) {
        received = signo;
        keepUnsavedWork(*c, copy);
    });

    // Nothing unsaved: the end is quiet and leaves nothing behind.
    ::kill(::getpid(), SIGHUP);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received == SIGHUP; }, 5000));
    EXPECT_FALSE(copy.exists());

    {
        TitleEditor editor(*c, &w);
        QWidget* field = editor.findChild<QWidget*>("titleEdit");
        ASSERT_NE(field, nullptr);
        QInputMethodEvent typed;  // a title takes full-width characters only
        typed.setCommitString(QString::fromUtf8("ＡＢ"));
        QApplication::sendEvent(field, &typed);
        // The signal comes while the editor is still open.
        ::kill(::getpid(), SIGTERM);
        ASSERT_TRUE(QTest::qWaitFor([&] { return received == SIGTERM; }, 5000));
    }
    ASSERT_TRUE(copy.exists());
    EXPECT_FALSE(std::filesystem::exists(original));  // never written over the document

    // The next start: "no" deletes the copy...
    auto next = makeConsole(GetParam());
    RecordingNotifier nextNotes;
    next->notifier = &nextNotes;
    std::string shown;
    nextNotes.answers = {false};
    const RecoveryCopy again(data, GetParam());
    again.offer(*next, [&](const std::string& name) { shown = name; });
    ASSERT_EQ(nextNotes.questions.size(), 1u);
    EXPECT_NE(nextNotes.questions[0].find(original), std::string::npos);
    EXPECT_FALSE(again.exists());
    EXPECT_EQ(firstTitle(*next), "");

    // ...and "yes" opens it unsaved, named after the original.
    ASSERT_TRUE(keepUnsavedWork(*c, copy));
    nextNotes.answers = {true};
    ASSERT_TRUE(again.offer(*next, [&](const std::string& name) { shown = name; }));
    EXPECT_EQ(firstTitle(*next), "\x82\x60\x82\x61");
    EXPECT_EQ(next->app.currentFileName, original);
    EXPECT_TRUE(next->app.documentModified);
    EXPECT_EQ(shown, original);

    // The copy outlives the load: a crash before the save still finds it.
    EXPECT_TRUE(again.exists());
    NoFiles files;
    DocumentCommands docs(*next, files, nullptr);
    docs.whenSettled([&again] { again.discard(); });
    ASSERT_TRUE(docs.saveDocument());
    EXPECT_FALSE(again.exists());
    EXPECT_FALSE(std::filesystem::exists(data + (GetParam() == Product::Single ? "/vrq700s-recovery.name" : "/vrq700-recovery.name")));
}

TEST_P(RecoveryDrill, CopiesAndTheirFolderAreTheOperatorsAloneFromTheStart) {
    QTemporaryDir dir;
    const std::string data = dir.filePath("share/data").toStdString();  // the parent is missing too
    const RecoveryCopy copy(data, GetParam());
    auto c = makeConsole(GetParam());
    c->app.currentFileName = dir.filePath("titles.dat").toStdString();
    const mode_t old = ::umask(022);
    ASSERT_TRUE(copy.save(*c));
    ASSERT_TRUE(copy.saveGlyph(c->glyph, GlyphSize::Small));
    EXPECT_EQ(modeOf(dir.filePath("share").toStdString()), 0700u);
    EXPECT_EQ(modeOf(data), 0700u);
    EXPECT_EQ(modeOf(copy.documentPath()), 0600u);
    EXPECT_EQ(modeOf(copy.glyphPath(GlyphSize::Small)), 0600u);
    for (const auto& e : std::filesystem::directory_iterator(data)) EXPECT_EQ(modeOf(e.path().string()), 0600u) << e.path();

    // A copy an earlier version left readable by all becomes private when written again.
    ::chmod(copy.documentPath().c_str(), 0644);
    ASSERT_TRUE(copy.save(*c));
    EXPECT_EQ(modeOf(copy.documentPath()), 0600u);
    ::umask(old);
}

// A running program: a recovered document's copy stays until the document is
// saved; the exit question's キャンセル goes back to the program; a
// termination signal while the question is open writes the recovery copy,
// never the document, and ends with 128 + the signal.
TEST_P(RecoveryDrill, ExitQuestionCancelStaysAndASignalDuringItSavesNothingOverTheDocument) {
    QTemporaryDir home;
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
    const bool single = GetParam() == Product::Single;
    // Over TCP/IP the start opens no port, so no notice box comes first.
    QDir(home.path()).mkpath("vrq700-console");
    {
        std::ofstream ini(home.filePath(single ? "vrq700-console/vrq700s.ini" : "vrq700-console/vrq700.ini").toStdString());
        ini << (single ? "[VRQ-700S_Section]\r\nInterface=1\r\n" : "[VRQ-700_Section]\r\nInterface=1\r\n");
    }
    const std::string document = home.filePath("titles.dat").toStdString();
    const RecoveryCopy copy(home.filePath("vrq700-console").toStdString(), GetParam());
    {
        auto earlier = makeConsole(GetParam());
        setFirstTitle(*earlier, "saved");
        ASSERT_TRUE(SettingsFile::save(*earlier, document));
        earlier->app.currentFileName = document;
        setFirstTitle(*earlier, "recovered");
        ASSERT_TRUE(copy.save(*earlier));
    }

    // Answers the next box from inside its own loop.
    QStringList buttons;
    std::function<void(QMessageBox&)> answer;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !answer) return;
        buttons.clear();
        for (QAbstractButton* b : box->buttons()) buttons << b->text().remove(QRegularExpression("\\(&.\\)"));
        buttons.sort();  // the order is the platform's
        std::exchange(answer, nullptr)(*box);
    });
    probe.start(10);
    auto click = [](QMessageBox::StandardButton which) {
        return [which](QMessageBox& box) { box.button(which)->click(); };
    };

    RunningConsole run;
    answer = click(QMessageBox::Yes);  // open the recovered document
    ASSERT_EQ(startConsole(GetParam(), {"VRQ700", "--lang=ja"}, run), std::nullopt);
    Console& c = *run.console;
    ASSERT_EQ(firstTitle(c), "recovered");
    EXPECT_TRUE(copy.exists());

    answer = click(QMessageBox::Cancel);
    EXPECT_FALSE(run.window->close());
    QStringList three{"はい", "いいえ", "キャンセル"};
    three.sort();
    EXPECT_EQ(buttons.join(' ').toStdString(), three.join(' ').toStdString());
    EXPECT_TRUE(run.window->isVisible());
    EXPECT_TRUE(c.app.documentModified);
    EXPECT_EQ(firstTitle(c), "recovered");
    EXPECT_TRUE(copy.exists());

    run.window->dispatch(cmd::kSave);
    EXPECT_FALSE(copy.exists());
    auto saved = makeConsole(GetParam());
    ASSERT_TRUE(SettingsFile::load(*saved, document));
    EXPECT_EQ(firstTitle(*saved), "recovered");

    setFirstTitle(c, "unsaved");
    const std::string before = bytesOf(document);
    answer = [](QMessageBox&) { ::kill(::getpid(), SIGTERM); };
    QTimer::singleShot(0, run.window.get(), [&run] { run.window->close(); });
    QTimer guard;  // a question that never comes must not hang the drill
    guard.callOnTimeout([] { QApplication::exit(-1); });
    guard.start(20000);
    EXPECT_EQ(QApplication::exec(), 128 + SIGTERM);
    EXPECT_FALSE(answer) << "the question never came";
    EXPECT_TRUE(bytesOf(document) == before) << "the document was written";
    ASSERT_TRUE(copy.exists());
    auto back = makeConsole(GetParam());
    ASSERT_TRUE(SettingsFile::load(*back, copy.documentPath()));
    EXPECT_EQ(firstTitle(*back), "unsaved");
}

TEST_P(RecoveryDrill, AnOpenGlyphEditorsUnsavedGlyphIsKeptOrDeleted) {
    QTemporaryDir dir;
    const std::string data = dir.filePath("data").toStdString();
    const RecoveryCopy copy(data, GetParam());
    auto c = makeConsole(GetParam());
    RecordingNotifier notes;
    c->notifier = &notes;
    ClockSource clock;
    MainWindow w(*c, variantFor(GetParam()), clock);

    GlyphEditorDialog editor(*c, GlyphSize::Medium, nullptr, &w);
    ASSERT_TRUE(keepUnsavedWork(*c, copy));
    EXPECT_FALSE(std::filesystem::exists(copy.glyphPath(GlyphSize::Medium)));  // nothing drawn yet
    QTest::mousePress(&editor, Qt::LeftButton, {}, QPoint(2, 2));
    c->glyph.pattern.put(0, 'F');
    ASSERT_TRUE(keepUnsavedWork(*c, copy));
    ASSERT_TRUE(std::filesystem::exists(copy.glyphPath(GlyphSize::Medium)));
    EXPECT_FALSE(copy.exists());  // the document itself had nothing unsaved

    // Yes keeps it under a dated name that is not asked about again; no deletes it.
    notes.answers = {true};
    copy.offerGlyphs(*c);
    ASSERT_EQ(notes.questions.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(copy.glyphPath(GlyphSize::Medium)));
    int kept = 0;
    for (const auto& e : std::filesystem::directory_iterator(data))
        kept += e.path().extension() == ".txm" ? 1 : 0;
    EXPECT_EQ(kept, 1);
    copy.offerGlyphs(*c);
    EXPECT_EQ(notes.questions.size(), 1u);

    ASSERT_TRUE(keepUnsavedWork(*c, copy));
    notes.answers = {false};
    copy.offerGlyphs(*c);
    EXPECT_FALSE(std::filesystem::exists(copy.glyphPath(GlyphSize::Medium)));
}

INSTANTIATE_TEST_SUITE_P(Drills, RecoveryDrill, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return std::string(info.param == Product::Single ? "Single" : "Multi"); });

}  // namespace
}  // namespace vrq::drill
