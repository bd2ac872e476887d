#pragma once
// The eight per-page setting dialogs of the single-line program: a preview of
// 32 pages (the colour dialog: 8), the page's value, one value for all pages,
// and two sends — this page, or all 512 pages in one line.

#include <vector>

#include "dialogs/setting_dialog.h"
#include "protocol/single_page_commands.h"

class QComboBox;

namespace vrq {

class SinglePageDialog : public SettingDialog {
    Q_OBJECT
public:
    SinglePageDialog(Console& c, SingleSetting setting, QWidget* parent = nullptr);

    // Preview texts in drawing order (the colour dialog's header first).
    QStringList previewTexts() const;

    QComboBox* pageCombo() const { return pageCombo_; }
    QComboBox* valueCombo(int i = 0) const { return valueCombos_.at(static_cast<std::size_t>(i)); }
    QComboBox* allPagesCombo(int i = 0) const { return allCombos_.at(static_cast<std::size_t>(i)); }

private:
    // One edited value: its code in the model, and the dialog value its
    // "同設定" list opens on (stored back only where the dialog remembers it).
    struct Value {
        QString label, allLabel;
        int* (*cell)(SettingsModel&, int page);
        int DialogValues::*allPages;
        bool remembers;
    };

    void addValue(const Value& v, const QStringList& items, int index);
    void reselect();
    void paintPreview(QPainter& p);
    QString entryText(int page) const;
    int shownCode(int valueIndex, int page) const;

    Console& con_;  // the base offers no const access
    SingleSetting setting_;
    std::vector<Value> values_;
    QComboBox* pageCombo_ = nullptr;
    std::vector<QComboBox*> valueCombos_;
    std::vector<QComboBox*> allCombos_;
};

}  // namespace vrq
