#pragma once
// "変更分の送信": the steps of "全項目の設定" in which the document differs
// from what the chosen device holds (its base: the settings last sent to it
// or read from it by a run that succeeded), and only those, with the same
// progress, time estimate and fast mode; optionally read back afterwards.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/setting_dialog.h"
#include "protocol/send_changes.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vrq {

class SendBases;

class SendChangesDialog : public SettingDialog {
    Q_OBJECT
public:
    SendChangesDialog(Console& c, SendBases& bases, QWidget* parent = nullptr);
    ~SendChangesDialog() override;

    QPushButton* startButton() const { return start_; }
    QPushButton* chooseBaseButton() const { return choose_; }
    QPushButton* sendAllButton() const { return sendAll_; }
    QCheckBox* fastBox() const { return fast_; }
    QCheckBox* verifyBox() const { return verify_; }
    QLabel* changesLabel() const { return changes_; }
    // The steps a start would send; empty without a base or without changes.
    const std::vector<ChangeStep>& steps() const { return steps_; }
    bool hasBase() const { return base_ != nullptr; }

    // What "基準ファイルを選ぶ" asks for: a settings document, or empty. A
    // file dialog unless a test puts something else here.
    std::function<std::string()> chooseBase;

private:
    void refresh();
    void pickBase();
    void start(bool everything);
    bool step(int index);
    void readBack();
    void setIdle(bool idle);

    SendBases& bases_;
    std::string target_;
    const SettingsModel* base_ = nullptr;          // of target_, or the chosen one
    std::unique_ptr<SettingsModel> chosen_;        // a document the operator chose as the base
    std::vector<ChangeStep> steps_;
    std::vector<ChangeStep> running_;              // the steps of the run under way
    std::unique_ptr<SettingsModel> sent_;          // what the run sent, for the read-back
    QLabel* changes_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* sendAll_ = nullptr;
    QCheckBox* fast_ = nullptr;
    QCheckBox* verify_ = nullptr;
};

}  // namespace vrq
