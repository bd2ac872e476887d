#include "ctl/ctl_runner.h"

#include <QEventLoop>
#include <ostream>
#include <string>

#include "ctl/fleet.h"
#include "ctl/fleet_report.h"
#include "ctl/send_changes_plan.h"
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
    if (o.action == Action::SendChanges && o.dryRun) return runChangesDryRun(o, out, err);
    // Refused before a link opens: nothing may go out.
    if (const std::string why = broadcastProblem(o); !why.empty()) {
        err << "vrqctl: " << why << "\n";
        return kExitUsage;
    }
    if (manyDevices(o) || o.action == Action::Verify) return runFleet(o, out, err);
    QEventLoop loop;
    DeviceRun run(o, DeviceJob{devicesOf(o).front(), o.argument, nullptr, nullptr, {}}, out, err);
    run.onFinished = [&loop](int rc) { loop.exit(rc); };
    if (const int rc = run.start(); rc != kExitOk) return rc;
    if (!run.finished()) loop.exec();
    printDifferences(run.differences(), "", "sent", "device", out);
    return run.rc();
}

}  // namespace vrq::ctl
