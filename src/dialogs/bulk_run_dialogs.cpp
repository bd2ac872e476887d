#include "dialogs/bulk_run_dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "link/ui_language.h"
#include "model/app_config.h"
#include "model/send_bases.h"
#include "protocol/bulk_runs.h"
#include "protocol/device_commands.h"
#include "protocol/notifier.h"
#include "protocol/run_target.h"
#include "protocol/send_path.h"
#include "protocol/title_encode.h"

namespace vrq {

namespace {

constexpr Text kBaseNotDroppedText = VRQ_TEXT(
    "BulkRuns", "送信先が保持する内容の記録を削除できませんでした。変更分の送信の前に全項目の設定を行ってください。");
// Wide enough to read the progress of a half-hour run at a glance.
constexpr int kRunBarWidth = 360;

void sizeForLongRun(SettingDialog& d) {
    if (QProgressBar* bar = d.progressBar()) bar->setMinimumWidth(kRunBarWidth);
}

}  // namespace

void noteRunTarget(Console& c, SendBases* bases, const std::string& target, const SettingsModel& now, bool success,
                   bool sent) {
    if (!bases || target.empty()) return;
    if (success) {
        if (const FileResult r = bases->keep(target, now); !r && c.notifier)
            showError(*c.notifier, fileProblemText(r, bases->pathOf(target), true));
    } else if (sent && !bases->drop(target) && c.notifier) {
        showError(*c.notifier, kBaseNotDroppedText);
    }
}

QCheckBox* addFastRunBox(SettingDialog& d, Console& c) {
    auto* box = new QCheckBox(QCoreApplication::translate("BulkRuns", "高速転送（応答を受けたら次を送る）"), &d);
    box->setObjectName("fastRunBox");
    box->setChecked(c.app.fastRuns);
    QObject::connect(box, &QCheckBox::toggled, &d, [&c](bool on) {
        c.app.fastRuns = on;
        if (!c.app.configPath.empty()) writeAppConfigValue(c.app.configPath, c.product, "fast_runs", on ? "1" : "0");
    });
    return box;
}

ReadAllDialog::ReadAllDialog(Console& c, QWidget* parent, SendBases* bases)
    : SettingDialog(c, parent, tr("設定項目の読み込み"), tr("設定項目の読み込み%1")), bases_(bases) {
    setObjectName("readAllDialog");
    // Reading from every device at once makes no sense: no broadcast here.
    QComboBox* addr = slaveAddressCombo();
    {
        // Removing the chosen "Bloadcast" must not choose another address.
        const QSignalBlocker block(addr);
        addr->removeItem(kBroadcastAddress);
    }
    if (addr->isEnabled()) select(addr, c.app.slaveAddressIndex < kBroadcastAddress ? c.app.slaveAddressIndex : -1);
    addSlaveAddressRow();
    fast_ = addFastRunBox(*this, c);
    addControl("", fast_);
    start_ = addButton(tr("読み込み"), "startButton");
    addProgress(readAllStepCount(c.product) + 1);
    if (!c.single()) {
        cycle_ = new QProgressBar(this);
        cycle_->setObjectName("cycleBar");
        cycle_->setRange(0, 20);
        cycle_->setTextVisible(false);
        static_cast<QVBoxLayout*>(layout())->addWidget(cycle_);
    }
    addRunClock();
    sizeForLongRun(*this);
    connect(start_, &QPushButton::clicked, this, &ReadAllDialog::start);
}

void ReadAllDialog::start() {
    Console& c = console();
    if (!readAllowed(c)) return;
    const Product p = c.product;
    const int steps = readAllStepCount(p);
    RunPlan plan = documentRunPlan(steps, true);
    plan.name = [p](int step) { return readAllStepName(p, step); };
    plan.onOver = [this, target = sendTarget(c.app, c.settings)](bool success) {
        noteRunTarget(console(), bases_, target, console().settings, success, false);
    };
    plan.onEnded = [this, p](bool success) {
        if (cycle_) cycle_->setValue(0);
        if (!success) return;
        // What no request asks for is still the document's, not the device's.
        if (Notifier* n = console().notifier)
            n->notify(kSuccessTitle,
                      Message(VRQ_TEXT("vrq::ReadAllDialog",
                                       "全項目を読み込みました。\n次の設定は本体に問い合わせできないため、"
                                       "読み込み前の値のままです：\n%1"))
                          .arg(readAllUnaskedSettings(p)),
                      NoticeIcon::Information, false);
        QTimer::singleShot(0, this, &QDialog::accept);  // a finished run closes its dialog
    };
    plan.blank = readAllEndText(p);
    plan.percent = [p](int done) { return readAllPercentText(p, done); };
    plan.step = [this](int index) {
        Console& con = console();
        if (!isLinked(con)) {
            // The connection went down mid-run: one warning, and the run ends.
            if (con.notifier) showWarning(*con.notifier, kNotConnectedText);
            return false;
        }
        sendCommand(con, readAllRequest(con.product, index + 1));
        if (cycle_) cycle_->setValue(index % 20 + 1);
        return true;
    };
    startRun(std::move(plan));
}

SendAllDialog::SendAllDialog(Console& c, QWidget* parent, SendBases* bases)
    : SettingDialog(c, parent, tr("全項目の設定"), tr("全項目の設定%1")), bases_(bases) {
    setObjectName("sendAllDialog");
    addSlaveAddressRow();
    fast_ = addFastRunBox(*this, c);
    addControl("", fast_);
    start_ = addButton(tr("設定", "button"), "startButton");
    addProgress(sendAllStepCount(c.product) + 1);
    addRunClock();
    sizeForLongRun(*this);
    connect(start_, &QPushButton::clicked, this, &SendAllDialog::start);
}

bool sendStepOfAll(Console& c, int step) {
    if (!isLinked(c)) {
        if (c.notifier) showWarning(*c.notifier, kNotConnectedText);
        return false;
    }
    const SendAllStep s = buildSendAllStep(c.settings, c.product, step);
    switch (s.problem) {
        case SendAllStep::Problem::TitleRefused:
            // Pages before this one went out; this one and the rest do not.
            if (c.notifier) showWarning(*c.notifier, kJisRefusedText);
            return false;
        case SendAllStep::Problem::HoldTimeTooShort:
            if (c.notifier) showError(*c.notifier, kHoldTimeTooShortText);
            return true;  // the run goes on without it
        case SendAllStep::Problem::None: break;
    }
    if (s.line) sendCommand(c, *s.line);
    return true;
}

// A run cut off by the end of the program ends here, while the dialog is
// whole: the device's base goes with it.
SendAllDialog::~SendAllDialog() { stopRun(); }

bool SendAllDialog::step(int index) { return sendStepOfAll(console(), index + 1); }

void SendAllDialog::start() {
    Console& c = console();
    const Product p = c.product;
    RunPlan plan = documentRunPlan(sendAllStepCount(p), false);
    plan.name = [p](int step) { return sendAllStepName(p, step); };
    plan.onOver = [this, target = sendTarget(c.app, c.settings)](bool success) {
        noteRunTarget(console(), bases_, target, console().settings, success, true);
    };
    plan.onEnded = [this](bool success) {
        if (success) QTimer::singleShot(0, this, &QDialog::accept);  // a finished run closes its dialog
    };
    plan.blank = sendAllEndText(p);
    plan.percent = [p](int done) { return sendAllPercentText(p, done); };
    plan.step = [this](int index) { return step(index); };
    startRun(std::move(plan));
}

}  // namespace vrq
