#pragma once
// Sending only what changed: the steps of send-all whose command lines differ
// between a base document (what the device was last given or read back as)
// and the new one, in send-all order, with the steps the device needs with
// them; and, for a check afterwards, the read request of each step.

#include <string>
#include <vector>

#include "model/settings_model.h"
#include "protocol/command_line.h"
#include "protocol/run_tally.h"

namespace vrq {

struct ChangeStep {
    int step = 0;          // of send-all, 1-based
    bool changed = true;   // false: its line is the same, but it goes with a changed one
};

// A page's title command rewrites the whole page, and send-all lays the
// page's display settings over it after it; so a changed title brings the
// page's display settings along (the single-line device keeps them in its
// all-pages commands). Nothing else depends on another step. Pure.
std::vector<ChangeStep> sendChangesSteps(const SettingsModel& base, const SettingsModel& now, Product p);

// How many of the steps changed; the others go along with them.
int changedCount(const std::vector<ChangeStep>& steps);

// The read request that reads back what send-all step `step` sets.
CommandLine readBackRequest(Product p, int step);

// The settings as a device that took them gives them back: values out of
// range go out corrected, and empty title lines before a filled one come
// back as full-width blanks. What a verify compares a read-back with.
void settingsAsReadBack(SettingsModel& s, Product p);

// The steps of a change run (1-based indexes into `steps`) whose line,
// built from what was read back, is not the line built from what was
// expected: the changes that did not arrive.
std::vector<int> stepsReadBackOtherwise(const SettingsModel& expected, const SettingsModel& got, Product p,
                                        const std::vector<ChangeStep>& steps);

// " 00.0" (or "100.0"): how far `done` of `total` steps are, as the change runs show it.
std::string changesPercentText(int done, int total);

// The operator's words for the i-th step (1-based) of a change run.
Message changeStepName(Product p, const std::vector<ChangeStep>& steps, int i);

}  // namespace vrq
