#include "protocol/run_tally.h"

namespace vrq {

namespace {

constexpr std::size_t kNamedSteps = 5;  // a box stays readable; the count tells the rest

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

Text stepOutcomeText(StepOutcome o) {
    switch (o) {
        case StepOutcome::NotSent: return VRQ_TEXT("Runs", "未送信");
        case StepOutcome::Answered: return VRQ_TEXT("Runs", "応答あり");
        case StepOutcome::Refused: return VRQ_TEXT("Runs", "装置が拒否");
        case StepOutcome::Unanswered: return VRQ_TEXT("Runs", "応答なし");
        case StepOutcome::Damaged: return VRQ_TEXT("Runs", "壊れた応答");
    }
    return {};
}

std::string pageDigits(int page) {
    std::string digits = std::to_string(page);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

Message pageStepName(int step) { return Message(VRQ_TEXT("Runs", "ページ %1")).arg(pageDigits(step)); }

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

Message runShortfallText(const RunTally& t, bool read, const StepNamer& name) {
    const int missed = t.missedCount();
    std::vector<Message> lines;
    lines.push_back(Message(read ? VRQ_TEXT_N("Runs", "%n件の設定を読み込めませんでした。")
                                 : VRQ_TEXT_N("Runs", "%n件の設定を送信できませんでした。"))
                        .count(missed));
    for (int i : t.firstMissed(kNamedSteps))
        lines.push_back(Message(VRQ_TEXT("Runs", "%1（%2）"))
                            .arg(name ? name(i + 1) : Message())
                            .arg(Message(stepOutcomeText(t.at(i)))));
    if (missed > static_cast<int>(kNamedSteps))
        lines.push_back(Message(VRQ_TEXT_N("Runs", "ほか %n 件")).count(missed - static_cast<int>(kNamedSteps)));
    return Message::joined(std::move(lines), kLineBreak);
}

}  // namespace vrq
