// Correcting the out-of-range values of an opened document never changes a
// byte sent: for every field of both programs, the corrected value is the one
// whose bytes the builders sent for the stored value.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>

#include "model/settings_file.h"
#include "model/value_ranges.h"
#include "protocol/bulk_runs.h"
#include "protocol/device_commands.h"
#include "protocol/line_commands.h"
#include "protocol/page_commands.h"
#include "protocol/single_page_commands.h"

namespace vrq {
namespace {

// Below, inside and above every field's range, the odd values of the
// letter fields, and the ends of what a document's number can hold.
constexpr int kProbes[] = {-INT_MAX, -1000, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 16, 23, 24,
                           59, 60, 63, 64, 99, 100, 511, 512, 513, 514, 1000, INT_MAX};
constexpr int kProbeCount = static_cast<int>(sizeof kProbes / sizeof kProbes[0]);

// Every number of the model, each with its own index, so that a pass puts
// every probe into every field somewhere.
void eachNumber(SettingsModel& m, const std::function<void(int&)>& f) {
    for (PageLineInt* t : {&m.lineCharSize, &m.lineSpacing, &m.lineBlink, &m.lineCharColour, &m.lineEdgeColour, &m.lineFill})
        for (auto& page : *t)
            for (int& v : page) f(v);
    for (PageInt* t : {&m.pageAutoSwitch, &m.pageCharWhiteLevel, &m.pageCharBlackLevel, &m.pageDisplayPosition,
                       &m.pageScrollSpeed, &m.pagePositionOffset})
        for (int& v : *t) f(v);
    for (DayEntryInt* t : {&m.scheduleHour, &m.scheduleMinute, &m.schedulePage})
        for (auto& day : *t)
            for (int& v : day) f(v);
    for (int& v : m.connectorAssign) f(v);
    for (int* v : {&m.clockDisplayOn, &m.clockDisplayRange, &m.clockDisplaySize, &m.alarmMode, &m.alarmPolarity,
                   &m.alarmDisplay, &m.alarmReturn, &m.remoteMode, &m.connectorInput, &m.powerOnPage,
                   &m.videoLossBackColour, &m.displayOffsetH, &m.displayOffsetV, &m.zoomFont, &m.netSubnetClass,
                   &m.netConnectionTry, &m.netKeepAlive, &m.netTimeRegister})
        f(*v);
}

// Every line a send-all puts out after the titles (no number in them), and
// those of the buttons it has no step for; the one-page and one-line forms on
// a few pages, which see every probe.
std::vector<std::string> wire(const SettingsModel& m, Product p) {
    std::vector<std::string> out;
    for (int step = kPages + 1; step <= sendAllStepCount(p); ++step)
        if (const SendAllStep s = buildSendAllStep(m, p, step); s.line) out.push_back(s.line->text());
    for (int page = 0; page < 4; ++page) {
        out.push_back(charLevelPageCommand(m, page).text());
        if (p == Product::Single) {
            for (const SingleSetting s : {SingleSetting::AutoSwitch, SingleSetting::Blink, SingleSetting::Offset,
                                          SingleSetting::Position, SingleSetting::Fill, SingleSetting::Colour,
                                          SingleSetting::CharSize, SingleSetting::ScrollSpeed})
                out.push_back(singlePageCommand(m, s, page).text());
            continue;
        }
        out.push_back(autoSwitchPageCommand(m, page).text());
        for (int line = 0; line < kLines; ++line)
            for (const auto build : {blinkLineCommand, charSizeLineCommand, spacingLineCommand, colourLineCommand,
                                     fillLineCommand})
                out.push_back(build(m, page, line).text());
    }
    for (const auto build : {clockSizeCommand, clockDisplayCommand, subnetCommand, connectionTryCommand,
                             keepAliveCommand, timeRegisterCommand})
        out.push_back(build(m).text());
    return out;
}

class CorrectionWire : public ::testing::TestWithParam<Product> {};

TEST_P(CorrectionWire, EveryFieldCorrectsToWhatItsBuilderSent) {
    const Product p = GetParam();
    std::vector<ValueKind> seen;
    for (int pass = 0; pass < kProbeCount; ++pass) {
        // The document carries the values as decimal records; what it has no
        // record for is damaged in the model, as a garbled read-back could.
        auto written = makeConsole(p);
        int at = pass;
        eachNumber(written->settings, [&at](int& v) { v = kProbes[at++ % kProbeCount]; });
        auto c = makeConsole(p);
        ASSERT_EQ(SettingsFile::deserialize(*c, SettingsFile::serialize(*written)), SettingsFile::recordCount(p));
        at = pass;
        eachNumber(c->settings, [&at](int& v) { v = kProbes[at++ % kProbeCount]; });
        EXPECT_EQ(SettingsFile::serialize(*c), SettingsFile::serialize(*written));

        const std::vector<std::string> before = wire(c->settings, p);
        const std::vector<ValueKind> kinds = correctOutOfRange(c->settings, p);
        const std::vector<std::string> after = wire(c->settings, p);
        ASSERT_EQ(before.size(), after.size());
        for (std::size_t i = 0; i < before.size(); ++i)
            ASSERT_EQ(before[i], after[i]) << "pass " << pass << ", line " << i;
        EXPECT_TRUE(correctOutOfRange(c->settings, p).empty());  // nothing left to correct
        for (const ValueKind k : kinds)
            if (std::find(seen.begin(), seen.end(), k) == seen.end()) seen.push_back(k);
    }
    // Every kind of value the program sends was out of range somewhere.
    EXPECT_EQ(seen.size(), p == Product::Single ? 15u : 13u);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, CorrectionWire, ::testing::Values(Product::Multi, Product::Single));

TEST(CorrectionWireSingle, DisplayPositionTwoStaysAtTheTop) {
    auto c = makeConsole(Product::Single);
    c->settings.pageDisplayPosition[10] = 2;
    EXPECT_EQ(singlePageCommand(c->settings, SingleSetting::Position, 10).text(), "IDP011T\r\n");
    EXPECT_EQ(correctOutOfRange(c->settings, Product::Single), std::vector<ValueKind>{ValueKind::DisplayPosition});
    EXPECT_EQ(c->settings.pageDisplayPosition[10], 0);
}

}  // namespace
}  // namespace vrq
