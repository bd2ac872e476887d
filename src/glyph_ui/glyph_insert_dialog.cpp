#include "glyph_ui/glyph_insert_dialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "glyphs/glyph_commands.h"
#include "protocol/send_path.h"

namespace vrq {

namespace {

int positionWidth(Product p) { return p == Product::Single ? 3 : 2; }

}  // namespace

int GlyphInsertDialog::glyphCount(int size) { return size == 0 ? 70 : size == 1 ? 160 : 256; }

int GlyphInsertDialog::positionCount(Product product, int size) {
    const int lower = size == 0 ? 20 : 28;
    return product == Product::Single ? lower * 10 : lower;
}

GlyphInsertDialog::GlyphInsertDialog(Console& c, QWidget* parent)
    : SettingDialog(c, parent, tr("外字挿入"), tr("外字挿入の設定 ")) {
    setObjectName("glyphInsertDialog");
    DialogValues& d = c.dialog;
    if (d.insertGlyphSize < 0 || d.insertGlyphSize > 2) d.insertGlyphSize = 0;
    const int size = d.insertGlyphSize;
    // The shared number may come from the small or medium editor.
    if (d.selectedGlyph < 0 || d.selectedGlyph >= glyphCount(size)) d.selectedGlyph = 0;
    if (d.insertPosition < 0 || d.insertPosition >= positionCount(c.product, size)) d.insertPosition = 0;

    QComboBox* page = addCombo(tr("ページ"), pageItems(), "pageCombo");
    sizeCombo_ = addCombo(tr("フォント サイズ"), {"LARGE ", "MEDIUM", "SMALL "}, "sizeCombo");
    QComboBox* line = nullptr;
    if (!c.single()) line = addCombo(tr("ライン"), numberItems(1, kLines, 2), "lineCombo");
    glyphCombo_ = addCombo(tr("外字登録番号"), numberItems(1, glyphCount(size), 3), "glyphCombo");
    positionCombo_ = addCombo(tr("挿入位置"), numberItems(1, positionCount(c.product, size), positionWidth(c.product)),
                              "positionCombo");
    addSlaveAddressRow();
    QPushButton* send = addButton(tr("設定", "button"), "sendButton");

    select(page, c.app.currentPage);
    select(sizeCombo_, size);
    if (line) select(line, c.app.currentLine);
    select(glyphCombo_, d.selectedGlyph);
    select(positionCombo_, d.insertPosition);

    connect(page, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i < kPages) console().app.currentPage = i;
    });
    if (line) {
        connect(line, &QComboBox::currentIndexChanged, this, [this](int i) {
            if (i >= 0 && i < kLines) console().app.currentLine = i;
        });
    }
    connect(sizeCombo_, &QComboBox::currentIndexChanged, this, &GlyphInsertDialog::sizeChosen);
    connect(glyphCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) console().dialog.selectedGlyph = i;
    });
    connect(positionCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) console().dialog.insertPosition = i;
    });
    connect(send, &QPushButton::clicked, this, &GlyphInsertDialog::sendInsertion);
}

void GlyphInsertDialog::resizeList(QComboBox* combo, int count, int width) {
    const QSignalBlocker block(combo);
    while (combo->count() > count) combo->removeItem(combo->count() - 1);
    while (combo->count() < count) {
        combo->addItem(QStringLiteral("%1").arg(combo->count() + 1, width, 10, QLatin1Char('0')));
    }
}

void GlyphInsertDialog::sizeChosen(int size) {
    Console& c = console();
    DialogValues& d = c.dialog;
    if (size < 0 || size > 2 || size == d.insertGlyphSize) return;
    d.insertGlyphSize = size;
    const int glyphs = glyphCount(size);
    const int positions = positionCount(c.product, size);
    // A choice the smaller lists no longer hold starts over at the first item.
    if (d.selectedGlyph >= glyphs) d.selectedGlyph = 0;
    if (d.insertPosition >= positions) d.insertPosition = 0;
    resizeList(glyphCombo_, glyphs, 3);
    resizeList(positionCombo_, positions, positionWidth(c.product));
    select(glyphCombo_, d.selectedGlyph);
    select(positionCombo_, d.insertPosition);
}

void GlyphInsertDialog::sendInsertion() {
    Console& c = console();
    sendCommand(c, glyphInsertCommand(c.product, c.dialog.selectedGlyph + 1, c.app.currentPage, c.app.currentLine,
                                      c.dialog.insertPosition + 1));
}

}  // namespace vrq
