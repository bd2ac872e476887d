#pragma once
// The five per-line setting dialogs of the multi-line program. They differ
// only in their field, items, texts and commands; LineSettingDialog holds the
// shared behaviour and each family member fills in its table.

#include <functional>
#include <vector>

#include "dialogs/setting_dialog.h"
#include "protocol/command_line.h"

class QComboBox;

namespace vrq {

class LineSettingDialog : public SettingDialog {
    Q_OBJECT
public:
    // One edited value with its "this line", "all pages" and "all lines" lists.
    struct Value {
        QString label, allPagesLabel, allLinesLabel;
        QStringList items;
        PageLineInt SettingsModel::*field;
        int DialogValues::*allPages;
        int DialogValues::*allLines;
        QString valueName, allPagesName, allLinesName;  // object names
        bool onOff = false;                             // any non-zero code shows as on
    };
    struct Family {
        QString caption, peerHeading;
        std::vector<Value> values;
        CommandLine (*lineCommand)(const SettingsModel&, int page, int line);
        CommandLine (*pageCommand)(const SettingsModel&, int page);
        int periodMs = 100;
        std::function<QString(const SettingsModel&, int page, int line)> row;  // preview row text
        QString secondHeader;  // drawn at (80, 1) when set
        int previewWidth = 250;
    };

    LineSettingDialog(Console& c, QWidget* parent, Family family);

    // The texts the preview shows, header first; tests read them.
    QStringList previewTexts() const;

private:
    void paintPreview(QPainter& p);
    void reselectValues();
    void sendLine();
    void sendPage();
    void sendAll();

    Family family_;
    QComboBox* pageCombo_ = nullptr;
    QComboBox* lineCombo_ = nullptr;
    std::vector<QComboBox*> valueCombos_;
};

class BlinkDialog : public LineSettingDialog {
    Q_OBJECT
public:
    BlinkDialog(Console& c, QWidget* parent);
};

class CharSizeDialog : public LineSettingDialog {
    Q_OBJECT
public:
    CharSizeDialog(Console& c, QWidget* parent);
};

class LineSpacingDialog : public LineSettingDialog {
    Q_OBJECT
public:
    LineSpacingDialog(Console& c, QWidget* parent);
};

class ColourDialog : public LineSettingDialog {
    Q_OBJECT
public:
    ColourDialog(Console& c, QWidget* parent);
};

class FillDialog : public LineSettingDialog {
    Q_OBJECT
public:
    FillDialog(Console& c, QWidget* parent);
};

}  // namespace vrq
