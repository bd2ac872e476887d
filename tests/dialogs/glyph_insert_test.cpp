// The insertion dialog: list ranges per size and model, size switches, command.

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "glyph_ui/glyph_insert_dialog.h"
#include "protocol/transport.h"
#include "support/recording_transport.h"

namespace vrq {
namespace {

class GlyphInsertTest : public ::testing::Test {
protected:
    void open(Product p) {
        c = makeConsole(p);
        c->serialTransport = &port;
    }
    QComboBox* combo(QWidget& d, const char* name) {
        auto* found = d.findChild<QComboBox*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::unique_ptr<Console> c;
    RecordingTransport port;
};

TEST_F(GlyphInsertTest, LargeOffersSeventyGlyphsAndTwentyPositions) {
    open(Product::Multi);
    GlyphInsertDialog d(*c, nullptr);
    EXPECT_EQ(d.windowTitle(), "外字挿入");
    EXPECT_EQ(combo(d, "sizeCombo")->itemText(0), "LARGE ");
    EXPECT_EQ(combo(d, "sizeCombo")->itemText(2), "SMALL ");
    ASSERT_EQ(combo(d, "glyphCombo")->count(), 70);
    EXPECT_EQ(combo(d, "glyphCombo")->itemText(69), "070");
    ASSERT_EQ(combo(d, "positionCombo")->count(), 20);
    EXPECT_EQ(combo(d, "positionCombo")->itemText(19), "20");
    EXPECT_EQ(combo(d, "lineCombo")->count(), 10);
    EXPECT_EQ(combo(d, "pageCombo")->itemText(511), "512");

    open(Product::Single);
    GlyphInsertDialog s(*c, nullptr);
    EXPECT_EQ(s.findChild<QComboBox*>("lineCombo"), nullptr);
    ASSERT_EQ(combo(s, "positionCombo")->count(), 200);
    EXPECT_EQ(combo(s, "positionCombo")->itemText(199), "200");
    combo(s, "sizeCombo")->setCurrentIndex(1);
    EXPECT_EQ(combo(s, "positionCombo")->count(), 280);
    EXPECT_EQ(combo(s, "positionCombo")->itemText(279), "280");
}

TEST_F(GlyphInsertTest, SizeSwitchesKeepValidChoicesAndResetOthers) {
    open(Product::Multi);
    c->dialog.insertGlyphSize = 2;
    c->dialog.selectedGlyph = 199;
    GlyphInsertDialog d(*c, nullptr);
    QComboBox* glyphs = combo(d, "glyphCombo");
    QComboBox* positions = combo(d, "positionCombo");
    EXPECT_EQ(glyphs->currentText(), "200");

    combo(d, "sizeCombo")->setCurrentIndex(1);  // small -> medium
    EXPECT_EQ(glyphs->count(), 160);
    EXPECT_EQ(glyphs->currentText(), "001");
    EXPECT_EQ(c->dialog.selectedGlyph, 0);
    combo(d, "sizeCombo")->setCurrentIndex(2);  // back to small keeps 001
    EXPECT_EQ(glyphs->count(), 256);
    EXPECT_EQ(glyphs->itemText(255), "256");
    EXPECT_EQ(glyphs->currentText(), "001");

    combo(d, "sizeCombo")->setCurrentIndex(1);
    glyphs->setCurrentIndex(99);
    positions->setCurrentIndex(24);
    EXPECT_EQ(c->dialog.insertPosition, 24);
    combo(d, "sizeCombo")->setCurrentIndex(0);  // medium -> large
    EXPECT_EQ(positions->count(), 20);
    EXPECT_EQ(positions->currentText(), "01");
    EXPECT_EQ(glyphs->currentText(), "001");
    EXPECT_EQ(c->dialog.insertGlyphSize, 0);

    // Values that stay valid survive a switch up and back.
    glyphs->setCurrentIndex(41);
    positions->setCurrentIndex(11);
    combo(d, "sizeCombo")->setCurrentIndex(2);
    EXPECT_EQ(positions->count(), 28);
    EXPECT_EQ(positions->itemText(27), "28");
    combo(d, "sizeCombo")->setCurrentIndex(0);
    EXPECT_EQ(glyphs->currentText(), "042");
    EXPECT_EQ(positions->currentText(), "12");
}

TEST_F(GlyphInsertTest, OpeningWithANumberBeyondTheSizeStartsAtOne) {
    open(Product::Multi);
    c->dialog.selectedGlyph = 199;  // left by the small editor
    GlyphInsertDialog d(*c, nullptr);
    EXPECT_EQ(combo(d, "glyphCombo")->currentText(), "001");
    EXPECT_EQ(c->dialog.selectedGlyph, 0);
}

TEST_F(GlyphInsertTest, SendCarriesGlyphPageLineAndPositionButNoSize) {
    open(Product::Multi);
    GlyphInsertDialog d(*c, nullptr);
    combo(d, "glyphCombo")->setCurrentIndex(4);
    combo(d, "pageCombo")->setCurrentIndex(11);
    combo(d, "lineCombo")->setCurrentIndex(2);
    combo(d, "positionCombo")->setCurrentIndex(6);
    EXPECT_EQ(c->app.currentPage, 11);
    EXPECT_EQ(c->app.currentLine, 2);
    d.findChild<QPushButton*>("sendButton")->click();
    ASSERT_EQ(port.lines.size(), 1u);
    EXPECT_EQ(port.lines[0], "G005P012L03I07\r\n");
    combo(d, "sizeCombo")->setCurrentIndex(2);
    d.sendInsertion();
    EXPECT_EQ(port.lines[1], port.lines[0]);

    open(Product::Single);
    GlyphInsertDialog s(*c, nullptr);
    combo(s, "glyphCombo")->setCurrentIndex(4);
    combo(s, "pageCombo")->setCurrentIndex(11);
    combo(s, "positionCombo")->setCurrentIndex(116);
    s.sendInsertion();
    EXPECT_EQ(port.lines.back(), "G005P012I117\r\n");
}

}  // namespace
}  // namespace vrq
