#pragma once
// How each step of a run ended, so a run is a success only when every step
// was answered, and one that is not can name what it did not do.

#include <functional>
#include <string>
#include <vector>

#include "model/message.h"
#include "protocol/transport.h"

namespace vrq {

enum class StepOutcome {
    NotSent,     // the run never sent it (stopped before, or nothing to send)
    Answered,
    Refused,     // an error code, "MENU" or "GN"
    Unanswered,  // silence, a failed send or a link that went down
    Damaged,     // what came back was damaged or answered something else
};

StepOutcome stepOutcomeOf(RequestEnd e);

class RunTally {
public:
    explicit RunTally(int steps = 0) : outcomes_(static_cast<std::size_t>(steps > 0 ? steps : 0), StepOutcome::NotSent) {}

    int steps() const { return static_cast<int>(outcomes_.size()); }
    void record(int step, StepOutcome o);  // 0-based; out of range is ignored
    StepOutcome at(int step) const;
    int count(StepOutcome o) const;
    int missedCount() const { return steps() - count(StepOutcome::Answered); }
    bool complete() const { return missedCount() == 0; }
    // The first `limit` steps that were not answered, 0-based.
    std::vector<int> firstMissed(std::size_t limit) const;

private:
    std::vector<StepOutcome> outcomes_;
};

// The operator's words for a step of a whole-device run.
using StepNamer = std::function<Message(int step)>;  // 1-based
// A run over the 512 pages, one step a page: "ページ 005".
Message pageStepName(int step);
// The page as the step names write it: three digits, "005".
std::string pageDigits(int page);

// How a step ended, as the shortfall lists it: "応答なし".
Text stepOutcomeText(StepOutcome o);

// "12件の設定を読み込めませんでした。" (or 送信できません) and the first
// few, one a line, with how each ended.
Message runShortfallText(const RunTally& t, bool read, const StepNamer& name);

}  // namespace vrq
