#pragma once
// The two whole-device runs: "設定項目の読み込み" asks the device for every
// setting, "全項目の設定" sends every setting of the model.

#include "dialogs/setting_dialog.h"

class QCheckBox;
class QProgressBar;
class QPushButton;

namespace vrq {

// The check box both whole-device runs share: answer-paced runs, remembered
// in the ini file.
QCheckBox* addFastRunBox(SettingDialog& d, Console& c);

class ReadAllDialog : public SettingDialog {
    Q_OBJECT
public:
    ReadAllDialog(Console& c, QWidget* parent = nullptr);
    QPushButton* startButton() const { return start_; }
    QProgressBar* cycleBar() const { return cycle_; }  // multi-line program only
    QCheckBox* fastBox() const { return fast_; }

private:
    void start();

    QPushButton* start_ = nullptr;
    QProgressBar* cycle_ = nullptr;
    QCheckBox* fast_ = nullptr;
};

class SendAllDialog : public SettingDialog {
    Q_OBJECT
public:
    SendAllDialog(Console& c, QWidget* parent = nullptr);
    QPushButton* startButton() const { return start_; }
    QCheckBox* fastBox() const { return fast_; }

private:
    void start();
    bool step(int index);

    QPushButton* start_ = nullptr;
    QCheckBox* fast_ = nullptr;
};

}  // namespace vrq
