// The glyph editor: mouse drawing, file actions, register and read requests.

#include <cstdio>
#include <fstream>
#include <sstream>

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "glyph_ui/glyph_editor_dialog.h"
#include "glyphs/glyph_file.h"
#include "glyph_ui/glyph_grid_widget.h"
#include "protocol/notifier.h"
#include "protocol/run_target.h"
#include "protocol/send_path.h"
#include "protocol/transport.h"
#include "support/recording_transport.h"

namespace vrq {
namespace {

struct FakeChooser : GlyphFileChooser {
    QString openFileName(QWidget*, const QString& title, const QString& f) override {
        titles.push_back(title);
        filters = f;
        return next;
    }
    QString saveFileName(QWidget*, const QString& title, const QString& f) override {
        titles.push_back(title);
        filters = f;
        return next;
    }
    QString next;
    QStringList titles;
    QString filters;
};

std::string tempPath(const std::string& name) { return ::testing::TempDir() + name; }

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class GlyphEditorTest : public ::testing::Test {
protected:
    GlyphEditorTest() : c(makeConsole(Product::Multi)) {
        c->serialTransport = &port;
        c->notifier = &notes;
    }

    template <typename T>
    T* child(QWidget& w, const char* name) {
        T* found = w.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    std::string pattern(GlyphSize s) const {
        return std::string(c->glyph.pattern.head(static_cast<std::size_t>(glyphGeometry(s).digits)));
    }

    std::unique_ptr<Console> c;
    RecordingTransport port;
    RecordingNotifier notes;
    FakeChooser chooser;
};

TEST_F(GlyphEditorTest, OpensBlankWithTheGridTwelvePixelsIn) {
    c->glyph.pattern.assign(std::string(GlyphDigits::kCapacity, 'F'));
    c->dialog.selectedGlyph = 199;  // left by the small editor
    GlyphEditorDialog d(*c, GlyphSize::Large, &chooser, nullptr);
    EXPECT_EQ(pattern(GlyphSize::Large), std::string(576, '0'));
    d.layout()->activate();
    EXPECT_EQ(d.grid()->mapTo(&d, QPoint(0, 0)), QPoint(12, 12));
    EXPECT_EQ(d.grid()->size(), QSize(480, 384));
    EXPECT_EQ(d.windowTitle(), "外字登録設定（大文字）");
    auto* numbers = child<QComboBox>(d, "glyphNumberCombo");
    ASSERT_EQ(numbers->count(), 70);
    EXPECT_EQ(numbers->itemText(0), "01");
    EXPECT_EQ(numbers->itemText(69), "70");
    EXPECT_EQ(numbers->currentIndex(), 0);
    EXPECT_EQ(c->dialog.selectedGlyph, 0);

    c->dialog.selectedGlyph = 159;
    c->app.linkInterface = kLinkTcp;
    c->app.tcpRole = kTcpServer;
    c->app.selectedSlot = 3;
    c->app.clientSlots[3].addressText = "192.168.0.7";
    GlyphEditorDialog m(*c, GlyphSize::Small, &chooser, nullptr);
    EXPECT_EQ(m.windowTitle(), "外字登録（小文字）の設定 192.168.0.7");
    EXPECT_EQ(child<QComboBox>(m, "glyphNumberCombo")->itemText(255), "256");
    EXPECT_EQ(child<QComboBox>(m, "glyphNumberCombo")->currentIndex(), 159);
}

TEST_F(GlyphEditorTest, LeftDrawsRightErasesOnlyInnerDotsUnderThePointer) {
    GlyphEditorDialog d(*c, GlyphSize::Large, &chooser, nullptr);
    GlyphGridWidget* g = d.grid();
    QSignalSpy edits(g, &GlyphGridWidget::patternEdited);

    mouse(g, QEvent::MouseButtonPress, g->dotCentre(1, 1), Qt::LeftButton);
    mouse(g, QEvent::MouseButtonRelease, g->dotCentre(1, 1), Qt::LeftButton);
    EXPECT_EQ(c->glyph.pattern.at(12), '4');
    EXPECT_TRUE(d.glyphChanged());
    EXPECT_EQ(edits.count(), 1);

    // The outer ring is out of reach; a second click on a lit dot is no edit.
    for (QPoint p : {g->dotCentre(0, 5), g->dotCentre(47, 5), g->dotCentre(5, 0), g->dotCentre(5, 47),
                     g->dotCentre(1, 1)}) {
        mouse(g, QEvent::MouseButtonPress, p, Qt::LeftButton);
        mouse(g, QEvent::MouseButtonRelease, p, Qt::LeftButton);
    }
    EXPECT_EQ(edits.count(), 1);
    EXPECT_EQ(pattern(GlyphSize::Large).find_first_not_of('0'), 12u);

    // A drag lights each reported position and nothing between.
    mouse(g, QEvent::MouseButtonPress, g->dotCentre(10, 10), Qt::LeftButton);
    mouse(g, QEvent::MouseMove, g->dotCentre(10, 14), Qt::LeftButton);
    mouse(g, QEvent::MouseMove, QPoint(-40, 200), Qt::LeftButton);  // outside the grid
    mouse(g, QEvent::MouseMove, QPoint(700, 200), Qt::LeftButton);
    mouse(g, QEvent::MouseMove, g->dotCentre(20, 20), Qt::LeftButton);  // back again
    mouse(g, QEvent::MouseButtonRelease, g->dotCentre(20, 20), Qt::LeftButton);
    EXPECT_EQ(g->mode(), GlyphGridWidget::Mode::Off);
    EXPECT_TRUE(glyphDotLit(c->glyph, GlyphSize::Large, 10, 10));
    EXPECT_TRUE(glyphDotLit(c->glyph, GlyphSize::Large, 10, 14));
    for (int col = 11; col < 14; ++col) EXPECT_FALSE(glyphDotLit(c->glyph, GlyphSize::Large, 10, col));
    EXPECT_TRUE(glyphDotLit(c->glyph, GlyphSize::Large, 20, 20));
    EXPECT_EQ(edits.count(), 4);

    // Moving without a button held changes nothing; the right button erases.
    mouse(g, QEvent::MouseMove, g->dotCentre(30, 30), Qt::NoButton);
    EXPECT_FALSE(glyphDotLit(c->glyph, GlyphSize::Large, 30, 30));
    mouse(g, QEvent::MouseButtonPress, g->dotCentre(10, 10), Qt::RightButton);
    mouse(g, QEvent::MouseMove, g->dotCentre(10, 14), Qt::RightButton);
    mouse(g, QEvent::MouseButtonRelease, g->dotCentre(10, 14), Qt::RightButton);
    EXPECT_FALSE(glyphDotLit(c->glyph, GlyphSize::Large, 10, 10));
    EXPECT_FALSE(glyphDotLit(c->glyph, GlyphSize::Large, 10, 14));
    EXPECT_TRUE(glyphDotLit(c->glyph, GlyphSize::Large, 20, 20));
}

TEST_F(GlyphEditorTest, RegisterAndReadRequests) {
    GlyphEditorDialog d(*c, GlyphSize::Large, &chooser, nullptr);
    child<QPushButton>(d, "registerButton")->click();
    ASSERT_EQ(port.lines.size(), 1u);
    EXPECT_EQ(port.lines[0], "GRL001" + std::string(576, '0') + "\r\n");
    EXPECT_FALSE(c->reply.glyphReplyPending);

    child<QPushButton>(d, "readButton")->click();
    ASSERT_EQ(port.lines.size(), 2u);
    EXPECT_EQ(port.lines[1], "RFBMLA365\r\n");
    EXPECT_TRUE(c->reply.glyphReplyPending);
    // While the reply is awaited, reads and file actions do nothing; register still goes.
    child<QPushButton>(d, "sampleReadButton")->click();
    child<QPushButton>(d, "readButton")->click();
    d.saveGlyph();
    d.saveGlyphAs();
    d.openGlyph();
    d.newGlyph();
    EXPECT_EQ(port.lines.size(), 2u);
    EXPECT_TRUE(notes.notices.empty());
    EXPECT_TRUE(chooser.titles.isEmpty());
    child<QPushButton>(d, "registerButton")->click();
    EXPECT_EQ(port.lines.size(), 3u);
    c->reply.glyphReplyPending = false;

    // An empty sample asks for the full-width space; "ab" is no double-byte character.
    child<QPushButton>(d, "sampleReadButton")->click();
    EXPECT_EQ(port.lines.back(), "RFBML2121\r\n");
    c->reply.glyphReplyPending = false;
    child<QLineEdit>(d, "sampleEdit")->setText("ab");
    EXPECT_EQ(d.sample(), "ab");
    child<QPushButton>(d, "sampleReadButton")->click();
    EXPECT_EQ(port.lines.back(), "RFBML2121\r\n");
    c->reply.glyphReplyPending = false;
    // The field keeps at most one double-byte character.
    child<QLineEdit>(d, "sampleEdit")->setText("あい");
    EXPECT_EQ(child<QLineEdit>(d, "sampleEdit")->text(), "あ");
    EXPECT_EQ(d.sample(), "\x82\xA0");
    child<QPushButton>(d, "sampleReadButton")->click();
    EXPECT_EQ(port.lines.back(), "RFBML2422\r\n");
    c->reply.glyphReplyPending = false;
    child<QLineEdit>(d, "sampleEdit")->setText("a");
    EXPECT_EQ(d.sample(), "");
}

TEST_F(GlyphEditorTest, MediumSlotCodesAndReadsThatCannotGo) {
    GlyphEditorDialog d(*c, GlyphSize::Medium, &chooser, nullptr);
    auto* numbers = child<QComboBox>(d, "glyphNumberCombo");
    numbers->setCurrentIndex(26);
    EXPECT_EQ(c->dialog.selectedGlyph, 26);
    d.readSlot();
    EXPECT_EQ(port.lines.back(), "RFBMMA421\r\n");
    c->reply.glyphReplyPending = false;
    numbers->setCurrentIndex(159);
    d.readSlot();
    EXPECT_EQ(port.lines.back(), "RFBMMA548\r\n");
    c->reply.glyphReplyPending = false;

    c->app.linkInterface = kLinkTcp;
    c->app.tcpConnected = false;
    d.readSlot();
    d.readSample();
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[0].text, kNotConnectedText.source);
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Stop);
    EXPECT_FALSE(c->reply.glyphReplyPending);

    // Nobody answers a broadcast; a read that waited for one would hold the editor.
    const std::size_t before = port.lines.size();
    c->app.linkInterface = kLinkSerial;
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = kBroadcastAddress;
    d.readSlot();
    EXPECT_EQ(port.lines.size(), before);
    EXPECT_EQ(notes.notices.back().text, kBroadcastReadText.source);
    EXPECT_FALSE(c->reply.glyphReplyPending);
}

TEST_F(GlyphEditorTest, ReplyHookRedrawsOnlyTheMatchingEditorAndCloseClearsPending) {
    auto d = std::make_unique<GlyphEditorDialog>(*c, GlyphSize::Medium, &chooser, nullptr);
    d->show();
    QApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    d->grid()->installEventFilter(&counter);
    ASSERT_TRUE(static_cast<bool>(c->glyphStored));
    c->glyphStored('L');
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    c->glyph.pattern.put(0, '8');
    c->glyphStored('M');
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);

    c->reply.glyphReplyPending = true;
    child<QPushButton>(*d, "closeButton")->click();
    EXPECT_FALSE(c->reply.glyphReplyPending);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(notes.questions.empty());
    d.reset();
    EXPECT_FALSE(static_cast<bool>(c->glyphStored));
}

TEST_F(GlyphEditorTest, SaveAsAppendsTheSizeExtensionOnlyWhenMissing) {
    GlyphEditorDialog d(*c, GlyphSize::Medium, &chooser, nullptr);
    setGlyphDot(c->glyph, GlyphSize::Medium, 1, 1, true);
    chooser.next = QString::fromStdString(tempPath("abc"));
    std::remove(tempPath("abc.txm").c_str());
    d.saveGlyphAs();
    EXPECT_EQ(chooser.titles.last(), "ファイルの保存");
    EXPECT_EQ(chooser.filters, "データ(*.txm);;すべて(*.*)");
    EXPECT_EQ(d.currentGlyphFile(), tempPath("abc.txm"));
    const std::string text = slurp(tempPath("abc.txm"));
    EXPECT_EQ(text.size(), 256u * 3);
    EXPECT_EQ(text.substr(24, 3), "4\r\n");

    chooser.next = QString::fromStdString(tempPath("abc.txm.bak"));
    d.saveGlyphAs();
    EXPECT_EQ(d.currentGlyphFile(), tempPath("abc.txm.bak"));
    EXPECT_EQ(slurp(tempPath("abc.txm.bak")), text);

    // "abc" again names the existing abc.txm: asked first, kept on No.
    setGlyphDot(c->glyph, GlyphSize::Medium, 2, 2, true);
    notes.answers = {false};
    chooser.next = QString::fromStdString(tempPath("abc"));
    d.saveGlyphAs();
    ASSERT_EQ(notes.questions.size(), 1u);
    EXPECT_EQ(slurp(tempPath("abc.txm")), text);
    EXPECT_EQ(d.currentGlyphFile(), tempPath("abc.txm.bak"));

    // Cancel does nothing; a file that cannot be created keeps the current one.
    chooser.next.clear();
    d.saveGlyphAs();
    chooser.next = QString::fromStdString(tempPath("missing/dir/x"));
    d.saveGlyphAs();
    EXPECT_EQ(d.currentGlyphFile(), tempPath("abc.txm.bak"));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_NE(notes.notices[0].text.find(tempPath("missing/dir/x.txm")), std::string::npos);
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Stop);
    std::remove(tempPath("abc.txm").c_str());
    std::remove(tempPath("abc.txm.bak").c_str());
}

TEST_F(GlyphEditorTest, OpenLoadsFilesAndNewAsksBeforeDroppingChanges) {
    const std::string path = tempPath("only576.txl");
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 576; ++i) out << (i % 2 ? "F" : "1") << "\r\n";
    }
    GlyphEditorDialog d(*c, GlyphSize::Large, &chooser, nullptr);
    d.saveGlyph();
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "Don't file open");
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Exclamation);

    chooser.next = QString::fromStdString(path);
    d.openGlyph();
    EXPECT_EQ(chooser.titles.last(), "ファイルのオープン");
    EXPECT_EQ(chooser.filters, "データ(*.txl);;すべて(*.*)");
    EXPECT_EQ(pattern(GlyphSize::Large).substr(0, 4), "1F1F");
    EXPECT_EQ(pattern(GlyphSize::Large).substr(572), "1F1F");
    EXPECT_EQ(d.currentGlyphFile(), path);
    EXPECT_FALSE(d.glyphChanged());

    // With changes, Open asks first; No keeps everything.
    mouse(d.grid(), QEvent::MouseButtonPress, d.grid()->dotCentre(2, 2), Qt::LeftButton);
    mouse(d.grid(), QEvent::MouseButtonRelease, d.grid()->dotCentre(2, 2), Qt::LeftButton);
    const std::string drawn = pattern(GlyphSize::Large);
    notes.answers = {false};
    d.openGlyph();
    EXPECT_EQ(notes.questions.back(), "データを保存せずに別のファイルを開きますか？");
    EXPECT_EQ(pattern(GlyphSize::Large), drawn);

    // New answered No keeps the pattern and the file; Yes clears both.
    notes.answers = {false};
    d.newGlyph();
    EXPECT_EQ(notes.questions.back(), "データを保存せずに新規作成しますか？");
    EXPECT_EQ(pattern(GlyphSize::Large), drawn);
    EXPECT_EQ(d.currentGlyphFile(), path);
    notes.answers = {true};
    d.newGlyph();
    EXPECT_EQ(pattern(GlyphSize::Large), std::string(576, '0'));
    EXPECT_TRUE(d.currentGlyphFile().empty());
    EXPECT_FALSE(d.glyphChanged());

    // A file that cannot be opened warns and changes nothing.
    chooser.next = QString::fromStdString(tempPath("nothing/here.txl"));
    d.openGlyph();
    EXPECT_EQ(notes.notices.back().text, "Can't file open");
    EXPECT_EQ(notes.notices.back().icon, NoticeIcon::Exclamation);
    EXPECT_TRUE(d.currentGlyphFile().empty());

    // A damaged file: what is no hex digit reads as unlit, and the operator is told once.
    {
        std::ofstream out(path, std::ios::binary);
        for (const char* ch : {"Z", "Z", "f", "F"}) out << ch << "\r\n";
    }
    const std::size_t before = notes.notices.size();
    chooser.next = QString::fromStdString(path);
    d.openGlyph();
    EXPECT_EQ(pattern(GlyphSize::Large).substr(0, 4), "00FF");
    ASSERT_EQ(notes.notices.size(), before + 1);
    EXPECT_NE(notes.notices.back().text.find("壊れています"), std::string::npos);
    std::remove(path.c_str());
}

TEST_F(GlyphEditorTest, ReopenedEditorIsBlankWithoutAFile) {
    const std::string path = tempPath("reopen.txs");
    {
        GlyphEditorDialog d(*c, GlyphSize::Small, &chooser, nullptr);
        setGlyphDot(c->glyph, GlyphSize::Small, 3, 3, true);
        chooser.next = QString::fromStdString(path);
        d.saveGlyphAs();
        EXPECT_EQ(d.currentGlyphFile(), path);
        d.reject();
    }
    GlyphEditorDialog again(*c, GlyphSize::Small, &chooser, nullptr);
    EXPECT_EQ(pattern(GlyphSize::Small), std::string(144, '0'));
    again.saveGlyph();
    ASSERT_FALSE(notes.notices.empty());
    EXPECT_EQ(notes.notices.back().text, "Don't file open");
    std::remove(path.c_str());
}

}  // namespace
}  // namespace vrq
