#include "dialogs/setting_dialog.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "protocol/bulk_runs.h"
#include "protocol/notifier.h"
#include "protocol/run_estimate.h"
#include "protocol/run_tally.h"
#include "protocol/send_path.h"

namespace vrq {

PreviewPanel::PreviewPanel(QSize size, QWidget* parent) : QWidget(parent), baseWidth_(size.width()) {
    setObjectName("previewPanel");
    setFixedSize(size);
    setAutoFillBackground(false);
}

void PreviewPanel::textAt(QPainter& p, int x, int y, const QString& text) {
    const QFontMetrics fm = p.fontMetrics();
    p.drawText(QPoint(x, y + fm.ascent()), text);
    if (auto* panel = dynamic_cast<PreviewPanel*>(p.device()))
        panel->reach_ = std::max(panel->reach_, x + fm.horizontalAdvance(text) + 8);
}

void PreviewPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    reach_ = 0;
    if (painter_) painter_(p);
    // Resizing inside a paint would paint again at once: after it.
    if (grows_ && std::max(reach_, baseWidth_) != width()) QTimer::singleShot(0, this, [this] { fitWidth(); });
}

void PreviewPanel::fitWidth() { setFixedWidth(std::max(reach_, baseWidth_)); }

SettingDialog::SettingDialog(Console& c, QWidget* parent, const QString& caption, const QString& peerHeading)
    : QDialog(parent), c_(c) {
    const QString peer = peerText(c);
    if (peer.isEmpty())
        setWindowTitle(caption);
    else
        setWindowTitle(peerHeading.contains(QLatin1String("%1")) ? peerHeading.arg(peer) : peerHeading + peer);
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    top_ = new QHBoxLayout;
    grid_ = new QGridLayout;
    grid_->setColumnStretch(1, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(grid_);
    right->addStretch(1);
    top_->addLayout(right, 1);
    outer->addLayout(top_);

    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    closeButton_ = new QPushButton("Close", this);
    closeButton_->setObjectName("closeButton");
    closeButton_->setAutoDefault(false);
    buttons_->addWidget(closeButton_);
    outer->addLayout(buttons_);
    connect(closeButton_, &QPushButton::clicked, this, &SettingDialog::reject);

    QStringList addresses = numberItems(0, 31, 2);
    // Spelt as the device's own console spells it; English puts it right.
    addresses << tr("Bloadcast");
    slaveCombo_ = new QComboBox(this);
    slaveCombo_->setObjectName("slaveAddressCombo");
    slaveCombo_->addItems(addresses);
    updateSlaveAddressState();
    connect(slaveCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i <= kBroadcastAddress) c_.app.slaveAddressIndex = i;
    });

    runTimer_.setTimerType(Qt::PreciseTimer);
    connect(&runTimer_, &QTimer::timeout, this, &SettingDialog::tickRun);
}

SettingDialog::~SettingDialog() {
    // Never leave the program-wide counter claimed by a dialog that is gone.
    if (runActive()) {
        engine_->stop();
        c_.requestEnded = nullptr;
    }
}

QString SettingDialog::peerText(const Console& c) {
    const bool server = c.app.tcpRole == kTcpServer;
    const int i = server ? c.app.selectedSlot : c.app.peerIndex;
    // A peer only means something on TCP/IP; the saved choice stays in the ini
    // file (0 by default) while the serial line is used.
    if (i < 0 || c.app.linkInterface != kLinkTcp) return QString();
    if (server) {
        if (i >= kClientSlots) return QString();
        const QString text = QString::fromStdString(c.app.clientSlots[static_cast<std::size_t>(i)].addressText);
        return text.trimmed().isEmpty() ? QString() : text;  // a free slot names no device
    }
    if (i >= kMaxPeers || i >= c.app.peerListCount) return QString();
    const Octets& o = c.app.peerAddress[static_cast<std::size_t>(i)];
    if (o == Octets{}) return QString();
    return QStringLiteral("%1.%2.%3.%4").arg(o[0]).arg(o[1]).arg(o[2]).arg(o[3]);
}

QStringList SettingDialog::numberItems(int from, int to, int width) {
    QStringList items;
    for (int i = from; i <= to; ++i) items << QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
    return items;
}

QStringList SettingDialog::pageItems() { return numberItems(1, kPages, 3); }

void SettingDialog::updateSlaveAddressState() {
    const bool rs485 = c_.app.linkInterface == kLinkSerial && c_.app.serialMode == kRs485;
    const QSignalBlocker block(slaveCombo_);
    slaveCombo_->setEnabled(rs485 && !targetLocked_);
    // A list without "Bloadcast" shows no address for it: what is shown is what goes out.
    const int i = c_.app.slaveAddressIndex;
    slaveCombo_->setCurrentIndex(rs485 && i >= 0 && i < slaveCombo_->count() ? i : -1);
}

void SettingDialog::lockRunTarget(bool locked) {
    targetLocked_ = locked;
    updateSlaveAddressState();
}

PreviewPanel* SettingDialog::addPreview(QSize size, bool scrolls) {
    if (preview_) return preview_;
    preview_ = new PreviewPanel(size, this);
    if (!scrolls) {
        top_->insertWidget(0, preview_, 0, Qt::AlignTop);
        return preview_;
    }
    auto* area = new QScrollArea(this);
    area->setObjectName("previewArea");
    area->setFrameShape(QFrame::NoFrame);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setWidget(preview_);
    area->setFixedSize(size.width(), size.height() + area->horizontalScrollBar()->sizeHint().height());
    preview_->setGrowsToFit(true);
    top_->insertWidget(0, area, 0, Qt::AlignTop);
    return preview_;
}

QComboBox* SettingDialog::addCombo(const QString& label, const QStringList& items, const QString& objectName) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(objectName);
    combo->addItems(items);
    combo->setMaxVisibleItems(16);
    addControl(label, combo);
    return combo;
}

void SettingDialog::addControl(const QString& label, QWidget* w) {
    const int row = grid_->rowCount();
    if (!label.isEmpty()) grid_->addWidget(new QLabel(label, this), row, 0);
    grid_->addWidget(w, row, 1);
}

void SettingDialog::addSlaveAddressRow() { addControl(tr("スレーブアドレス"), slaveCombo_); }

QPushButton* SettingDialog::addButton(const QString& text, const QString& objectName) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    // Buttons go before the stretch that keeps Close at the right.
    buttons_->insertWidget(buttons_->count() - 2, b);
    return b;
}

void SettingDialog::addProgress(int maximum) {
    if (progress_) return;
    auto* row = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progressBar");
    progress_->setRange(0, maximum);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    percentBox_ = new QLineEdit(this);
    percentBox_->setObjectName("percentBox");
    percentBox_->setReadOnly(true);
    percentBox_->setAlignment(Qt::AlignCenter);
    percentBox_->setFocusPolicy(Qt::NoFocus);
    percentBox_->setFixedWidth(percentBox_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    row->addWidget(progress_, 1);
    row->addWidget(percentBox_);
    row->addWidget(new QLabel(tr("％"), this));
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void SettingDialog::addRunClock() {
    if (runClock_) return;
    runClock_ = new QLabel(this);
    runClock_->setObjectName("runClockLabel");
    runClock_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    static_cast<QVBoxLayout*>(layout())->addWidget(runClock_);
}

void SettingDialog::updateRunClock() {
    if (!runClock_ || !progress_) return;
    const long long elapsedMs = runElapsed_.isValid() ? runElapsed_.elapsed() : 0;
    // An ended run has nothing left to estimate.
    const long long ms =
        runActive() ? remainingMs(progress_->value(), plan_.steps, plan_.fast, plan_.periodMs, elapsedMs) : -1;
    const QString left = ms >= 0 ? QString::fromStdString(durationText((ms + 999) / 1000)) : QStringLiteral("--:--");
    runClock_->setText(
        tr("経過 %1　　残り 約 %2").arg(QString::fromStdString(durationText(elapsedMs / 1000)), left));
}

void SettingDialog::select(QComboBox* combo, int index) {
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void SettingDialog::refreshPreview() {
    if (preview_) preview_->update();
}

SettingDialog::RunPlan SettingDialog::documentRunPlan(int steps, bool read) const {
    RunPlan plan;
    plan.steps = steps;
    plan.periodMs = read ? readAllPeriodMs(c_.product) : sendAllPeriodMs(c_.product);
    plan.check = SendSequencer::ErrorCheck::BeforeStep;
    plan.closeEndsRun = !c_.single();
    plan.refusalKeepsPosition = !read;
    plan.fast = c_.app.fastRuns;
    plan.read = read;
    return plan;
}

bool SettingDialog::startRun(RunPlan plan) {
    if (!isLinked(c_)) {
        if (c_.notifier) showWarning(*c_.notifier, kNotConnectedText);
        return false;
    }
    if (c_.reply.runActive) return false;
    plan_ = std::move(plan);
    RunEngine::Plan ep;
    ep.steps = plan_.steps;
    ep.step = plan_.step;
    ep.check = plan_.check;
    ep.fast = plan_.fast;
    ep.linkBusy = [this] { return linkBusy(c_); };
    engine_ = std::make_unique<RunEngine>(c_.reply, std::move(ep));
    if (!engine_->start()) return false;
    lockRunTarget(true);
    if (progress_) progress_->setValue(0);
    if (!plan_.closeEndsRun) closeButton_->setEnabled(false);
    // Only one run is active in the program, so it alone listens.
    c_.requestEnded = [this](RequestEnd e) { onRequestEnded(e); };
    runElapsed_.start();
    updateRunClock();
    // Paced by answers: each step is started once, from a zero-time timer.
    runTimer_.setSingleShot(plan_.fast);
    runTimer_.start(plan_.fast ? 0 : plan_.periodMs);
    return true;
}

void SettingDialog::tickRun() {
    if (!engine_) return;
    if (!engine_->running()) {  // an ended run stays as it ended
        runTimer_.stop();
        return;
    }
    showRun(engine_->tick());
}

void SettingDialog::onRequestEnded(RequestEnd e) {
    if (runActive()) showRun(engine_->requestEnded(e));
}

void SettingDialog::showRun(const RunEngine::Tick& t) {
    if (t.sent) {
        if (progress_) progress_->setValue(t.done);
        if (percentBox_ && plan_.percent) percentBox_->setText(QString::fromStdString(plan_.percent(t.done)));
    }
    updateRunClock();
    if (t.end != RunEngine::End::None) {
        endRun(t.end);
        return;
    }
    if (t.again) runTimer_.start(0);
}

void SettingDialog::endRun(RunEngine::End end) {
    runTimer_.stop();
    c_.requestEnded = nullptr;
    closeButton_->setEnabled(true);
    lockRunTarget(false);
    updateRunClock();
    const RunTally& tally = engine_->tally();
    const bool success = end == RunEngine::End::Finished && tally.complete();
    // A run that ended early or with steps left undone keeps the position it
    // reached, and says what was not done; the device's own refusal and a
    // title that cannot be sent have told the operator already.
    const bool keep = !success && end != RunEngine::End::Stopped &&
                      !(end == RunEngine::End::Refused && !plan_.refusalKeepsPosition) &&
                      !(end == RunEngine::End::ErrorStop && plan_.check == SendSequencer::ErrorCheck::AfterStep);
    if (!keep) {
        if (percentBox_) percentBox_->setText(QString::fromStdString(plan_.blank));
        if (progress_) progress_->setValue(0);
    }
    if (plan_.onOver) plan_.onOver(success);
    if (end == RunEngine::End::Refused && plan_.onRefused) plan_.onRefused();
    if (end == RunEngine::End::Finished || end == RunEngine::End::Silent) {
        if (!success) {
            c_.reply.successPending = false;  // not after a run that left steps undone
            Message text = runShortfallText(tally, plan_.read, plan_.name ? plan_.name : StepNamer(pageStepName));
            if (end == RunEngine::End::Silent && !plan_.fast)
                text = Message::joined({unansweredStopText(engine_->unansweredInARow()), text}, kLineBreak);
            if (c_.notifier) showError(*c_.notifier, text);
        }
        if (end == RunEngine::End::Finished && plan_.onEnded) plan_.onEnded(success);
    }
}

void SettingDialog::stopRun() {
    if (!engine_ || !engine_->running()) return;
    engine_->stop();
    endRun(RunEngine::End::Stopped);
}

void SettingDialog::reject() {
    if (runActive()) {
        if (!plan_.closeEndsRun) return;  // Close is disabled for the run
        stopRun();
    }
    QDialog::reject();
}

void SettingDialog::closeEvent(QCloseEvent* e) {
    if (runActive() && !plan_.closeEndsRun) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

}  // namespace vrq
