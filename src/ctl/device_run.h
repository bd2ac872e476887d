#pragma once
// One device's part of a vrqctl run: its link, then one command, a send-all,
// a read-all or a verify, all in the event loop of the caller.

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "ctl/ctl_options.h"
#include "model/document_diff.h"

class QTcpSocket;

namespace vrq {
struct Console;
}

namespace vrq::ctl {

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

struct DeviceJob {
    Device device;
    std::string documentPath;         // send-all's source, read-all's target
    const Console* document = nullptr;  // loaded once for many devices: send-all's source, verify's reference
    QTcpSocket* accepted = nullptr;   // server role: a device that connected to the fleet's listener
    std::string logTag;               // its name in a log shared with other devices; empty for one device
    const Console* base = nullptr;    // loaded once for many devices: send-changes' base
};

class DeviceRun {
public:
    // `out` gets answers, `err` notices (and progress unless onProgress is set).
    DeviceRun(const Options& o, DeviceJob job, std::ostream& out, std::ostream& err);
    ~DeviceRun();
    DeviceRun(const DeviceRun&) = delete;
    DeviceRun& operator=(const DeviceRun&) = delete;

    // kExitOk when under way; otherwise the run ended before it began.
    int start();
    bool finished() const;
    int rc() const;
    // verify (and send-changes --verify): how the device differs from the document.
    const DocumentDiff& differences() const;

    // Once, with the exit code; the run may not be destroyed from inside.
    std::function<void(int rc)> onFinished;
    // Takes the place of the progress line on `err`.
    std::function<void(const std::string& percent, bool last)> onProgress;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vrq::ctl
