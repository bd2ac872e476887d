#pragma once
// The glyph editor, one class for the large, medium and small glyphs: draw
// a glyph with the mouse, keep it in a glyph file, register it into a
// numbered device slot, or read a slot or a character's pattern back.

#include <string>

#include <QString>

#include "dialogs/setting_dialog.h"
#include "glyphs/glyph_pattern.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vrq {

class GlyphGridWidget;

// File choosing, replaceable in tests. Each returns the chosen path, or an
// empty string when the operator cancels.
class GlyphFileChooser {
public:
    virtual ~GlyphFileChooser() = default;
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filters) = 0;
    // Asks before overwriting an existing file.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filters) = 0;
};

// The platform's open and save dialogs.
class FileDialogGlyphChooser : public GlyphFileChooser {
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& filters) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filters) override;
};

class GlyphEditorDialog : public SettingDialog {
    Q_OBJECT
public:
    // `chooser` may be null: the platform's file dialogs are used then.
    GlyphEditorDialog(Console& c, GlyphSize size, GlyphFileChooser* chooser, QWidget* parent);
    ~GlyphEditorDialog() override;

    GlyphSize glyphSize() const { return size_; }
    GlyphGridWidget* grid() const { return grid_; }
    bool glyphChanged() const { return changed_; }
    const std::string& currentGlyphFile() const { return currentFile_; }
    const std::string& sample() const { return sample_; }

    // The button actions, as the buttons run them.
    void newGlyph();
    void openGlyph();
    void saveGlyph();
    void saveGlyphAs();
    void registerGlyph();
    void readSlot();
    void readSample();

    void reject() override;

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    QString filters() const;
    void sampleEdited(const QString& text);
    void sendRead(int code);
    void warn(const Message& text);
    void error(const Message& text);

    GlyphSize size_;
    GlyphFileChooser* chooser_;
    FileDialogGlyphChooser ownChooser_;
    GlyphGridWidget* grid_ = nullptr;
    QComboBox* numberCombo_ = nullptr;
    QLineEdit* sampleEdit_ = nullptr;
    std::string currentFile_;
    std::string sample_;  // two Shift-JIS bytes, or empty
    bool changed_ = false;
};

}  // namespace vrq
