#pragma once
// The drawing area of a glyph editor: shows the shared pattern buffer as a
// grid of cells and lets the mouse light (left button) or clear (right
// button) the inner dots.

#include <QWidget>

#include "glyphs/glyph_pattern.h"
#include "model/console.h"

namespace vrq {

class GlyphGridWidget : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Off, Drawing, Erasing };

    GlyphGridWidget(Console& c, GlyphSize size, QWidget* parent);

    GlyphSize glyphSize() const { return size_; }
    Mode mode() const { return mode_; }
    // Pixel centre of dot (row, column) in the widget's own coordinates.
    QPoint dotCentre(int row, int column) const;

signals:
    // Any button went down on the grid.
    void pressed();
    // A mouse action really changed a digit (and the grid was redrawn).
    void patternEdited();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void applyAt(QPoint pos, bool lit);

    Console& c_;
    GlyphSize size_;
    Mode mode_ = Mode::Off;
};

}  // namespace vrq
