#pragma once
// The two whole-device runs: "設定項目の読み込み" asks the device for every
// setting, "全項目の設定" sends every setting of the model.

#include "dialogs/setting_dialog.h"
#include "model/message.h"
#include "protocol/run_tally.h"

class QCheckBox;
class QProgressBar;
class QPushButton;

namespace vrq {

class SendBases;

// The check box both whole-device runs share: answer-paced runs, remembered
// in the ini file.
QCheckBox* addFastRunBox(SettingDialog& d, Console& c);

class ReadAllDialog : public SettingDialog {
    Q_OBJECT
public:
    // `bases`, when given, learns what the device holds after a read that succeeded.
    ReadAllDialog(Console& c, QWidget* parent = nullptr, SendBases* bases = nullptr);
    QPushButton* startButton() const { return start_; }
    QProgressBar* cycleBar() const { return cycle_; }  // multi-line program only
    QCheckBox* fastBox() const { return fast_; }

private:
    void start();

    QPushButton* start_ = nullptr;
    QProgressBar* cycle_ = nullptr;
    QCheckBox* fast_ = nullptr;
    SendBases* bases_ = nullptr;
};

class SendAllDialog : public SettingDialog {
    Q_OBJECT
public:
    // `bases`, when given, learns what the device holds after the run, or that
    // it is unknown after one that failed.
    SendAllDialog(Console& c, QWidget* parent = nullptr, SendBases* bases = nullptr);
    ~SendAllDialog() override;
    QPushButton* startButton() const { return start_; }
    QCheckBox* fastBox() const { return fast_; }

private:
    void start();
    bool step(int index);

    QPushButton* start_ = nullptr;
    QCheckBox* fast_ = nullptr;
    SendBases* bases_ = nullptr;
};

// Sends step `step` (1-based) of "全項目の設定" from the model; false ends
// the run (the link is down, a title cannot be sent).
bool sendStepOfAll(Console& c, int step);

// After a run to `target`: a success makes `now` its base; a send that
// failed leaves what the device holds unknown. A base that cannot be
// written or dropped is told: it would be wrong after a restart.
void noteRunTarget(Console& c, SendBases* bases, const std::string& target, const SettingsModel& now, bool success,
                   bool sent);

}  // namespace vrq
