#pragma once
// The two whole-device runs: reading every setting back, and sending every
// setting. Each is a fixed list of steps; the owner paces them one a tick.

#include <optional>
#include <string>

#include "model/settings_model.h"
#include "protocol/command_line.h"
#include "protocol/run_tally.h"

namespace vrq {

// Read all: requests 1..readAllStepCount, each one line.
int readAllStepCount(Product p);                 // 3120 / 568
CommandLine readAllRequest(Product p, int step);  // 1-based
std::string readAllPercentText(Product p, int step);
int readAllPeriodMs(Product p);                   // 500 / 400
std::string readAllEndText(Product p);            // six / three blanks

// Send all: steps 1..sendAllStepCount call the builders of the dialogs.
int sendAllStepCount(Product p);  // 3119 / 566
std::string sendAllPercentText(Product p, int step);
int sendAllPeriodMs(Product p);   // 600 / 400
std::string sendAllEndText(Product p);  // five / three blanks

// About how many bytes step `step` (1-based) puts on the line, command and
// answer together: what the time left of a run is estimated from, since a
// title page takes fifty times as long as a blink setting.
int readAllStepBytes(Product p, int step);
int sendAllStepBytes(Product p, int step);

// What step `step` (1-based) reads or sends, in the operator's words.
Message readAllStepName(Product p, int step);
Message sendAllStepName(Product p, int step);

// The settings a document holds that no read-all request asks for, as a list
// ("時計表示サイズ、表示位置、…"): after a read-all they are still the values
// the document had before.
Message readAllUnaskedSettings(Product p);

struct SendAllStep {
    enum class Problem { None, TitleRefused, HoldTimeTooShort };
    std::optional<CommandLine> line;  // nothing to send when a problem is reported
    Problem problem = Problem::None;
};
SendAllStep buildSendAllStep(const SettingsModel& m, Product p, int step);  // 1-based

}  // namespace vrq
