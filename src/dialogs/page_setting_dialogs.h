#pragma once
// Dialogs of settings that belong to a whole page or to a schedule day:
// automatic switching, displayed page, character levels and the schedule.

#include "dialogs/setting_dialog.h"

class QComboBox;

namespace vrq {

class AutoSwitchDialog : public SettingDialog {
    Q_OBJECT
public:
    AutoSwitchDialog(Console& c, QWidget* parent);
    QStringList previewTexts() const;  // the 32 entries of the current block

private:
    void reselect();
    QComboBox* pageCombo_ = nullptr;
    QComboBox* secondsCombo_ = nullptr;
};

class DisplayPageDialog : public SettingDialog {
    Q_OBJECT
public:
    DisplayPageDialog(Console& c, QWidget* parent);
};

class CharLevelDialog : public SettingDialog {
    Q_OBJECT
public:
    CharLevelDialog(Console& c, QWidget* parent);
    QStringList previewTexts() const;

private:
    void reselect();
    QComboBox* pageCombo_ = nullptr;
    QComboBox* whiteCombo_ = nullptr;
    QComboBox* blackCombo_ = nullptr;
};

class ScheduleDialog : public SettingDialog {
    Q_OBJECT
public:
    ScheduleDialog(Console& c, QWidget* parent);
    QStringList previewTexts() const;  // the 24 entries of the selected day

private:
    void reselect();
    void sendAll();
    QComboBox* hourCombo_ = nullptr;
    QComboBox* minuteCombo_ = nullptr;
    QComboBox* pageCombo_ = nullptr;
};

}  // namespace vrq
