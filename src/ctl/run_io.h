#pragma once
// What one device's run says and records: notices as stderr lines, and the
// traffic log file (`--log`).

#include <fstream>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "model/message.h"
#include "protocol/notifier.h"
#include "protocol/traffic_log.h"

namespace vrq {
struct Console;
}

namespace vrq::ctl {

// Said by a single device's run and by a fleet alike.
constexpr Text kCannotReadText = VRQ_TEXT("Ctl", "設定ファイル %1 を読み込めませんでした（%2）。");
constexpr Text kIpv4Text = VRQ_TEXT("Ctl", "%1 には 192.0.2.10 のような IPv4 アドレスを指定してください。");
constexpr Text kCannotListenText = VRQ_TEXT("Ctl", "ポート %1 で接続を待てませんでした。");
constexpr Text kListeningText = VRQ_TEXT("Ctl", "ポート %1 で接続を待っています。");

// Corrects the out-of-range values of a document about to be sent, which
// changes no byte sent, and says so on `err` as the consoles do on opening
// it; names its titles' characters the device does not take, as they do.
void tellCorrected(Console& document, const std::string& path, std::ostream& err);

// Notices become stderr lines; errors are counted for the exit status.
class StderrNotifier : public Notifier {
public:
    explicit StderrNotifier(std::ostream& err) : err_(err) {}
    void notify(const Message& title, const Message& text, NoticeIcon icon, bool) override;
    bool ask(const Message&, const Message& text) override;
    int errors = 0;
    std::function<void()> onError;

private:
    std::ostream& err_;
};

// With several devices in one file, each line names its device after the
// time: "<time> <device> <mark> <bytes>". One device keeps the plain format.
class RunLog {
public:
    explicit RunLog(std::string device) : device_(std::move(device)) {}
    // No path is no log. A FIFO or socket is refused before opening: opening
    // one with no reader would wait for ever. Devices (/dev/null) are fine.
    bool open(const std::string& path);
    // A write that failed (a full disk) stops the log; the run is then no success.
    bool failed() const { return failed_; }
    void line(TrafficDirection dir, std::string_view bytes, DropReason why = DropReason::None);

private:
    std::string device_;
    std::ofstream file_;
    bool failed_ = false;
};

}  // namespace vrq::ctl
