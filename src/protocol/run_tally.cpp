#include "protocol/run_tally.h"

namespace vrq {

namespace {

constexpr std::size_t kNamedSteps = 5;  // a box stays readable; the count tells the rest

const char* outcomeText(StepOutcome o, bool english) {
    switch (o) {
        case StepOutcome::NotSent: return english ? "not sent" : "未送信";
        case StepOutcome::Answered: return english ? "answered" : "応答あり";
        case StepOutcome::Refused: return english ? "refused by the device" : "装置が拒否";
        case StepOutcome::Unanswered: return english ? "no answer" : "応答なし";
        case StepOutcome::Damaged: return english ? "damaged answer" : "壊れた応答";
    }
    return "";
}

}  // namespace

StepOutcome stepOutcomeOf(RequestEnd e) {
    switch (e) {
        case RequestEnd::Answered:
        case RequestEnd::Delivered: return StepOutcome::Answered;
        case RequestEnd::Refused: return StepOutcome::Refused;
        case RequestEnd::Damaged: return StepOutcome::Damaged;
        case RequestEnd::NoAnswer:
        case RequestEnd::SendFailed:
        case RequestEnd::LinkDown: break;
    }
    return StepOutcome::Unanswered;
}

StepName pageStepName(int step) {
    std::string digits = std::to_string(step);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return {"ページ " + digits, "page " + std::to_string(step)};
}

void RunTally::record(int step, StepOutcome o) {
    if (step >= 0 && step < steps()) outcomes_[static_cast<std::size_t>(step)] = o;
}

StepOutcome RunTally::at(int step) const {
    return step >= 0 && step < steps() ? outcomes_[static_cast<std::size_t>(step)] : StepOutcome::NotSent;
}

int RunTally::count(StepOutcome o) const {
    int n = 0;
    for (StepOutcome x : outcomes_) n += x == o;
    return n;
}

std::vector<int> RunTally::firstMissed(std::size_t limit) const {
    std::vector<int> out;
    for (int i = 0; i < steps() && out.size() < limit; ++i)
        if (outcomes_[static_cast<std::size_t>(i)] != StepOutcome::Answered) out.push_back(i);
    return out;
}

std::string runShortfallText(const RunTally& t, bool read, const StepNamer& name, bool english) {
    const int missed = t.missedCount();
    std::string s;
    if (english)
        s = std::to_string(missed) + " of " + std::to_string(t.steps()) + (read ? " settings were not read:" : " settings were not sent:");
    else
        s = std::to_string(missed) + (read ? "件の設定を読み込めませんでした。" : "件の設定を送信できませんでした。");
    for (int i : t.firstMissed(kNamedSteps)) {
        const StepName n = name ? name(i + 1) : StepName{};
        s += '\n';
        s += english ? n.english + " (" + outcomeText(t.at(i), true) + ")"
                     : n.japanese + "（" + outcomeText(t.at(i), false) + "）";
    }
    if (missed > static_cast<int>(kNamedSteps)) {
        const int more = missed - static_cast<int>(kNamedSteps);
        s += '\n';
        s += english ? "and " + std::to_string(more) + " more" : "ほか " + std::to_string(more) + " 件";
    }
    return s;
}

}  // namespace vrq
