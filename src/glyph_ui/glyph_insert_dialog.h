#pragma once
// Places a registered glyph at a title position: size, glyph number, page,
// line (multi-line program) and position, sent as one insertion command.

#include "dialogs/setting_dialog.h"

class QComboBox;

namespace vrq {

class GlyphInsertDialog : public SettingDialog {
    Q_OBJECT
public:
    GlyphInsertDialog(Console& c, QWidget* parent);

    // Glyph numbers and positions offered for size 0 (large), 1, 2.
    static int glyphCount(int size);
    static int positionCount(Product product, int size);

    // "設定": sends the insertion command for the stored choices.
    void sendInsertion();

private:
    void sizeChosen(int size);
    // Grows or shrinks a number list at its end, keeping the items that stay.
    static void resizeList(QComboBox* combo, int count, int width);

    QComboBox* sizeCombo_ = nullptr;
    QComboBox* glyphCombo_ = nullptr;
    QComboBox* positionCombo_ = nullptr;
};

}  // namespace vrq
