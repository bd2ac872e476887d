// A glyph drawn in the editor goes to the simulated device over a real
// pseudo-terminal and comes back into a fresh, blank editor unchanged.


#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include "glyph_ui/glyph_editor_dialog.h"
#include "glyph_ui/glyph_grid_widget.h"
#include "protocol/notifier.h"
#include "protocol/reply_parser.h"
#include "protocol/transport.h"
#include "support/pty_port.h"
#include "support/sim_process.h"

namespace vrq {
namespace {

using test::PtyPort;

void drag(QWidget* grid, const std::vector<QPoint>& points) {
    auto send = [grid](QEvent::Type t, QPoint at) {
        QMouseEvent e(t, at, grid->mapToGlobal(at), t == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid, &e);
    };
    send(QEvent::MouseButtonPress, points.front());
    for (QPoint p : points) send(QEvent::MouseMove, p);
    send(QEvent::MouseButtonRelease, points.back());
}

TEST(GlyphEndToEndTest, RegisteredGlyphReadsBackIntoABlankEditor) {
    test::SimProcess sim({});
    ASSERT_FALSE(sim.ptyPath().empty()) << sim.firstLine();
    PtyPort port(sim.ptyPath());
    ASSERT_TRUE(port.ok());

    auto c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    c->serialTransport = &port;
    c->notifier = &notes;

    std::string drawn;
    {
        GlyphEditorDialog d(*c, GlyphSize::Large, nullptr, nullptr);
        GlyphGridWidget* g = d.grid();
        std::vector<QPoint> stroke;
        for (int i = 1; i <= 46; ++i) stroke.push_back(g->dotCentre(i, i));
        drag(g, stroke);
        drag(g, {g->dotCentre(5, 40), g->dotCentre(6, 39), g->dotCentre(7, 38)});
        drawn = std::string(c->glyph.pattern.head(576));
        ASSERT_NE(drawn, std::string(576, '0'));

        d.findChild<QComboBox*>("glyphNumberCombo")->setCurrentIndex(4);
        d.findChild<QPushButton*>("registerButton")->click();
        const std::string answer = port.readLine(3000);
        EXPECT_EQ(answer, "GO\r\n");
        handleSerialReply(*c, answer);
        d.findChild<QPushButton*>("closeButton")->click();
    }

    GlyphEditorDialog again(*c, GlyphSize::Large, nullptr, nullptr);
    EXPECT_EQ(std::string(c->glyph.pattern.head(576)), std::string(576, '0'));
    EXPECT_EQ(again.findChild<QComboBox*>("glyphNumberCombo")->currentText(), "05");
    again.findChild<QPushButton*>("readButton")->click();
    EXPECT_TRUE(c->reply.glyphReplyPending);
    const std::string reply = port.readLine(3000);
    ASSERT_EQ(reply.substr(0, 8), "FBMLA369");
    handleSerialReply(*c, reply);
    EXPECT_FALSE(c->reply.glyphReplyPending);
    EXPECT_EQ(std::string(c->glyph.pattern.head(576)), drawn);

    EXPECT_TRUE(notes.notices.empty());
}

}  // namespace
}  // namespace vrq
