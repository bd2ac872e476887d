#pragma once
// The title editor of both programs: ten lines a page with a preview in the
// multi-line program, one long title a page in the single-line program. The
// field holds Unicode; the model holds Shift-JIS bytes, converted at the field.

#include <string>
#include <vector>

#include "dialogs/setting_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vrq {

class TitleEditor : public SettingDialog {
    Q_OBJECT
public:
    TitleEditor(Console& c, QWidget* parent);

    // The multi-line preview texts, header first; tests read them.
    QStringList previewTexts() const;

private:
    int maxBytes() const;
    std::string storedText() const;
    void store(const std::string& bytes);
    void loadField();
    // `cursor` is where the edit left the cursor: it ends what was inserted.
    void fieldEdited(const QString& text, int cursor);
    void sendLine();
    void sendPage();
    void sendAll();
    void paintPreview(QPainter& p);

    QComboBox* pageCombo_ = nullptr;
    QComboBox* lineCombo_ = nullptr;
    QLineEdit* lineEdit_ = nullptr;       // multi-line program
    QPlainTextEdit* pageEdit_ = nullptr;  // single-line program
    QLabel* reason_ = nullptr;            // why typed text was not taken
    QString accepted_;                    // the field text last stored
    std::vector<std::string> acceptedBytes_;  // its stored bytes, per UTF-16 unit
    bool loading_ = false;
};

}  // namespace vrq
