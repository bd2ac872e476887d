// The program is told to end (SIGTERM, as a desktop session ending sends it)
// with a title typed but not saved: a recovery copy keeps the title, and the
// next start offers it under the original's name.

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <unistd.h>

#include "dialogs/title_editor.h"
#include "glyph_ui/glyph_editor_dialog.h"
#include "drills/drill_support.h"
#include "model/settings_file.h"
#include "dialogs/clock_source.h"
#include "shell/main_window.h"
#include "shell/recovery.h"
#include "variants/variant.h"

namespace vrq::drill {
namespace {

class RecoveryDrill : public ::testing::TestWithParam<Product> {};

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
    again.offer(*next, [&](const std::string& name) { shown = name; });
    EXPECT_EQ(firstTitle(*next), "\x82\x60\x82\x61");
    EXPECT_EQ(next->app.currentFileName, original);
    EXPECT_TRUE(next->app.documentModified);
    EXPECT_EQ(shown, original);
    EXPECT_FALSE(again.exists());
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
