#include "protocol/send_sequencer.h"

#include <cstdio>
#include <utility>

#include "protocol/codecs.h"

namespace vrq {

SendSequencer::SendSequencer(ReplyState& reply, int steps, Step step, ErrorCheck check)
    : reply_(reply), steps_(steps), step_(std::move(step)), check_(check) {}

bool SendSequencer::start() {
    if (reply_.runActive || steps_ <= 0) return false;
    reply_.runActive = true;
    reply_.runStep = 0;
    running_ = true;
    return true;
}

void SendSequencer::finish() {
    reply_.runActive = false;
    reply_.runStep = 0;
    reply_.replyError = false;
    running_ = false;
}

void SendSequencer::stop() {
    if (!running_) return;
    reply_.runActive = false;
    reply_.runStep = 0;
    running_ = false;
}

SendSequencer::Tick SendSequencer::tick() {
    Tick t;
    // Someone else ended the run (or it runs for another owner): not ours.
    if (!running_ || !reply_.runActive || reply_.runStep < 0 || reply_.runStep >= steps_) {
        running_ = false;
        return t;
    }
    const int index = reply_.runStep;
    t.done = index;
    if (check_ == ErrorCheck::BeforeStep && reply_.replyError) {
        finish();
        t.end = End::ErrorStop;
        return t;
    }
    if (!step_(index)) {
        finish();
        t.end = End::Refused;
        return t;
    }
    t.sent = true;
    t.step = index;
    t.done = index + 1;
    reply_.runStep = index + 1;
    if (t.done >= steps_) {
        finish();
        t.end = End::Finished;
    } else if (check_ == ErrorCheck::AfterStep && reply_.replyError) {
        finish();
        t.end = End::ErrorStop;
    }
    return t;
}

Message unansweredStopText(int commands) {
    return Message(VRQ_TEXT_N("Runs", "装置から応答がありません。%n件のコマンドに続けて応答がなかったため、中止しました。"))
        .count(commands);
}

std::string durationText(long long seconds) {
    if (seconds < 0) seconds = 0;
    const long long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    char buf[32];
    if (h > 0)
        std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", h, m, s);
    else
        std::snprintf(buf, sizeof buf, "%lld:%02lld", m, s);
    return buf;
}

std::string runPercentText(int done, int total) {
    if (total <= 0) return "0";
    return std::to_string(done * 100 / total);
}

std::string titlePercentText(int done, int total) {
    if (total <= 0 || done < 0) return " 00.0";
    const int whole = done * 100 / total;
    const int tenth = (done * 1000 / total) % 10;
    if (whole >= 100) return "100.0";
    std::string s = " 00.0";
    putDecimal2(s.data() + 1, whole);
    s[4] = static_cast<char>('0' + tenth);
    return s;
}

}  // namespace vrq
