#include "ctl/ctl_runner.h"

#include <QEventLoop>
#include <filesystem>
#include <ostream>
#include <string>

#include "ctl/fleet.h"
#include "ctl/fleet_report.h"
#include "model/product_names.h"

namespace vrq::ctl {

int runCtl(const Options& o, std::ostream& out, std::ostream& err) {
    if (o.action == Action::Help) {
        out << kUsage;
        return kExitOk;
    }
    if (o.action == Action::Version) {
        out << "vrqctl " << kReleaseNumber << "\n";
        return kExitOk;
    }
    if (o.action == Action::Diff) return runDiff(o, out, err);
    // Refused before a link opens: nothing may go out.
    if (const std::string why = broadcastProblem(o); !why.empty()) {
        err << "vrqctl: " << why << "\n";
        return kExitUsage;
    }
    // read-all into a folder names the document after the device, also for one.
    std::error_code e;
    const bool intoFolder = o.action == Action::ReadAll &&
                            (std::filesystem::is_directory(std::filesystem::u8path(o.argument), e) ||
                             (!o.argument.empty() && o.argument.back() == '/'));
    if (manyDevices(o) || o.action == Action::Verify || intoFolder) return runFleet(o, out, err);
    QEventLoop loop;
    DeviceRun run(o, DeviceJob{devicesOf(o).front(), o.argument, nullptr, nullptr, {}}, out, err);
    run.onFinished = [&loop](int rc) { loop.exit(rc); };
    if (const int rc = run.start(); rc != kExitOk) return rc;
    if (!run.finished()) loop.exec();
    return run.rc();
}

}  // namespace vrq::ctl
