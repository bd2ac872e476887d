#include "protocol/send_sequencer.h"

#include <gtest/gtest.h>

#include <vector>

namespace vrq {
namespace {

struct Recorder {
    std::vector<int> sent;
    int refuseAt = -1;
    SendSequencer::Step step() {
        return [this](int i) {
            if (i == refuseAt) return false;
            sent.push_back(i);
            return true;
        };
    }
};

TEST(SendSequencer, SendsEveryPageInOrderAndEnds) {
    ReplyState r;
    Recorder rec;
    SendSequencer s(r, 512, rec.step());
    ASSERT_TRUE(s.start());
    EXPECT_TRUE(r.runActive);
    EXPECT_EQ(r.runStep, 0);
    SendSequencer::Tick first = s.tick();
    EXPECT_EQ(runPercentText(first.done, 512), "0");
    SendSequencer::Tick t = first;
    int ticks = 1;
    while (t.end == SendSequencer::End::None) {
        t = s.tick();
        ++ticks;
        ASSERT_LE(ticks, 512);
    }
    EXPECT_EQ(t.end, SendSequencer::End::Finished);
    EXPECT_EQ(runPercentText(t.done, 512), "100");
    ASSERT_EQ(rec.sent.size(), 512u);
    for (int i = 0; i < 512; ++i) ASSERT_EQ(rec.sent[static_cast<std::size_t>(i)], i);
    EXPECT_FALSE(r.runActive);
    EXPECT_FALSE(s.running());
    // An ended run does nothing more.
    EXPECT_FALSE(s.tick().sent);
}

TEST(SendSequencer, NeverStartsWhileAnyRunIsActive) {
    ReplyState r;
    Recorder a, b;
    SendSequencer first(r, 512, a.step());
    SendSequencer second(r, 31, b.step());
    ASSERT_TRUE(first.start());
    first.tick();
    EXPECT_FALSE(first.start());
    EXPECT_FALSE(second.start());
    EXPECT_TRUE(r.runActive);
    EXPECT_EQ(r.runStep, 1);
    EXPECT_FALSE(second.tick().sent);
    EXPECT_TRUE(b.sent.empty());
}

TEST(SendSequencer, ErrorAfterStepEndsAtTheNextTickAfterItsPage) {
    ReplyState r;
    Recorder rec;
    SendSequencer s(r, 512, rec.step());
    s.start();
    s.tick();
    r.replyError = true;  // the answer to page 1 was an error
    const SendSequencer::Tick t = s.tick();
    EXPECT_TRUE(t.sent);
    EXPECT_EQ(t.step, 1);
    EXPECT_EQ(t.end, SendSequencer::End::ErrorStop);
    EXPECT_FALSE(r.replyError);
    EXPECT_FALSE(r.runActive);
    EXPECT_EQ(rec.sent.size(), 2u);
}

TEST(SendSequencer, ErrorBeforeStepSendsNothingMore) {
    ReplyState r;
    Recorder rec;
    SendSequencer s(r, 31, rec.step(), SendSequencer::ErrorCheck::BeforeStep);
    s.start();
    s.tick();
    s.tick();
    r.replyError = true;
    const SendSequencer::Tick t = s.tick();
    EXPECT_FALSE(t.sent);
    EXPECT_EQ(t.done, 2);
    EXPECT_EQ(t.end, SendSequencer::End::ErrorStop);
    EXPECT_FALSE(r.replyError);
    EXPECT_EQ(rec.sent.size(), 2u);
}

TEST(SendSequencer, ScheduleRunSendsThirtyOneDays) {
    ReplyState r;
    Recorder rec;
    SendSequencer s(r, kDays, rec.step(), SendSequencer::ErrorCheck::BeforeStep);
    s.start();
    std::vector<std::string> percents;
    for (int i = 0; i < 40 && s.running(); ++i) percents.push_back(runPercentText(s.tick().done, 32));
    EXPECT_EQ(rec.sent.size(), 31u);
    EXPECT_EQ(percents.front(), "3");
    EXPECT_EQ(percents.back(), "96");
}

TEST(SendSequencer, RefusedStepEndsTheRunWithoutSending) {
    ReplyState r;
    Recorder rec;
    rec.refuseAt = 3;
    SendSequencer s(r, 512, rec.step(), SendSequencer::ErrorCheck::BeforeStep);
    s.start();
    SendSequencer::Tick t;
    while (s.running()) t = s.tick();
    EXPECT_EQ(t.end, SendSequencer::End::Refused);
    EXPECT_EQ(rec.sent.size(), 3u);
    EXPECT_FALSE(r.runActive);
    // A new run starts again from the first page.
    rec.refuseAt = -1;
    rec.sent.clear();
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.tick().step, 0);
}

TEST(SendSequencer, StopReleasesTheCounter) {
    ReplyState r;
    Recorder rec;
    SendSequencer s(r, 512, rec.step());
    s.start();
    s.tick();
    s.stop();
    EXPECT_FALSE(r.runActive);
    EXPECT_FALSE(s.tick().sent);
}

TEST(RunPercent, TitleTemplateKeepsTwoDigitsAndOneDecimal) {
    EXPECT_EQ(titlePercentText(1, 512), " 00.1");
    EXPECT_EQ(titlePercentText(256, 512), " 50.0");
    EXPECT_EQ(titlePercentText(511, 512), " 99.8");
    EXPECT_EQ(titlePercentText(5, 512), " 00.9");
    EXPECT_EQ(titlePercentText(512, 512), "100.0");
}

}  // namespace
}  // namespace vrq
