#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/bulk_runs.h"
#include "protocol/answer_match.h"

namespace vrq {
namespace {

std::string body(Product p, int step) { return std::string(readAllRequest(p, step).body()); }

TEST(ReadAllTest, MultiLineRequestsInTheirOrder) {
    const Product m = Product::Multi;
    ASSERT_EQ(readAllStepCount(m), 3120);
    EXPECT_EQ(body(m, 1), "RCA001");
    EXPECT_EQ(body(m, 2), "RCA002");
    EXPECT_EQ(body(m, 3), "RCA003");
    EXPECT_EQ(body(m, 512), "RCA512");
    EXPECT_EQ(body(m, 513), "RCABC001");
    EXPECT_EQ(body(m, 1025), "RCBS001");
    EXPECT_EQ(body(m, 1537), "RCFS001");
    EXPECT_EQ(body(m, 2049), "RFB001");
    EXPECT_EQ(body(m, 3072), "RIDLS512");
    EXPECT_EQ(body(m, 3073), "RSD01");
    EXPECT_EQ(body(m, 3103), "RSD31");
    EXPECT_EQ(body(m, 3104), "RACA");
    EXPECT_EQ(body(m, 3118), "RTSDR");
    EXPECT_EQ(body(m, 3119), "RVLBC");
    EXPECT_EQ(readAllRequest(m, 3120).text(), "RVN\r\n");
}

TEST(ReadAllTest, SingleLineRequestsInTheirOrder) {
    const Product s = Product::Single;
    ASSERT_EQ(readAllStepCount(s), 568);
    EXPECT_EQ(body(s, 1), "RCA001");
    EXPECT_EQ(body(s, 512), "RCA512");
    EXPECT_EQ(body(s, 513), "RSD01");
    EXPECT_EQ(body(s, 543), "RSD31");
    EXPECT_EQ(body(s, 544), "RACA");
    EXPECT_EQ(body(s, 550), "RCABC");
    EXPECT_EQ(body(s, 560), "RPAS");
    EXPECT_EQ(body(s, 567), "RDM");
    EXPECT_EQ(body(s, 568), "RVN");
}

TEST(BulkPercentTest, TemplatesOfBothRuns) {
    EXPECT_EQ(readAllPercentText(Product::Multi, 1000), " 32.04");
    EXPECT_EQ(readAllPercentText(Product::Multi, 3120), " 99.96");
    EXPECT_EQ(readAllPercentText(Product::Multi, 1), " 00.03");
    EXPECT_EQ(sendAllPercentText(Product::Multi, 3119), " 99.96");
    EXPECT_EQ(sendAllPercentText(Product::Multi, 1560), " 50.00");
    EXPECT_EQ(readAllPercentText(Product::Single, 284), " 50.0");
    EXPECT_EQ(readAllPercentText(Product::Single, 568), " 00.0");  // 100 wraps to its tens and units
    EXPECT_EQ(readAllPercentText(Product::Single, 567), " 99.8");
    EXPECT_EQ(sendAllPercentText(Product::Single, 566), " 99.8");
    EXPECT_EQ(readAllEndText(Product::Multi), "      ");
    EXPECT_EQ(sendAllEndText(Product::Multi), "     ");
    EXPECT_EQ(sendAllEndText(Product::Single), "   ");
}

std::string sendBody(const Console& c, int step) {
    const SendAllStep s = buildSendAllStep(c.settings, c.product, step);
    return s.line ? s.line->text() : std::string();
}

TEST(SendAllTest, MultiLineStepsCallTheBuildersInOrder) {
    auto c = makeConsole(Product::Multi);
    ASSERT_EQ(sendAllStepCount(Product::Multi), 3119);
    std::string empty;
    for (int i = 0; i < 280; ++i) empty += "2121";
    EXPECT_EQ(sendBody(*c, 1), "CA001" + empty + "\r\n");
    EXPECT_EQ(sendBody(*c, 513), "CABC00170707070707070707070\r\n");
    EXPECT_EQ(sendBody(*c, 1025), "CBS001FFFFFFFFFF\r\n");
    EXPECT_EQ(sendBody(*c, 1537).substr(0, 6), "CFS001");
    EXPECT_EQ(sendBody(*c, 2049).substr(0, 5), "FB001");
    EXPECT_EQ(sendBody(*c, 2561).substr(0, 7), "IDLS001");
    EXPECT_EQ(sendBody(*c, 3073).substr(0, 4), "SD01");
    EXPECT_EQ(sendBody(*c, 3103).substr(0, 4), "SD31");
    EXPECT_EQ(sendBody(*c, 3104).substr(0, 3), "ACA");
    EXPECT_EQ(sendBody(*c, 3106), "ADT010\r\n");
    EXPECT_EQ(sendBody(*c, 3111).substr(0, 3), "CFZ");
    EXPECT_EQ(sendBody(*c, 3112).size(), 1028u);
    EXPECT_EQ(sendBody(*c, 3113).size(), 1030u);
    EXPECT_EQ(sendBody(*c, 3115), "RCA001002003004005006007008\r\n");  // a set command, not a read
    EXPECT_EQ(sendBody(*c, 3119).substr(0, 4), "VLBC");
}

TEST(SendAllTest, SingleLineSteps) {
    auto c = makeConsole(Product::Single);
    ASSERT_EQ(sendAllStepCount(Product::Single), 566);
    EXPECT_EQ(sendBody(*c, 1).substr(0, 5), "CA001");
    EXPECT_EQ(sendBody(*c, 513).substr(0, 4), "SD01");
    EXPECT_EQ(sendBody(*c, 544).substr(0, 6), "CABC70");
    EXPECT_EQ(sendBody(*c, 545), "CBS" + std::string(512, 'F') + "\r\n");
    EXPECT_EQ(sendBody(*c, 550), "ISS" + std::string(512, '3') + "\r\n");
    EXPECT_EQ(sendBody(*c, 551).substr(0, 3), "ACA");
    EXPECT_EQ(sendBody(*c, 559).substr(0, 2), "CL");
    EXPECT_EQ(sendBody(*c, 560), "PAS" + std::string(512, 'L') + "\r\n");
    EXPECT_EQ(sendBody(*c, 566).substr(0, 4), "VLBC");
}

TEST(SendAllTest, ProblemsAreReportedNotSent) {
    auto c = makeConsole(Product::Multi);
    setCell(c->settings.titleText[2][0], "a");  // a half-width character
    EXPECT_EQ(buildSendAllStep(c->settings, c->product, 3).problem, SendAllStep::Problem::TitleRefused);
    EXPECT_FALSE(buildSendAllStep(c->settings, c->product, 3).line);
    EXPECT_TRUE(buildSendAllStep(c->settings, c->product, 2).line);
    setCell(c->settings.alarmHoldTime, "2");
    EXPECT_EQ(buildSendAllStep(c->settings, c->product, 3106).problem, SendAllStep::Problem::HoldTimeTooShort);
}


// The time left is estimated from these; a step counted at the wrong place
// would make a title page look like a blink setting.
TEST(RunWeightTest, SendAllStepBytesFollowTheLinesBuilt) {
    for (Product p : {Product::Multi, Product::Single}) {
        auto c = makeConsole(p);
        for (int step = 1; step <= sendAllStepCount(p); ++step) {
            const SendAllStep s = buildSendAllStep(c->settings, p, step);
            if (!s.line) continue;
            const int real = static_cast<int>(s.line->text().size()) + 4;  // and "GO\r\n"
            EXPECT_NEAR(sendAllStepBytes(p, step), real, 24) << step;
        }
    }
    EXPECT_GT(readAllStepBytes(Product::Multi, 1), 20 * readAllStepBytes(Product::Multi, 1025));
    EXPECT_GT(readAllStepBytes(Product::Single, 544 + 11), 1000);  // RCL
}

// What a broadcast may not carry: every request of either program is a read,
// no set command is, the "R" ones ("RCA" + connectors, "RMBIN") included.
TEST(ReadRequestTest, ReadsAreToldFromSetCommands) {
    for (const Product p : {Product::Multi, Product::Single}) {
        for (int step = 1; step <= readAllStepCount(p); ++step)
            ASSERT_TRUE(isReadRequest(readAllRequest(p, step).text())) << step;
        auto c = makeConsole(p);
        for (int step = 1; step <= sendAllStepCount(p); ++step) {
            const SendAllStep built = buildSendAllStep(c->settings, p, step);
            ASSERT_TRUE(built.line) << step;
            ASSERT_FALSE(isReadRequest(built.line->text())) << built.line->text();
        }
    }
    EXPECT_TRUE(isReadRequest("RCA999"));
    EXPECT_TRUE(isReadRequest("REAA"));
    EXPECT_FALSE(isReadRequest("RCA0011"));
    EXPECT_FALSE(isReadRequest("RMOPE"));
    EXPECT_FALSE(isReadRequest(""));
}

}  // namespace
}  // namespace vrq
