// Values no dialog could have set reach the command builders from damaged
// documents and from garbled read-back answers; the lines built from them must
// still be well-formed commands.

#include <gtest/gtest.h>

#include "protocol/bulk_runs.h"
#include "protocol/reply_dispatch.h"
#include "protocol/single_page_commands.h"

namespace vrq {
namespace {

bool printable(std::string_view body) {
    for (const char ch : body)
        if (ch < 0x20 || ch > 0x7E) return false;
    return true;
}

TEST(DamagedValuesTest, SingleLineAllPagesFieldsStayInRange) {
    auto c = makeConsole(Product::Single);
    SettingsModel& m = c->settings;
    m.lineCharColour[0][0] = -38;  // '0' - 38 is LF
    m.lineEdgeColour[0][0] = 200;
    m.lineCharColour[1][0] = 9;
    m.pageScrollSpeed[0] = -39;
    m.pageScrollSpeed[1] = 9;
    m.pagePositionOffset[0] = 100;
    m.pagePositionOffset[1] = -5;

    const std::string colour = singleAllPagesCommand(m, SingleSetting::Colour).text();
    EXPECT_EQ(colour.substr(0, 8), "CABC0880");  // 8 is "ブランク", a colour of its own
    const std::string speed = singleAllPagesCommand(m, SingleSetting::ScrollSpeed).text();
    EXPECT_EQ(speed.substr(0, 5), "ISS14");
    const std::string offset = singleAllPagesCommand(m, SingleSetting::Offset).text();
    EXPECT_EQ(offset.substr(0, 7), "IDO1500");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::ScrollSpeed, 1).text(), "ISS0024\r\n");
    EXPECT_EQ(singlePageCommand(m, SingleSetting::Colour, 0).text(), "CABC00108\r\n");

    for (int step = 1; step <= sendAllStepCount(Product::Single); ++step) {
        const SendAllStep built = buildSendAllStep(m, Product::Single, step);
        if (!built.line) continue;
        EXPECT_TRUE(printable(built.line->body())) << "step " << step;
    }
}

TEST(DamagedValuesTest, GarbledReadBackIsSentBackWellFormed) {
    auto c = makeConsole(Product::Single);
    // Every page's speed digit is a control byte or out of the digit range.
    std::string answer = "ISS";
    for (int p = 0; p < kPages; ++p) answer += (p % 2) ? '\t' : 'z';
    answer += "\r\n";
    ASSERT_EQ(dispatchReply(*c, answer, ReplyChannel::Serial), ReplyOutcome::Handled);
    const CommandLine line = singleAllPagesCommand(c->settings, SingleSetting::ScrollSpeed);
    EXPECT_TRUE(printable(line.body()));
}

}  // namespace
}  // namespace vrq
