// Whole-device runs in the answer-paced mode against vrqsim at a real line's
// speed: wall time as a ratio to the time the bytes themselves need on the
// line (commands plus answers, 11 bits a byte). Prints one row per run.
//
//   bench_runs [BAUD [WHICH]]   BAUD defaults to 38400; WHICH is any of
//                               gui-send gui-read ctl-send ctl-read ctl-changes (all)

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QElapsedTimer>

#include <cstdio>
#include <sstream>

#include "ctl/ctl_runner.h"
#include "dialogs/bulk_run_dialogs.h"
#include "dialogs/traffic_monitor.h"
#include "link/serial_link.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "model/text_cell.h"
#include "protocol/bulk_runs.h"
#include "protocol/notifier.h"
#include "protocol/send_changes.h"
#include "support/sim_process.h"

#include <ctime>

namespace vrq {
namespace {

// Every title line full, so the document is as long as it gets.
void fillTitles(Console& c) {
    std::string line;
    for (int i = 0; i < 28; ++i) line += "\x88\x9f";  // 亜
    for (int p = 0; p < kPages; ++p)
        for (int l = 0; l < kLines; ++l) setCell(c.settings.titleText[static_cast<std::size_t>(p)][static_cast<std::size_t>(l)], line);
}

void waitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    poll.start(50);
    loop.exec();
}

struct Row {
    const char* what;
    double seconds;
    long long sent, answered;
    double cpu = -1;  // this process's CPU seconds: steady on a busy machine, where wall time is not
};

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

void print(const Row& r, int baud) {
    const double line = static_cast<double>(r.sent + r.answered) * 11.0 / baud;
    std::printf("%-22s %8.1f s   line %8.1f s   ratio %.3f   (%lld bytes out, %lld back)", r.what, r.seconds, line,
                r.seconds / line, r.sent, r.answered);
    if (r.cpu >= 0) std::printf("   cpu %.2f s", r.cpu);
    std::printf("\n");
    std::fflush(stdout);
}

long long fileSize(const QString& path) { return QFile(path).size(); }

Row guiRun(bool sendAll, const std::string& doc, int baud, const QString& record, bool monitor = false) {
    QFile::remove(record);
    test::SimProcess sim({"--baud", std::to_string(baud), "--record", record.toStdString()});
    auto c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    c->notifier = &notes;
    c->app.appRunning = true;
    c->app.fastRuns = true;
    c->app.comDevicePath[0] = sim.ptyPath();
    if (sendAll) SettingsFile::load(*c, doc);
    long long answered = 0;
    c->received = [&](std::string_view b) { answered += static_cast<long long>(b.size()); };
    SerialLink link(*c);
    link.open();
    // The traffic monitor open and following the run, as an operator would.
    TrafficLog traffic;
    std::unique_ptr<TrafficMonitor> window;
    if (monitor) {
        c->traffic = [&](const TrafficEvent& e) { traffic.add(e); };
        window = std::make_unique<TrafficMonitor>(*c, traffic);
        window->show();
    }
    std::unique_ptr<SettingDialog> d;
    QPushButton* start = nullptr;
    if (sendAll) {
        auto* s = new SendAllDialog(*c);
        start = s->startButton();
        d.reset(s);
    } else {
        auto* r = new ReadAllDialog(*c);
        start = r->startButton();
        d.reset(r);
    }
    QElapsedTimer t;
    t.start();
    const double cpu0 = cpuSeconds();
    start->click();
    waitUntil([&] { return !d->runActive() && !link.busy(); });
    const double secs = static_cast<double>(t.elapsed()) / 1000.0;
    const double cpu = cpuSeconds() - cpu0;
    if (monitor) return {"GUI send-all + monitor", secs, fileSize(record), answered, cpu};
    return {sendAll ? "GUI send-all (fast)" : "GUI read-all (fast)", secs, fileSize(record), answered, cpu};
}

// vrqctl sends the same commands and gets the same answers as the GUI run.
Row ctlRun(bool sendAll, const std::string& doc, int baud, const QString& record, const std::string& out,
           long long answered) {
    QFile::remove(record);
    test::SimProcess sim({"--baud", std::to_string(baud), "--record", record.toStdString()});
    ctl::Options o;
    o.link = ctl::LinkKind::Serial;
    o.serialPath = sim.ptyPath();
    o.paced = true;
    o.action = sendAll ? ctl::Action::SendAll : ctl::Action::ReadAll;
    o.argument = sendAll ? doc : out;
    std::ostringstream so, se;
    QElapsedTimer t;
    t.start();
    if (ctl::runCtl(o, so, se) != 0) std::fprintf(stderr, "vrqctl: %s\n", se.str().c_str());
    const double secs = static_cast<double>(t.elapsed()) / 1000.0;
    return {sendAll ? "vrqctl send-all --paced" : "vrqctl read-all --paced", secs, fileSize(record), answered};
}

// send-changes of a document with three titles changed on three pages, from
// the same document as its base; the answers are counted as the device gives
// them ("GO" to each step, a read-back in the shape of its step).
Row ctlChanges(const std::string& base, const std::string& changed, int baud, const QString& record, bool verify) {
    QFile::remove(record);
    test::SimProcess sim({"--baud", std::to_string(baud), "--record", record.toStdString()});
    ctl::Options o;
    o.link = ctl::LinkKind::Serial;
    o.serialPath = sim.ptyPath();
    o.paced = true;
    o.action = ctl::Action::SendChanges;
    o.argument = changed;
    o.basePath = base;
    o.verify = verify;
    auto a = makeConsole(Product::Multi), b = makeConsole(Product::Multi);
    SettingsFile::load(*a, base);
    SettingsFile::load(*b, changed);
    long long answered = 0;
    for (const ChangeStep& s : sendChangesSteps(a->settings, b->settings, Product::Multi))
        answered += 4 + (verify ? sendAllStepBytes(Product::Multi, s.step) - 4 : 0);
    std::ostringstream so, se;
    QElapsedTimer t;
    t.start();
    if (ctl::runCtl(o, so, se) != 0) std::fprintf(stderr, "vrqctl: %s\n", se.str().c_str());
    const double secs = static_cast<double>(t.elapsed()) / 1000.0;
    return {verify ? "vrqctl send-changes -v" : "vrqctl send-changes", secs, fileSize(record), answered};
}

}  // namespace
}  // namespace vrq

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int baud = argc > 1 ? std::atoi(argv[1]) : 38400;
    QTemporaryDir dir;
    const std::string doc = dir.filePath("full.dat").toStdString();
    auto c = vrq::makeConsole(vrq::Product::Multi);
    vrq::fillTitles(*c);
    vrq::SettingsFile::save(*c, doc);
    const QString record = dir.filePath("record.txt");
    std::printf("multi-line document, vrqsim --baud %d, pseudo-terminal\n", baud);
    const std::string which = argc > 2 ? argv[2] : "gui-send monitor-send gui-read ctl-send ctl-read ctl-changes";
    auto wanted = [&](const char* name) { return which.find(name) != std::string::npos; };
    vrq::Row guiSend{}, guiRead{};
    if (wanted("gui-send") || wanted("ctl-send")) guiSend = vrq::guiRun(true, doc, baud, record);
    if (wanted("gui-send")) vrq::print(guiSend, baud);
    if (wanted("monitor-send")) vrq::print(vrq::guiRun(true, doc, baud, record, true), baud);
    if (wanted("gui-read") || wanted("ctl-read")) guiRead = vrq::guiRun(false, doc, baud, record);
    if (wanted("gui-read")) vrq::print(guiRead, baud);
    if (wanted("ctl-send")) vrq::print(vrq::ctlRun(true, doc, baud, record, {}, guiSend.answered), baud);
    if (wanted("ctl-changes")) {
        // Three titles on three pages, one line each.
        auto c2 = vrq::makeConsole(vrq::Product::Multi);
        vrq::SettingsFile::load(*c2, doc);
        for (const int page : {2, 99, 400}) vrq::setCell(c2->settings.titleText[page][1], "\x82\xa9\x82\xab");
        const std::string changed = dir.filePath("changed.dat").toStdString();
        vrq::SettingsFile::save(*c2, changed);
        vrq::print(vrq::ctlChanges(doc, changed, baud, record, false), baud);
        vrq::print(vrq::ctlChanges(doc, changed, baud, record, true), baud);
    }
    if (wanted("ctl-read"))
        vrq::print(vrq::ctlRun(false, doc, baud, record, dir.filePath("back.dat").toStdString(), guiRead.answered), baud);
    return 0;
}
