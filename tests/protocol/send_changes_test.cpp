#include <gtest/gtest.h>

#include "model/console.h"
#include "model/text_cell.h"
#include "protocol/bulk_runs.h"
#include "protocol/send_changes.h"

namespace vrq {
namespace {

std::vector<int> changedSteps(const SettingsModel& a, const SettingsModel& b, Product p) {
    std::vector<int> out;
    for (const ChangeStep& c : sendChangesSteps(a, b, p))
        if (c.changed) out.push_back(c.step);
    return out;
}

// Each setting the send-all list carries, changed alone, is the one step that carries it.
TEST(SendChangesTest, EachKindOfSettingIsItsOwnStep) {
    struct Edit {
        Product p;
        void (*edit)(SettingsModel&);
        std::vector<int> steps;
    };
    const Product m = Product::Multi, s = Product::Single;
    const Edit edits[] = {
        {m, [](SettingsModel& x) { x.lineCharColour[5][3] = 2; }, {513 + 5}},
        {m, [](SettingsModel& x) { x.lineEdgeColour[5][3] = 2; }, {513 + 5}},
        {m, [](SettingsModel& x) { x.lineBlink[9][0] = 1; }, {1025 + 9}},
        {m, [](SettingsModel& x) { x.lineCharSize[511][9] = 2; }, {1537 + 511}},
        {m, [](SettingsModel& x) { x.lineFill[0][0] = 1; }, {2049}},
        {m, [](SettingsModel& x) { x.lineSpacing[7][1] = 40; }, {2561 + 7}},
        {m, [](SettingsModel& x) { x.scheduleMinute[30][23] = 59; }, {3103}},
        {m, [](SettingsModel& x) { x.connectorAssign[7] = 99; }, {3104, 3115}},  // alarm and remote share it
        {m, [](SettingsModel& x) { x.alarmDisplay = 0; }, {3105}},
        {m, [](SettingsModel& x) { setCell(x.alarmHoldTime, "120"); }, {3106}},
        {m, [](SettingsModel& x) { x.alarmMode = 1; }, {3107}},
        {m, [](SettingsModel& x) { x.connectorInput = 1; }, {3110}},
        {m, [](SettingsModel& x) { x.pageCharBlackLevel[300] = 4; }, {3112}},
        {m, [](SettingsModel& x) { x.pageAutoSwitch[300] = 42; }, {3113}},
        {m, [](SettingsModel& x) { x.powerOnPage = kPowerOnPas; }, {3114}},
        {m, [](SettingsModel& x) { x.remoteMode = 2; }, {3116}},
        {m, [](SettingsModel& x) { x.clockDisplayRange = 3; }, {3118}},
        {m, [](SettingsModel& x) { x.videoLossBackColour = 1; }, {3119}},
        {m, [](SettingsModel& x) { x.displayOffsetH = 9; }, {}},  // no send-all step carries it
        {s, [](SettingsModel& x) { x.lineCharColour[5][0] = 2; }, {544}},
        {s, [](SettingsModel& x) { x.lineBlink[5][0] = 1; }, {545}},
        {s, [](SettingsModel& x) { x.lineCharSize[5][0] = 2; }, {546}},
        {s, [](SettingsModel& x) { x.lineFill[5][0] = 1; }, {547}},
        {s, [](SettingsModel& x) { x.pagePositionOffset[5] = 11; }, {548}},
        {s, [](SettingsModel& x) { x.pageDisplayPosition[5] = 0; }, {549}},
        {s, [](SettingsModel& x) { x.pageScrollSpeed[5] = 0; }, {550}},
        {s, [](SettingsModel& x) { x.scheduleHour[0][0] = 5; }, {513}},
        {s, [](SettingsModel& x) { x.pageAutoSwitch[5] = 0; }, {560}},
        {s, [](SettingsModel& x) { x.clockDisplayOn = 1; }, {564}},
        {s, [](SettingsModel& x) { x.lineBlink[5][4] = 1; }, {}},  // the single-line device has one line a page
    };
    for (const Edit& e : edits) {
        const auto base = makeConsole(e.p);
        auto now = makeConsole(e.p);
        e.edit(now->settings);
        const auto steps = sendChangesSteps(base->settings, now->settings, e.p);
        EXPECT_EQ(changedSteps(base->settings, now->settings, e.p), e.steps) << &e - edits;
        EXPECT_EQ(steps.size(), e.steps.size()) << &e - edits;  // none of them brings another
    }
}

// A page's title goes with its display settings, which send-all lays over it;
// the count of changes stays the titles alone.
TEST(SendChangesTest, ATitleBringsItsPagesDisplaySettings) {
    const auto base = makeConsole(Product::Multi);
    auto now = makeConsole(Product::Multi);
    EXPECT_TRUE(sendChangesSteps(base->settings, now->settings, Product::Multi).empty());
    setCell(now->settings.titleText[4][2], "\x82\xa0");
    now->settings.lineBlink[4][0] = 1;  // changed as well: listed once, as a change
    auto steps = sendChangesSteps(base->settings, now->settings, Product::Multi);
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(changedCount(steps), 2);
    const int expected[] = {5, 513 + 4, 1025 + 4, 1537 + 4, 2049 + 4, 2561 + 4};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].step, expected[i]);
        EXPECT_EQ(steps[i].changed, i == 0 || i == 2) << i;
    }
    EXPECT_EQ(changeStepName(Product::Multi, steps, 1).japanese(), "ページ 005 タイトル");
    EXPECT_EQ(changeStepName(Product::Multi, steps, 2).japanese(), "ページ 005 文字色と縁取り色（タイトルに伴う）");

    const auto sbase = makeConsole(Product::Single);
    auto snow = makeConsole(Product::Single);
    setCell(snow->settings.singleTitleText[511], "\x88\x9f");
    steps = sendChangesSteps(sbase->settings, snow->settings, Product::Single);
    ASSERT_EQ(steps.size(), 8u);
    EXPECT_EQ(changedCount(steps), 1);
    EXPECT_EQ(steps[0].step, 512);
    EXPECT_EQ(steps[1].step, 544);
    EXPECT_EQ(steps[7].step, 550);
}

// A title that cannot go out is still a change: the run stops at it as send-all does.
TEST(SendChangesTest, WhatCannotBeSentIsStillAChange) {
    const auto base = makeConsole(Product::Multi);
    auto now = makeConsole(Product::Multi);
    setCell(now->settings.titleText[2][0], "A");
    setCell(now->settings.alarmHoldTime, "1");
    EXPECT_EQ(changedSteps(base->settings, now->settings, Product::Multi), (std::vector<int>{3, 3106}));
    EXPECT_TRUE(changedSteps(now->settings, now->settings, Product::Multi).empty());
}

// What each step sets is what its read request reads: the request is the
// step's mnemonic (and page or day) behind an "R".
TEST(SendChangesTest, EveryStepIsReadBackByItsOwnRequest) {
    for (const Product p : {Product::Multi, Product::Single}) {
        const auto c = makeConsole(p);
        for (int s = 1; s <= sendAllStepCount(p); ++s) {
            const std::string body(readBackRequest(p, s).body());
            const SendAllStep step = buildSendAllStep(c->settings, p, s);
            ASSERT_TRUE(step.line) << s;
            ASSERT_EQ(body[0], 'R') << s;
            EXPECT_EQ(step.line->text().compare(0, body.size() - 1, body, 1), 0) << s << " " << body;
        }
    }
}

TEST(SendChangesTest, AReadBackNamesTheStepsThatDidNotArrive) {
    const auto sent = makeConsole(Product::Multi);
    auto got = makeConsole(Product::Multi);
    setCell(sent->settings.titleText[4][2], "\x82\xa0");
    sent->settings.alarmMode = 1;
    const auto steps = sendChangesSteps(got->settings, sent->settings, Product::Multi);
    got->settings.alarmMode = 1;  // the alarm mode arrived, the title did not
    EXPECT_EQ(stepsReadBackOtherwise(sent->settings, got->settings, Product::Multi, steps), std::vector<int>{1});
    EXPECT_TRUE(stepsReadBackOtherwise(sent->settings, sent->settings, Product::Multi, steps).empty());
}

TEST(SendChangesTest, PercentOfAChangeRun) {
    EXPECT_EQ(changesPercentText(0, 3), " 00.0");
    EXPECT_EQ(changesPercentText(1, 3), " 33.3");
    EXPECT_EQ(changesPercentText(3, 3), "100.0");
    EXPECT_EQ(changesPercentText(5, 0), " 00.0");
}

}  // namespace
}  // namespace vrq
