#include "ctl/send_changes_plan.h"

#include <memory>
#include <ostream>

#include "ctl/device_run.h"
#include "ctl/fleet_report.h"
#include "ctl/run_io.h"
#include "link/ui_language.h"
#include "model/console.h"
#include "model/document_diff.h"
#include "model/settings_file.h"
#include "protocol/send_changes.h"

namespace vrq::ctl {

int runChangesDryRun(const Options& o, std::ostream& out, std::ostream& err) {
    std::unique_ptr<Console> docs[2] = {makeConsole(o.product), makeConsole(o.product)};
    const std::string* paths[2] = {&o.basePath, &o.argument};
    for (int i = 0; i < 2; ++i) {
        if (const FileResult r = SettingsFile::load(*docs[i], *paths[i]); !r) {
            err << "vrqctl: " << renderUtf8(Message(kCannotReadText).arg(*paths[i]).arg(fileProblemReason(r))) << "\n";
            return kExitUsage;
        }
    }
    const SettingsModel& base = docs[0]->settings;
    const SettingsModel& now = docs[1]->settings;
    const std::vector<ChangeStep> steps = sendChangesSteps(base, now, o.product);
    if (steps.empty()) {
        out << renderUtf8(VRQ_TEXT("Ctl", "送信するものはありません。send-all が送信する設定は、2つの設定ファイルですべて同じです。"))
            << "\n";
        return kExitOk;
    }
    const int changed = changedCount(steps);
    out << renderUtf8(Message(VRQ_TEXT_N("Ctl", "送信する手順は %n 件、変更された設定は %1 件です:"))
                          .arg(changed)
                          .count(static_cast<long long>(steps.size())))
        << "\n";
    for (int i = 1; i <= static_cast<int>(steps.size()); ++i)
        out << "  " << renderUtf8(changeStepName(o.product, steps, i)) << "\n";
    const DocumentDiff diff = compareDocuments(base, now, o.product, 50);
    out << renderUtf8(VRQ_TEXT("Ctl", "違う設定:")) << "\n";
    printDifferences(diff, "  ", "base", "new", out);
    return kExitOk;
}

}  // namespace vrq::ctl
