#include "dialogs/send_changes_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "dialogs/bulk_run_dialogs.h"
#include "link/ui_language.h"
#include "model/send_bases.h"
#include "model/settings_file.h"
#include "protocol/bulk_runs.h"
#include "protocol/notifier.h"
#include "protocol/send_path.h"

namespace vrq {

namespace {

constexpr std::size_t kListed = 8;  // the box stays readable; the count tells the rest

int countOf(std::size_t n) { return static_cast<int>(n); }

// The first steps named, each on a line of its own, in the operator's language.
QString joinedNames(Product p, const std::vector<ChangeStep>& steps, const std::vector<int>& which) {
    QString out;
    for (std::size_t k = 0; k < which.size() && k < kListed; ++k)
        out += "\n" + render(changeStepName(p, steps, which[k]));
    if (which.size() > kListed)
        out += "\n" + SendChangesDialog::tr("ほか %n 件", nullptr, countOf(which.size() - kListed));
    return out;
}

}  // namespace

SendChangesDialog::SendChangesDialog(Console& c, SendBases& bases, QWidget* parent)
    : SettingDialog(c, parent, tr("変更分の送信"), tr("変更分の送信%1")), bases_(bases) {
    setObjectName("sendChangesDialog");
    addSlaveAddressRow();
    changes_ = new QLabel(this);
    changes_->setObjectName("changesLabel");
    changes_->setWordWrap(true);
    changes_->setMinimumWidth(360);
    changes_->setTextFormat(Qt::PlainText);
    addControl("", changes_);
    fast_ = addFastRunBox(*this, c);
    addControl("", fast_);
    verify_ = new QCheckBox(tr("送信後に読み戻して確認する"), this);
    verify_->setObjectName("verifyBox");
    addControl("", verify_);
    choose_ = addButton(tr("基準ファイルを選ぶ"), "chooseBaseButton");
    sendAll_ = addButton(tr("全項目を送信"), "sendAllButton");
    start_ = addButton(tr("送信"), "startButton");
    addProgress(1);
    addRunClock();
    if (QProgressBar* bar = progressBar()) bar->setMinimumWidth(360);

    chooseBase = [this] {
        return QFileDialog::getOpenFileName(this, tr("基準にする設定ファイル"), QString(),
                                            QStringLiteral("*.dat"))
            .toStdString();
    };
    connect(start_, &QPushButton::clicked, this, [this] { start(false); });
    connect(sendAll_, &QPushButton::clicked, this, [this] { start(true); });
    connect(choose_, &QPushButton::clicked, this, &SendChangesDialog::pickBase);
    // Another address is another device, with a base of its own.
    connect(slaveAddressCombo(), &QComboBox::currentIndexChanged, this, [this] {
        chosen_.reset();
        refresh();
    });
    refresh();
}

// A run cut off by the end of the program ends here, while the dialog is
// whole: the device's base goes with it.
SendChangesDialog::~SendChangesDialog() { stopRun(); }

void SendChangesDialog::refresh() {
    if (runActive()) return;
    Console& c = console();
    target_ = sendTarget(c.app, c.settings);
    base_ = chosen_ ? chosen_.get() : bases_.find(target_);
    steps_.clear();
    QString text;
    if (!base_) {
        text = tr("この送信先には、このプログラムで送信または読み込みに成功した設定がありません。"
                  "基準にする設定ファイルを選ぶか、全項目を送信してください。");
    } else {
        steps_ = sendChangesSteps(*base_, c.settings, c.product);
        if (chosen_) text = tr("基準は選んだ設定ファイルです。") + "\n";
        if (steps_.empty()) {
            text += tr("基準から変更された設定はありません。");
        } else {
            std::vector<int> changed;
            for (std::size_t i = 0; i < steps_.size(); ++i)
                if (steps_[i].changed) changed.push_back(static_cast<int>(i) + 1);
            text += tr("変更 %n 件（送信 %1 件）:", nullptr, countOf(changed.size())).arg(countOf(steps_.size())) +
                    joinedNames(c.product, steps_, changed);
        }
    }
    changes_->setText(text);
    start_->setEnabled(!steps_.empty());
    if (QProgressBar* bar = progressBar()) bar->setMaximum(std::max<int>(1, static_cast<int>(steps_.size())));
}

void SendChangesDialog::pickBase() {
    const std::string path = chooseBase ? chooseBase() : std::string();
    if (path.empty()) return;
    Console& c = console();
    auto doc = makeConsole(c.product);
    if (const FileResult r = SettingsFile::load(*doc, path); !r) {
        if (c.notifier) showError(*c.notifier, fileProblemText(r, path, false));
        return;
    }
    chosen_ = std::make_unique<SettingsModel>(doc->settings);
    refresh();
}

bool SendChangesDialog::step(int index) {
    return sendStepOfAll(console(), running_[static_cast<std::size_t>(index)].step);
}

void SendChangesDialog::start(bool everything) {
    Console& c = console();
    const Product p = c.product;
    if (everything) {
        running_.clear();
        for (int s = 1; s <= sendAllStepCount(p); ++s) running_.push_back({s, true});
    } else {
        running_ = steps_;
    }
    if (running_.empty()) return;
    const int total = static_cast<int>(running_.size());
    if (QProgressBar* bar = progressBar()) bar->setMaximum(total);
    sent_ = std::make_unique<SettingsModel>(c.settings);
    RunPlan plan = documentRunPlan(total, false);
    plan.name = [this, p](int i) { return changeStepName(p, running_, i); };
    plan.percent = [total](int done) { return changesPercentText(done, total); };
    plan.blank = sendAllEndText(p);
    plan.step = [this](int index) { return step(index); };
    plan.onOver = [this, target = target_](bool success) {
        // With a read-back to come, the device's base waits for what it shows.
        if (success && verify_->isChecked()) return;
        noteRunTarget(console(), &bases_, target, *sent_, success, true);
        setIdle(true);
    };
    plan.onEnded = [this](bool success) {
        if (!success) return;
        if (verify_->isChecked())
            QTimer::singleShot(0, this, &SendChangesDialog::readBack);
        else
            QTimer::singleShot(0, this, &QDialog::accept);  // a finished run closes its dialog
    };
    if (!startRun(std::move(plan))) return;
    setIdle(false);
}

void SendChangesDialog::setIdle(bool idle) {
    for (QWidget* w : {static_cast<QWidget*>(choose_), static_cast<QWidget*>(sendAll_), static_cast<QWidget*>(verify_),
                       static_cast<QWidget*>(start_)})
        w->setEnabled(idle);
    if (idle) refresh();  // the base may have gone with a failed run
}

// Only what was just sent is read, over what was sent; the document itself
// is put back afterwards, whatever the device gave.
void SendChangesDialog::readBack() {
    Console& c = console();
    const Product p = c.product;
    auto expected = std::make_shared<SettingsModel>(*sent_);
    settingsAsReadBack(*expected, p);
    auto document = std::make_shared<SettingsModel>(c.settings);
    c.settings = *expected;
    const int total = static_cast<int>(running_.size());
    RunPlan plan = documentRunPlan(total, true);
    plan.name = [this, p](int i) { return changeStepName(p, running_, i); };
    plan.percent = [total](int done) { return changesPercentText(done, total); };
    plan.blank = sendAllEndText(p);
    plan.step = [this](int index) {
        Console& con = console();
        if (!isLinked(con)) {
            if (con.notifier) showWarning(*con.notifier, kNotConnectedText);
            return false;
        }
        sendCommand(con, readBackRequest(con.product, running_[static_cast<std::size_t>(index)].step));
        return true;
    };
    plan.onOver = [this, expected, document, target = target_](bool success) {
        Console& con = console();
        const SettingsModel got = con.settings;
        con.settings = *document;
        // Every send was answered: the device holds what was sent as far as
        // the reads did not show otherwise.
        const std::vector<int> differ =
            success ? stepsReadBackOtherwise(*expected, got, con.product, running_) : std::vector<int>();
        noteRunTarget(con, &bases_, target, *sent_, differ.empty(), true);
        setIdle(true);
        if (!success || !con.notifier) return;
        if (differ.empty())
            showSuccess(*con.notifier,
                        Message(VRQ_TEXT_N("vrq::SendChangesDialog", "送信した %n 件を読み戻し、すべて一致しました。"))
                            .count(countOf(running_.size())));
        else
            showError(*con.notifier,
                      Message(VRQ_TEXT_N("vrq::SendChangesDialog", "読み戻した %n 件が送信した内容と異なります。%1"))
                          .count(countOf(differ.size()))
                          .arg(Message::plain(joinedNames(con.product, running_, differ).toStdString())));
    };
    plan.onEnded = [this](bool success) {
        if (success) QTimer::singleShot(0, this, &QDialog::accept);
    };
    if (!startRun(std::move(plan))) {
        console().settings = *document;
        setIdle(true);
    }
}

}  // namespace vrq
