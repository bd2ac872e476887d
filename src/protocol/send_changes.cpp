#include "protocol/send_changes.h"

#include <algorithm>

#include "model/text_cell.h"
#include "model/value_ranges.h"
#include "protocol/bulk_runs.h"
#include "protocol/codecs.h"
#include "protocol/title_decode.h"
#include "protocol/title_encode.h"

namespace vrq {

namespace {

constexpr int kTitleSteps = kPages;  // steps 1..512 of both models

// The send-all steps that carry page `page`'s display settings.
std::vector<int> displayStepsOfPage(Product p, int page) {
    if (p == Product::Single) return {544, 545, 546, 547, 548, 549, 550};  // CABC .. ISS, all pages in one
    std::vector<int> out;
    for (int kind = 1; kind <= 5; ++kind) out.push_back(kind * kPages + page + 1);  // CABC CBS CFS FB IDLS
    return out;
}

// A title page is built from its texts alone: equal texts, equal step,
// without encoding 512 pages twice.
bool sameTitles(const SettingsModel& a, const SettingsModel& b, Product p, int page) {
    const auto i = static_cast<std::size_t>(page);
    if (p == Product::Single) return cellText(a.singleTitleText[i]) == cellText(b.singleTitleText[i]);
    for (std::size_t l = 0; l < kLines; ++l)
        if (cellText(a.titleText[i][l]) != cellText(b.titleText[i][l])) return false;
    return true;
}

bool sameStep(const SendAllStep& a, const SendAllStep& b) {
    if (a.problem != b.problem) return false;
    if (!a.line || !b.line) return !a.line && !b.line;
    return a.line->text() == b.line->text();
}

}  // namespace

std::vector<ChangeStep> sendChangesSteps(const SettingsModel& base, const SettingsModel& now, Product p) {
    const int n = sendAllStepCount(p);
    std::vector<char> changed(static_cast<std::size_t>(n) + 1, 0), along(changed);
    for (int s = 1; s <= n; ++s) {
        if (s <= kTitleSteps ? sameTitles(base, now, p, s - 1)
                             : sameStep(buildSendAllStep(base, p, s), buildSendAllStep(now, p, s)))
            continue;
        changed[static_cast<std::size_t>(s)] = 1;
        if (s <= kTitleSteps)
            for (int d : displayStepsOfPage(p, s - 1)) along[static_cast<std::size_t>(d)] = 1;
    }
    std::vector<ChangeStep> out;
    for (int s = 1; s <= n; ++s) {
        const auto i = static_cast<std::size_t>(s);
        if (changed[i] || along[i]) out.push_back({s, changed[i] != 0});
    }
    return out;
}

int changedCount(const std::vector<ChangeStep>& steps) {
    return static_cast<int>(std::count_if(steps.begin(), steps.end(), [](const ChangeStep& c) { return c.changed; }));
}

CommandLine readBackRequest(Product p, int step) {
    // Both runs list the pages, then the days, in the same order; only the
    // device-wide tails differ.
    if (p == Product::Single) {
        if (step <= 543) return readAllRequest(p, step);
        static const char* const kSingle[] = {"RCABC", "RCBS", "RCFS", "RFB", "RIDO", "RIDP", "RISS",
                                              "RACA",  "RAD",  "RADT", "RAM", "RAP",  "RAR",  "RCI",
                                              "RCFZ",  "RCL",  "RPAS", "RPOSP", "RRCA", "RRM", "RTSD",
                                              "RTSDR", "RVLBC"};
        return CommandLine(kSingle[std::clamp(step - 544, 0, 22)]);
    }
    if (step <= 3103) return readAllRequest(p, step);
    static const char* const kMulti[] = {"RACA", "RAD",  "RADT",  "RAM", "RAP", "RAR",  "RCI",   "RCFZ",
                                         "RCL",  "RPAST", "RPOSP", "RRCA", "RRM", "RTSD", "RTSDR", "RVLBC"};
    return CommandLine(kMulti[std::clamp(step - 3104, 0, 15)]);
}

void settingsAsReadBack(SettingsModel& s, Product p) {
    correctOutOfRange(s, p);
    for (int page = 0; page < kPages; ++page) {
        if (p == Product::Single) {
            if (const auto hex = encodeSingleTitlePage(s, page)) storeSingleTitle(s, page, decodeTitleHex(*hex));
        } else if (const auto hex = encodeTitlePage(s, page)) {
            storeTitleLines(s, page, decodeTitleHex(*hex));
        }
    }
}

std::vector<int> stepsReadBackOtherwise(const SettingsModel& expected, const SettingsModel& got, Product p,
                                        const std::vector<ChangeStep>& steps) {
    std::vector<int> differ;
    for (int i = 1; i <= static_cast<int>(steps.size()); ++i) {
        const int s = steps[static_cast<std::size_t>(i - 1)].step;
        const SendAllStep a = buildSendAllStep(expected, p, s);
        const SendAllStep b = buildSendAllStep(got, p, s);
        if (a.line && (!b.line || a.line->text() != b.line->text())) differ.push_back(i);
    }
    return differ;
}

std::string changesPercentText(int done, int total) {
    std::string t = " 00.0";
    if (total <= 0) return t;
    const int perMille = std::clamp(done, 0, total) * 1000 / total;
    if (perMille == 1000) return "100.0";
    putDecimal2(t.data() + 1, perMille / 10 % 100);
    t[4] = static_cast<char>('0' + perMille % 10);
    return t;
}

Message changeStepName(Product p, const std::vector<ChangeStep>& steps, int i) {
    if (i < 1 || i > static_cast<int>(steps.size())) return {};
    const ChangeStep& c = steps[static_cast<std::size_t>(i - 1)];
    Message n = sendAllStepName(p, c.step);
    if (!c.changed) return Message(VRQ_TEXT("Runs", "%1（タイトルに伴う）")).arg(std::move(n));
    return n;
}

}  // namespace vrq
