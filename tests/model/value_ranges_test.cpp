#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "model/value_ranges.h"

namespace vrq {
namespace {

TEST(ValueRangesTest, DefaultsNeedNoCorrection) {
    for (const Product p : {Product::Multi, Product::Single}) {
        auto c = makeConsole(p);
        const SettingsModel before = c->settings;
        EXPECT_TRUE(correctOutOfRange(c->settings, p).empty());
        EXPECT_EQ(c->settings.lineSpacing, before.lineSpacing);
    }
}

TEST(ValueRangesTest, EachProgramCorrectsToWhatItsCommandsSend) {
    auto multi = makeConsole(Product::Multi);
    SettingsModel& m = multi->settings;
    m.lineSpacing[3][2] = 99;
    m.pageCharWhiteLevel[5] = 7;
    m.lineEdgeColour[0][9] = 12;
    m.scheduleHour[0][0] = 30;
    m.scheduleMinute[0][0] = 75;
    m.schedulePage[1][1] = 600;
    m.lineCharSize[0][0] = 7;
    m.powerOnPage = 9000;
    const std::vector<ValueKind> kinds = correctOutOfRange(m, Product::Multi);
    EXPECT_EQ(kinds, (std::vector<ValueKind>{ValueKind::CharSize, ValueKind::Spacing, ValueKind::Colour,
                                             ValueKind::CharLevel, ValueKind::Schedule, ValueKind::Other}));
    EXPECT_EQ(m.lineSpacing[3][2], 63);
    EXPECT_EQ(m.pageCharWhiteLevel[5], 4);
    EXPECT_EQ(m.lineEdgeColour[0][9], 8);
    EXPECT_EQ(m.scheduleHour[0][0], 23);
    EXPECT_EQ(m.scheduleMinute[0][0], 59);
    EXPECT_EQ(m.schedulePage[1][1], kScheduleNone);
    EXPECT_EQ(m.lineCharSize[0][0], 0);  // "L"
    EXPECT_EQ(m.powerOnPage, kPowerOnPas);
    EXPECT_TRUE(correctOutOfRange(m, Product::Multi).empty());  // told once
    EXPECT_EQ(correctedValuesText(kinds).japanese(),
              "ファイルに範囲外の値がありました。送信される値に直して表示します。\n"
              "文字サイズ、表示行間、文字＆縁取り色、文字レベル、スケジュール、その他");

    auto single = makeConsole(Product::Single);
    SettingsModel& s = single->settings;
    s.lineCharSize[0][0] = 7;  // "S" in this program
    s.pagePositionOffset[0] = 20;  // the offset goes to 15
    s.lineSpacing[0][5] = 99;  // a line the program never uses
    EXPECT_EQ(correctOutOfRange(s, Product::Single), (std::vector<ValueKind>{ValueKind::CharSize, ValueKind::PositionOffset}));
    EXPECT_EQ(s.lineCharSize[0][0], 2);
    EXPECT_EQ(s.pagePositionOffset[0], 15);
    EXPECT_EQ(s.lineSpacing[0][5], 99);
}

}  // namespace
}  // namespace vrq
