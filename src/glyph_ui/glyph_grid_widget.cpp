#include "glyph_ui/glyph_grid_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace vrq {

GlyphGridWidget::GlyphGridWidget(Console& c, GlyphSize size, QWidget* parent)
    : QWidget(parent), c_(c), size_(size) {
    setObjectName("glyphGrid");
    setFixedSize(kGlyphGridWidth, kGlyphGridHeight);
    setCursor(Qt::ArrowCursor);
    // Every paint covers the whole area.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint GlyphGridWidget::dotCentre(int row, int column) const {
    const GlyphGeometry& g = glyphGeometry(size_);
    return QPoint(column * g.cellWidth + g.cellWidth / 2, row * g.cellHeight + g.cellHeight / 2);
}

void GlyphGridWidget::paintEvent(QPaintEvent*) {
    const GlyphGeometry& g = glyphGeometry(size_);
    QPainter p(this);
    const QColor unlit(0, 0, 255);
    for (int r = 0; r < g.dots; ++r) {
        for (int col = 0; col < g.dots; ++col) {
            const QRect cell(col * g.cellWidth, r * g.cellHeight, g.cellWidth, g.cellHeight);
            const bool lit = glyphDotLit(c_.glyph, size_, r, col);
            p.fillRect(cell, lit ? QColor(Qt::white) : unlit);
            p.setPen(lit ? Qt::white : Qt::black);
            p.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
}

void GlyphGridWidget::applyAt(QPoint pos, bool lit) {
    // The grid's own origin stands for the editor's 12-pixel offset.
    int row = 0, column = 0;
    if (!glyphDotAt(size_, pos.x() + kGlyphGridOrigin, pos.y() + kGlyphGridOrigin, row, column)) return;
    if (!setGlyphDot(c_.glyph, size_, row, column, lit)) return;
    update();
    emit patternEdited();
}

void GlyphGridWidget::mousePressEvent(QMouseEvent* e) {
    emit pressed();
    // The press grabs the mouse implicitly: moves outside still arrive here
    // and are ignored until the pointer comes back.
    if (e->button() == Qt::LeftButton) {
        mode_ = Mode::Drawing;
        applyAt(e->position().toPoint(), true);
    } else if (e->button() == Qt::RightButton) {
        mode_ = Mode::Erasing;
        applyAt(e->position().toPoint(), false);
    }
}

void GlyphGridWidget::mouseMoveEvent(QMouseEvent* e) {
    if (mode_ == Mode::Drawing) applyAt(e->position().toPoint(), true);
    else if (mode_ == Mode::Erasing) applyAt(e->position().toPoint(), false);
}

void GlyphGridWidget::mouseReleaseEvent(QMouseEvent* e) {
    if ((e->button() == Qt::LeftButton && mode_ == Mode::Drawing) ||
        (e->button() == Qt::RightButton && mode_ == Mode::Erasing)) {
        mode_ = Mode::Off;
    }
}

}  // namespace vrq
