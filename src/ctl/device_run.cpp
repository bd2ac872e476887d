#include "ctl/device_run.h"

#include <QTimer>
#include <functional>
#include <ostream>

#include "ctl/device_link.h"
#include "ctl/run_io.h"
#include "link/line_assembler.h"
#include "link/ui_language.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "model/value_ranges.h"
#include "platform/terminal.h"
#include "protocol/bulk_runs.h"
#include "protocol/device_commands.h"
#include "protocol/notifier.h"
#include "protocol/send_path.h"
#include "protocol/run_engine.h"
#include "protocol/send_changes.h"
#include "protocol/send_sequencer.h"
#include "protocol/title_encode.h"
#include "protocol/traffic_log.h"
#include "protocol/transport.h"

namespace vrq::ctl {

namespace {

// No time between commands is the answer-paced run: a zero-time timer would
// fire without pause while a command is in flight.
Options zeroPeriodPaced(Options o) {
    if (o.periodMs == 0) o.paced = true;
    return o;
}

}  // namespace

// Everything happens in the event loop: connecting, each command and its
// answer, the pacing of a run. Nothing waits by blocking or by spinning.
class DeviceRun::Impl {
public:
    Impl(DeviceRun& owner, const Options& o, DeviceJob job, std::ostream& out, std::ostream& err)
        : owner_(owner), o_(zeroPeriodPaced(o)), job_(std::move(job)), d_(job_.device), out_(out), err_(err),
          c_(makeConsole(o.product)), notes_(err), log_(job_.logTag) {
        c_->notifier = &notes_;
        c_->app.appRunning = true;
        c_->received = [this](std::string_view bytes) { onReceived(bytes); };
        // Every line a link sends or throws away (another address, junk, the
        // head of an over-long line) reaches the traffic record; answers are
        // logged where they reach the reply handling.
        c_->traffic = [this](const TrafficEvent& e) {
            // Repeats go out from the link itself: the link says what it sent.
            if (e.direction == TrafficDirection::Sent) log_.line(TrafficDirection::Sent, e.bytes);
            if (e.direction != TrafficDirection::Dropped) return;
            log_.line(TrafficDirection::Dropped, e.bytes, e.reason);
            if (e.reason == DropReason::TooLong && !toldTooLong_) {
                toldTooLong_ = true;
                err_ << "vrqctl: "
                     << renderUtf8(Message(VRQ_TEXT("Ctl", "行末がないまま %1 バイトを超えた応答を捨てました。"))
                                       .arg(LineAssembler::kMaxLine))
                     << "\n";
            }
        };
        c_->requestEnded = [this](RequestEnd e) { onEnded(e); };
        period_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&period_, &QTimer::timeout, [this] { tick(); });
    }

    // A TCP/IP link first has to come up; the rest follows from its signals.
    int start() {
        if (!log_.open(o_.logPath))
            return usage(Message(VRQ_TEXT("Ctl", "ログファイル %1 を開けませんでした。")).arg(o_.logPath));
        // A verify reads over the document, so what the run does not read counts as equal.
        const bool sends = o_.action == Action::SendAll || o_.action == Action::SendChanges;
        if (job_.document && (sends || o_.action == Action::Verify))
            c_->settings = job_.document->settings;
        else if (sends) {
            if (const FileResult r = SettingsFile::load(*c_, job_.documentPath); !r)
                return usage(Message(kCannotReadText).arg(job_.documentPath).arg(fileProblemReason(r)));
            tellCorrected(*c_, job_.documentPath, err_);
        }
        if (o_.action == Action::SendChanges) {
            std::unique_ptr<Console> loaded;
            const Console* base = job_.base;
            if (!base) {
                loaded = makeConsole(o_.product);
                if (const FileResult r = SettingsFile::load(*loaded, o_.basePath); !r)
                    return usage(Message(kCannotReadText).arg(o_.basePath).arg(fileProblemReason(r)));
                base = loaded.get();
            }
            changes_ = sendChangesSteps(base->settings, c_->settings, o_.product);
            // Nothing differs: nothing to send, and no link to open for it.
            if (changes_.empty()) {
                err_ << "vrqctl: "
                     << renderUtf8(VRQ_TEXT("Ctl", "send-changes: 2つの設定ファイルは同じです。送信するものはありません。"))
                     << "\n";
                finish(kExitOk);
                return kExitOk;
            }
        }
        return openLink();
    }

    int rc_ = -1;
    DocumentDiff diff_;

private:
    int usage(const Message& why) {
        err_ << "vrqctl: " << renderUtf8(why) << "\n";
        return kExitUsage;
    }
    void finish(int rc, const Message& why = {}) {
        if (rc_ >= 0) return;
        if (!why.empty()) err_ << "vrqctl: " << renderUtf8(why) << "\n";
        if (log_.failed()) {
            err_ << "vrqctl: "
                 << renderUtf8(Message(VRQ_TEXT("Ctl", "ログファイル %1 に書き込めませんでした。")).arg(o_.logPath)) << "\n";
            if (rc == kExitOk) rc = kExitUsage;
        }
        rc_ = rc;
        period_.stop();
        if (link_) link_->stop();
        c_->requestEnded = nullptr;
        if (run_) run_->stop();
        if (owner_.onFinished) owner_.onFinished(rc);
    }

    int openLink() {
        link_ = std::make_unique<DeviceLink>(*c_, d_, o_, job_.accepted, notes_, err_);
        return link_->open([this] { startAction(); }, [this](const Message& why) { finish(kExitRefused, why); });
    }

    void startAction() {
        switch (o_.action) {
            case Action::Send: sendOne(); break;
            case Action::SendAll: sendAll(); break;
            case Action::SendChanges: sendChanges(); break;
            case Action::ReadAll:
            case Action::Verify: readAll(); break;
            case Action::Diff:
            case Action::ExportTitles:
            case Action::ImportTitles:
            case Action::Help:
            case Action::Version: finish(kExitOk); break;
        }
    }

    // Each answer line the link took, assembled (and bounded) by the link.
    void onReceived(std::string_view bytes) {
        log_.line(TrafficDirection::Received, bytes);
        std::string_view line = bytes;
        if (d_.link == LinkKind::Serial && d_.rs485 >= 0) line.remove_prefix(std::min<std::size_t>(2, line.size()));
        if (run_ && line.substr(0, 2) == "GN") modeDifference_ = true;
        if (o_.action == Action::Send && answers_.size() < kMaxAnswerLines) answers_.emplace_back(bytes);
    }

    // ---- one command ----

    void sendOne() {
        if (o_.argument.size() + 2 > CommandLine::kMaxLength) return finish(usage(VRQ_TEXT("Ctl", "行が長すぎます。")));
        errorsBefore_ = notes_.errors;
        sendCommand(*c_, CommandLine(o_.argument));
        // Refused before it reached the wire (the link is down): nothing to wait for.
        if (!linkBusy(*c_) && rc_ < 0 && !ended_) finish(kExitRefused, VRQ_TEXT("Ctl", "送信できませんでした。"));
    }

    // Escaped as in the log: an answer may hold bytes a terminal would act on.
    void printAnswers() {
        for (std::string_view l : answers_) {
            if (!l.empty() && l.back() == '\n') l.remove_suffix(1);
            if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
            out_ << printableAscii(l) << "\n";
        }
        answers_.clear();
    }

    // The session took only a line that answers the command: "GO" or a
    // refusal for a set command, its own row for a read request.
    void sendEnded(RequestEnd e) {
        ended_ = true;
        printAnswers();
        switch (e) {
            case RequestEnd::Delivered:
            case RequestEnd::Answered: return finish(kExitOk);
            case RequestEnd::Refused: return finish(kExitRefused);  // the device's notice said why
            case RequestEnd::SendFailed:
            case RequestEnd::LinkDown: return finish(kExitRefused, VRQ_TEXT("Ctl", "行を届けられませんでした。"));
            case RequestEnd::NoAnswer: return finish(kExitRefused, VRQ_TEXT("Ctl", "応答がありませんでした。"));
            case RequestEnd::Damaged:
                return finish(kExitRefused, VRQ_TEXT("Ctl", "正しい応答がありませんでした。届いた応答は壊れているか、"
                                                            "別のコマンドへの応答でした。"));
        }
    }

    // ---- runs ----

    void progress(const std::string& percent, bool last) {
        if (owner_.onProgress) return owner_.onProgress(percent, last);
        static const bool tty = platform::standardErrorIsTerminal();
        if (tty) {
            err_ << "\r" << what_ << " " << percent << "%" << (last ? "\n" : "") << std::flush;
        } else if (percent.substr(0, 3) != lastShown_ || last) {
            lastShown_ = percent.substr(0, 3);
            err_ << what_ << " " << percent << "%\n";
        }
    }

    void startRun(std::string what, int steps, int periodMs, std::function<bool(int)> step,
                  std::function<std::string(int)> percent, StepNamer name) {
        what_ = std::move(what);
        step_ = std::move(step);
        percent_ = std::move(percent);
        name_ = std::move(name);
        RunEngine::Plan plan;
        plan.steps = steps;
        plan.step = [this](int index) { return step_(index + 1); };
        plan.fast = o_.paced;
        // Over TCP/IP a silent device stops the run at once, as it always did.
        plan.unansweredStop = c_->app.linkInterface == kLinkSerial ? kUnansweredStop : 1;
        plan.linkBusy = [this] { return linkBusy(*c_); };
        run_ = std::make_unique<RunEngine>(c_->reply, std::move(plan));
        run_->start();
        if (o_.paced)
            QTimer::singleShot(0, &period_, [this] { tick(); });
        else
            period_.start(o_.periodMs >= 0 ? o_.periodMs : periodMs);
    }

    void tick() {
        if (rc_ >= 0 || !run_ || !run_->running()) return;
        follow(run_->tick());
    }

    void follow(const RunEngine::Tick& t) {
        if (t.sent) {
            const bool last = t.done == run_->tally().steps();
            progress(last ? std::string(" 100") : percent_(t.done), last);
        }
        if (t.end != RunEngine::End::None) return runOver(t.end);
        if (t.again) QTimer::singleShot(0, &period_, [this] { tick(); });
    }

    void runEnded(RequestEnd e) {
        if (modeDifference_) {
            return finish(kExitRefused,
                          Message(o_.product == Product::Single
                                      ? VRQ_TEXT("Ctl", "%1 を中止しました。機器が GN と応答しました。この機器は複数行の VRQ-700 です。")
                                      : VRQ_TEXT("Ctl", "%1 を中止しました。機器が GN と応答しました。この機器は1行の VRQ-700S です。"))
                              .arg(what_));
        }
        if (run_ && run_->running()) follow(run_->requestEnded(e));
    }

    // What the run did not do, for stderr.
    std::string shortfall() const {
        return what_ + ": " + renderUtf8(runShortfallText(run_->tally(), reading_, name_));
    }

    void runOver(RunEngine::End end) {
        period_.stop();
        // A read-all writes what it did read only when asked to.
        if (!run_->success() && o_.action == Action::ReadAll && o_.keepPartial && !saveDocument()) return;
        switch (end) {
            case RunEngine::End::ErrorStop:
                return finish(kExitRefused,
                              Message(VRQ_TEXT("Ctl", "%1 を中止しました。機器がコマンドを拒否しました。\n%2"))
                                  .arg(what_)
                                  .arg(shortfall()));
            case RunEngine::End::Refused:
                return finish(kExitRefused, Message(VRQ_TEXT("Ctl", "%1 を中止しました。\n%2")).arg(what_).arg(shortfall()));
            case RunEngine::End::Silent:
                return finish(kExitRefused,
                              Message(VRQ_TEXT_N("Ctl", "%1 を中止しました。%n 件のコマンドに続けて応答がありませんでした。\n%2"))
                                  .arg(what_)
                                  .arg(shortfall())
                                  .count(run_->unansweredInARow()));
            case RunEngine::End::Stopped:
                return finish(kExitRefused, Message(VRQ_TEXT("Ctl", "%1 を中止しました。")).arg(what_));
            case RunEngine::End::None:
            case RunEngine::End::Finished: break;
        }
        if (!run_->success()) return finish(kExitRefused, Message::plain(shortfall()));
        complete();
    }

    bool saveDocument() {
        if (const FileResult r = SettingsFile::save(*c_, job_.documentPath); !r) {
            finish(usage(Message(VRQ_TEXT("Ctl", "設定ファイル %1 を書き込めませんでした（%2）。"))
                             .arg(job_.documentPath)
                             .arg(fileProblemReason(r))));
            return false;
        }
        return true;
    }

    void complete() {
        if (o_.action == Action::ReadAll && !saveDocument()) return;
        if (o_.action == Action::Verify && job_.document) {
            diff_ = compareDocuments(job_.document->settings, c_->settings, c_->product);
            if (diff_.total > 0) return finish(kExitRefused);
        }
        if (o_.action == Action::SendChanges && o_.verify) {
            if (!expected_) return readBackChanges();
            diff_ = compareDocuments(*expected_, c_->settings, c_->product);
            if (diff_.total > 0)
                return finish(kExitRefused,
                              Message(VRQ_TEXT_N("Ctl", "verify: 読み戻した %n 件の設定が、送信した内容と違います。"))
                                  .count(static_cast<long long>(diff_.total)));
        }
        finish(kExitOk);
    }

    void onEnded(RequestEnd e) {
        if (rc_ >= 0) return;
        if (o_.action == Action::Send)
            sendEnded(e);
        else
            runEnded(e);
    }

    bool linkedStep() {
        if (isLinked(*c_)) return true;
        showWarning(notes_, kNotConnectedText);
        return false;
    }

    // Step `s` of send-all; false ends the run.
    bool sendAllStep(int s) {
        if (!linkedStep()) return false;
        const SendAllStep built = buildSendAllStep(c_->settings, c_->product, s);
        if (built.problem == SendAllStep::Problem::TitleRefused) {
            showWarning(notes_, kJisRefusedText);
            return false;
        }
        if (built.problem == SendAllStep::Problem::HoldTimeTooShort) {
            showError(notes_, kHoldTimeTooShortText);
            return true;  // the run goes on without it
        }
        sendCommand(*c_, *built.line);
        return true;
    }

    void sendAll() {
        const Product p = c_->product;
        auto step = [this](int s) { return sendAllStep(s); };
        startRun("send-all", sendAllStepCount(p), sendAllPeriodMs(p), step,
                 [p](int done) { return sendAllPercentText(p, done); }, [p](int s) { return sendAllStepName(p, s); });
    }

    // The steps of send-all in which the document differs from the base.
    void sendChanges() {
        const Product p = c_->product;
        auto step = [this](int i) { return sendAllStep(changes_[static_cast<std::size_t>(i - 1)].step); };
        const int total = static_cast<int>(changes_.size());
        startRun("send-changes", total, sendAllPeriodMs(p), step,
                 [total](int done) { return changesPercentText(done, total); },
                 [this, p](int i) { return changeStepName(p, changes_, i); });
    }

    // Reads back only what was just sent, over what was sent: a setting the
    // reads do not touch stays equal.
    void readBackChanges() {
        const Product p = c_->product;
        expected_ = std::make_unique<SettingsModel>(c_->settings);
        settingsAsReadBack(*expected_, p);
        c_->settings = *expected_;
        reading_ = true;
        auto step = [this, p](int i) {
            if (!linkedStep()) return false;
            sendCommand(*c_, readBackRequest(p, changes_[static_cast<std::size_t>(i - 1)].step));
            return true;
        };
        const int total = static_cast<int>(changes_.size());
        startRun("verify", total, readAllPeriodMs(p), step, [total](int done) { return changesPercentText(done, total); },
                 [this, p](int i) { return changeStepName(p, changes_, i); });
    }

    void readAll() {
        reading_ = true;
        const Product p = c_->product;
        auto step = [this, p](int s) {
            if (!linkedStep()) return false;
            sendCommand(*c_, readAllRequest(p, s));
            return true;
        };
        startRun(o_.action == Action::Verify ? "verify" : "read-all", readAllStepCount(p), readAllPeriodMs(p), step,
                 [p](int done) { return readAllPercentText(p, done); }, [p](int s) { return readAllStepName(p, s); });
    }

    static constexpr std::size_t kMaxAnswerLines = 64;

    DeviceRun& owner_;
    const Options o_;
    DeviceJob job_;
    const Device& d_;
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<Console> c_;
    StderrNotifier notes_;
    RunLog log_;
    std::unique_ptr<DeviceLink> link_;
    QTimer period_;

    bool toldTooLong_ = false;
    std::vector<std::string> answers_;
    int errorsBefore_ = 0;
    bool ended_ = false;

    std::unique_ptr<RunEngine> run_;
    std::function<bool(int)> step_;
    std::function<std::string(int)> percent_;
    StepNamer name_;
    std::string what_;
    std::string lastShown_;
    bool modeDifference_ = false;
    bool reading_ = false;  // the run under way reads
    std::vector<ChangeStep> changes_;            // send-changes: the steps to send
    std::unique_ptr<SettingsModel> expected_;  // send-changes --verify: what the reads should give
};

DeviceRun::DeviceRun(const Options& o, DeviceJob job, std::ostream& out, std::ostream& err)
    : impl_(std::make_unique<Impl>(*this, o, std::move(job), out, err)) {}
DeviceRun::~DeviceRun() = default;
int DeviceRun::start() { return impl_->start(); }
bool DeviceRun::finished() const { return impl_->rc_ >= 0; }
int DeviceRun::rc() const { return impl_->rc_; }
const DocumentDiff& DeviceRun::differences() const { return impl_->diff_; }

}  // namespace vrq::ctl
