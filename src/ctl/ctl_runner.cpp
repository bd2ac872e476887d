#include "ctl/ctl_runner.h"

#include <QEventLoop>
#include <filesystem>
#include <ostream>
#include <string>

#include "ctl/fleet.h"
#include "ctl/fleet_report.h"
#include "ctl/title_csv_run.h"
#include "ctl/send_changes_plan.h"
#include "link/ui_language.h"
#include "model/product_names.h"
#include "protocol/bulk_runs.h"

namespace vrq::ctl {

namespace {

int runOne(const Options& o, std::ostream& out, std::ostream& err) {
    QEventLoop loop;
    DeviceRun run(o, DeviceJob{devicesOf(o).front(), o.argument, nullptr, nullptr, {}}, out, err);
    run.onFinished = [&loop](int rc) { loop.exit(rc); };
    if (const int rc = run.start(); rc != kExitOk) return rc;
    if (!run.finished()) loop.exec();
    printDifferences(run.differences(), "", "sent", "device", out);
    return run.rc();
}

}  // namespace

int runCtl(const Options& o, std::ostream& out, std::ostream& err) {
    if (o.action == Action::Help) {
        out << usageText();
        return kExitOk;
    }
    if (o.action == Action::Version) {
        out << "vrqctl " << kReleaseNumber << "\n";
        return kExitOk;
    }
    if (o.action == Action::Diff) return runDiff(o, out, err);
    if (o.action == Action::ExportTitles || o.action == Action::ImportTitles) return runTitleCsv(o, out, err);
    if (o.action == Action::SendChanges && o.dryRun) return runChangesDryRun(o, out, err);
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
    const bool fleet = manyDevices(o) || o.action == Action::Verify || intoFolder;
    const int rc = fleet ? runFleet(o, out, err) : runOne(o, out, err);
    // Said once, however many devices: what no read request can reach.
    const bool compared = o.action == Action::Verify && rc != kExitUsage;
    if (compared || (o.action == Action::ReadAll && (rc == kExitOk || o.keepPartial))) {
        err << "vrqctl: no device can be asked for its " << renderUtf8(readAllUnaskedSettings(o.product)) << "; "
            << (o.action == Action::ReadAll ? "the documents written hold their defaults"
                                            : "they were not compared")
            << "\n";
    }
    return rc;
}

}  // namespace vrq::ctl
