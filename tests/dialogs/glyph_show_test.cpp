// Shows the large glyph editor with a drawn glyph, or the insertion dialog,
// for a screenshot. Runs only when VRQ_GLYPH_SHOW is "editor" or "insert";
// VRQ_GLYPH_SHOW_MS sets how long the window stays up.

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include "glyph_ui/glyph_editor_dialog.h"
#include "glyph_ui/glyph_insert_dialog.h"

namespace vrq {
namespace {

void keepShown(QWidget& w) {
    w.show();
    w.move(20, 20);
    const int ms = qEnvironmentVariableIsSet("VRQ_GLYPH_SHOW_MS") ? qEnvironmentVariableIntValue("VRQ_GLYPH_SHOW_MS") : 3000;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

TEST(GlyphShowTest, ShowsADialogWhenAsked) {
    const QByteArray what = qgetenv("VRQ_GLYPH_SHOW");
    if (what.isEmpty()) GTEST_SKIP() << "set VRQ_GLYPH_SHOW to editor or insert";
    auto c = makeConsole(Product::Multi);
    if (what == "insert") {
        c->dialog.selectedGlyph = 4;
        c->app.currentPage = 11;
        c->app.currentLine = 2;
        c->dialog.insertPosition = 6;
        GlyphInsertDialog d(*c, nullptr);
        keepShown(d);
        return;
    }
    GlyphEditorDialog d(*c, GlyphSize::Large, nullptr, nullptr);
    // A boxed cross with a heavier frame, the shape of the kanji for "field".
    for (int i = 6; i <= 41; ++i) {
        for (int w = 0; w < 2; ++w) {
            setGlyphDot(c->glyph, GlyphSize::Large, 6 + w, i, true);
            setGlyphDot(c->glyph, GlyphSize::Large, 40 + w, i, true);
            setGlyphDot(c->glyph, GlyphSize::Large, i, 6 + w, true);
            setGlyphDot(c->glyph, GlyphSize::Large, i, 40 + w, true);
            setGlyphDot(c->glyph, GlyphSize::Large, 23 + w, i, true);
            setGlyphDot(c->glyph, GlyphSize::Large, i, 23 + w, true);
        }
    }
    keepShown(d);
}

}  // namespace
}  // namespace vrq
